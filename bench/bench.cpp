// The program's speed and memory in one run: start to the first paint of the start screen
// against an empty Qt window (the floor), the first show of every screen, the heaviest
// handler of every screen and the peak memory once every screen has been visited.
//
//   usage: bench_getalveld [STARTS [WALKS]]   runs it all and prints the table
//                                             (default 21 starts of each, 7 walks)
//          bench_getalveld --walk             one walk through all screens in this process,
//                                             printing "<what> <value>" lines
//
// Run it headless from a release build (scripts/bench.sh does both). Starts are whole
// processes, the program's (bench_start), the empty window's (bench_empty) and the window with
// one line of text (bench_text), all next to this program, alternately: offscreen, and again on
// the X display BENCH_X11_DISPLAY when it is set; time is from the spawn to the exit right after the first paint, memory the
// process's peak resident size. A walk is one process that visits every screen once as a
// pupil would: the first show of each is cold in that process; each handler is then run
// again and again and its median kept. Every figure in the table is the median over the
// starts or walks.

#include "paintwatch.h"
#include "app/program.h"
#include "board/forms.h"
#include "board/screen.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <map>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

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
    for (int i = 0; i < 2; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// --walk ----------------------------------------------------------------------------------

PaintWatch *paintWatch = nullptr;

void out(const QString &what, double value)
{
    std::printf("%s %.3f\n", what.toLatin1().constData(), value);
}

// Runs the action and the event loop until the window has painted; milliseconds.
double timedShow(const std::function<QWidget *()> &action)
{
    QElapsedTimer clock;
    clock.start();
    paintWatch->watch(nullptr);
    QWidget *window = action();
    paintWatch->watch(window);
    settle();
    for (int i = 0; i < 1000 && paintWatch->paints() == 0; ++i)
        QCoreApplication::processEvents();
    return double(clock.nsecsElapsed()) / 1e6;
}

double timed(const std::function<void()> &action)
{
    QElapsedTimer clock;
    clock.start();
    action();
    settle();
    return double(clock.nsecsElapsed()) / 1e6;
}

QWidget *child(QWidget *screen, const QString &name)
{
    if (screen->objectName() == name)
        return screen;
    return screen->findChild<QWidget *>(name);
}

// A pupil can only reach a control that shows.
bool reachable(QWidget *w)
{
    return w && w->isVisible() && w->isEnabled();
}

void clickOn(QWidget *w)
{
    QWidget *window = w->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, w->mapTo(window, w->rect().center()));
}

void moveOver(QWidget *w, QPoint offset = {})
{
    QWidget *window = w->window();
    QTest::mouseMove(window->windowHandle(), w->mapTo(window, w->rect().center() + offset));
}

// One handler as a pupil reaches it: an untimed preparation, then the timed action. The
// action returns false when the pupil could not do it now (a hidden button): not counted.
struct Step
{
    QString label;
    std::function<bool(Screen *)> act;
    std::function<void(Screen *)> prepare = {};
};

Step click(const QString &name, const QString &label = {})
{
    return {label.isEmpty() ? name : label, [name](Screen *s) {
                QWidget *w = child(s, name);
                if (!reachable(w))
                    return false;
                clickOn(w);
                return true;
            }};
}

// Pointing: from one control to the next and back, so that what it shows changes.
Step pointBetween(const QString &a, const QString &b, const QString &label)
{
    return {label, [a, b, flip = false](Screen *s) mutable {
                flip = !flip;
                QWidget *w = child(s, flip ? a : b);
                if (!reachable(w))
                    return false;
                moveOver(w);
                return true;
            }};
}

// Every cell coloured, so that a start really has to bring all of them back.
void colourAllCells(Screen *s)
{
    for (QObject *o : s->findChildren<QWidget *>()) {
        if (o->objectName().startsWith(QLatin1String("lbltabulon(")))
            o->setProperty("backColor", quint32(0x000000FF));
    }
    for (const char *name : {"cmdstart", "cmdnieuw"})
        if (QWidget *w = child(s, QString::fromLatin1(name)))
            w->show();
    settle();
}

Step startOnFullBoard(const QString &button, const QString &label)
{
    Step step = click(button, label);
    step.prepare = colourAllCells;
    return step;
}

// Opens the hundreds one after another, so that most rounds open one for the first time.
Step openHundreds()
{
    return {QStringLiteral("open a hundred"), [n = 0](Screen *s) mutable {
                n = n % 10 + 1;
                const QString name = n == 10 ? QStringLiteral("imveld10") : QStringLiteral("imgveld%1").arg(n);
                QWidget *w = child(s, name);
                if (!reachable(w))
                    return false;
                clickOn(w);
                return true;
            }};
}

// A click on the cell with 47 in the hundred that is open.
Step clickOpenHundred()
{
    return {QStringLiteral("click a cell"), [](Screen *s) {
                for (int n = 0; n < 10; ++n)
                    if (QWidget *w = child(s, QStringLiteral("lbltabulon(%1)").arg(100 * n + 47)); reachable(w)) {
                        clickOn(w);
                        return true;
                    }
                return false;
            }};
}

struct Walk
{
    QString screen;
    std::vector<Step> steps;
    bool exercise = true; // left through the choice board
};

std::vector<Walk> walks()
{
    const QString cell47 = QStringLiteral("lbltabulon(47)");
    std::vector<Walk> list;
    auto find100 = [&](const char *name) {
        return Walk{QString::fromLatin1(name),
                    {click(QStringLiteral("cmdstart")), startOnFullBoard(QStringLiteral("cmdstart"), QStringLiteral("cmdstart, 101 cells coloured")),
                     click(cell47, QStringLiteral("click a cell")), click(QStringLiteral("cmdhulp"))}};
    };
    list.push_back(find100("frmtabulonzoek"));
    list.push_back(find100("frmtabulonzoek2"));
    list.push_back({QStringLiteral("frmtabulonzoek3"),
                    {click(QStringLiteral("cmdstart")), startOnFullBoard(QStringLiteral("cmdstart"), QStringLiteral("cmdstart, 101 cells coloured")),
                     click(cell47, QStringLiteral("click a cell"))}});
    list.push_back({QStringLiteral("frmtabulontel"),
                    {click(QStringLiteral("cmdstart")), startOnFullBoard(QStringLiteral("cmdstart"), QStringLiteral("cmdstart, 101 cells coloured")),
                     pointBetween(cell47, QStringLiteral("lbltabulon(48)"), QStringLiteral("point at a cell")),
                     click(cell47, QStringLiteral("click a cell"))}});
    for (const char *name : {"frmtabulonplus", "frmtabulonmin"})
        list.push_back({QString::fromLatin1(name),
                        {click(QStringLiteral("cmdstart")), startOnFullBoard(QStringLiteral("cmdstart"), QStringLiteral("cmdstart, 101 cells coloured")),
                         click(QStringLiteral("cmdHweg")), click(QStringLiteral("cmdTweg")), click(cell47, QStringLiteral("click a cell"))}});
    list.push_back({QStringLiteral("frmtabulon"),
                    {click(QStringLiteral("cmdstart")), click(QStringLiteral("optveld(7)"), QStringLiteral("light column 7")),
                     click(QStringLiteral("optveld(50)"), QStringLiteral("light row 5")), click(QStringLiteral("cmdcontrole"))}});
    list.push_back({QStringLiteral("Frmtabulonrijen"),
                    {click(QStringLiteral("cmdstart")), click(QStringLiteral("txtinvul(3)"), QStringLiteral("click a box")),
                     click(QStringLiteral("cmdcontrole"), QStringLiteral("cmdcontrole (15 boxes)")), click(QStringLiteral("cmdnieuw"))}});
    list.push_back({QStringLiteral("frmtabulonplaats"),
                    {click(QStringLiteral("cmdnieuw")), startOnFullBoard(QStringLiteral("cmdnieuw"), QStringLiteral("cmdnieuw, 101 cells coloured")),
                     click(cell47, QStringLiteral("click a cell")), click(QStringLiteral("cmdhelp")), click(QStringLiteral("cmdnieuw2"))}});
    list.push_back({QStringLiteral("frmtabulontellen"),
                    {click(QStringLiteral("cmdstart")), click(cell47, QStringLiteral("click a cell")), click(QStringLiteral("cmdcontrole")),
                     click(QStringLiteral("cmdnieuw")), click(QStringLiteral("cmdstart2")), click(QStringLiteral("cmdcontrole2")),
                     click(QStringLiteral("cmdnieuw2")), click(QStringLiteral("cmdstart3")), click(QStringLiteral("cmdstart4")),
                     startOnFullBoard(QStringLiteral("cmdstart"), QStringLiteral("cmdstart, 101 cells coloured"))}});
    auto thousand = [&](const char *name, bool sum) {
        Walk w{QString::fromLatin1(name),
               {click(QStringLiteral("cmdstart")), startOnFullBoard(QStringLiteral("cmdstart"), QStringLiteral("cmdstart, 1001 cells coloured")),
                openHundreds(), clickOpenHundred()}};
        if (sum)
            for (const char *b : {"cmdHweg", "cmdTweg", "cmdEweg"})
                w.steps.push_back(click(QString::fromLatin1(b)));
        else
            w.steps.push_back(click(QStringLiteral("cmdhulp")));
        return w;
    };
    list.push_back(thousand("frmduizendveld", false));
    list.push_back(thousand("frmduizendveld2", false));
    list.push_back(thousand("frmduizendveldplus", true));
    list.push_back(thousand("frmduizendveldmin", true));
    return list;
}

constexpr int rounds = 15;

// Runs every step of a screen round after round; prints each step's median.
void runSteps(Screen *s, std::vector<Step> &steps, const QString &owner = {})
{
    std::vector<std::vector<double>> times(steps.size());
    for (int round = 0; round < rounds; ++round) {
        for (size_t i = 0; i < steps.size(); ++i) {
            if (steps[i].prepare)
                steps[i].prepare(s);
            bool done = false;
            const double ms = timed([&] { done = steps[i].act(s); });
            if (done)
                times[i].push_back(ms);
        }
    }
    for (size_t i = 0; i < steps.size(); ++i) {
        if (times[i].empty())
            continue;
        std::sort(times[i].begin(), times[i].end());
        out(QStringLiteral("handler|%1|%2").arg(owner.isEmpty() ? s->objectName() : owner, QString(steps[i].label).replace(u' ', u'_')),
            times[i][times[i].size() / 2]);
    }
}

void leaveExercise(const QString &name)
{
    forms().show(QStringLiteral("frmkiesbasis"));
    forms().hide(name);
    settle();
}

int walkOnce(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setProcessEnd([] {});
    PaintWatch watch;
    paintWatch = &watch;

    // The main frame and the start screen come up together: their first show is the start.
    QWidget *frame = nullptr;
    out(QStringLiteral("show|MDIForm2"), timedShow([&frame] {
            frame = startProgram();
            return forms().loaded(QStringLiteral("frmmecenaat1"));
        }));
    out(QStringLiteral("show|frmmecenaat1"), -1);

    // The menu's "Basis" and the start screen's button both bring up the choice board; the
    // first time is the choice board's first show.
    out(QStringLiteral("show|frmkiesbasis"), timedShow([] {
            clickOn(forms().loaded(QStringLiteral("frmmecenaat1"))->findChild<QWidget *>(QStringLiteral("cmdkombinnen")));
            return forms().loaded(QStringLiteral("frmkiesbasis"));
        }));
    Screen *board = forms().loaded(QStringLiteral("frmkiesbasis"));
    Screen *start = forms().loaded(QStringLiteral("frmmecenaat1"));
    auto *basis = frame->findChild<QAction *>(QStringLiteral("aftrek2"));
    {
        std::vector<Step> steps{{QStringLiteral("menu_Basis"),
                                 [basis](Screen *) {
                                     basis->trigger();
                                     return true;
                                 },
                                 [](Screen *) {
                                     forms().show(QStringLiteral("frmmecenaat1"));
                                     forms().hide(QStringLiteral("frmkiesbasis"));
                                     settle();
                                 }}};
        runSteps(start, steps, QStringLiteral("MDIForm2"));
    }
    {
        std::vector<Step> steps{click(QStringLiteral("cmdkombinnen"))};
        steps[0].prepare = [](Screen *) {
            forms().show(QStringLiteral("frmmecenaat1"));
            forms().hide(QStringLiteral("frmkiesbasis"));
            settle();
        };
        runSteps(start, steps);
    }
    {
        std::vector<Step> steps{pointBetween(QStringLiteral("cmdtabulonzoek"), QStringLiteral("cmd1000veld"), QStringLiteral("point at a button")),
                                {QStringLiteral("click the person"), [](Screen *s) {
                                     for (const char *n : {"imgmeisje", "imgwit", "imgchinees", "imgkleur", "imgkleur2", "imgkleur3"})
                                         if (QWidget *w = child(s, QString::fromLatin1(n)); reachable(w)) {
                                             clickOn(w);
                                             return true;
                                         }
                                     return false;
                                 }}};
        runSteps(board, steps);
    }

    for (Walk &w : walks()) {
        if (!forms().isRegistered(w.screen))
            continue;
        Screen *s = nullptr;
        out(QStringLiteral("show|%1").arg(w.screen), timedShow([&] {
                s = forms().show(w.screen);
                forms().hide(QStringLiteral("frmkiesbasis"));
                return s;
            }));
        runSteps(s, w.steps);
        leaveExercise(w.screen);
        // Back again from the choice board: a hidden screen paints itself afresh.
        out(QStringLiteral("again|%1").arg(w.screen), timedShow([&] {
                forms().show(w.screen);
                forms().hide(QStringLiteral("frmkiesbasis"));
                return s;
            }));
        leaveExercise(w.screen);
    }

    Screen *info = nullptr;
    out(QStringLiteral("show|frminfo"), timedShow([&info] {
            clickOn(forms().loaded(QStringLiteral("frmkiesbasis"))->findChild<QWidget *>(QStringLiteral("cmdeinde")));
            info = forms().loaded(QStringLiteral("frminfo"));
            return info;
        }));
    {
        std::vector<Step> steps{{QStringLiteral("Timer1_tick"), [](Screen *s) {
                                     return QMetaObject::invokeMethod(s, "Timer1_Timer");
                                 }}};
        runSteps(info, steps);
    }
    out(QStringLiteral("memory|after_all_screens_MiB"), double(statusKiB("VmHWM:")) / 1024);

    // A pupil who opens every hundred of every thousand-field screen.
    for (const char *name : {"frmduizendveld", "frmduizendveld2", "frmduizendveldplus", "frmduizendveldmin"}) {
        Screen *s = forms().show(QString::fromLatin1(name));
        settle();
        for (int n = 1; n <= 10; ++n) {
            const QString picture = n == 10 ? QStringLiteral("imveld10") : QStringLiteral("imgveld%1").arg(n);
            if (QWidget *w = child(s, picture); reachable(w)) {
                clickOn(w);
                settle();
            }
        }
        leaveExercise(QString::fromLatin1(name));
    }
    out(QStringLiteral("memory|after_every_hundred_opened_MiB"), double(statusKiB("VmHWM:")) / 1024);
    std::fflush(nullptr);
    std::_Exit(0);
}

// The driver --------------------------------------------------------------------------------

std::string selfPath()
{
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, size_t(n)) : std::string();
}

struct Run
{
    double ms = 0;
    double mib = 0;
};

// One process from spawn to exit: wall time and the peak resident size.
Run spawnTimed(const std::string &program, const std::vector<std::string> &args, char *const *environment = environ)
{
    std::vector<char *> argv{const_cast<char *>(program.c_str())};
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    Run run;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environment) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.ms = double(clock.nsecsElapsed()) / 1e6;
    run.mib = double(usage.ru_maxrss) / 1024;
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", program.c_str());
        std::exit(1);
    }
    return run;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Medians of alternating starts of the empty window, the window with one line of text and
// the program, in the given environment.
struct Starts
{
    double emptyMs, emptyMib, textMs, textMib, programMs, programMib;
};

Starts measureStarts(int starts, char *const *environment)
{
    const std::string self = selfPath();
    const std::string folder = self.substr(0, self.rfind('/') + 1);
    std::vector<double> emptyMs, emptyMib, programMs, programMib, textMs, textMib;
    for (int i = 0; i < starts; ++i) {
        const Run e = spawnTimed(folder + "bench_empty", {}, environment);
        const Run p = spawnTimed(folder + "bench_start", {}, environment);
        const Run t = spawnTimed(folder + "bench_text", {}, environment);
        textMs.push_back(t.ms);
        textMib.push_back(t.mib);
        emptyMs.push_back(e.ms);
        emptyMib.push_back(e.mib);
        programMs.push_back(p.ms);
        programMib.push_back(p.mib);
    }
    return {median(emptyMs), median(emptyMib), median(textMs), median(textMib), median(programMs), median(programMib)};
}

// The same environment on the X display BENCH_X11_DISPLAY: there, connecting to the display
// costs what it costs on a pupil's desktop.
std::vector<std::string> x11Environment(const char *display)
{
    std::vector<std::string> environment;
    for (char *const *e = environ; *e; ++e)
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0 && std::strncmp(*e, "DISPLAY=", 8) != 0)
            environment.emplace_back(*e);
    environment.emplace_back("QT_QPA_PLATFORM=xcb");
    environment.emplace_back(std::string("DISPLAY=") + display);
    return environment;
}

void printStarts(const char *where, int starts, const Starts &s)
{
    std::printf("Start to the first paint, %s (%d starts each, alternating; medians)\n\n", where, starts);
    std::printf("| | time | peak memory |\n|---|---:|---:|\n");
    std::printf("| empty Qt window (floor) | %.1f ms | %.1f MiB |\n", s.emptyMs, s.emptyMib);
    std::printf("| the empty window with one line of text | %.1f ms | %.1f MiB |\n", s.textMs, s.textMib);
    std::printf("| getalveld, start screen | %.1f ms | %.1f MiB |\n", s.programMs, s.programMib);
    std::printf("| getalveld ÷ one-line window (goal ≤ 1.15) | %.2f | %.2f |\n", s.programMs / s.textMs,
                s.programMib / s.textMib);
    std::printf("| getalveld ÷ empty window | %.2f | %.2f |\n\n", s.programMs / s.emptyMs, s.programMib / s.emptyMib);
}

int drive(int starts, int walkCount)
{
    const std::string self = selfPath();
    const Starts offscreen = measureStarts(starts, environ);
    std::optional<Starts> x11;
    if (const char *display = std::getenv("BENCH_X11_DISPLAY")) {
        const std::vector<std::string> strings = x11Environment(display);
        std::vector<char *> environment;
        for (const std::string &e : strings)
            environment.push_back(const_cast<char *>(e.c_str()));
        environment.push_back(nullptr);
        x11 = measureStarts(starts, environment.data());
    }

    // Every walk's lines, gathered per figure.
    std::map<std::string, std::vector<double>> figures;
    std::vector<std::string> order;
    for (int i = 0; i < walkCount; ++i) {
        const std::string command = "'" + self + "' --walk 2>/dev/null";
        FILE *pipe = popen(command.c_str(), "r");
        char line[512];
        while (pipe && std::fgets(line, sizeof line, pipe)) {
            char key[400];
            double value = 0;
            if (std::sscanf(line, "%399s %lf", key, &value) != 2)
                continue;
            if (!figures.count(key))
                order.push_back(key);
            figures[key].push_back(value);
        }
        if (!pipe || pclose(pipe) != 0) {
            std::fprintf(stderr, "a walk through the screens failed\n");
            return 1;
        }
    }

    const double me = offscreen.emptyMib;
    printStarts("offscreen", starts, offscreen);
    if (x11)
        printStarts("on an X display (Xvfb)", starts, *x11);

    std::printf("Every screen (%d walks, each a fresh process; medians)\n\n", walkCount);
    std::printf("| screen | first show (ms) | shown again (ms) | heaviest handler | its time (ms) |\n|---|---:|---:|---|---:|\n");
    for (const std::string &key : order) {
        if (key.rfind("show|", 0) != 0)
            continue;
        const std::string screen = key.substr(5);
        const double show = median(figures[key]);
        std::string heaviest = "-";
        double heaviestMs = -1;
        for (const std::string &h : order) {
            const std::string prefix = "handler|" + screen + "|";
            if (h.rfind(prefix, 0) != 0)
                continue;
            const double ms = median(figures[h]);
            if (ms > heaviestMs) {
                heaviestMs = ms;
                heaviest = h.substr(prefix.size());
                std::replace(heaviest.begin(), heaviest.end(), '_', ' ');
            }
        }
        char showText[32], handlerText[32], againText[32] = "-";
        if (figures.count("again|" + screen))
            std::snprintf(againText, sizeof againText, "%.1f", median(figures["again|" + screen]));
        if (show < 0)
            std::snprintf(showText, sizeof showText, "(the start)");
        else
            std::snprintf(showText, sizeof showText, "%.1f", show);
        if (heaviestMs < 0)
            std::snprintf(handlerText, sizeof handlerText, "-");
        else
            std::snprintf(handlerText, sizeof handlerText, "%.2f", heaviestMs);
        std::printf("| %s | %s | %s | %s | %s |\n", screen.c_str(), showText, againText, heaviest.c_str(), handlerText);
    }
    const double all = median(figures["memory|after_all_screens_MiB"]);
    const double hundreds = median(figures["memory|after_every_hundred_opened_MiB"]);
    std::printf("\nPeak memory after every screen was visited once: %.1f MiB, %.2f × the empty window (goal ≤ 2.50)\n", all, all / me);
    std::printf("... and after every hundred of the four thousand-field screens was opened: %.1f MiB, %.2f ×\n", hundreds, hundreds / me);

    if (std::getenv("BENCH_DETAIL")) {
        std::printf("\nEvery handler (median ms)\n");
        for (const std::string &key : order)
            if (key.rfind("handler|", 0) == 0)
                std::printf("  %-60s %8.2f\n", key.substr(8).c_str(), median(figures[key]));
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--walk") == 0)
        return walkOnce(argc, argv);
    const int starts = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const int walkCount = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    return drive(starts, walkCount);
}
