#include "support.h"

#include "app/program.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <cmath>

namespace getalveld::test {

namespace {
Program *current = nullptr;
QtMessageHandler previousHandler = nullptr;

// The offscreen platform says so each time a window is raised; that is not the program's fault.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}
} // namespace

void Program::start()
{
    auto source = std::make_unique<ScriptedRandom>(std::vector<double>{});
    random = source.get();
    setRandomSource(std::move(source));
    processEnds = 0;
    setProcessEnd([this] { ++processEnds; });
    current = this;
    static bool quiet = false;
    if (!quiet) {
        quiet = true;
        previousHandler = qInstallMessageHandler(quietHandler);
    }
    frame = startProgram();
}

void Program::stop()
{
    forms().clear();
    delete frame;
    forms().setMainFrame(nullptr);
    frame = nullptr;
    setRandomSource(nullptr);
    random = nullptr;
    current = nullptr;
    QApplication::processEvents();
}

void script(const std::vector<double> &values)
{
    if (!current || !current->random)
        qFatal("script() needs a started program");
    current->random->push(values);
}

double rFor(int value, int n, int base)
{
    return (value - base + 0.5) / n;
}

Screen *screen(const QString &name)
{
    return forms().loaded(name);
}

QWidget *control(QWidget *screen, const QString &name)
{
    if (!screen)
        qFatal("control(%s): no such screen", qPrintable(name));
    QWidget *found = screen->findChild<QWidget *>(name);
    if (!found)
        qFatal("control(%s) not found on %s", qPrintable(name), qPrintable(screen->objectName()));
    return found;
}

QString caption(QWidget *screen, const QString &name)
{
    return control(screen, name)->property("caption").toString();
}

quint32 backColor(QWidget *screen, const QString &name)
{
    return control(screen, name)->property("backColor").value<quint32>();
}

quint32 foreColor(QWidget *screen, const QString &name)
{
    return control(screen, name)->property("foreColor").value<quint32>();
}

bool shown(QWidget *screen, const QString &name)
{
    return !control(screen, name)->isHidden();
}

bool click(QWidget *widget)
{
    if (!widget || !widget->isVisible())
        return false;
    QWidget *window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, widget->rect().center()));
    return true;
}

bool click(QWidget *screen, const QString &name)
{
    return click(control(screen, name));
}

bool moveOver(QWidget *widget)
{
    if (!widget || !widget->isVisible())
        return false;
    QWidget *window = widget->window();
    // Two moves, so the control sees movement inside it and not only an entry.
    QTest::mouseMove(window->windowHandle(), widget->mapTo(window, widget->rect().center()));
    QTest::mouseMove(window->windowHandle(), widget->mapTo(window, widget->rect().center() + QPoint(1, 1)));
    return true;
}

bool chooseMenu(QWidget *frame, const QString &action)
{
    auto *bar = frame->findChild<QMenuBar *>();
    if (!bar || bar->actions().isEmpty())
        return false;
    QAction *title = bar->actions().first();
    QTest::mouseClick(frame->windowHandle(), Qt::LeftButton, {}, bar->mapTo(frame, bar->actionGeometry(title).center()));
    QMenu *menu = title->menu();
    if (!menu || !menu->isVisible())
        return false;
    QAction *item = menu->findChild<QAction *>(action);
    if (!item) {
        menu->hide();
        return false;
    }
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(item).center());
    return true;
}

Screen *openExercise(const QString &button, const QString &name)
{
    if (!click(screen(QStringLiteral("frmmecenaat1")), QStringLiteral("cmdkombinnen"))
        || !click(screen(QStringLiteral("frmkiesbasis")), button))
        return nullptr;
    return screen(name);
}

QStringList visibleScreens()
{
    QStringList names;
    for (Screen *s : forms().loadedScreens())
        if (s->isVisible())
            names.append(s->objectName());
    names.sort();
    return names;
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString cell(int i) { return QStringLiteral("lbltabulon(%1)").arg(i); }
QString square(int n) { return QStringLiteral("ShpHkies(%1)").arg(n); }
QString picture(int n) { return n == 10 ? QStringLiteral("imveld10") : QStringLiteral("imgveld%1").arg(n); }

} // namespace getalveld::test
