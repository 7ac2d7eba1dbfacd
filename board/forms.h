#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace getalveld {

class Screen;

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
