#include "support.h"

#include "board/geometry.h"
#include "board/timer.h"

#include <QTest>
#include <deque>

using namespace getalveld;
using namespace getalveld::test;

namespace {
constexpr quint32 neutral = 0x00AA9F40;
constexpr quint32 rightCell = 0x0000A800;

// The screen's two timers on a clock of the test's own, in ms from the load: each countdown
// that begins is noted, and advancing fires the ticks in order. The real timers get an
// interval beyond any test run, so they never tick by themselves.
class HelpClock
{
public:
    explicit HelpClock(QWidget *s)
    {
        for (const char *name : {"tmrhelp", "tmrtoonhelp"}) {
            auto *timer = s->findChild<Timer *>(name);
            auto &e = entries.emplace_back(Entry{timer, timer->interval(), timer->interval()});
            timer->setInterval(24 * 3600 * 1000);
            QObject::connect(timer, &Timer::countdownStarted, timer, [this, &e] { e.due = now + e.period; });
        }
    }
    void advanceTo(int ms)
    {
        for (Entry *next = nullptr;; next = nullptr) {
            for (Entry &e : entries)
                if (e.timer->isActive() && e.due <= ms && (!next || e.due < next->due))
                    next = &e;
            if (!next)
                break;
            now = next->due;
            next->due += next->period;
            QVERIFY(QMetaObject::invokeMethod(next->timer, "timeout"));
        }
        now = ms;
    }
    struct Entry
    {
        Timer *timer;
        int period, due;
    };
    std::deque<Entry> entries; // tmrhelp, tmrtoonhelp
    int now = 0;
};
} // namespace

class PlaceScreen : public ProgramTest
{
    Q_OBJECT

    static Screen *open() { return openExercise("cmdtabulonplaats", "frmtabulonplaats"); }
    static bool nextTask(Screen *s, int target)
    {
        script({rFor(target / 10, 9), rFor(target % 10, 9)});
        return click(s, "cmdnieuw");
    }
    static QStringList buttons(Screen *s)
    {
        QStringList names;
        for (const char *name : {"cmdnieuw", "cmdnieuw2", "cmdstop", "cmdhelp"})
            if (shown(s, name))
                names.append(QString::fromLatin1(name));
        return names;
    }
    // How many of the first flags of both arrays show; -1 when the two differ or have gaps.
    static int flags(Screen *s)
    {
        int n = 0;
        for (int k = 0; k < 20; ++k) {
            const bool a = shown(s, QStringLiteral("imgvlag(%1)").arg(k)),
                       b = shown(s, QStringLiteral("imgvlaggen(%1)").arg(k));
            if (a != b || (a && n != k))
                return -1;
            n += a ? 1 : 0;
        }
        return n;
    }
    static bool headersOnly(Screen *s)
    {
        for (int i = 0; i <= 100; ++i)
            if (caption(s, cell(i)) != ((i <= 10 || i % 10 == 0) ? QString::number(i) : QString())
                || backColor(s, cell(i)) != colour::cellGrey)
                return false;
        return true;
    }
    // Another window of the program is used, and the screen is shown again.
    void reactivate(Screen *s)
    {
        QVERIFY(chooseMenu(program.frame, "aftrek2"));
        QVERIFY(click(screen("frmkiesbasis"), "cmdtabulonplaats"));
        QCOMPARE(caption(s, "lblteller") + caption(s, "lbltotaal"), QStringLiteral("00"));
    }

private slots:
    void wholeSeries_data()
    {
        QTest::addColumn<int>("rightAnswers");
        QTest::newRow("10 right") << 10;
        QTest::newRow("5 right") << 5;
        QTest::newRow("none right") << 0;
    }
    // Ten tasks, one judged click each, and two flags of each kind per right answer; the
    // new series takes them away. Wrong answers click the row's end, a header cell.
    void wholeSeries()
    {
        QFETCH(int, rightAnswers);
        Screen *s = open();
        QVERIFY(s);
        QCOMPARE(control(s, "frame100")->geometry(), twipsRect(4920, 480, 5415, 5655));
        QCOMPARE(caption(s, "lblgetal2"), QStringLiteral(" 10 oefeningen"));
        QCOMPARE(buttons(s), (QStringList{"cmdnieuw", "cmdstop"}));
        QVERIFY(headersOnly(s));
        const int targets[10] = {35, 11, 99, 47, 62, 18, 73, 84, 29, 56};
        for (int t = 0; t < 10; ++t) {
            const int target = targets[t];
            QVERIFY(nextTask(s, target));
            QCOMPARE(caption(s, "lblgetal") + u'|' + caption(s, "lbltotaal"),
                     QStringLiteral("%1|%2").arg(target).arg(t + 1));
            QVERIFY(!shown(s, "lblgetal2"));
            QCOMPARE(buttons(s), QStringList());
            const bool right = t < rightAnswers;
            const int clicked = right ? target : (target / 10 + 1) * 10;
            QVERIFY(click(s, cell(clicked)));
            QCOMPARE(backColor(s, cell(clicked)), right ? rightCell : colour::cellRed);
            QCOMPARE(caption(s, cell(clicked)), QString::number(clicked));
            QCOMPARE(caption(s, "lblteller"), QString::number(qMin(t + 1, rightAnswers)));
            QVERIFY(!control(s, "frame100")->isEnabled());
            QCOMPARE(foreColor(s, "lblmemo"), right ? colour::black : colour::white);
            if (t == 0)
                QCOMPARE(caption(s, "lblmemo"),
                         right ? QStringLiteral(" Prima,\r\n je bent in kolom 5\r\n en in de rij voor 40")
                               : QStringLiteral(" Fout,\r\n je bent niet in kolom 5\r\n en in de rij voor 40"));
            if (t < 9) {
                QCOMPARE(backColor(s, "lblgetal"), right ? quint32(0x001AFF1A) : quint32(0x000000FF));
                QCOMPARE(buttons(s), QStringList{"cmdnieuw"});
            }
        }
        // The end of the series clears the last message at once.
        QCOMPARE(caption(s, "lblteller") + u'/' + caption(s, "lbltotaal"), QStringLiteral("%1/10").arg(rightAnswers));
        QCOMPARE(caption(s, "lblmemo") + caption(s, "lblgetal"), QString());
        QCOMPARE(backColor(s, "lblmemo"), neutral);
        QCOMPARE(backColor(s, "lblgetal"), neutral);
        QCOMPARE(flags(s), 2 * rightAnswers);
        QCOMPARE(buttons(s), (QStringList{"cmdnieuw2", "cmdstop"}));

        QVERIFY(click(s, "cmdnieuw2"));
        QCOMPARE(flags(s), 0);
        QCOMPARE(caption(s, "lblteller") + caption(s, "lbltotaal"), QStringLiteral("00"));
        QCOMPARE(buttons(s), QStringList{"cmdnieuw"});
        QVERIFY(headersOnly(s));
        QVERIFY(nextTask(s, 42)); // written in the colour the last answer left
        QCOMPARE(foreColor(s, "lblgetal"), rightAnswers == 10 ? colour::black : colour::white);
    }

    void rightCountPastTen_data()
    {
        QTest::addColumn<bool>("byActivation");
        QTest::addColumn<QString>("ending");
        QTest::newRow("cell 0 first, new series") << false << "cmdnieuw2";
        QTest::newRow("cell 0 first, stop") << false << "cmdstop";
        QTest::newRow("activation in a task, new series") << true << "cmdnieuw2";
        QTest::newRow("activation in a task, stop") << true << "cmdstop";
    }
    // Eleven right answers in one series show all twenty flags of each kind, no more, and
    // the new series or stop hides all of them and resets.
    void rightCountPastTen()
    {
        QFETCH(bool, byActivation);
        QFETCH(QString, ending);
        Screen *s = open();
        QVERIFY(s);
        if (byActivation) {
            QVERIFY(nextTask(s, 35));
            reactivate(s);
            QVERIFY(shown(s, "lblgetal2"));
            QVERIFY(click(s, cell(35)));
        } else {
            QVERIFY(click(s, cell(0))); // judged against 0 before any task: right
            QCOMPARE(backColor(s, cell(0)), rightCell);
            QCOMPARE(caption(s, "lblmemo"), QStringLiteral(" Prima,\r\n je bent in kolom 0\r\n en in de rij voor 10"));
        }
        QCOMPARE(caption(s, "lblteller") + u'/' + caption(s, "lbltotaal"), QStringLiteral("1/0"));
        for (int t = 0; t < 10; ++t) {
            QVERIFY(nextTask(s, 51 + t % 9));
            QVERIFY(click(s, cell(51 + t % 9)));
        }
        QCOMPARE(caption(s, "lblteller"), QStringLiteral("11"));
        QCOMPARE(flags(s), 20);
        QVERIFY(click(s, ending));
        QCOMPARE(flags(s), 0);
        QVERIFY(headersOnly(s));
        QCOMPARE(caption(s, "lblteller") + caption(s, "lbltotaal"), QStringLiteral("00"));
        QCOMPARE(buttons(s), QStringList{"cmdnieuw"});
        if (ending == "cmdstop") {
            QCOMPARE(visibleScreens(), QStringList{"frmkiesbasis"});
            QVERIFY(click(screen("frmkiesbasis"), "cmdtabulonplaats"));
            QCOMPARE(buttons(s), (QStringList{"cmdnieuw", "cmdstop"})); // the return shows stop again
        }
    }

    // The help cycle on the test's clock. The 9-second timer runs from the load and ends the
    // first task's help at 9 s; a task begun later shows "?" at 4 s and loses it at 13 s,
    // however often the 4-second timer ticks in between; a click hides it but leaves the
    // 9-second timer running, which then cuts the next task's help short. The button
    // numbers every cell and changes nothing else.
    void helpCycle()
    {
        Screen *s = open();
        QVERIFY(s);
        HelpClock clock(s);
        QCOMPARE(clock.entries[0].period, 4000);
        QCOMPARE(clock.entries[1].period, 9000);
        QVERIFY(!clock.entries[0].timer->isActive());
        QVERIFY(clock.entries[1].timer->isActive());
        auto helpAt = [&](int ms) {
            clock.advanceTo(ms);
            return shown(s, "cmdhelp");
        };
        QVERIFY(!helpAt(2000) && nextTask(s, 35) && !helpAt(5999) && helpAt(6000) && !helpAt(9000) && !helpAt(9500));
        QVERIFY(click(s, cell(35)));
        QVERIFY(!helpAt(10000) && nextTask(s, 64) && !helpAt(13999) && helpAt(14000) && helpAt(22999));
        QVERIFY(click(s, "cmdhelp"));
        for (int i = 0; i <= 100; ++i)
            QCOMPARE(caption(s, cell(i)) + (backColor(s, cell(i)) == colour::cellGrey ? "" : "!"), QString::number(i));
        QVERIFY(control(s, "frame100")->isEnabled());
        QVERIFY(!helpAt(23000) && !helpAt(30000));
        QVERIFY(!clock.entries[0].timer->isActive() && !clock.entries[1].timer->isActive());
        QVERIFY(click(s, cell(64)));
        QCOMPARE(backColor(s, cell(64)), rightCell);

        QVERIFY(nextTask(s, 47) && helpAt(34000));
        QVERIFY(headersOnly(s));
        clock.advanceTo(35000);
        QVERIFY(click(s, cell(47)));
        QVERIFY(!shown(s, "cmdhelp") && !clock.entries[0].timer->isActive() && clock.entries[1].timer->isActive());
        clock.advanceTo(36000);
        QVERIFY(nextTask(s, 58) && helpAt(40000) && helpAt(42999) && !helpAt(43000) && !helpAt(60000));
    }
};

QTEST_MAIN(PlaceScreen)
#include "tst_place.moc"
