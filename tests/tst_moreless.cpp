#include "support.h"

#include "board/geometry.h"
#include "exercises100/frmtabulontellen.h"

#include <QTest>

using namespace getalveld;
using namespace getalveld::test;

namespace {
const char *const starts[] = {"cmdstart", "cmdstart2", "cmdstart3", "cmdstart4"};
constexpr quint32 slate = 0x008B8B8B;
constexpr quint32 lightGrey = 0x00E0E0E0;

std::vector<double> lessDraws(int first, int second)
{
    return {rFor(first, 99), rFor(second, 99)};
}
std::vector<double> moreDraws(int first, int second)
{
    return {rFor(first, 99), rFor(second, 99, 0)};
}
// Start buttons 1 and 2 give less-than tasks (here 57 - 23), 3 and 4 more-than ones (41 + 25).
std::vector<double> drawsFor(int kind)
{
    return kind <= 2 ? lessDraws(57, 23) : moreDraws(41, 25);
}
int resultFor(int kind)
{
    return kind <= 2 ? 34 : 66;
}
} // namespace

class MoreLessScreen : public ProgramTest
{
    Q_OBJECT

    static Screen *open() { return openExercise("cmdtabulontellen", "frmtabulontellen"); }
    // The visible buttons of the three stacks, front to back, and cmdstop.
    static QStringList buttons(Screen *s)
    {
        QStringList names;
        for (const char *name : {"cmdstart4", "cmdstart3", "cmdstart2", "cmdstart", "cmdnieuw2", "cmdnieuw",
                                 "cmdcontrole2", "cmdcontrole", "cmdstop"})
            if (shown(s, name))
                names.append(QString::fromLatin1(name));
        return names;
    }
    static int pictures(Screen *s)
    {
        int n = 0;
        for (int k = 0; k < 20; ++k)
            if (shown(s, QStringLiteral("imgvlinder(%1)").arg(k)))
                n = n == k ? n + 1 : -100; // only the first ones may show
        return n;
    }
    // Start, answer and check one task, clicking where the pupil sees the buttons.
    static void playTask(Screen *s, int kind, bool right)
    {
        script(drawsFor(kind));
        QVERIFY(click(s, starts[kind - 1]));
        QVERIFY(click(s, cell(resultFor(kind) + (right ? 0 : 1))));
        QVERIFY(click(s, kind <= 2 ? "cmdcontrole" : "cmdcontrole2"));
    }
    static void next(Screen *s, int kind)
    {
        script({rFor(kind, 4)});
        QVERIFY(click(s, "cmdnieuw"));
    }
    // Another window of the program is used, and the screen is shown again.
    void reactivate(Screen *s)
    {
        QVERIFY(chooseMenu(program.frame, "aftrek2"));
        QVERIFY(click(screen("frmkiesbasis"), "cmdtabulontellen"));
        QCOMPARE(caption(s, "lblteller") + caption(s, "lblaantal"), QStringLiteral("00"));
    }

private slots:
    void draws_data()
    {
        QTest::addColumn<bool>("less");
        QTest::addColumn<QList<int>>("pairs");
        QTest::addColumn<int>("result");
        QTest::newRow("less kept") << true << QList<int>{57, 23} << 34;
        QTest::newRow("less, a first difference of 1 kept") << true << QList<int>{50, 49} << 1;
        QTest::newRow("less redrawn until 2") << true << QList<int>{23, 57, 50, 49, 40, 40, 50, 48} << 2;
        QTest::newRow("more, a first sum of 99 kept") << false << QList<int>{57, 42} << 99;
        QTest::newRow("more redrawn until 98") << false << QList<int>{57, 43, 57, 42, 57, 41} << 98;
        QTest::newRow("more adds 0") << false << QList<int>{99, 98, 57, 0} << 57;
    }
    // The redraw loops take whole pairs, first number first; the last pair given is kept.
    void draws()
    {
        QFETCH(bool, less);
        QFETCH(QList<int>, pairs);
        QFETCH(int, result);
        for (qsizetype i = 0; i < pairs.size(); i += 2)
            script(less ? lessDraws(pairs[i], pairs[i + 1]) : moreDraws(pairs[i], pairs[i + 1]));
        const CountTask task = less ? drawLessTask() : drawMoreTask();
        QCOMPARE(task.secondNumber, pairs.last());
        QCOMPARE(task.expectedResult(), result);
        QCOMPARE(program.random->remaining(), size_t(0));
    }

    void answerAndCheck_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("feedback");
        QTest::newRow("right") << 34 << "prima";
        QTest::newRow("too high") << 40 << " fout 40 -6";
        QTest::newRow("too low") << 30 << " fout 30 + 4";
    }
    // 23 minder dan 57 is ?: the shifted chart, the task, the one click, the check.
    void answerAndCheck()
    {
        QFETCH(int, answer);
        QFETCH(QString, feedback);
        Screen *s = open();
        QVERIFY(s);
        QWidget *chart = control(s, "Frame1");
        QCOMPARE(chart->geometry(), twipsRect(240, 960, 5175, 5895));
        QCOMPARE(control(s, cell(0))->geometry(), twipsRect(4440, 480, 555, 495));
        QCOMPARE(control(s, cell(100))->geometry(), twipsRect(4440, 5280, 555, 495));
        QVERIFY(!chart->isEnabled());
        QCOMPARE(caption(s, cell(10)) + caption(s, cell(0)), QString()); // blank until the first task
        QCOMPARE(buttons(s), (QStringList{"cmdstart", "cmdstop"}));

        script(lessDraws(57, 23));
        QVERIFY(click(s, "cmdstart"));
        QCOMPARE(caption(s, "lblop1") + caption(s, "lblcode1") + caption(s, "lblop1uitkomst"),
                 QStringLiteral("23 minder dan 57 is ?"));
        QCOMPARE(caption(s, "lbluitop1"), QStringLiteral("34"));
        QCOMPARE(caption(s, "lblbord2"), QStringLiteral("klik juist op het tabulon"));
        QCOMPARE(backColor(s, cell(57)), colour::marked);
        QCOMPARE(caption(s, cell(0)) + caption(s, cell(100)), QStringLiteral("0100"));
        QCOMPARE(control(s, cell(5))->font(), screenFont(font::arial, 14.25));
        QVERIFY(chart->isEnabled());
        QCOMPARE(buttons(s), QStringList());

        QVERIFY(click(s, cell(answer)));
        QCOMPARE(caption(s, "lblop1uitkomst"), QString::number(answer));
        QCOMPARE(backColor(s, cell(answer)), quint32(0x00226AFF));
        QVERIFY(!chart->isEnabled()); // one click per task
        QVERIFY(click(s, "cmdcontrole"));
        const bool right = answer == 34;
        QCOMPARE(caption(s, "lblfoutje"), feedback);
        QCOMPARE(backColor(s, "lblfoutje"), right ? lightGrey : red);
        QCOMPARE(foreColor(s, "lblfoutje"), right ? colour::black : colour::white);
        QCOMPARE(backColor(s, "lblop1uitkomst"), right ? quint32(0x00006C00) : slate);
        QCOMPARE(caption(s, "lblteller") + caption(s, "lblaantal"),
                 right ? QStringLiteral("11") : QStringLiteral("01"));
        QCOMPARE(buttons(s), QStringList{"cmdnieuw"});

        next(s, 4);
        QCOMPARE(buttons(s), QStringList{"cmdstart4"}); // no stop in the middle of a series
        QCOMPARE(backColor(s, cell(57)), colour::cellGrey);
        QCOMPARE(backColor(s, cell(answer)), colour::cellGrey);
        for (const char *label : {"lblop1", "lblcode1", "lblop1uitkomst", "lbluitop1", "lblfoutje"})
            QCOMPARE(caption(s, label), QString());
        QCOMPARE(backColor(s, "lblfoutje"), lightGrey);
        QCOMPARE(backColor(s, "lblop1uitkomst"), slate);
    }

    // Each right answer fewer than ten is one step lower, down to the advice to ask for help.
    void seriesMessages()
    {
        const QStringList ladder{"vraag best even hulp ", "je moet nog wat oefenen ", "dat gaat al aardig",
                                 "dat is goed",           "dat is prima",             "dat is uitstekend",
                                 "dat is super"};
        for (int right = 0; right <= 11; ++right)
            QCOMPARE(seriesMessage(right), ladder[qBound(0, right - 4, 6)]);
    }

    void wholeSeries_data()
    {
        QTest::addColumn<int>("rightAnswers");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("shownPictures");
        QTest::newRow("10 right") << 10 << "dat is super" << 17;
        QTest::newRow("5 right") << 5 << "je moet nog wat oefenen " << 7;
        QTest::newRow("2 right") << 2 << "vraag best even hulp " << 1;
        QTest::newRow("none right") << 0 << "vraag best even hulp " << 0;
    }
    // Ten tasks of both kinds end at the tenth check; the new series keeps the last check's
    // colours; stop and the return put cmdstart back behind the start button drawn before.
    void wholeSeries()
    {
        QFETCH(int, rightAnswers);
        QFETCH(QString, message);
        QFETCH(int, shownPictures);
        Screen *s = open();
        QVERIFY(s);
        for (int t = 0, kind = 1; t < 10; ++t) {
            playTask(s, kind, t < rightAnswers);
            QCOMPARE(caption(s, "lblaantal"), QString::number(t + 1));
            QCOMPARE(caption(s, "lblteller"), QString::number(qMin(t + 1, rightAnswers)));
            if (t < 9) {
                QCOMPARE(buttons(s), QStringList{"cmdnieuw"});
                QCOMPARE(pictures(s), 0);
                next(s, kind = t % 4 + 1);
            }
        }
        QCOMPARE(caption(s, "lblbord2"), message);
        QCOMPARE(pictures(s), shownPictures);
        QCOMPARE(buttons(s), (QStringList{"cmdnieuw2", "cmdnieuw"}));

        next(s, 3); // the pupil clicks the pair's place: the new-series button lies in front
        QCOMPARE(caption(s, "lblfoutje"), QStringLiteral("nog eens?"));
        QCOMPARE(backColor(s, "lblfoutje"), rightAnswers < 10 ? red : lightGrey);
        QCOMPARE(foreColor(s, "lblfoutje"), rightAnswers < 10 ? colour::white : colour::black);
        QCOMPARE(pictures(s), 0);
        QCOMPARE(caption(s, "lblteller") + caption(s, "lblaantal"), QStringLiteral("00"));
        QCOMPARE(caption(s, "lblop1") + caption(s, "lblcode1") + caption(s, "lblop1uitkomst") + caption(s, "lblbord2"),
                 QString());
        QCOMPARE(buttons(s), (QStringList{"cmdstart3", "cmdstop"}));

        QVERIFY(click(s, "cmdstop"));
        QCOMPARE(visibleScreens(), QStringList{"frmkiesbasis"});
        QCOMPARE(caption(s, "lblfoutje"), QString());
        QVERIFY(click(screen("frmkiesbasis"), "cmdtabulontellen"));
        QCOMPARE(buttons(s), (QStringList{"cmdstart3", "cmdstart", "cmdstop"}));
        script(moreDraws(41, 25));
        QVERIFY(click(s, "cmdstart")); // lands on cmdstart3, in front
        QCOMPARE(caption(s, "lblcode1"), QStringLiteral(" meer dan 41 is "));
        QCOMPARE(buttons(s), QStringList{"cmdstart"});
        QVERIFY(click(s, cell(66)));
        script(lessDraws(57, 23));
        QVERIFY(click(s, "cmdstart")); // still there: a new less-than task at once
        QCOMPARE(caption(s, "lblcode1"), QStringLiteral(" minder dan 57 is "));
        QVERIFY(click(s, cell(34)));
        QCOMPARE(buttons(s), (QStringList{"cmdcontrole2", "cmdcontrole"}));
        QVERIFY(click(s, "cmdcontrole")); // lands on cmdcontrole2, in front
        // The answer is judged once: no check button is left to count it again.
        QCOMPARE(buttons(s), QStringList{"cmdnieuw"});
        QCOMPARE(caption(s, "lblfoutje") + caption(s, "lblaantal") + caption(s, "lblteller"),
                 QStringLiteral("prima11"));
    }

    void keyboardPassesOverCoveredButtons_data()
    {
        QTest::addColumn<bool>("seriesEnd");
        QTest::addColumn<QString>("covered");
        QTest::newRow("cmdstart behind a drawn start") << false << "cmdstart";
        QTest::newRow("cmdnieuw behind cmdnieuw2") << true << "cmdnieuw";
    }
    // Tab and Shift+Tab never give the keyboard to a button that lies behind another, and a
    // key does not press it: the pupil starts only the task the screen shows, and after the
    // tenth check no Tab, Tab, Enter continues the series.
    void keyboardPassesOverCoveredButtons()
    {
        QFETCH(bool, seriesEnd);
        QFETCH(QString, covered);
        Screen *s = open();
        QVERIFY(s);
        playTask(s, 1, true);
        next(s, 3);
        if (seriesEnd) {
            for (int t = 1, kind = 3; t < 10; ++t) {
                playTask(s, kind, true);
                if (t < 9)
                    next(s, kind);
            }
            QCOMPARE(buttons(s), (QStringList{"cmdnieuw2", "cmdnieuw"}));
        } else {
            reactivate(s);
            QCOMPARE(buttons(s), (QStringList{"cmdstart3", "cmdstart"}));
        }
        const QStringList before = buttons(s);
        const QString counts = caption(s, "lblteller") + u'/' + caption(s, "lblaantal");
        QStringList reached;
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            for (int i = 0; i < 8; ++i) {
                QTest::keyClick(s->focusWidget() ? s->focusWidget() : s, key);
                reached << s->focusWidget()->objectName();
            }
        }
        QVERIFY2(!reached.contains(covered), qPrintable(reached.join(u' ')));
        QVERIFY2(reached.contains(before.first()), qPrintable(reached.join(u' ')));
        // Even with the keyboard put on it, a key presses nothing there.
        control(s, covered)->setFocus();
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            script(lessDraws(57, 23)); // what a start or a next task would draw
            QTest::keyClick(control(s, covered), key);
        }
        QCOMPARE(buttons(s), before);
        QCOMPARE(caption(s, "lblteller") + u'/' + caption(s, "lblaantal"), counts);
        QCOMPARE(program.random->remaining(), size_t(6));
    }

    void noEleventhTask_data()
    {
        QTest::addColumn<bool>("startedBeforeTheCheck");
        QTest::newRow("cmdstart left standing") << false;
        QTest::newRow("cmdstart pressed before the tenth check") << true;
    }
    // After a return cmdstart can stand behind the drawn start buttons for a whole series. The
    // series still ends at ten: nothing can start or check an eleventh task, and the new
    // series hides every picture.
    void noEleventhTask()
    {
        QFETCH(bool, startedBeforeTheCheck);
        Screen *s = open();
        QVERIFY(s);
        playTask(s, 1, true);
        next(s, 3);
        reactivate(s);
        for (int t = 0, kind = 3; t < 10; ++t) {
            QVERIFY(shown(s, "cmdstart")); // each drawn button in front of it took the click
            script(drawsFor(kind));
            QVERIFY(click(s, starts[kind - 1]));
            QVERIFY(click(s, cell(resultFor(kind))));
            if (t == 9 && startedBeforeTheCheck) {
                script(lessDraws(57, 23));
                QVERIFY(click(s, "cmdstart"));
            }
            QVERIFY(click(s, kind <= 2 ? "cmdcontrole" : "cmdcontrole2"));
            if (t < 9)
                next(s, kind = t % 3 + 2);
        }
        QCOMPARE(caption(s, "lblteller") + u'/' + caption(s, "lblaantal"),
                 startedBeforeTheCheck ? QStringLiteral("9/10") : QStringLiteral("10/10"));
        QCOMPARE(buttons(s), (QStringList{"cmdnieuw2", "cmdnieuw"}));
        QVERIFY(!control(s, "Frame1")->isEnabled());
        QCOMPARE(pictures(s), startedBeforeTheCheck ? 15 : 17);
        next(s, 2);
        QCOMPARE(pictures(s), 0);
        QCOMPARE(buttons(s), (QStringList{"cmdstart2", "cmdstop"}));
    }
};

QTEST_MAIN(MoreLessScreen)
#include "tst_moreless.moc"
