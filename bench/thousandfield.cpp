// The thousand-field screens: the first show of each screen, a start (1001 cells recoloured),
// opening a hundred, and the peak memory the screens add to the running program.
//   usage: bench_thousandfield SCREEN...   (run by bench/thousandfield.sh)
// Prints one line per figure: "<screen> <what> <value>", times in microseconds, memory in KiB.
// First every screen is visited once as a pupil would (first show, a start, one hundred
// opened, a click), then worked through (every hundred opened, many starts). The first show
// is measured once per process; the others are medians within the process. Memory is the
// growth of the peak over the program with its choice board shown.

#include "app/program.h"
#include "board/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace getalveld;

namespace {

long statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}

// Everything the event loop has to do after a handler: the paints above all.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void clickAt(QWidget *widget)
{
    QWidget *window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, widget->rect().center()));
}

template <typename F> qint64 timed(F &&f)
{
    QElapsedTimer t;
    t.start();
    f();
    settle();
    return t.nsecsElapsed() / 1000;
}

qint64 median(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

QString picture(int n)
{
    return n == 10 ? QStringLiteral("imveld10") : QStringLiteral("imgveld%1").arg(n);
}

struct Figures
{
    std::vector<qint64> firstOpen, reopen, starts;
};

QWidget *child(Screen *s, const QString &name)
{
    return s->findChild<QWidget *>(name);
}

void leave(const QString &name)
{
    forms().show(QStringLiteral("frmkiesbasis"));
    forms().hide(name);
    settle();
}

// What a pupil does in a first visit: the screen shows, a task starts, one hundred opens.
void visit(const QString &name, Figures &figures)
{
    const QByteArray tag = name.toLatin1();
    Screen *s = nullptr;
    const qint64 firstShow = timed([&] { s = forms().show(name); });
    std::printf("%s first_show_us %lld\n", tag.constData(), firstShow);
    figures.starts.push_back(timed([&] { clickAt(child(s, QStringLiteral("cmdstart"))); }));
    figures.firstOpen.push_back(timed([&] { clickAt(child(s, picture(4))); }));
    clickAt(child(s, QStringLiteral("lbltabulon(347)")));
    settle();
    leave(name);
}

// Every hundred opened, again and again, and many starts with every cell coloured.
void workout(const QString &name, Figures &figures)
{
    Screen *s = forms().show(name);
    settle();
    for (int n = 1; n <= 10; ++n)
        if (n != 4)
            figures.firstOpen.push_back(timed([&] { clickAt(child(s, picture(n))); }));
    for (int round = 0; round < 5; ++round)
        for (int n = 1; n <= 10; ++n)
            figures.reopen.push_back(timed([&] { clickAt(child(s, picture(n))); }));
    std::vector<QWidget *> cells;
    for (int i = 0; i <= 1000; ++i)
        cells.push_back(child(s, QStringLiteral("lbltabulon(%1)").arg(i)));
    QWidget *start = child(s, QStringLiteral("cmdstart"));
    for (int round = 0; round < 31; ++round) {
        // Every cell coloured, so that a start really changes all 1001 back.
        for (QWidget *cell : cells)
            cell->setProperty("backColor", quint32(0x000000FF));
        start->setVisible(true);
        settle();
        figures.starts.push_back(timed([&] { clickAt(start); }));
    }
    leave(name);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    startProgram();
    // As a pupil gets there: the start screen, then the choice board.
    forms().show(QStringLiteral("frmkiesbasis"));
    forms().hide(QStringLiteral("frmmecenaat1"));
    settle();
    const long base = statusKiB("VmHWM:");
    std::printf("program peak_kib %ld\n", base);
    QStringList names;
    for (int i = 1; i < argc; ++i)
        if (forms().isRegistered(QString::fromLatin1(argv[i])))
            names.append(QString::fromLatin1(argv[i]));
    QHash<QString, Figures> figures;
    for (const QString &name : names)
        visit(name, figures[name]);
    std::printf("all visit_added_kib %ld\n", statusKiB("VmHWM:") - base);
    for (const QString &name : names)
        workout(name, figures[name]);
    std::printf("all workout_added_kib %ld\n", statusKiB("VmHWM:") - base);
    for (const QString &name : names) {
        const QByteArray tag = name.toLatin1();
        const Figures &f = figures[name];
        std::printf("%s open_first_us %lld\n", tag.constData(), median(f.firstOpen));
        std::printf("%s open_first_max_us %lld\n", tag.constData(), *std::max_element(f.firstOpen.begin(), f.firstOpen.end()));
        std::printf("%s open_again_us %lld\n", tag.constData(), median(f.reopen));
        std::printf("%s start_us %lld\n", tag.constData(), median(f.starts));
    }
    return 0;
}
