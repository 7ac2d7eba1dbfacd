#include "support.h"

#include "board/geometry.h"

#include <QTest>

using namespace getalveld;
using namespace getalveld::test;

namespace {

const Exercise plus{"cmd1000veldplus", "frmduizendveldplus"};
const Exercise minus{"cmd1000veldmin", "frmduizendveldmin"};
} // namespace

class ThousandSum : public ProgramTest
{
    Q_OBJECT

    // The six draws: start and other digit for the hundreds, the tens, the units.
    static void startTask(Screen *s, bool isPlus, int start, int other)
    {
        const int n = isPlus ? 5 : 9, m = isPlus ? 4 : 8;
        script({rFor(start / 100, n), rFor(other / 100, m), rFor(start / 10 % 10, n), rFor(other / 10 % 10, m),
                rFor(start % 10, n), rFor(other % 10, m)});
        QVERIFY(click(s, "cmdstart"));
    }
    static int markedSquare(Screen *s)
    {
        int marked = 0;
        for (int n = 1; n <= 10; ++n)
            if (backColor(s, square(n)) != normalSquare)
                marked = marked ? -1 : n;
        return marked; // -1: more than one
    }

private slots:
    void everyHelpStepToTheAnswer_data()
    {
        QTest::addColumn<bool>("isPlus");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("other");
        QTest::addColumn<QStringList>("texts"); // task, three buttons, three steps, equation
        QTest::addColumn<QList<int>>("cells");   // after each jump
        QTest::addColumn<QList<int>>("squares"); // start, after the hundreds
        QTest::newRow("253 + 142") << true << 253 << 142
                                   << QStringList{"253 + 142 = ? ", "+ 100", "+ 40", "+ 2", "\r\n253 + 100 = 353",
                                                  "\r\n353 + 40 = 393", "\r\n393 + 2 = 395", "253 + 142 =395"}
                                   << QList<int>{353, 393, 395} << QList<int>{3, 4};
        QTest::newRow("smallest sum") << true << 111 << 111
                                      << QStringList{"111 + 111 = ? ", "+ 100", "+ 10", "+ 1", "\r\n111 + 100 = 211",
                                                     "\r\n211 + 10 = 221", "\r\n221 + 1 = 222", "111 + 111 =222"}
                                      << QList<int>{211, 221, 222} << QList<int>{2, 3};
        QTest::newRow("largest sum") << true << 555 << 444
                                     << QStringList{"555 + 444 = ? ", "+ 400", "+ 40", "+ 4", "\r\n555 + 400 = 955",
                                                    "\r\n955 + 40 = 995", "\r\n995 + 4 = 999", "555 + 444 =999"}
                                     << QList<int>{955, 995, 999} << QList<int>{6, 10};
        QTest::newRow("876 - 432") << false << 876 << 432
                                   << QStringList{"876 - 432 = ? ", "- 400", "- 30", "- 2", "\r\n876 - 400 = 476",
                                                  "\r\n476 - 30 = 446", "\r\n446 - 2 = 444", "876 - 432 =444"}
                                   << QList<int>{476, 446, 444} << QList<int>{9, 5};
        QTest::newRow("smallest difference") << false << 222 << 111
                                             << QStringList{"222 - 111 = ? ", "- 100", "- 10", "- 1",
                                                            "\r\n222 - 100 = 122", "\r\n122 - 10 = 112",
                                                            "\r\n112 - 1 = 111", "222 - 111 =111"}
                                             << QList<int>{122, 112, 111} << QList<int>{3, 2};
        QTest::newRow("largest difference") << false << 999 << 111
                                            << QStringList{"999 - 111 = ? ", "- 100", "- 10", "- 1",
                                                           "\r\n999 - 100 = 899", "\r\n899 - 10 = 889",
                                                           "\r\n889 - 1 = 888", "999 - 111 =888"}
                                            << QList<int>{899, 889, 888} << QList<int>{10, 9};
    }
    // The three help steps in order, once each, then the answer in the opened hundred.
    void everyHelpStepToTheAnswer()
    {
        QFETCH(bool, isPlus);
        QFETCH(int, start);
        QFETCH(int, other);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, cells);
        QFETCH(QList<int>, squares);
        Screen *s = openExercise(isPlus ? plus : minus);
        QVERIFY(s);
        startTask(s, isPlus, start, other);
        QCOMPARE(caption(s, "lblstart"), texts[0]);
        QCOMPARE(markedSquare(s), squares[0]);
        QCOMPARE(caption(s, "cmdHweg"), texts[1]);
        QVERIFY(!shown(s, "cmdTweg"));
        QVERIFY(!shown(s, "cmdEweg"));
        QVERIFY(shown(s, "lblhulp"));
        QVERIFY(!shown(s, "cmdstart"));
        QVERIFY(!shown(s, "cmdstop"));

        const char *buttons[] = {"cmdHweg", "cmdTweg", "cmdEweg"};
        const char *steps[] = {"lblHweg", "lblTweg", "lblEweg"};
        for (int k = 0; k < 3; ++k) {
            QVERIFY(click(s, buttons[k]));
            QVERIFY(!shown(s, buttons[k]));
            QCOMPARE(caption(s, steps[k]), texts[4 + k]);
            QCOMPARE(backColor(s, cell(cells[k])), colour::marked);
            QCOMPARE(markedSquare(s), squares[1]);
            QCOMPARE(caption(s, "lblhelp"), QString::number(k + 1));
            if (k < 2) {
                QVERIFY(shown(s, buttons[k + 1]));
                QCOMPARE(caption(s, buttons[k + 1]), texts[2 + k]);
            }
        }

        const int answer = cells[2];
        QVERIFY(click(s, picture((answer + 99) / 100)));
        QCOMPARE(caption(s, cell(answer)), QString::number(answer));
        QCOMPARE(backColor(s, cell(start)), colour::marked); // marked wherever a hundred opens
        script({rFor(6, 9, 0)});
        QVERIFY(click(s, cell(answer)));
        QCOMPARE(backColor(s, "lblstart"), quint32(0x0000FF00));
        QCOMPARE(foreColor(s, "lblstart"), colour::black);
        QVERIFY(shown(s, "lbljuist"));
        QCOMPARE(caption(s, "lbljuist"), texts[7]);
        QCOMPARE(caption(s, "lblEweg"), texts[6]); // the step texts stay
        QVERIFY(!shown(s, "lblhulp"));
        QVERIFY(shown(s, "imgok(6)"));
        QVERIFY(shown(s, "cmdstart"));
        QVERIFY(!control(s, cell(answer))->isEnabled());
        QCOMPARE(caption(s, "lblhelp"), QStringLiteral("3"));
    }

    // Help steps are optional: a right answer hides the ones left, and a new start empties
    // every caption and puts the squares back.
    void answerWithoutHelpThenStart()
    {
        Screen *s = openExercise(plus);
        QVERIFY(s);
        startTask(s, true, 253, 142);
        QVERIFY(click(s, "cmdHweg"));
        QVERIFY(click(s, "imgveld4"));
        script({rFor(0, 9, 0)});
        QVERIFY(click(s, cell(395)));
        QVERIFY(!shown(s, "cmdTweg"));
        QCOMPARE(caption(s, "lblHweg"), QStringLiteral("\r\n253 + 100 = 353"));
        startTask(s, true, 111, 111);
        QCOMPARE(caption(s, cell(395)), QString());
        QCOMPARE(caption(s, cell(0)), QString());
        QCOMPARE(backColor(s, cell(395)), colour::cellGrey);
        QCOMPARE(caption(s, "lblHweg"), QString());
        QVERIFY(!shown(s, "lbljuist"));
        QCOMPARE(markedSquare(s), 2);
        QCOMPARE(caption(s, "lblhelp"), QStringLiteral("1")); // a start keeps the count
        QVERIFY(control(s, "Frame400")->isEnabled());
    }

    // A click on the start cell is wrong; opening a hundred again marks it dark green.
    void wrongClickOnStartCell_data()
    {
        QTest::addColumn<bool>("isPlus");
        QTest::newRow("plus") << true;
        QTest::newRow("minus") << false;
    }
    void wrongClickOnStartCell()
    {
        QFETCH(bool, isPlus);
        const Exercise &twin = isPlus ? plus : minus;
        Screen *s = openExercise(twin);
        QVERIFY(s);
        const int start = isPlus ? 253 : 876;
        startTask(s, isPlus, start, isPlus ? 142 : 432);
        QVERIFY(click(s, picture((start + 99) / 100)));
        QCOMPARE(backColor(s, cell(start)), colour::marked);
        QVERIFY(click(s, cell(start)));
        QCOMPARE(backColor(s, cell(start)), red);
        QCOMPARE(backColor(s, "lblstart"), red);
        QCOMPARE(foreColor(s, "lblstart"), colour::white);
        QVERIFY(!shown(s, "lbljuist"));
        QVERIFY(shown(s, "cmdstop"));
        QVERIFY(shown(s, "cmdHweg")); // help stays usable
        QVERIFY(click(s, picture(1)));
        QVERIFY(click(s, picture((start + 99) / 100)));
        QCOMPARE(backColor(s, cell(start)), colour::marked);
        QVERIFY(control(s, cell(start))->isEnabled());
    }

    // Opening the tenth hundred frames its picture in every task; help step 1 puts the
    // squares back first.
    void pictureTenFramedOnOpening()
    {
        Screen *s = openExercise(plus);
        QVERIFY(s);
        QVERIFY(click(s, "imveld10"));
        QCOMPARE(backColor(s, square(10)), colour::marked);
        startTask(s, true, 253, 142);
        QCOMPARE(markedSquare(s), 3);
        QVERIFY(click(s, "imveld10"));
        QCOMPARE(backColor(s, square(10)), colour::marked);
        QCOMPARE(backColor(s, square(3)), colour::marked);
        QCOMPARE(caption(s, cell(1000)), QStringLiteral("1000"));
        QVERIFY(click(s, "cmdHweg"));
        QCOMPARE(markedSquare(s), 4);
    }

    // Before the first start every number is judged against a sum of 0: all wrong.
    void clicksBeforeFirstStart()
    {
        Screen *s = openExercise(plus);
        QVERIFY(s);
        QVERIFY(click(s, "imgveld1"));
        QVERIFY(click(s, cell(1)));
        QCOMPARE(backColor(s, cell(1)), red);
        QCOMPARE(backColor(s, "lblstart"), red);
        QCOMPARE(caption(s, "lblhelp"), QStringLiteral("0"));
    }

    // The addition counts help until stop; the subtraction starts again at each activation.
    void helpCountAcrossActivation_data()
    {
        QTest::addColumn<bool>("isPlus");
        QTest::addColumn<QString>("afterActivation");
        QTest::newRow("plus keeps it") << true << "1";
        QTest::newRow("minus resets it") << false << "0";
    }
    void helpCountAcrossActivation()
    {
        QFETCH(bool, isPlus);
        QFETCH(QString, afterActivation);
        const Exercise &twin = isPlus ? plus : minus;
        Screen *s = openExercise(twin);
        QVERIFY(s);
        QCOMPARE(caption(s, "lblhelp"), QStringLiteral("0"));
        startTask(s, isPlus, isPlus ? 253 : 876, isPlus ? 142 : 432);
        QVERIFY(click(s, "cmdHweg"));
        QCOMPARE(caption(s, "lblhelp"), QStringLiteral("1"));
        forms().show(twin.screen); // activated again
        QCOMPARE(caption(s, "lblhelp"), afterActivation);
        QVERIFY(click(s, "cmdTweg"));
        QCOMPARE(caption(s, "lblhelp"), QString::number(afterActivation.toInt() + 1));

        // Stop: back to the board with the count 0, empty labels and no marks.
        QVERIFY(click(s, "imgveld2"));
        QVERIFY(click(s, cell(150)));
        QVERIFY(click(s, "cmdstop"));
        QCOMPARE(visibleScreens(), QStringList{"frmkiesbasis"});
        QCOMPARE(caption(s, "lblhelp"), QStringLiteral("0"));
        QCOMPARE(markedSquare(s), 0);
        for (const char *label : {"lblstart", "lblHweg", "lblTweg", "lbljuist"})
            QCOMPARE(caption(s, label), QString());
        QCOMPARE(caption(s, cell(150)), QString());
        QVERIFY(click(screen("frmkiesbasis"), twin.button));
        QCOMPARE(caption(s, "lblhelp"), QStringLiteral("0"));
        QVERIFY(!shown(s, "cmdHweg"));
    }

    void startDigitNotAboveBecomesNine_data()
    {
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("other");
        QTest::addColumn<QString>("task");
        QTest::newRow("3 and 5") << 376 << 542 << "976 - 542 = ? ";
        QTest::newRow("equal tens") << 836 << 432 << "896 - 432 = ? ";
        QTest::newRow("units 1 and 1") << 871 << 431 << "879 - 431 = ? ";
    }
    // Nothing is drawn again: each pair of digits is drawn after its own reseed.
    void startDigitNotAboveBecomesNine()
    {
        QFETCH(int, drawn);
        QFETCH(int, other);
        QFETCH(QString, task);
        Screen *s = openExercise(minus);
        QVERIFY(s);
        const int reseeds = program.random->reseeds();
        startTask(s, false, drawn, other);
        QCOMPARE(caption(s, "lblstart"), task);
        QCOMPARE(program.random->reseeds() - reseeds, 3);
    }
};

QTEST_MAIN(ThousandSum)
#include "tst_thousandsum.moc"
