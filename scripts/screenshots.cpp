// Renders every screen of the program to PNG files, fresh and after a start with a known
// task, so that all screens can be looked at at once.
//   usage: getalveld_screenshots OUTPUT-FOLDER   (runs headless with QT_QPA_PLATFORM=offscreen)

#include "app/program.h"
#include "board/controls.h"
#include "board/random.h"
#include "board/screen.h"

#include <QApplication>
#include <QDir>
#include <QTest>

using namespace getalveld;

namespace {

QString folder;

void save(QWidget *w, const QString &file)
{
    QApplication::processEvents();
    w->grab().save(QDir(folder).filePath(file + QStringLiteral(".png")));
}

template <typename T> T *child(QWidget *w, const QString &name)
{
    return w->findChild<T *>(name);
}

void click(QWidget *w, const QString &name)
{
    if (auto *c = child<QWidget>(w, name))
        QTest::mouseClick(c, Qt::LeftButton, {}, c->rect().center());
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    setProcessEnd([] {});

    QWidget *frame = startProgram();
    save(frame, QStringLiteral("MDIForm2"));
    save(forms().loaded(QStringLiteral("frmmecenaat1")), QStringLiteral("frmmecenaat1"));
    Screen *board = forms().show(QStringLiteral("frmkiesbasis"));
    save(board, QStringLiteral("frmkiesbasis"));

    // Each exercise fresh, then with a known task: r values chosen for 47, 23 + 24 and 52 - 14.
    struct Shot
    {
        const char *screen;
        std::vector<double> draws;
        std::vector<const char *> clicks;
    };
    const std::vector<Shot> shots = {
        {"frmtabulonzoek", {0.7, 0.4}, {"cmdstart", "cmdhulp", "lbltabulon(47)"}},
        {"frmtabulonzoek2", {0.7, 0.4}, {"cmdstart", "lbltabulon(22)"}},
        {"frmtabulonplus", {0.3, 0.3, 0.5, 0.8, 0.1}, {"cmdstart", "cmdHweg", "cmdTweg", "lbltabulon(47)"}},
        {"frmtabulonmin", {0.5, 0.0, 0.15, 0.8, 0.1}, {"cmdstart", "cmdHweg", "cmdTweg", "lbltabulon(38)"}},
    };
    for (const Shot &shot : shots) {
        const QString name = QString::fromLatin1(shot.screen);
        Screen *screen = forms().show(name);
        save(screen, name);
        setRandomSource(std::make_unique<ScriptedRandom>(shot.draws));
        for (const char *control : shot.clicks)
            click(screen, QString::fromLatin1(control));
        save(screen, name + QStringLiteral("-task"));
        forms().hide(name);
    }

    Screen *closing = forms().show(QStringLiteral("frminfo"));
    for (int i = 0; i < 60; ++i)
        QMetaObject::invokeMethod(closing, "Timer1_Timer");
    save(closing, QStringLiteral("frminfo"));
    return 0;
}
