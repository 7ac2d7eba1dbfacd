#include "board/screen.h"

#include "board/geometry.h"
#include "board/controls.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <cmath>

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
    if (border == Border::FixedDialog) {
        setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
        setFixedSize(client);
    } else {
        resize(client);
    }
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
#if GETALVELD_HAVE_XCB
    auto *x11 = QGuiApplication::platformName() == QLatin1String("xcb")
                    ? qApp->nativeInterface<QNativeInterface::QX11Application>()
                    : nullptr;
    if (xcb_connection_t *connection = x11 ? x11->connection() : nullptr) {
        static const xcb_atom_t netWmName = internAtom(connection, "_NET_WM_NAME");
        static const xcb_atom_t utf8 = internAtom(connection, "UTF8_STRING");
        const auto window = xcb_window_t(winId());
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, netWmName, utf8, 8, 0, nullptr);
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0,
                            nullptr);
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
    return real.isNull() ? knownMargins(m_border) : real;
}

void Screen::centre()
{
    QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!display)
        return;
    const QRect whole = display->geometry();
    const QMargins frame = outerMargins();
    const QSize outer = size().grownBy(frame);
    const double left = (whole.width() - outer.width()) * 0.5;
    const double top = (whole.height() - outer.height()) * 0.5;
    move(whole.left() + int(std::floor(left)), whole.top() + int(std::floor(top)));
    m_centredWith = frame;
    m_centrePending = true;
}

void Screen::bringUp(QWidget *mainFrame)
{
    if (isHidden()) {
        winId();
        if (mainFrame && mainFrame->windowHandle())
            windowHandle()->setTransientParent(mainFrame->windowHandle());
        show();
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
                if (real != m_centredWith) {
                    centre();
                    m_centrePending = false;
                }
            }
        }
        break;
    case QEvent::Hide:
        // A hidden screen keeps no window-sized picture of itself: with every screen
        // visited once that would be a dozen or more idle images. Shrunk to a pixel, the
        // store is painted afresh when the screen shows again.
        if (isHidden())
            if (QBackingStore *store = backingStore())
                store->resize(QSize(1, 1));
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

void Forms::registerScreen(const QString &name, Factory factory)
{
    m_factories.insert(name, std::move(factory));
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

} // namespace getalveld
