#include "support.h"

#include "board/geometry.h"

#include <QTest>

using namespace getalveld;
using namespace getalveld::test;

namespace {
QString reward(int k) { return QStringLiteral("imgok(%1)").arg(k); }

const Exercise plus{"cmdtabulonplus", "frmtabulonplus"};
const Exercise minus{"cmdveldmin", "frmtabulonmin"};
} // namespace

class ChartSum : public ProgramTest
{
    Q_OBJECT

    // Draws for start + other: tens of the start, tens of the other, units of the start, units of the other.
    static std::vector<double> plusDraws(int start, int addend)
    {
        return {rFor(start / 10, 5), rFor(addend / 10, 4), rFor(start % 10, 5), rFor(addend % 10, 4)};
    }
    static std::vector<double> minusDraws(int start, int subtrahend)
    {
        return {rFor(start / 10, 9), rFor(subtrahend / 10, 4), rFor(start % 10, 9), rFor(subtrahend % 10, 4)};
    }
    int visibleRewards(Screen *s)
    {
        int n = 0;
        for (int k = 0; k < 10; ++k)
            n += shown(s, reward(k)) ? 1 : 0;
        return n;
    }

private slots:
    void bothHelpStepsAndTheAnswer_data()
    {
        QTest::addColumn<bool>("isPlus");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("other");
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("tensButton");
        QTest::addColumn<int>("afterTens");
        QTest::addColumn<QString>("tensStep");
        QTest::addColumn<QString>("unitsButton");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("unitsStep");
        QTest::addColumn<QString>("equation");
        QTest::newRow("23 + 24") << true << 23 << 24 << "23 + 24 = ? " << "+ 20" << 43 << "\r\n23 + 20 = 43" << "+ 4"
                                 << 47 << "\r\n43 + 4 = 47" << "23 + 24 = 47";
        QTest::newRow("smallest sum") << true << 11 << 11 << "11 + 11 = ? " << "+ 10" << 21 << "\r\n11 + 10 = 21"
                                      << "+ 1" << 22 << "\r\n21 + 1 = 22" << "11 + 11 = 22";
        QTest::newRow("largest sum") << true << 55 << 44 << "55 + 44 = ? " << "+ 40" << 95 << "\r\n55 + 40 = 95"
                                     << "+ 4" << 99 << "\r\n95 + 4 = 99" << "55 + 44 = 99";
        QTest::newRow("52 - 14 borrows") << false << 52 << 14 << "52 - 14 = ? " << "- 10" << 42 << "\r\n52 - 10 = 42"
                                         << "- 4" << 38 << "\r\n42 - 4 = 38" << "52 - 14 = 38";
        QTest::newRow("smallest difference") << false << 21 << 14 << "21 - 14 = ? " << "- 10" << 11
                                             << "\r\n21 - 10 = 11" << "- 4" << 7 << "\r\n11 - 4 = 7" << "21 - 14 = 7";
        QTest::newRow("largest difference") << false << 99 << 11 << "99 - 11 = ? " << "- 10" << 89
                                            << "\r\n99 - 10 = 89" << "- 1" << 88 << "\r\n89 - 1 = 88" << "99 - 11 = 88";
        QTest::newRow("equal units end on a ten") << false << 34 << 14 << "34 - 14 = ? " << "- 10" << 24
                                                  << "\r\n34 - 10 = 24" << "- 4" << 20 << "\r\n24 - 4 = 20"
                                                  << "34 - 14 = 20";
    }
    void bothHelpStepsAndTheAnswer()
    {
        QFETCH(bool, isPlus);
        QFETCH(int, start);
        QFETCH(int, other);
        QFETCH(QString, task);
        QFETCH(QString, tensButton);
        QFETCH(int, afterTens);
        QFETCH(QString, tensStep);
        QFETCH(QString, unitsButton);
        QFETCH(int, answer);
        QFETCH(QString, unitsStep);
        QFETCH(QString, equation);

        Screen *s = openExercise(isPlus ? plus : minus);
        QVERIFY(s);
        QVERIFY(!control(s, "frame100")->isEnabled()); // no clicks before the first start
        script(isPlus ? plusDraws(start, other) : minusDraws(start, other));
        QVERIFY(click(s, "cmdstart"));
        QCOMPARE(caption(s, "lblstart"), task);
        QCOMPARE(foreColor(s, "lblstart"), colour::black);
        QCOMPARE(backColor(s, cell(start)), colour::marked);
        QCOMPARE(backColor(s, "ShpHkies(1)"), colour::marked);
        QVERIFY(!shown(s, "cmdstart"));
        QVERIFY(!shown(s, "cmdstop"));
        QVERIFY(!shown(s, "cmdTweg")); // the units step waits for the tens step
        QVERIFY(shown(s, "lblhulp"));
        QCOMPARE(caption(s, "cmdHweg"), tensButton);

        QVERIFY(click(s, "cmdHweg"));
        QCOMPARE(backColor(s, cell(afterTens)), colour::marked);
        QCOMPARE(caption(s, "lblHweg"), tensStep);
        QVERIFY(!shown(s, "cmdHweg"));
        QCOMPARE(caption(s, "cmdTweg"), unitsButton);

        QVERIFY(click(s, "cmdTweg"));
        QCOMPARE(backColor(s, cell(answer)), colour::marked);
        QCOMPARE(caption(s, "lblTweg"), unitsStep);
        QVERIFY(!shown(s, "cmdTweg"));
        QVERIFY(!shown(s, "cmdHweg")); // each step runs once per task
        QCOMPARE(caption(s, "lblEweg"), QString());

        script({rFor(3, 9, 0)});
        QVERIFY(click(s, cell(answer)));
        QCOMPARE(backColor(s, "lblstart"), quint32(0x0000FF00));
        QVERIFY(shown(s, "lbljuist"));
        QCOMPARE(caption(s, "lbljuist"), equation);
        QVERIFY(!shown(s, "lblhulp"));
        QCOMPARE(caption(s, "lblHweg"), tensStep); // the step texts stay standing
        QCOMPARE(caption(s, "lblTweg"), unitsStep);
        QVERIFY(shown(s, reward(3)));
        QCOMPARE(visibleRewards(s), 1);
        QVERIFY(shown(s, "cmdstart"));
        QVERIFY(shown(s, "cmdstop"));
    }

    void startTensNotAboveBecomesNine_data()
    {
        QTest::addColumn<int>("drawnTens");
        QTest::addColumn<int>("subTens");
        QTest::addColumn<QString>("task");
        QTest::newRow("3 and 3") << 3 << 3 << "95 - 32 = ? ";
        QTest::newRow("1 and 4") << 1 << 4 << "95 - 42 = ? ";
        QTest::newRow("2 above 1 stays") << 2 << 1 << "25 - 12 = ? ";
    }
    // Nothing is drawn again: a start tens digit not above the subtrahend's becomes 9.
    void startTensNotAboveBecomesNine()
    {
        QFETCH(int, drawnTens);
        QFETCH(int, subTens);
        QFETCH(QString, task);
        Screen *s = openExercise(minus);
        QVERIFY(s);
        script({rFor(drawnTens, 9), rFor(subTens, 4), rFor(5, 9), rFor(2, 4)});
        QVERIFY(click(s, "cmdstart"));
        QCOMPARE(caption(s, "lblstart"), task);
        QCOMPARE(program.random->remaining(), size_t(0));
    }

    // The task stays open: every click is judged again against the same answer.
    void judgingGoesOn()
    {
        Screen *s = openExercise(plus);
        QVERIFY(s);
        script(plusDraws(23, 24));
        QVERIFY(click(s, "cmdstart"));
        QVERIFY(click(s, cell(23))); // a wrong click on the marked start cell
        QCOMPARE(backColor(s, cell(23)), colour::cellRed);
        QCOMPARE(backColor(s, "lblstart"), quint32(0x000000FF));
        QCOMPARE(foreColor(s, "lblstart"), colour::white);
        QVERIFY(!shown(s, "lbljuist"));
        QVERIFY(shown(s, "cmdHweg")); // help as it was
        QVERIFY(shown(s, "cmdstart"));

        script({rFor(2, 9, 0), rFor(5, 9, 0)});
        QVERIFY(click(s, cell(47)));
        QVERIFY(click(s, cell(47)));
        QVERIFY(shown(s, reward(2)));
        QVERIFY(shown(s, reward(5)));
        QCOMPARE(visibleRewards(s), 2);
        QVERIFY(!shown(s, "cmdHweg"));

        QVERIFY(click(s, cell(0))); // cell 0 is judged like any other, and is wrong
        QCOMPARE(backColor(s, cell(0)), colour::cellRed);
        QCOMPARE(backColor(s, "lblstart"), quint32(0x000000FF));
        QVERIFY(!shown(s, "lbljuist"));
        QCOMPARE(visibleRewards(s), 2);
    }

    // Int(r * 9) never reaches 9: the last picture never shows.
    void rewardNineNeverShows()
    {
        Screen *s = openExercise(minus);
        QVERIFY(s);
        script(minusDraws(52, 14));
        QVERIFY(click(s, "cmdstart"));
        script({0.999999});
        QVERIFY(click(s, cell(38)));
        QVERIFY(shown(s, reward(8)));
        QVERIFY(!shown(s, reward(9)));
    }

    void stopResetsThenReturns()
    {
        for (const Exercise &twin : {plus, minus}) {
            Screen *s = openExercise(twin);
            QVERIFY(s);
            script(twin.screen == plus.screen ? plusDraws(23, 24) : minusDraws(52, 14));
            QVERIFY(click(s, "cmdstart"));
            QVERIFY(click(s, "cmdHweg"));
            script({0.1});
            QVERIFY(click(s, cell(twin.screen == plus.screen ? 47 : 38)));
            QVERIFY(click(s, "cmdstop"));
            QCOMPARE(visibleScreens(), QStringList{"frmkiesbasis"});
            for (int i = 0; i <= 100; ++i) {
                QCOMPARE(backColor(s, cell(i)), colour::cellGrey);
                QCOMPARE(caption(s, cell(i)), (i <= 10 || i % 10 == 0) ? QString::number(i) : QString());
            }
            for (const char *label : {"lblstart", "lblHweg", "lblTweg", "lbljuist"})
                QCOMPARE(caption(s, label), QString());
            QCOMPARE(backColor(s, "lblstart"), colour::paleYellow);
            QCOMPARE(visibleRewards(s), 0);
            QVERIFY(!shown(s, "lbljuist"));
            QVERIFY(!shown(s, "lblhulp"));
            QCOMPARE(backColor(s, "ShpHkies(1)"), colour::marked);
            QVERIFY(control(s, "frame100")->isEnabled());
            QVERIFY(control(s, cell(1))->font().bold());
            // Back to the start screen's state for the next twin.
            program.stop();
            program.start();
        }
    }

    // After a return the inner cells are blank: their clicks are ignored, while a cell
    // that shows its number is still judged against the last task.
    void blankCellAfterReturn()
    {
        Screen *s = openExercise(plus);
        QVERIFY(s);
        script(plusDraws(23, 24));
        QVERIFY(click(s, "cmdstart"));
        QVERIFY(click(s, cell(40)));
        QVERIFY(click(s, "cmdstop"));
        QVERIFY(click(screen("frmkiesbasis"), "cmdtabulonplus"));
        QVERIFY(control(s, "frame100")->isEnabled());

        QVERIFY(click(s, cell(47)));
        QCOMPARE(backColor(s, cell(47)), colour::cellGrey);
        QCOMPARE(backColor(s, "lblstart"), colour::paleYellow);
        QVERIFY(!shown(s, "lbljuist"));
        QCOMPARE(visibleRewards(s), 0);
        QCOMPARE(program.random->remaining(), size_t(0));

        QVERIFY(click(s, cell(20)));
        QCOMPARE(backColor(s, cell(20)), colour::cellRed);
        QCOMPARE(backColor(s, "lblstart"), quint32(0x000000FF));
    }
};

QTEST_MAIN(ChartSum)
#include "tst_chartsum.moc"
