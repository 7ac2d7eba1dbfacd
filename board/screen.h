#pragma once

#include <QHash>
#include <QMargins>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace getalveld {

// A screen: one top-level window with its own controls, handlers and private state.
// It exists at most once, is created on first show and then only hidden and shown again.
class Screen : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(quint32 backColor READ backColor WRITE setBackColor)

public:
    enum class Border { Sizeable, FixedDialog };

    Screen(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips,
           quint32 back, Border border = Border::Sizeable);

    QString caption() const { return windowTitle(); }
    void setCaption(const QString &caption);
    quint32 backColor() const { return m_back; }
    void setBackColor(quint32 colour);

    virtual void Form_Load() {}
    virtual void Form_Activate() {}

    // Left = (display width - outer width) * 0.5, Top likewise; no clamping, so a window
    // larger than the display gets a negative position. The outer size includes the border
    // and title bar that the window manager puts around the screen.
    void centre();

    // Brings the screen up as the pupil expects a shown screen: visible, not minimised,
    // above the main frame and active.
    void bringUp(QWidget *mainFrame);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QMargins outerMargins() const;
    void writeTitle();

    quint32 m_back;
    Border m_border;
    // The frame the last centring assumed; the window manager may tell the real one later.
    QMargins m_centredWith;
    bool m_centrePending = false;
};

// The program's collection of screens: it knows every screen by name, creates one on its
// first Show and runs Form_Load once and Form_Activate on every activation.
class Forms
{
public:
    using Factory = std::function<Screen *()>;

    void registerScreen(const QString &name, Factory factory);
    bool isRegistered(const QString &name) const { return m_factories.contains(name); }
    QStringList registeredNames() const { return m_factories.keys(); }

    Screen *show(const QString &name);
    void hide(const QString &name);
    void unload(const QString &name);
    Screen *loaded(const QString &name) const;
    QList<Screen *> loadedScreens() const;

    // The main frame is not a screen of the registry, but its Enabled flag is shared state.
    void setMainFrame(QWidget *frame) { m_mainFrame = frame; }
    QWidget *mainFrame() const { return m_mainFrame; }
    void setMainFrameEnabled(bool enabled);

    // Called when a window of the program becomes active: a screen that becomes active
    // after another window of the program runs Form_Activate again.
    void windowActivated(QWidget *window);

    void clear();

private:
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<Screen>> m_loaded;
    QPointer<QWidget> m_mainFrame;
    QPointer<QWidget> m_lastActive;
};

Forms &forms();

} // namespace getalveld
