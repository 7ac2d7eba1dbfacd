#include "board/screen.h"

#include "board/geometry.h"
#include "board/controls.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <cmath>

namespace getalveld {

Screen::Screen(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips,
               quint32 back, Border border)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_back(back)
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

void Screen::centre()
{
    QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!display)
        return;
    const QRect whole = display->geometry();
    const QRect outer = frameGeometry();
    const double left = (whole.width() - outer.width()) * 0.5;
    const double top = (whole.height() - outer.height()) * 0.5;
    move(whole.left() + int(std::floor(left)), whole.top() + int(std::floor(top)));
}

bool Screen::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        forms().windowActivated(this);
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
    if (screen->isHidden()) {
        // Owned by nobody, so a disabled main frame never disables it; kept above the
        // main frame through the window system's transient relation.
        screen->winId();
        if (m_mainFrame && m_mainFrame->windowHandle() && screen->windowHandle())
            screen->windowHandle()->setTransientParent(m_mainFrame->windowHandle());
        screen->show();
    }
    screen->raise();
    screen->activateWindow();
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
