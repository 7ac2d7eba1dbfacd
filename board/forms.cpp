#include "board/forms.h"

#include "board/screen.h"

namespace getalveld {

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
        QObject::connect(screen, &Screen::activated, [this, screen] { windowActivated(screen); });
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
