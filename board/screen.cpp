#include "board/screen.h"

#include "board/geometry.h"
#include "board/chartfocus.h"
#include "board/controls.h"
#include "board/reach.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <cmath>
#include <cstring>

#if GETALVELD_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace getalveld {

namespace {

// The border and title bar the window manager put around a screen of each kind, learned
// from the first screen it framed, so that later screens centre right before they show.
QMargins &knownMargins(Screen::Border border)
{
    static QMargins sizeable, fixed;
    return border == Screen::Border::Sizeable ? sizeable : fixed;
}

// The program's scale and whether its screens fill the display; the scale to return to
// when they stop filling it.
struct ProgramScale
{
    qreal scale = 1.0;
    bool filling = false;
    qreal beforeFilling = 1.0;
    bool fullScreenRefused = false;
};
ProgramScale &programScaling()
{
    static ProgramScale state;
    return state;
}

int scaled(int pixels, qreal scale)
{
    return int(std::lround(pixels * scale));
}

// Corners are scaled, not sizes, so neighbouring controls still meet exactly.
QRect scaledRect(const QRect &r, qreal scale)
{
    const int l = scaled(r.left(), scale), t = scaled(r.top(), scale);
    return QRect(l, t, scaled(r.left() + r.width(), scale) - l, scaled(r.top() + r.height(), scale) - t);
}

QFont scaledFont(const QFont &designed, qreal scale)
{
    if (scale == 1.0)
        return designed;
    QFont font = designed;
    if (designed.pointSizeF() > 0)
        font.setPointSizeF(designed.pointSizeF() * scale);
    else if (designed.pixelSize() > 0)
        font.setPixelSize(qMax(1, scaled(designed.pixelSize(), scale)));
    return font;
}

#if GETALVELD_HAVE_XCB
xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const auto cookie = xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}
#endif

} // namespace

struct Screen::Scaling
{
    struct Designed
    {
        QRect geometry;
        QFont font;
        bool ownFont;
    };
    QHash<QWidget *, Designed> controls;
    QFont screenFont;
};

Screen::Screen(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips,
               quint32 back, Border border)
    // A dialog-type window: on X11 only those carry the transient relation to the main frame
    // that keeps a screen above it when the pupil clicks the frame. It stays a window of
    // its own, with its own title bar, and no widget owns it, so a disabled main frame
    // never disables it.
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_back(back), m_border(border)
{
    // No close box: the flow runs only through the screens' own buttons, and closing a
    // screen would leave the pupil with nothing to click.
    setObjectName(name);
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

qreal Screen::programScale()
{
    return programScaling().scale;
}

void Screen::resetProgramScale()
{
    programScaling() = ProgramScale();
}

bool Screen::fillsDisplay()
{
    return programScaling().filling;
}

bool Screen::fullScreenRefused()
{
    return programScaling().fullScreenRefused;
}

void Screen::setFullScreenRefused(bool refused)
{
    programScaling().fullScreenRefused = refused;
}

qreal Screen::scaleOf(const QWidget *control)
{
    const auto *screen = qobject_cast<const Screen *>(control->window());
    return screen ? screen->m_scale : 1.0;
}

// The largest scale at which the screen's client area fits the display (the whole display
// when it fills it, otherwise the work area).
qreal Screen::fittingScale(bool wholeDisplay) const
{
    QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!display || m_designed.isEmpty())
        return 1.0;
    const QRect room = wholeDisplay ? display->geometry() : display->availableGeometry();
    return qMin(room.width() / qreal(m_designed.width()), room.height() / qreal(m_designed.height()));
}

void Screen::placeControl(QWidget *control, const QRect &designed)
{
    auto *screen = qobject_cast<Screen *>(control->window());
    if (!screen || !screen->m_scaling) {
        control->setGeometry(designed);
        return;
    }
    auto &record = screen->m_scaling->controls[control];
    record.geometry = designed;
    QRect r = scaledRect(designed, screen->m_scale);
    if (control->parentWidget() == screen)
        r.translate(screen->m_offset);
    control->setGeometry(r);
}

void Screen::placeControlAsShown(QWidget *control, const QRect &shown)
{
    auto *screen = qobject_cast<Screen *>(control->window());
    if (!screen || !screen->m_scaling) {
        control->setGeometry(shown);
        return;
    }
    const qreal s = screen->m_scale;
    const QRect moved = control->parentWidget() == screen ? shown.translated(-screen->m_offset) : shown;
    screen->m_scaling->controls[control].geometry = scaledRect(moved, 1.0 / s);
    control->setGeometry(shown);
}

void Screen::setControlFont(QWidget *control, const QFont &designed)
{
    auto *screen = qobject_cast<Screen *>(control->window());
    if (!screen || !screen->m_scaling) {
        if (control->font() != designed || !control->testAttribute(Qt::WA_SetFont))
            control->setFont(designed);
        return;
    }
    auto &record = screen->m_scaling->controls[control];
    if (record.ownFont && record.font == designed)
        return;
    record.font = designed;
    record.ownFont = true;
    if (record.geometry.isNull())
        record.geometry = scaledRect(control->geometry(), 1.0 / screen->m_scale);
    control->setFont(scaledFont(designed, screen->m_scale));
}

void Screen::applyScale(qreal scale, bool resizeWindow)
{
    if (!m_scaling) {
        if (scale == 1.0 && m_offset.isNull()) {
            if (resizeWindow && size() != m_designed)
                resize(m_designed);
            return;
        }
        // The first time away from scale 1: every control is still where it was designed.
        m_scaling = std::make_unique<Scaling>();
        m_scaling->screenFont = font();
        for (QWidget *w : findChildren<QWidget *>()) {
            if (w->isWindow() || qobject_cast<ChartFocus *>(w))
                continue;
            m_scaling->controls.insert(w, {w->geometry(), w->font(), w->testAttribute(Qt::WA_SetFont)});
        }
    }
    m_scale = scale;
    if (resizeWindow) {
        m_offset = QPoint();
        const QSize client(scaled(m_designed.width(), scale), scaled(m_designed.height(), scale));
        m_layingOut = true;
        if (m_border == Border::FixedDialog)
            setFixedSize(client);
        else
            resize(client);
        m_layingOut = false;
    }
    layOut();
}

void Screen::layOut()
{
    const qreal s = m_scale;
    setFont(scaledFont(m_scaling->screenFont, s));
    for (QWidget *w : findChildren<QWidget *>()) {
        if (w->isWindow() || qobject_cast<ChartFocus *>(w))
            continue;
        auto found = m_scaling->controls.find(w);
        if (found == m_scaling->controls.end()) {
            // Made after the screen was first scaled: made where it was designed.
            found = m_scaling->controls.insert(w, {w->geometry(), w->font(), w->testAttribute(Qt::WA_SetFont)});
        }
        QRect r = scaledRect(found->geometry, s);
        if (w->parentWidget() == this)
            r.translate(m_offset);
        if (w->geometry() != r)
            w->setGeometry(r);
        if (found->ownFont) {
            const QFont f = scaledFont(found->font, s);
            if (w->font() != f)
                w->setFont(f);
        }
        w->update();
    }
    for (ChartFocus *keys : findChildren<ChartFocus *>())
        keys->follow();
}

void Screen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_recentre && !isFullScreen() && size() == m_designed * m_scale) {
        m_recentre = false;
        centre();
    }
    if (m_layingOut || m_designed.isEmpty())
        return;
    // The pupil or the window manager resized the screen: its content follows, keeping its
    // proportions and centred in the window.
    const QSize now = size();
    const qreal s = qMin(now.width() / qreal(m_designed.width()), now.height() / qreal(m_designed.height()));
    if (s == m_scale && !m_scaling && now == m_designed)
        return;
    const QPoint offset((now.width() - scaled(m_designed.width(), s)) / 2,
                        (now.height() - scaled(m_designed.height(), s)) / 2);
    if (s == m_scale && offset == m_offset)
        return;
    m_offset = offset;
    applyScale(s, false);
    if (isVisible())
        programScaling().scale = s;
}

void Screen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F11 && !event->isAutoRepeat()) {
        toggleFillDisplay();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Screen::toggleFillDisplay()
{
    ProgramScale &program = programScaling();
    if (!program.filling) {
        program.beforeFilling = program.scale;
        program.filling = true;
        fill();
    } else {
        program.filling = false;
        program.scale = program.beforeFilling;
        leaveFill();
    }
}

// The window manager's full screen where it allows it; a window over the work area where
// it does not. A refusal is learned from a shown screen and holds for every later one: a
// window manager may honour full screen asked before a window is mapped and then refuse
// to end it.
void Screen::fill()
{
    ProgramScale &program = programScaling();
    if (!program.fullScreenRefused && windowManagerRefusesFullScreen())
        program.fullScreenRefused = true;
    if (program.fullScreenRefused) {
        fillWorkArea();
    } else {
        m_fill = Fill::FullScreen;
        showFullScreen();
    }
}

void Screen::fillWorkArea()
{
    QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!display)
        return;
    if (isFullScreen())
        setWindowState(windowState() & ~Qt::WindowFullScreen);
    if (m_fill != Fill::WorkArea)
        m_refills = 0;
    m_fill = Fill::WorkArea;
    m_filledWith = outerMargins();
    // The client's place, not the frame's: just after a change of state the frame Qt knows
    // may not be the one the window manager draws.
    const QRect client = display->availableGeometry().marginsRemoved(m_filledWith);
    if (m_border == Border::FixedDialog)
        setFixedSize(client.size());
    setGeometry(client);
}

void Screen::leaveFill()
{
    const Fill was = m_fill;
    m_fill = Fill::None;
    if (was == Fill::FullScreen || isFullScreen()) {
        m_recentre = true;
        showNormal();
    } else if (windowState() & Qt::WindowMaximized) {
        setWindowState(windowState() & ~Qt::WindowMaximized);
    }
    applyScale(qMin(programScaling().scale, fittingScale(false)), true);
    centre();
    update();
}

#if GETALVELD_HAVE_XCB
namespace {

// The reply's value as bytes, empty when there is none.
QByteArray xProperty(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    const auto cookie = xcb_get_property(connection, 0, window, name, type, 0, 256);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
    if (!reply)
        return {};
    const QByteArray value(static_cast<const char *>(xcb_get_property_value(reply)),
                           xcb_get_property_value_length(reply));
    free(reply);
    return value;
}

// The name the running window manager gives itself.
QByteArray windowManagerName(xcb_connection_t *connection, xcb_window_t root)
{
    const QByteArray check = xProperty(connection, root, internAtom(connection, "_NET_SUPPORTING_WM_CHECK"),
                                      XCB_ATOM_WINDOW);
    if (check.size() < int(sizeof(xcb_window_t)))
        return {};
    xcb_window_t wm;
    memcpy(&wm, check.constData(), sizeof wm);
    return xProperty(connection, wm, internAtom(connection, "_NET_WM_NAME"), internAtom(connection, "UTF8_STRING"));
}

} // namespace
#endif

// On X11 the window manager lists what it allows a window; one that lists no full screen
// would ignore the request and leave the program believing it fills the display. Xfwm4
// lists it but ignores it for dialog windows (and honours it only before a window is
// mapped, after which the window cannot leave it).
bool Screen::windowManagerRefusesFullScreen()
{
#if GETALVELD_HAVE_XCB
    auto *x11 = QGuiApplication::platformName() == QLatin1String("xcb")
                    ? qApp->nativeInterface<QNativeInterface::QX11Application>()
                    : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection || !isVisible())
        return false;
    const xcb_screen_t *root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (root && windowManagerName(connection, root->root).toLower() == "xfwm4")
        return true;
    static const xcb_atom_t allowed = internAtom(connection, "_NET_WM_ALLOWED_ACTIONS");
    static const xcb_atom_t fullScreen = internAtom(connection, "_NET_WM_ACTION_FULLSCREEN");
    const QByteArray actions = xProperty(connection, xcb_window_t(winId()), allowed, XCB_ATOM_ATOM);
    // A window manager that lists nothing is taken at its word when asked.
    const int count = actions.size() / int(sizeof(xcb_atom_t));
    for (int i = 0; i < count; ++i) {
        xcb_atom_t atom;
        memcpy(&atom, actions.constData() + i * sizeof atom, sizeof atom);
        if (atom == fullScreen)
            return false;
    }
    return count > 0;
#else
    return false;
#endif
}

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

// Qt shows the program's name in the title bar of a window whose title is empty; a screen
// without a caption must show an empty title bar, so the title is written to the window
// system directly.
void Screen::writeTitle()
{
    if (!windowTitle().isEmpty() || !testAttribute(Qt::WA_WState_Created))
        return;
    // Where the program cannot reach the window system (Wayland), the window gets a blank
    // title of one zero-width space; the caption stays empty.
    const QString platform = QGuiApplication::platformName();
    if (windowHandle() && platform != QLatin1String("xcb") && platform != QLatin1String("windows")
        && platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        windowHandle()->setTitle(QStringLiteral("\u200b"));
#if GETALVELD_HAVE_XCB
    auto *x11 = QGuiApplication::platformName() == QLatin1String("xcb")
                    ? qApp->nativeInterface<QNativeInterface::QX11Application>()
                    : nullptr;
    if (xcb_connection_t *connection = x11 ? x11->connection() : nullptr) {
        static const xcb_atom_t netWmName = internAtom(connection, "_NET_WM_NAME");
        static const xcb_atom_t utf8 = internAtom(connection, "UTF8_STRING");
        const auto window = xcb_window_t(winId());
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, netWmName, utf8, 8, 0, nullptr);
        // The older name holds one blank: a window manager that reads it when the name above
        // is empty (fluxbox) would otherwise draw a placeholder such as "Unnamed".
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 1,
                            " ");
        xcb_flush(connection);
    }
#endif
#ifdef Q_OS_WIN
    SetWindowTextW(reinterpret_cast<HWND>(winId()), L"");
#endif
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
    const QWidget *frame = forms().mainFrame();
    if (known.isNull() && frame && frame->isVisible() && frame->windowHandle())
        return frame->windowHandle()->frameMargins();
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
    if (watched == windowHandle() && (event->type() == QEvent::UpdateRequest || event->type() == QEvent::Expose))
        repaintIfFrameChanged();
    return QWidget::eventFilter(watched, event);
}

void Screen::bringUp(QWidget *mainFrame)
{
    if (isHidden()) {
        winId();
        if (!m_watchingFrame && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
            m_watchingFrame = true;
            windowHandle()->installEventFilter(this);
        }
        if (mainFrame && mainFrame->windowHandle())
            windowHandle()->setTransientParent(mainFrame->windowHandle());
        if (!m_chainOrdered) {
            // The charts' keyboard frames come last in the Tab order, after the buttons, so
            // the control that has the keyboard when a screen opens is the one it always was.
            m_chainOrdered = true;
            // A child put back under its parent joins the end of the Tab order.
            for (ChartFocus *keys : findChildren<ChartFocus *>()) {
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
            if (isFullScreen())
                setWindowState(windowState() & ~Qt::WindowFullScreen);
            const qreal wanted = qMin(program.scale, fittingScale(false));
            if (wanted != m_scale || size() != m_designed * wanted)
                applyScale(wanted, true);
            show();
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
        forms().windowActivated(this);
        break;
    case QEvent::Move:
        // The window manager frames a window only once it is shown: when the real frame
        // differs from what the centring assumed, centre again with the real one.
        if (m_centrePending && isVisible() && windowHandle()) {
            const QMargins real = windowHandle()->frameMargins();
            if (!real.isNull()) {
                knownMargins(m_border) = real;
                m_centrePending = false;
                if (real != m_centredWith || frameGeometry().topLeft() != m_centredAt) {
                    centre();
                    m_centrePending = false;
                }
            }
        }
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

void Forms::registerScreen(const QString &name, Factory factory)
{
    // A screen carries the name it is registered under; the name is written only here.
    m_factories.insert(name, [name, factory = std::move(factory)] {
        Screen *screen = factory();
        screen->setObjectName(name);
        return screen;
    });
}

Screen *Forms::loaded(const QString &name) const
{
    return m_loaded.value(name).data();
}

QList<Screen *> Forms::loadedScreens() const
{
    QList<Screen *> list;
    for (const auto &screen : m_loaded)
        if (screen)
            list.append(screen.data());
    return list;
}

Screen *Forms::show(const QString &name)
{
    Screen *screen = loaded(name);
    if (!screen) {
        const Factory factory = m_factories.value(name);
        if (!factory)
            return nullptr;
        screen = factory();
        m_loaded.insert(name, screen);
        screen->Form_Load();
    }
    screen->bringUp(m_mainFrame);
    m_lastActive = screen;
    screen->Form_Activate();
    return screen;
}

void Forms::hide(const QString &name)
{
    if (Screen *screen = loaded(name))
        screen->hide();
}

void Forms::unload(const QString &name)
{
    if (Screen *screen = loaded(name)) {
        m_loaded.remove(name);
        delete screen;
    }
}

void Forms::setMainFrameEnabled(bool enabled)
{
    if (m_mainFrame)
        m_mainFrame->setEnabled(enabled);
}

void Forms::windowActivated(QWidget *window)
{
    if (window == m_lastActive)
        return;
    m_lastActive = window;
    if (auto *screen = qobject_cast<Screen *>(window))
        screen->Form_Activate();
}

void Forms::clear()
{
    const auto screens = m_loaded;
    m_loaded.clear();
    for (const auto &screen : screens)
        delete screen.data();
    m_factories.clear();
    m_lastActive = nullptr;
}

Forms &forms()
{
    static Forms instance;
    return instance;
}

void Screen::returnToBoard()
{
    forms().show(QStringLiteral("frmkiesbasis"));
    forms().hide(objectName());
}

} // namespace getalveld
