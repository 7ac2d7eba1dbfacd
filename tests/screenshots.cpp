// Renders every screen of the program to PNG files, fresh and after a start with a known
// task, so that all screens can be looked at at once; ends with a failure when a screen of
// the program has no picture.
//   usage: getalveld_screenshots OUTPUT-FOLDER   (runs headless with QT_QPA_PLATFORM=offscreen)

#include "app/program.h"
#include "board/controls.h"
#include "board/pictures.h"
#include "board/random.h"
#include "board/forms.h"
#include "board/screen.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTest>

using namespace getalveld;

namespace {

QString folder;
QStringList saved;

void save(QWidget *w, const QString &file)
{
    QApplication::processEvents();
    if (w && w->grab().save(QDir(folder).filePath(file + QStringLiteral(".png"))))
        saved.append(file);
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
    if (auto *button = child<QWidget>(board, QStringLiteral("cmdtabulonzoek")))
        QTest::mouseMove(board->windowHandle(), button->mapTo(board, button->rect().center()));
    save(board, QStringLiteral("frmkiesbasis"));

    // Each exercise fresh, then with a known task: r values chosen for 47, 23 + 24, 52 - 14,
    // the move 37 -> 57 -> 52, counting from 35, 35 found by its column and row, the block
    // around 45, placing 35 and 23 minder dan 57; on the thousand field 347 in digits (with
    // help) and in words, 253 + 142 and 876 - 432, each with its hundred opened and answered.
    struct Shot
    {
        const char *screen;
        std::vector<double> draws;
        std::vector<const char *> clicks;
    };
    const std::vector<Shot> shots = {
        {"frmtabulonzoek", {0.7, 0.4}, {"cmdstart", "cmdhulp", "lbltabulon(47)"}},
        {"frmtabulonzoek2", {0.7, 0.4}, {"cmdstart", "lbltabulon(46)", "lbltabulon(47)"}},
        {"frmtabulonplus", {0.3, 0.3, 0.5, 0.8, 0.1}, {"cmdstart", "cmdHweg", "cmdTweg", "lbltabulon(47)"}},
        {"frmtabulonmin", {0.5, 0.0, 0.15, 0.8, 0.1}, {"cmdstart", "cmdHweg", "cmdTweg", "lbltabulon(38)"}},
        {"frmtabulonzoek3", {0.7, 0.3, 0.75, 0.3}, {"cmdstart", "lbltabulon(57)", "lbltabulon(52)"}},
        {"frmtabulontel", {0.5, 0.3}, {"cmdstart", "lbltabulon(28)"}},
        {"frmtabulon", {0.5, 0.28}, {"cmdstart", "optveld(5)", "optveld(40)", "optveld(35)", "cmdcontrole"}},
        {"Frmtabulonrijen", {0.45}, {"cmdstart"}},
        {"frmtabulonplaats", {0.3, 0.5}, {"cmdnieuw", "lbltabulon(36)"}},
        {"frmtabulontellen", {0.5707, 0.2273}, {"cmdstart", "lbltabulon(40)", "cmdcontrole"}},
        {"frmduizendveld", {0.465, 0.35, 0.5}, {"cmdstart", "cmdhulp", "imgveld4", "lbltabulon(347)"}},
        {"frmduizendveld2", {0.465, 0.2778, 0.5}, {"cmdstart", "imgveld4", "lbltabulon(346)", "lbltabulon(347)"}},
        {"frmduizendveldplus", {0.3, 0.125, 0.9, 0.875, 0.5, 0.375, 0.5},
         {"cmdstart", "cmdHweg", "cmdTweg", "imgveld4", "lbltabulon(395)"}},
        {"frmduizendveldmin", {0.8333, 0.4375, 0.7222, 0.3125, 0.6111, 0.1875, 0.5},
         {"cmdstart", "cmdHweg", "cmdTweg", "imgveld5", "lbltabulon(444)"}},
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

    // Every picture of the catalogue on one sheet.
    const QStringList names = pictureNames();
    const int columns = 16, cell = 64;
    QImage sheet(columns * cell, int((names.size() + columns - 1) / columns) * (cell + 14), QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 6));
    for (int i = 0; i < names.size(); ++i) {
        const QPoint at((i % columns) * cell, (i / columns) * (cell + 14));
        const QSize size = names[i].startsWith(QLatin1String("person")) ? QSize(28, 60) : QSize(56, 56);
        p.drawPixmap(at + QPoint((cell - size.width()) / 2, 2), picture(names[i], size));
        p.drawText(QRect(at.x(), at.y() + cell - 2, cell, 14), Qt::AlignCenter, names[i]);
    }
    p.end();
    sheet.save(QDir(folder).filePath(QStringLiteral("pictures.png")));

    Screen *closing = forms().show(QStringLiteral("frminfo"));
    for (int i = 0; i < 60; ++i)
        QMetaObject::invokeMethod(closing, "Timer1_Timer");
    save(closing, QStringLiteral("frminfo"));

    // Every screen the program registers is pictured; a screen added without a picture here
    // fails the run.
    QStringList missing;
    for (const QString &name : forms().registeredNames())
        if (!saved.contains(name))
            missing.append(name);
    forms().clear();
    delete frame;
    setRandomSource(nullptr);
    if (!missing.isEmpty()) {
        missing.sort();
        qWarning("no picture of: %s", qPrintable(missing.join(QLatin1Char(' '))));
        return 1;
    }
    return 0;
}
