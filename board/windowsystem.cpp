#include "board/screen.h"

#include <QGuiApplication>
#include <QWindow>
#include <cstring>

#if GETALVELD_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

// What a screen asks of the window system itself, where Qt offers no way: an empty title
// bar, and whether the window manager allows full screen.

namespace getalveld {

#if GETALVELD_HAVE_XCB
namespace {

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const auto cookie = xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

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

} // namespace getalveld
