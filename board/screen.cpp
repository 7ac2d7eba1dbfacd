#include "board/screen.h"
#include "board/screenscaling.h"

#include "board/controls.h"
#include "board/geometry.h"
#include "board/reach.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <cmath>

// A screen's life: made, shown, centred, activated, hidden. Its scaling and filling the
// display are in screenscaling.cpp, its talk with the window system in windowsystem.cpp.

namespace getalveld {

namespace {

// The border and title bar the window manager put around a screen of each kind, learned
// from the first screen it framed, so that later screens centre right before they show.
QMargins &knownMargins(Screen::Border border)
{
    static QMargins sizeable, fixed;
    return border == Screen::Border::Sizeable ? sizeable : fixed;
}

} // namespace

Screen::Screen(const QString &caption, int clientWidthTwips, int clientHeightTwips, quint32 back,
               Border border)
    // A dialog-type window: on X11 only those carry the transient relation to the main frame
    // that keeps a screen above it when the pupil clicks the frame. It stays a window of
    // its own, with its own title bar, and no widget owns it, so a disabled main frame
    // never disables it.
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_back(back), m_border(border)
{
    // No close box: the flow runs only through the screens' own buttons, and closing a
    // screen would leave the pupil with nothing to click.
    setWindowTitle(caption);
    setAutoFillBackground(true);
    setRoleColour(this, QPalette::Window, back);
    const QSize client(px(clientWidthTwips), px(clientHeightTwips));
    m_designed = client;
    if (border == Border::FixedDialog) {
        setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
        setFixedSize(client);
    } else {
        resize(client);
    }
}

Screen::~Screen() = default;

void Screen::setBackColor(quint32 colour)
{
    if (colour == m_back)
        return;
    m_back = colour;
    setRoleColour(this, QPalette::Window, colour);
}

void Screen::setCaption(const QString &caption)
{
    setWindowTitle(caption);
    writeTitle();
}

QMargins Screen::outerMargins() const
{
    const QMargins real = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (!real.isNull())
        return real;
    // Before the first screen of its kind is framed, the main frame's frame is the best
    // guess: a window manager that frames windows after it maps them may not take a
    // centring again at once (kwin under load keeps the first place).
    const QMargins known = knownMargins(m_border);
    const QWindow *frame = windowHandle() ? windowHandle()->transientParent() : nullptr;
    if (known.isNull() && frame && frame->isVisible())
        return frame->frameMargins();
    return known;
}

void Screen::centre()
{
    if (isFullScreen() || m_fill != Fill::None)
        return;
    QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!display)
        return;
    const QRect whole = display->geometry();
    const QMargins frame = outerMargins();
    const QSize outer = size().grownBy(frame);
    const double left = (whole.width() - outer.width()) * 0.5;
    const double top = (whole.height() - outer.height()) * 0.5;
    m_centredAt = QPoint(whole.left() + int(std::floor(left)), whole.top() + int(std::floor(top)));
    // The client's place: move() would convert with the frame Qt knows at this moment, none
    // just after full screen, and put the title bar too high.
    setGeometry(QRect(m_centredAt + QPoint(frame.left(), frame.top()), size()));
    m_centredWith = frame;
    m_centrePending = true;
}

void Screen::holdSizeAndPlace()
{
    m_holding = true;
    m_holds = 0;
    m_heldSize = size();
}

// Gives the screen the size it holds again, centred; false once it has done so three times
// this show, so that a window manager that insists cannot keep the two of them busy.
bool Screen::holdAgain()
{
    if (!m_holding || m_holds >= 3)
        return false;
    ++m_holds;
    setClientSize(m_heldSize);
    centre();
    return true;
}

// The window manager frames a window only once it shows it, and may not move it when it
// keeps it where it was asked to be: this is asked on every move, resize and expose, and
// acts once the real frame is known. After the first check only a screen that holds its
// place is centred again.
void Screen::keepCentred()
{
    if (!(m_centrePending || m_holding) || !isVisible() || isFullScreen() || m_fill != Fill::None
        || !windowHandle())
        return;
    const QMargins real = windowHandle()->frameMargins();
    if (real.isNull())
        return;
    knownMargins(m_border) = real;
    const bool first = m_centrePending;
    m_centrePending = false;
    if (real == m_centredWith && frameGeometry().topLeft() == m_centredAt)
        return;
    if (first)
        centre();
    else if (!holdAgain())
        return;
    m_centrePending = false;
}

// On Wayland the program draws the title bar and border itself, into the same buffer as
// the screen: the frame goes with full screen and comes back with the window, and each time
// the buffer is made anew, blank, at the screen's size plus the frame. Qt then paints the
// screen but not the opaque controls on it (they had not changed), which stay black. The
// frame is watched before every paint, and a new one has every control painted again.
void Screen::repaintIfFrameChanged()
{
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame == m_paintedWithFrame)
        return;
    m_paintedWithFrame = frame;
    update();
    for (QWidget *w : findChildren<QWidget *>())
        if (!w->isWindow())
            w->update();
}

bool Screen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != windowHandle())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Expose:
        keepCentred();
        if (m_watchingFrame)
            repaintIfFrameChanged();
        break;
    case QEvent::UpdateRequest:
        if (m_watchingFrame)
            repaintIfFrameChanged();
        break;
    // The pupil acts on the screen: from now on its size and place are the pupil's.
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::TouchBegin:
        m_holding = false;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Screen::bringUp(QWidget *mainFrame)
{
    if (isHidden()) {
        winId();
        if (!m_watchingWindow) {
            m_watchingWindow = true;
            m_watchingFrame = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
            windowHandle()->installEventFilter(this);
        }
        if (mainFrame && mainFrame->windowHandle())
            windowHandle()->setTransientParent(mainFrame->windowHandle());
        if (!m_chainOrdered) {
            // The charts' keyboard frames come last in the Tab order, after the buttons, so
            // the control that has the keyboard when a screen opens is the one it always was.
            m_chainOrdered = true;
            // A child put back under its parent joins the end of the Tab order.
            for (QWidget *keys : overlaysOn(this)) {
                QWidget *parent = keys->parentWidget();
                keys->setParent(nullptr);
                keys->setParent(parent);
                keys->show();
            }
        }
        // A screen takes the program's scale, or the largest that fits the display.
        const ProgramScale &program = programScaling();
        if (program.filling) {
            fill();
            if (m_fill == Fill::WorkArea) {
                // Mapped a pixel short of the work area, then filled: a window manager may
                // maximise a window mapped as large as the work area and then refuse to let
                // it go, since a screen has no maximise box (xfwm4 does).
                const QSize full = size();
                if (m_border == Border::FixedDialog)
                    setFixedSize(full.width(), full.height() - 1);
                else
                    resize(full.width(), full.height() - 1);
                show();
                fillWorkArea();
            }
        } else {
            m_fill = Fill::None;
            const bool wasFull = isFullScreen();
            if (wasFull)
                setWindowState(windowState() & ~Qt::WindowFullScreen);
            const qreal wanted = qMin(program.scale, fittingScale(false));
            if (wanted != m_scale || size() != m_designed * wanted)
                applyScale(wanted, true);
            show();
            if (wasFull)
                holdSizeAndPlace();
        }
        writeTitle();
    }
    // Window managers offer a minimise box whatever the window asks for; a screen that is
    // shown again comes back from the task bar.
    if (windowState() & Qt::WindowMinimized)
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
    activateWindow();
}

bool Screen::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::UpdateRequest:
        if (m_watchingFrame)
            repaintIfFrameChanged();
        break;
    case QEvent::WindowActivate:
        emit activated();
        break;
    case QEvent::Move:
        keepCentred();
        // Filling the work area with a frame guessed before the window was framed, or
        // placed elsewhere by the window manager when it mapped it: placed again, a few
        // times at most, so that a window manager that insists cannot keep us busy.
        if (m_fill == Fill::WorkArea && isVisible() && windowHandle() && m_refills < 3) {
            const QMargins real = windowHandle()->frameMargins();
            QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
            if (!real.isNull() && display
                && (real != m_filledWith || frameGeometry().topLeft() != display->availableGeometry().topLeft())) {
                ++m_refills;
                knownMargins(m_border) = real;
                fillWorkArea();
            }
        }
        break;
    case QEvent::WindowStateChange:
        // A screen never asks to be maximised (it has no box for it), but a window manager
        // may maximise on its own a window mapped as large as the work area, and then keep
        // it at that size when F11 asks for the screen's own size back. The state is handed
        // back where the window manager lets it go; a screen that fills the work area is
        // placed there again.
        if ((windowState() & Qt::WindowMaximized) && m_fill != Fill::FullScreen && isVisible()
            && m_unmaximised < 3) {
            ++m_unmaximised;
            setWindowState(windowState() & ~Qt::WindowMaximized);
            if (m_fill == Fill::WorkArea)
                fillWorkArea();
        }
        break;
    case QEvent::Hide:
        // A hidden screen keeps no window-sized picture of itself: with every screen
        // visited once that would be a dozen or more idle images. Shrunk to a pixel, the
        // store is painted afresh when the screen shows again.
        if (isHidden()) {
            m_holding = false;
            m_refills = 0;
            m_unmaximised = 0;
            if (QBackingStore *store = backingStore())
                store->resize(QSize(1, 1));
        }
        break;
    case QEvent::Show:
        if (QBackingStore *store = backingStore(); store && store->size() != size())
            update();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void Screen::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

// Tab and Shift+Tab, and the keyboard leaving a control that hides, pass over what a pupil
// cannot see or hit with the mouse; among what can be seen the order stays as it is.
bool Screen::focusNextPrevChild(bool next)
{
    QWidget *to = nextReachable(this, next);
    if (!to)
        return false;
    to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

} // namespace getalveld
