#pragma once

#include "board/scaledwindow.h"

#include <QHash>
#include <QMargins>
#include <QString>
#include <QWidget>
#include <memory>

namespace getalveld {

// A screen: one top-level window with its own controls, handlers and private state.
// It exists at most once, is created on first show and then only hidden and shown again.
class Screen : public QWidget, public ScaledWindow
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(quint32 backColor READ backColor WRITE setBackColor)

public:
    enum class Border { Sizeable, FixedDialog };

    // The screen's name is the one the registry knows it by (forms.h).
    Screen(const QString &caption, int clientWidthTwips, int clientHeightTwips, quint32 back,
           Border border = Border::Sizeable);
    ~Screen() override;

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

    // Scaling. The layout stays in twips; at scale s every control, font and picture is s
    // times its designed size. The scale is the program's: a screen that is resized sets it,
    // and every screen shown later takes it (or the largest scale that fits the display).
    // F11 makes the screen fill the display, and every screen after it, until F11 again.
    qreal scale() const { return m_scale; }
    qreal windowScale() const override { return m_scale; }
    static qreal programScale();
    // A new start of the program begins at scale 1, in a window.
    static void resetProgramScale();
    static bool fillsDisplay();
    void toggleFillDisplay();
    // Some window managers refuse full screen to dialog windows (and tell so in the actions
    // they allow a window). Then a screen fills the display's work area instead: placed in
    // its corner and sized to it, frame included, for the rest of the run.
    static bool fullScreenRefused();
    static void setFullScreenRefused(bool refused);
    // Moves a control at run time to its designed place (pixels at scale 1), scaled.
    static void placeControl(QWidget *control, const QRect &designed);
    // Moves a control to a place measured on the screen as it is now, at its scale.
    static void placeControlAsShown(QWidget *control, const QRect &shown);
    // Gives a control its designed font, scaled; a font it already has costs nothing.
    static void setControlFont(QWidget *control, const QFont &designed);

signals:
    // The screen became the active window.
    void activated();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The program's scale and whether its screens fill the display; the scale to return to
    // when they stop filling it.
    struct ProgramScale
    {
        qreal scale = 1.0;
        bool filling = false;
        qreal beforeFilling = 1.0;
        bool fullScreenRefused = false;
    };
    static ProgramScale &programScaling();
    QMargins outerMargins() const;
    void writeTitle();
    qreal fittingScale(bool wholeDisplay) const;
    void applyScale(qreal scale, bool resizeWindow);
    void layOut();
    bool windowManagerRefusesFullScreen();
    void fill();
    void fillWorkArea();
    void leaveFill();
    void setClientSize(const QSize &client);
    // Back from full screen, a window manager may hand back a size or a place of its own
    // after the screen set its own (the size it remembered as the window's, the full
    // screen's). The screen holds the size and the centred place it asked for, a few times
    // at most, until the pupil acts on it, it hides or fills the display again.
    void holdSizeAndPlace();
    bool holdAgain();
    // Centres again when the real frame, known at last, or the window manager's placing
    // left the screen elsewhere than the centring meant.
    void keepCentred();
    void repaintIfFrameChanged();
    struct Scaling;
    // Made the first time the screen leaves scale 1: the designed geometry and font of each
    // control. A screen that is never scaled carries nothing.
    std::unique_ptr<Scaling> m_scaling;
    QSize m_designed;
    qreal m_scale = 1.0;
    QPoint m_offset; // the scaled layout is centred when the window's proportions differ

    quint32 m_back;
    Border m_border;
    // The frame the last centring assumed; the window manager may tell the real one later.
    QMargins m_centredWith;
    bool m_centrePending = false;
    bool m_layingOut = false;
    bool m_chainOrdered = false;
    bool m_recentre = false; // back from filling the display: centre once the window is sized
    QPoint m_centredAt;      // where the centring put the outer frame's corner
    bool m_holding = false;
    int m_holds = 0;
    QSize m_heldSize;
    // How the screen fills the display, if it does: the window manager's full screen, or a
    // window sized to the work area (placed with the frame it had then).
    enum class Fill { None, FullScreen, WorkArea };
    Fill m_fill = Fill::None;
    QMargins m_filledWith;
    int m_refills = 0;
    int m_unmaximised = 0; // maximised by the window manager and handed back, this show
    // Where the program draws the frame itself (Wayland), the frame it had at the last paint.
    QMargins m_paintedWithFrame;
    bool m_watchingFrame = false;
    bool m_watchingWindow = false;

public:
    // Shows the choice board, then hides this screen: what a stop button does.
    void returnToBoard();
};

} // namespace getalveld
