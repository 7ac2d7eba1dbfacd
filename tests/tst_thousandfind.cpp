#include "support.h"

#include "board/geometry.h"

#include <QTest>

using namespace getalveld;
using namespace getalveld::test;

namespace {
QString frame(int n) { return n == 1 ? QStringLiteral("frame100") : QStringLiteral("Frame%1").arg(100 * n); }

struct Twin : Exercise
{
    int firstHundred; // the draw of the hundreds: Int(r * 9 + firstHundred)
};
const Twin digits{{"cmd1000veld", "frmduizendveld"}, 0};
const Twin words{{"cmd1000zoek2", "frmduizendveld2"}, 1};
} // namespace

class ThousandFind : public ProgramTest
{
    Q_OBJECT

    // The twin of the current data row (twins_data).
    static const Twin &fetchTwin()
    {
        QFETCH(bool, isWords);
        return isWords ? words : digits;
    }
    static void startTask(Screen *s, const Twin &twin, int target)
    {
        const int hundreds = (target - 1) / 100;
        script({rFor(target - 100 * hundreds, 100), rFor(hundreds, 9, twin.firstHundred)});
        QVERIFY(click(s, "cmdstart"));
    }
    static int visibleFrames(Screen *s)
    {
        int n = 0;
        for (int k = 1; k <= 10; ++k)
            n += shown(s, frame(k)) ? 1 : 0;
        return n;
    }
    static int visibleRewards(Screen *s)
    {
        int n = 0;
        for (int k = 0; k < 10; ++k)
            n += shown(s, QStringLiteral("imgok(%1)").arg(k)) ? 1 : 0;
        return n;
    }
    // A click that the pupil makes on a cell of a closed (disabled) frame.
    static void clickDisabled(Screen *s, int i)
    {
        QVERIFY(!control(s, cell(i))->isEnabled());
        QVERIFY(click(s, cell(i)));
    }
    static void counts(Screen *s, const char *right, const char *wrong, const char *help)
    {
        QCOMPARE(caption(s, "lbljuist"), QString::fromLatin1(right));
        QCOMPARE(caption(s, "lblfout"), QString::fromLatin1(wrong));
        QCOMPARE(caption(s, "lblhelp"), QString::fromLatin1(help));
    }

private slots:
    void twins_data()
    {
        QTest::addColumn<bool>("isWords");
        QTest::newRow("digits") << false;
        QTest::newRow("words") << true;
    }

    // The board as the screens load it: 1001 cells in ten stacked frames, all closed, and
    // pictures that open a hundred before any start too.
    void boardAsLoaded_data() { twins_data(); }
    void boardAsLoaded()
    {
        Screen *s = openExercise(fetchTwin());
        QVERIFY(s);
        QCOMPARE(visibleFrames(s), 0);
        QVERIFY(!shown(s, cell(0)));
        QCOMPARE(caption(s, cell(347)), QString()); // place 47 of a frame is blank at design
        QCOMPARE(caption(s, cell(390)), QStringLiteral("90"));
        QWidget *frame400 = control(s, "Frame400");
        QVERIFY(frame400->isAncestorOf(control(s, cell(347))));
        QCOMPARE(QRect(control(s, cell(347))->mapTo(frame400, QPoint(0, 0)), control(s, cell(347))->size()),
                 twipsRect(240 + 480 * 6, 720 + 480 * 4, 555, 495));
        QVERIFY(control(s, "Frame1000")->isAncestorOf(control(s, "Label9")));
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(backColor(s, square(n)), normalSquare);
            QVERIFY(control(s, frame(n))->isEnabled());
        }
        QCOMPARE(control(s, "imveld10")->geometry(), twipsRect(120 + 1200 * 9, 120, 900, 900));
        counts(s, "0", "0", "0");
        QVERIFY(!shown(s, "cmdhulp"));

        QVERIFY(click(s, "imveld10"));
        QCOMPARE(caption(s, cell(1000)), QStringLiteral("1000"));
        QVERIFY(click(s, "imgveld1")); // its loop starts at 0: the spare is renamed as well
        QCOMPARE(visibleFrames(s), 1);
        QCOMPARE(caption(s, cell(47)), QStringLiteral("47"));
        QCOMPARE(control(s, cell(0))->font(), control(s, cell(47))->font());
        QCOMPARE(control(s, cell(47))->font().pointSizeF(), 12.0);
        QVERIFY(control(s, cell(47))->font().bold());
    }

    void bordersInTheirOwnColour_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::newRow("digits") << "cmd1000veld" << "frmduizendveld";
        QTest::newRow("words") << "cmd1000zoek2" << "frmduizendveld2";
        QTest::newRow("addition") << "cmd1000veldplus" << "frmduizendveldplus";
        QTest::newRow("subtraction") << "cmd1000veldmin" << "frmduizendveldmin";
    }
    // The hundred squares and the right panel are framed in their own colour: no dark lines
    // run between the ten pictures or around the panel.
    void bordersInTheirOwnColour()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        Screen *s = openExercise(button, name);
        QVERIFY(s);
        const QImage shown = s->grab().toImage();
        auto edges = [&](const QString &shape) {
            const QRect r = control(s, shape)->geometry();
            return QList<QColor>{shown.pixelColor(r.center().x(), r.top()), shown.pixelColor(r.left(), r.center().y())};
        };
        for (int n = 1; n <= 10; ++n) // the left edge of each square is the line between two pictures
            QCOMPARE(edges(square(n)), QList<QColor>(2, bgr(normalSquare)));
        QCOMPARE(edges(QStringLiteral("Shape4")), QList<QColor>(2, bgr(colour::helpPanel)));
    }

    // 347 with help: 247 through picture 3 is wrong, 348 wrong, 347 through picture 4 right.
    void wrongWrongRight()
    {
        Screen *s = openExercise(digits);
        QVERIFY(s);
        startTask(s, digits, 347);
        QCOMPARE(caption(s, "lblstart"), QStringLiteral("347"));
        QVERIFY(shown(s, "lblveld"));
        QVERIFY(!shown(s, "cmdstart"));
        QVERIFY(!shown(s, "cmdstop"));
        QVERIFY(click(s, "cmdhulp"));
        QCOMPARE(backColor(s, square(4)), colour::marked);
        QCOMPARE(visibleFrames(s), 0); // help marks the picture and opens nothing
        QVERIFY(!shown(s, "cmdhulp"));

        QVERIFY(click(s, "imgveld3"));
        QVERIFY(!shown(s, "lblveld"));
        QVERIFY(!control(s, cell(347))->font().bold()); // a closed hundred keeps its design font
        QVERIFY(click(s, cell(247)));
        QCOMPARE(backColor(s, cell(247)), red);
        QCOMPARE(backColor(s, "lblstart"), red);
        QCOMPARE(foreColor(s, "lblstart"), colour::white);
        QVERIFY(control(s, "Frame300")->isEnabled());
        QVERIFY(shown(s, "cmdstop"));
        QVERIFY(click(s, "imgveld4"));
        QVERIFY(click(s, cell(348)));
        script({rFor(5, 9, 0)});
        QVERIFY(click(s, cell(347)));
        counts(s, "1", "2", "1");
        QCOMPARE(backColor(s, cell(247)), red);
        QCOMPARE(backColor(s, cell(348)), red);
        QCOMPARE(backColor(s, cell(347)), colour::marked);
        QCOMPARE(backColor(s, "lblstart"), colour::marked);
        QVERIFY(shown(s, "imgok(5)"));
        QCOMPARE(visibleRewards(s), 1);
        QVERIFY(!control(s, "Frame400")->isEnabled());

        // A new start keeps the counts and the captions, and clears the rest.
        startTask(s, digits, 12);
        QCOMPARE(backColor(s, cell(347)), colour::cellGrey);
        QCOMPARE(caption(s, cell(347)), QStringLiteral("347"));
        QCOMPARE(backColor(s, square(4)), normalSquare);
        QCOMPARE(visibleFrames(s), 0);
        QCOMPARE(visibleRewards(s), 0);
        QVERIFY(control(s, "Frame400")->isEnabled());
        counts(s, "1", "2", "1");
    }

    void edgesOfTheHundreds_data()
    {
        QTest::addColumn<bool>("isWords");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("hundred");
        QTest::newRow("100 in picture 1") << false << 100 << 1;
        QTest::newRow("101 in picture 2") << false << 101 << 2;
        QTest::newRow("900 in picture 9") << false << 900 << 9;
        QTest::newRow("200 in picture 2, words") << true << 200 << 2;
        QTest::newRow("1000 in picture 10, words") << true << 1000 << 10;
    }
    // A whole hundred is the last cell of the hundred before; help marks that picture.
    void edgesOfTheHundreds()
    {
        QFETCH(bool, isWords);
        QFETCH(int, target);
        QFETCH(int, hundred);
        const Twin &twin = isWords ? words : digits;
        Screen *s = openExercise(twin);
        QVERIFY(s);
        startTask(s, twin, target);
        QVERIFY(click(s, "cmdhulp"));
        for (int n = 1; n <= 10; ++n)
            QCOMPARE(backColor(s, square(n)), n == hundred ? colour::marked : normalSquare);
        QVERIFY(click(s, picture(hundred)));
        script({rFor(8, 9, 0)});
        QVERIFY(click(s, cell(target)));
        counts(s, "1", "0", "1");
        QVERIFY(shown(s, "imgok(8)"));
    }

    void wordsOfTheTask_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("hundreds");
        QTest::addColumn<QString>("rest");
        QTest::newRow("301") << 301 << "driehonderd" << "en een";
        QTest::newRow("312") << 312 << "driehonderd" << "en twaalf";
        QTest::newRow("313") << 313 << "driehonderd" << "dertien";
        QTest::newRow("200") << 200 << "honderd" << "honderd";
        QTest::newRow("400") << 400 << "driehonderd" << "honderd";
        QTest::newRow("1000") << 1000 << "negenhonderd" << "honderd";
    }
    // The task in two labels, the verdicts, help after a right answer, and stop.
    void wordsOfTheTask()
    {
        QFETCH(int, target);
        QFETCH(QString, hundreds);
        QFETCH(QString, rest);
        Screen *s = openExercise(words);
        QVERIFY(s);
        startTask(s, words, target);
        QCOMPARE(caption(s, "lblhonderd"), hundreds);
        QCOMPARE(caption(s, "lblleesgetal"), rest);
        const int hundred = (target + 99) / 100;
        QVERIFY(click(s, picture(hundred)));
        QVERIFY(click(s, cell(target % 100 == 1 ? target + 1 : target - 1)));
        QCOMPARE(caption(s, "lblstart"), QStringLiteral("fout"));
        QCOMPARE(foreColor(s, "lblstart"), colour::white);
        script({rFor(2, 9, 0)});
        QVERIFY(click(s, cell(target)));
        QCOMPARE(caption(s, "lblstart"), QStringLiteral("prima"));
        QCOMPARE(backColor(s, "lblstart"), colour::marked);
        QCOMPARE(foreColor(s, "lblstart"), colour::paleYellow);
        QVERIFY(click(s, "cmdhulp")); // still there after a task solved without help
        QCOMPARE(backColor(s, square(hundred)), colour::marked);
        counts(s, "1", "1", "1");

        QVERIFY(click(s, "cmdstop"));
        for (const char *label : {"lblhonderd", "lblleesgetal", "lblstart"})
            QCOMPARE(caption(s, label), QString());
        QCOMPARE(backColor(s, square(hundred)), normalSquare);
        QCOMPARE(backColor(s, cell(target)), colour::cellGrey);
        counts(s, "0", "0", "0");
    }

    // After a right answer the pictures still open hundreds, the same one keeps its colours,
    // and no cell takes a click.
    void clickAfterRightAnswer_data() { twins_data(); }
    void clickAfterRightAnswer()
    {
        const Twin &twin = fetchTwin();
        Screen *s = openExercise(twin);
        QVERIFY(s);
        startTask(s, twin, 555);
        QVERIFY(click(s, "imgveld6"));
        QVERIFY(click(s, cell(554)));
        script({rFor(1, 9, 0)});
        QVERIFY(click(s, cell(555)));
        QVERIFY(click(s, "imgveld7"));
        QCOMPARE(caption(s, cell(655)), QStringLiteral("655"));
        clickDisabled(s, 655);
        QVERIFY(click(s, "imgveld6"));
        QVERIFY(click(s, "imgveld6"));
        QCOMPARE(visibleFrames(s), 1);
        clickDisabled(s, 555);
        QCOMPARE(backColor(s, cell(655)), colour::cellGrey);
        QCOMPARE(backColor(s, cell(554)), red);
        QCOMPARE(backColor(s, cell(555)), colour::marked);
        counts(s, "1", "1", "0");
        QCOMPARE(visibleRewards(s), 1);
    }

    // A solved task stays closed: becoming active again, or a stop and a return, must not
    // open its cells for a second right answer and a second reward.
    void solvedTaskStaysClosed_data() { twins_data(); }
    void solvedTaskStaysClosed()
    {
        const Twin &twin = fetchTwin();
        Screen *s = openExercise(twin);
        QVERIFY(s);
        startTask(s, twin, 555);
        QVERIFY(click(s, "imgveld6"));
        script({rFor(4, 9, 0)});
        QVERIFY(click(s, cell(555)));

        forms().show(twin.screen); // activated again
        QCOMPARE(visibleFrames(s), 0);
        QVERIFY(click(s, "imgveld6"));
        clickDisabled(s, 555);
        counts(s, "1", "0", "0");
        QCOMPARE(visibleRewards(s), 1);

        QVERIFY(click(s, "cmdstop"));
        QVERIFY(click(screen("frmkiesbasis"), twin.button));
        QVERIFY(click(s, "imgveld6"));
        clickDisabled(s, 555);
        counts(s, "0", "0", "0");
        QCOMPARE(visibleRewards(s), 0);

        startTask(s, twin, 555); // the next start opens the cells again
        QVERIFY(click(s, "imgveld6"));
        script({rFor(4, 9, 0)});
        QVERIFY(click(s, cell(555)));
        counts(s, "1", "0", "0");
    }

    // Without a task (before the first start, after a stop) cells are not judged, and the
    // next task starts clean.
    void clicksWithoutTask_data() { twins_data(); }
    void clicksWithoutTask()
    {
        const Twin &twin = fetchTwin();
        Screen *s = openExercise(twin);
        QVERIFY(s);
        QVERIFY(click(s, "imgveld2"));
        QVERIFY(control(s, "Frame200")->isEnabled());
        QVERIFY(click(s, cell(150)));
        QCOMPARE(backColor(s, cell(150)), colour::cellGrey);
        QCOMPARE(backColor(s, "lblstart"), colour::paleYellow);
        counts(s, "0", "0", "0");

        startTask(s, twin, 150);
        QVERIFY(click(s, "imgveld2"));
        QVERIFY(click(s, cell(149))); // wrong: the task stays open
        QVERIFY(click(s, "cmdstop"));
        QVERIFY(click(screen("frmkiesbasis"), twin.button));
        QVERIFY(click(s, "imgveld2"));
        QVERIFY(click(s, cell(150))); // the old target is no task any more
        counts(s, "0", "0", "0");
        QCOMPARE(backColor(s, cell(150)), colour::cellGrey);
        QCOMPARE(visibleRewards(s), 0);

        startTask(s, twin, 151);
        QVERIFY(click(s, "imgveld2"));
        script({rFor(0, 9, 0)});
        QVERIFY(click(s, cell(151)));
        counts(s, "1", "0", "0");
    }
};

QTEST_MAIN(ThousandFind)
#include "tst_thousandfind.moc"
