// How fast a chart of 201 option buttons shows and lights a column: QRadioButtons against the
// program's own light option buttons, an empty window of the same size as the floor, the
// search screen itself and, for comparison, the fill-in screen. Prints the median, the
// slowest and the first of RUNS runs in milliseconds, each from the call to the paint of the
// whole window. The first window of a process also pays for its fresh memory and for the
// first glyphs of its fonts; for the cold figures run one kind alone in a fresh process,
// several times: optiongrid 1 empty, optiongrid 1 light, ...
//   usage: optiongrid [RUNS [empty|radio|light|screen]]
//          (release build, QT_QPA_PLATFORM=offscreen; default 41 runs of all)

#include "paintwatch.h"
#include "app/program.h"
#include "board/controls.h"
#include "board/geometry.h"
#include "board/optionbutton.h"
#include "board/pictures.h"
#include "board/forms.h"
#include "board/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QRadioButton>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace getalveld;

namespace {

PaintWatch *paintWatch = nullptr;

// Runs the action, then the event loop until the window has painted; milliseconds in all.
double timed(QWidget *window, const std::function<QWidget *()> &action)
{
    QElapsedTimer clock;
    clock.start();
    QWidget *w = window;
    paintWatch->watch(w);
    if (QWidget *made = action()) {
        w = made;
        paintWatch->watch(w);
    }
    for (int i = 0; i < 10000 && paintWatch->paints() == 0; ++i)
        QCoreApplication::processEvents();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    if (paintWatch->paints() == 0)
        std::printf("  (no paint seen)\n");
    return ms;
}

struct Grid
{
    QWidget *window = nullptr;
    std::vector<QAbstractButton *> members;
    QButtonGroup *group = nullptr;
};

QRect memberTwips(int m)
{
    if (m == 0)
        return twipsRect(5880, 1320, 615, 495);
    if (m >= 1 && m <= 100)
        return twipsRect(480 + 600 * ((m - 1) % 10), 1800 + 480 * ((m - 1) / 10), 615, 495);
    if (m <= 109)
        return twipsRect(480 + 600 * (m - 101), 1320, 615, 495);
    if (m % 10 == 0)
        return twipsRect(6600, 1800 + 480 * (m / 10 - 11), 615, 495);
    return memberTwips(m - 100);
}

bool isCover(int m) { return m > 110 && m < 200 && m % 10 != 0; }

// The chart as the search screen lays it out: 101 numbered members, 81 covers shown in front,
// 19 spare members hidden. Radio buttons get their colours through the palette.
Grid buildGrid(bool radio)
{
    Grid g;
    g.window = new QWidget;
    g.window->resize(px(11880), px(7935));
    g.group = new QButtonGroup(g.window);
    const QFont font = screenFont(font::sansSerif, 13.5, true);
    for (int m = 0; m <= 200; ++m) {
        const QString name = arrayName(QStringLiteral("optveld"), m);
        const QString caption = m <= 100 ? QString::number(m) : QString();
        QAbstractButton *b;
        if (radio) {
            auto *r = new QRadioButton(caption, g.window);
            r->setObjectName(name);
            r->setGeometry(memberTwips(m));
            r->setAutoFillBackground(true);
            setRoleColour(r, QPalette::Window, 0x00FFFF80);
            setRoleColour(r, QPalette::WindowText, 0x00FF0000);
            b = r;
        } else {
            auto *o = new OptionButton(g.window, name, memberTwips(m));
            o->setCaption(caption);
            o->setBackColor(0x00FFFF80);
            o->setForeColor(0x00FF0000);
            b = o;
        }
        b->setFont(font);
        g.group->addButton(b, m);
        if (m > 100 && !isCover(m))
            b->hide();
        g.members.push_back(b);
    }
    return g;
}

void setBack(QAbstractButton *b, quint32 colour)
{
    if (auto *o = qobject_cast<OptionButton *>(b))
        o->setBackColor(colour);
    else
        setRoleColour(b, QPalette::Window, colour);
}

// What a click on "7" does: the covers go, column 7 lights up.
void lightColumn(Grid &g)
{
    g.members[7]->setChecked(true);
    for (int m = 101; m <= 200; ++m) {
        g.members[size_t(m)]->hide();
        deselect(g.members[size_t(m)]);
    }
    for (int m = 7; m <= 97; m += 10)
        setBack(g.members[size_t(m)], 0x0080FFFF);
}

struct Figures
{
    std::vector<double> ms;
    void add(double v) { ms.push_back(v); }
    void print(const char *what) const
    {
        std::vector<double> s = ms;
        std::sort(s.begin(), s.end());
        std::printf("%-44s median %6.2f  slowest %6.2f  first %6.2f ms\n", what, s[s.size() / 2], s.back(), ms.front());
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 41;
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    auto measures = [&only](const char *kind) { return only.isEmpty() || only == QLatin1String(kind); };
    PaintWatch watch;
    paintWatch = &watch;

    // The program is running when a pupil opens the screen: fonts loaded, main frame and
    // start screen painted.
    QWidget *frame = startProgram();
    timed(frame, [] { return nullptr; });

    Figures empty, radioShow, lightShow, radioColumn, lightColumnFig, screenShow, screenColumn, screenAgain, rows;
    for (int run = 0; run < runs; ++run) {
        if (measures("empty")) {
            QWidget *window = nullptr;
            empty.add(timed(nullptr, [&window] {
                window = new QWidget;
                window->resize(px(11880), px(7935));
                window->show();
                return window;
            }));
            delete window;
        }

        for (bool radio : {true, false}) {
            if (!measures(radio ? "radio" : "light"))
                continue;
            Grid g;
            const double show = timed(nullptr, [&g, radio] {
                g = buildGrid(radio);
                g.window->show();
                return g.window;
            });
            const double column = timed(g.window, [&g] {
                lightColumn(g);
                return nullptr;
            });
            (radio ? radioShow : lightShow).add(show);
            (radio ? radioColumn : lightColumnFig).add(column);
            delete g.window;
        }

        if (!measures("screen") || !forms().isRegistered(QStringLiteral("frmtabulon")))
            continue;
        Screen *screen = nullptr;
        screenShow.add(timed(nullptr, [&screen] {
            screen = forms().show(QStringLiteral("frmtabulon"));
            return screen;
        }));
        auto *seven = screen->findChild<QAbstractButton *>(QStringLiteral("optveld(7)"));
        screenColumn.add(timed(screen, [seven] {
            seven->click();
            return nullptr;
        }));
        forms().hide(QStringLiteral("frmtabulon"));
        QCoreApplication::processEvents();
        screenAgain.add(timed(screen, [] {
            forms().show(QStringLiteral("frmtabulon"));
            return nullptr;
        }));
        forms().unload(QStringLiteral("frmtabulon"));
        QCoreApplication::processEvents();

        rows.add(timed(nullptr, [] { return forms().show(QStringLiteral("Frmtabulonrijen")); }));
        forms().unload(QStringLiteral("Frmtabulonrijen"));
        QCoreApplication::processEvents();
    }

    std::printf("runs: %d each (release build: check CMAKE_BUILD_TYPE)\n", runs);
    if (!empty.ms.empty())
        empty.print("empty window, show");
    if (!radioShow.ms.empty()) {
        radioShow.print("201 QRadioButton, create and show");
        radioColumn.print("QRadioButton chart, light column 7");
    }
    if (!lightShow.ms.empty()) {
        lightShow.print("201 light option buttons, create and show");
        lightColumnFig.print("light chart, light column 7");
    }
    if (!screenShow.ms.empty()) {
        screenShow.print("frmtabulon, first show");
        screenColumn.print("frmtabulon, click on 7");
        screenAgain.print("frmtabulon, shown again (chart reset)");
        rows.print("Frmtabulonrijen, first show");
    }
    return 0;
}
