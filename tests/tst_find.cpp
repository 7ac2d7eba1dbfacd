#include "support.h"

#include "board/geometry.h"
#include "exercises100/findonchart.h"

#include <QLabel>
#include <QTest>

using namespace getalveld;
using namespace getalveld::test;

namespace {
const QString crlf = QStringLiteral("\r\n");
} // namespace

class FindScreens : public ProgramTest
{
    Q_OBJECT

    Screen *openFind() { return openExercise("cmdtabulonzoek", "frmtabulonzoek"); }
    Screen *openRead() { return openExercise("cmdtabulonlees", "frmtabulonzoek2"); }
    void startTask(Screen *s, int target)
    {
        script({rFor(target % 10, 9), rFor(target / 10, 9)});
        QVERIFY(click(s, "cmdstart"));
    }
    // What the stop button must leave: a blank grey chart, zero counters, no help.
    void checkReturned(Screen *s, const QStringList &emptied)
    {
        for (int i = 0; i <= 100; ++i) {
            QCOMPARE(caption(s, cell(i)), QString());
            QCOMPARE(backColor(s, cell(i)), colour::cellGrey);
        }
        for (const char *counter : {"lbljuist", "lblfout", "lblhelp"})
            QCOMPARE(caption(s, counter), QStringLiteral("0"));
        for (const QString &label : emptied)
            QCOMPARE(caption(s, label), QString());
        QVERIFY(!shown(s, "cmdhulp"));
        QVERIFY(!shown(s, "lblhulp"));
        QCOMPARE(backColor(s, "ShpHkies(1)"), colour::marked);
    }

private slots:
    void neighbourSums_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("47") << 47 << "47 - 1  =   46\r\n47 + 1  =   48\r\n47 - 10  =  37\r\n47 + 10  =  57";
        QTest::newRow("beyond the chart") << 96 << "96 - 1  =   95\r\n96 + 1  =   97\r\n96 - 10  =  86\r\n96 + 10  =  106";
        QTest::newRow("first row") << 12 << "12 - 1  =   11\r\n12 + 1  =   13\r\n12 - 10  =  2\r\n12 + 10  =  22";
        QTest::newRow("cell 0") << 0 << "0 - 1  =   -1\r\n0 + 1  =   1\r\n0 - 10  =  -10\r\n0 + 10  =  10";
    }
    // The pieces are ten characters wide so that the results line up.
    void neighbourSums()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QCOMPARE(getalveld::neighbourSums(number), text);
    }

    void drawnNumbers_data()
    {
        QTest::addColumn<double>("unitsDraw");
        QTest::addColumn<double>("tensDraw");
        QTest::addColumn<int>("target");
        QTest::newRow("smallest") << rFor(2, 9) << 0.0 << 12;
        QTest::newRow("a drawn 1 becomes 8") << 0.0 << rFor(3, 9) << 38;
        QTest::newRow("largest") << 0.99999 << 0.99999 << 99;
        QTest::newRow("47") << rFor(7, 9) << rFor(4, 9) << 47;
    }
    // Units come from the first draw, tens from the second; never a ten or a number ending in 1.
    void drawnNumbers()
    {
        QFETCH(double, unitsDraw);
        QFETCH(double, tensDraw);
        QFETCH(int, target);
        Screen *s = openFind();
        QVERIFY(s);
        script({unitsDraw, tensDraw});
        const int reseeds = program.random->reseeds();
        QVERIFY(click(s, "cmdstart"));
        QCOMPARE(program.random->reseeds(), reseeds + 1);
        QCOMPARE(caption(s, "lblstart"), QString::number(target));
    }

    void rightAnswer()
    {
        Screen *s = openFind();
        QVERIFY(s);
        startTask(s, 47);
        QVERIFY(!shown(s, "cmdstart"));
        QVERIFY(!shown(s, "cmdstop"));
        QVERIFY(shown(s, "cmdhulp"));
        for (int i = 0; i <= 100; ++i) {
            QCOMPARE(caption(s, cell(i)), QString::number(i));
            QCOMPARE(control(s, cell(i))->font().pointSizeF(), 13.0);
            QVERIFY(control(s, cell(i))->font().bold());
        }
        QCOMPARE(backColor(s, "ShpHkies(1)"), colour::marked);

        QVERIFY(click(s, cell(47)));
        QCOMPARE(backColor(s, cell(47)), colour::cellGreen);
        QCOMPARE(caption(s, "lbljuist3"), getalveld::neighbourSums(47));
        QCOMPARE(caption(s, "lbljuist"), QStringLiteral("1"));
        QVERIFY(!control(s, "frame100")->isEnabled());
        QVERIFY(shown(s, "cmdstart"));
        QVERIFY(shown(s, "cmdstop"));

        // The board is closed until the next start: a further click changes nothing.
        click(s, cell(48));
        QCOMPARE(backColor(s, cell(48)), colour::cellGrey);
        QCOMPARE(caption(s, "lblfout"), QStringLiteral("0"));
        QCOMPARE(caption(s, "lbljuist"), QStringLiteral("1"));
    }

    // A wrong click leaves the board open and every click is judged again.
    void wrongClicks()
    {
        Screen *s = openFind();
        QVERIFY(s);
        startTask(s, 47);
        QVERIFY(click(s, cell(0))); // cell 0 is never the number sought
        QVERIFY(click(s, cell(5)));
        QVERIFY(click(s, cell(5)));
        QCOMPARE(caption(s, "lblfout"), QStringLiteral("3"));
        QCOMPARE(backColor(s, cell(5)), colour::cellRed);
        QCOMPARE(backColor(s, cell(0)), colour::cellRed);
        QVERIFY(control(s, "frame100")->isEnabled());
        QVERIFY(shown(s, "cmdstart"));
        QVERIFY(shown(s, "cmdstop"));
        QCOMPARE(caption(s, "lbljuist3"), QString());

        QVERIFY(click(s, "cmdhulp"));
        QCOMPARE(backColor(s, cell(7)), colour::cellOrange);
        QVERIFY(click(s, cell(7))); // a wrong click on a help cell turns it red
        QCOMPARE(backColor(s, cell(7)), colour::cellRed);
        QVERIFY(click(s, cell(47)));
        QCOMPARE(caption(s, "lbljuist"), QStringLiteral("1"));
        QCOMPARE(caption(s, "lblfout"), QStringLiteral("4"));
    }

    void help_data()
    {
        QTest::addColumn<int>("target"); // 0: before the first start
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("rowEnd");
        QTest::newRow("47") << 47 << 7 << 50;
        QTest::newRow("99 ends on 100") << 99 << 9 << 100;
        QTest::newRow("before the first start") << 0 << 0 << 10;
    }
    void help()
    {
        QFETCH(int, target);
        QFETCH(int, column);
        QFETCH(int, rowEnd);
        QVERIFY(click(screen("frmmecenaat1"), "cmdkombinnen"));
        const QList<QPair<QString, QString>> twins = {{"cmdtabulonzoek", "frmtabulonzoek"},
                                                      {"cmdtabulonlees", "frmtabulonzoek2"}};
        for (const auto &[button, name] : twins) {
            QVERIFY(click(screen("frmkiesbasis"), button));
            Screen *s = screen(name);
            QVERIFY(s);
            if (target)
                startTask(s, target);
            else
                QVERIFY(shown(s, "cmdhulp")); // visible at design
            QVERIFY(click(s, "cmdhulp"));
            QVERIFY(click(s, "cmdhulp"));
            QCOMPARE(backColor(s, cell(column)), colour::cellOrange);
            QCOMPARE(backColor(s, cell(rowEnd)), colour::cellOrange);
            QCOMPARE(caption(s, "lblmemo"), QStringLiteral("kolom %1\r\n rij tot  %2").arg(column).arg(rowEnd));
            QCOMPARE(caption(s, "lblhelp"), QStringLiteral("2"));
            QVERIFY(click(s, cell(rowEnd))); // judged, so the stop button shows again
            QVERIFY(click(s, "cmdstop"));
        }
    }

    // Before the first start the target is 0 and cell 0 shows "0": clicking it is right.
    void beforeFirstStart()
    {
        Screen *s = openFind();
        QVERIFY(s);
        QCOMPARE(caption(s, cell(0)), QStringLiteral("0"));
        QCOMPARE(caption(s, cell(30)), QStringLiteral("30"));
        QCOMPARE(caption(s, cell(31)), QString());
        QCOMPARE(caption(s, "lbljuist"), QStringLiteral("0"));
        QVERIFY(click(s, cell(31)));
        QCOMPARE(caption(s, "lblfout"), QStringLiteral("1"));
        QVERIFY(click(s, cell(0)));
        QCOMPARE(backColor(s, cell(0)), colour::cellGreen);
        QCOMPARE(caption(s, "lbljuist3"), getalveld::neighbourSums(0));
        QVERIFY(!control(s, "frame100")->isEnabled());
    }

    void stopAndReturn()
    {
        Screen *s = openFind();
        QVERIFY(s);
        startTask(s, 47);
        QVERIFY(click(s, "cmdhulp"));
        QVERIFY(click(s, cell(47)));
        QVERIFY(click(s, "cmdstop"));
        QCOMPARE(visibleScreens(), QStringList{"frmkiesbasis"});
        checkReturned(s, {"lblstart", "lbljuist3", "lblmemo"});
        QVERIFY(!control(s, "frame100")->isEnabled()); // left as it was
        QVERIFY(control(s, cell(47))->font().bold());    // 13 pt bold for the rest of the run

        QVERIFY(click(screen("frmkiesbasis"), "cmdtabulonzoek"));
        QCOMPARE(visibleScreens(), QStringList{"frmtabulonzoek"});
        QVERIFY(!shown(s, "cmdhulp")); // no second Form_Load: the screen shows what stop left
        QCOMPARE(caption(s, cell(1)), QString());
    }

    // After a wrong click, stop and a return, the old target still counts although its
    // cell is blank; its sums come from the number the cell stands for.
    void oldTargetAfterReturn()
    {
        Screen *s = openFind();
        QVERIFY(s);
        startTask(s, 47);
        QVERIFY(click(s, cell(46)));
        QVERIFY(click(s, "cmdstop"));
        QVERIFY(click(screen("frmkiesbasis"), "cmdtabulonzoek"));
        QVERIFY(control(s, "frame100")->isEnabled());
        QVERIFY(click(s, cell(47)));
        QCOMPARE(backColor(s, cell(47)), colour::cellGreen);
        QCOMPARE(caption(s, "lbljuist3"), getalveld::neighbourSums(47));
        QCOMPARE(caption(s, "lbljuist"), QStringLiteral("1"));
    }

    // The counters are plain whole numbers: they go on past 32767 without turning negative.
    void countersPastSixteenBits()
    {
        Screen *s = openFind();
        QVERIFY(s);
        QWidget *help = control(s, "cmdhulp");
        for (int i = 0; i < 32768; ++i)
            QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(caption(s, "lblhelp"), QStringLiteral("32768"));
        QVERIFY(click(s, "cmdhulp"));
        QCOMPARE(caption(s, "lblhelp"), QStringLiteral("32769"));
    }

    void readTheWord()
    {
        Screen *s = openRead();
        QVERIFY(s);
        startTask(s, 22);
        QCOMPARE(caption(s, "lblleesgetal"), QString::fromUtf8("tweeëntwintig"));
        // The diaeresis reaches the screen as one character.
        QCOMPARE(qobject_cast<QLabel *>(control(s, "lblleesgetal"))->text().at(4), QChar(0x00EB));
        QCOMPARE(caption(s, "lblstart"), QString());
        QVERIFY(shown(s, "cmdstart")); // the start button stays during the task
        QVERIFY(!shown(s, "cmdstop"));

        QVERIFY(click(s, cell(21)));
        QCOMPARE(caption(s, "lblstart"), QStringLiteral(" fout"));
        QCOMPARE(backColor(s, cell(21)), colour::cellRed);
        QVERIFY(shown(s, "cmdstop"));
        QVERIFY(control(s, "frame100")->isEnabled());

        QVERIFY(click(s, cell(22)));
        QCOMPARE(caption(s, "lblstart"), QStringLiteral(" prima"));
        QCOMPARE(backColor(s, cell(22)), colour::cellGreen);
        QCOMPARE(caption(s, "lbljuist"), QStringLiteral("1"));
        QCOMPARE(caption(s, "lblfout"), QStringLiteral("1"));
        QVERIFY(!control(s, "frame100")->isEnabled());
    }

    // Start during an open task draws a new number and clears the colours, counters stay.
    void readStartDuringTask()
    {
        Screen *s = openRead();
        QVERIFY(s);
        startTask(s, 22);
        QVERIFY(click(s, cell(5)));
        QVERIFY(click(s, "cmdhulp"));
        startTask(s, 47);
        QCOMPARE(caption(s, "lblleesgetal"), QStringLiteral("zevenenveertig"));
        QCOMPARE(caption(s, "lblstart"), QString());
        QCOMPARE(caption(s, "lblmemo"), QString());
        QCOMPARE(backColor(s, cell(5)), colour::cellGrey);
        QCOMPARE(backColor(s, cell(2)), colour::cellGrey);
        QCOMPARE(caption(s, "lblfout"), QStringLiteral("1"));
        QCOMPARE(caption(s, "lblhelp"), QStringLiteral("1"));
        QVERIFY(!shown(s, "cmdstop"));
    }

    void readStopAndReturn()
    {
        Screen *s = openRead();
        QVERIFY(s);
        QVERIFY(click(s, cell(0))); // before the first start cell 0 is right
        QCOMPARE(caption(s, "lblstart"), QStringLiteral(" prima"));
        startTask(s, 63);
        QVERIFY(click(s, cell(64)));
        QVERIFY(click(s, "cmdstop"));
        checkReturned(s, {"lblstart", "lblmemo", "lblleesgetal"});
        QVERIFY(click(screen("frmkiesbasis"), "cmdtabulonlees"));
        QVERIFY(shown(s, "cmdstart"));
        QVERIFY(shown(s, "cmdstop"));
        QVERIFY(click(s, cell(63))); // blank, but still the number sought
        QCOMPARE(caption(s, "lblstart"), QStringLiteral(" prima"));
        QCOMPARE(caption(s, "lbljuist"), QStringLiteral("1"));
    }
};

QTEST_MAIN(FindScreens)
#include "tst_find.moc"
