#include "support.h"

#include "board/geometry.h"

#include <QApplication>
#include <QSet>
#include <QTest>

using namespace getalveld;
using namespace getalveld::test;

namespace {
constexpr quint32 marks[] = {0x00336600, 0x0000FFFF, 0x00FFFFFF}; // start, middle, end
QString verdict(int end, int difference)
{
    return QStringLiteral("\r\n uitkomst = %1\r\n verschil = %2").arg(end).arg(difference);
}

// The names of the controls of one window that paint while it watches.
struct PaintWatch : QObject
{
    explicit PaintWatch(QWidget *w) : window(w) { qApp->installEventFilter(this); }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && o->isWidgetType() && static_cast<QWidget *>(o)->window() == window)
            painted.insert(o->objectName());
        return false;
    }
    QWidget *window;
    QSet<QString> painted;
};
} // namespace

class Moves : public ProgramTest
{
    Q_OBJECT

    Screen *s = nullptr;

    // Draws in the screen's order: start units, start tens, end tens, end units; nothing is drawn again.
    void startMove(const QList<int> &d)
    {
        script({rFor(d[0], 9), rFor(d[1], 9), rFor(d[2], 6), rFor(d[3], 5)});
        QVERIFY(click(s, "cmdstart"));
        QCOMPARE(program.random->remaining(), size_t(0));
    }
    // The equation row, one term per label, then the three step texts.
    QString equation()
    {
        QStringList terms;
        for (const char *label : {"lblstartgetal", "lblteken1", "lbltienen", "lblteken2", "lbleenheden",
                                  "Label5", "lblstartgetal2", "lblteken3", "lblverschil", "Label9",
                                  "lbleindgetal"})
            terms << caption(s, label);
        return terms.join(u' ') + u'|' + caption(s, "lblmemo1") + u'|' + caption(s, "lblmemo3") + u'|'
               + caption(s, "lblmemo4");
    }
    void startCounting(int units, int tens)
    {
        script({rFor(units, 9), rFor(tens, 9)});
        QVERIFY(click(s, "cmdstart"));
    }
    QString pointAt(int i) { return moveOver(control(s, cell(i))) ? caption(s, "lbljuist") : "?"; }

private slots:
    void moveInEachDirection_data()
    {
        QTest::addColumn<QList<int>>("move"); // the four draws; start, middle, end, difference
        QTest::addColumn<QString>("texts");
        QTest::newRow("down, left") << QList<int>{7, 3, 5, 2, 37, 57, 52, 15}
                                    << "37 + 20 - 5 = 37 + 15 = 52|37 + 20 = 57|57 - 5 = 52|37 + 15 = 52";
        QTest::newRow("up, right") << QList<int>{4, 8, 2, 5, 84, 24, 25, 59}
                                   << "84 - 60 + 1 = 84 - 59 = 25|84 - 60 = 24|24 + 1 = 25|84 - 59 = 25";
        QTest::newRow("down, right") << QList<int>{2, 1, 6, 5, 12, 62, 65, 53}
                                     << "12 + 50 + 3 = 12 + 53 = 65|12 + 50 = 62|62 + 3 = 65|12 + 53 = 65";
        QTest::newRow("up, left, longest") << QList<int>{9, 9, 1, 1, 99, 19, 11, 88}
                                           << "99 - 80 - 8 = 99 - 88 = 11|99 - 80 = 19|19 - 8 = 11|99 - 88 = 11";
        // Replacements, nothing drawn again: units 1 becomes 8; equal tens 9 and 5; equal units 4 and 8.
        QTest::newRow("1 becomes 8") << QList<int>{1, 1, 6, 5, 18, 68, 65, 47}
                                     << "18 + 50 - 3 = 18 + 47 = 65|18 + 50 = 68|68 - 3 = 65|18 + 47 = 65";
        QTest::newRow("both pairs") << QList<int>{2, 6, 6, 2, 94, 54, 58, 36}
                                    << "94 - 40 + 4 = 94 - 36 = 58|94 - 40 = 54|54 + 4 = 58|94 - 36 = 58";
    }
    // The equation row, the help column and the marked cells tell the same move, and every
    // click is judged again: no counters, the chart stays open.
    void moveInEachDirection()
    {
        QFETCH(QList<int>, move);
        QFETCH(QString, texts);
        s = openExercise("cmdbewerk", "frmtabulonzoek3");
        QVERIFY(s);
        startMove(move);
        QCOMPARE(equation(), texts);
        QCOMPARE(caption(s, "lblstart"), QString::number(move[4]));
        for (int i = 0; i <= 100; ++i) {
            const qsizetype mark = move.mid(4, 3).indexOf(i);
            QCOMPARE(caption(s, cell(i)), i <= 10 || mark == 0 ? QString::number(i) : QString());
            QCOMPARE(backColor(s, cell(i)), mark < 0 ? colour::cellGrey : marks[mark]);
        }
        QVERIFY(click(s, cell(move[6])));
        QCOMPARE(backColor(s, cell(move[6])), colour::cellGreen);
        QCOMPARE(caption(s, cell(move[6])), QString::number(move[6]));
        QCOMPARE(caption(s, "lbljuist"), verdict(move[6], move[7]));
        QVERIFY(click(s, cell(move[4]))); // the start cell is wrong
        QCOMPARE(backColor(s, cell(move[4])), colour::cellRed);
        QCOMPARE(caption(s, "lbljuist"), verdict(move[6], move[7]));
    }

    // Before the first move the end number is 0; after a return the blank cell of the last
    // end is still right; "hulp" goes at the first stop and never comes back.
    void moveBeforeTheFirstTaskAndAfterAReturn()
    {
        s = openExercise("cmdbewerk", "frmtabulonzoek3");
        QVERIFY(s);
        QVERIFY(click(s, cell(47)));
        QCOMPARE(backColor(s, cell(47)), colour::cellRed);
        QVERIFY(click(s, cell(0)));
        QCOMPARE(backColor(s, cell(0)), colour::cellGreen);
        QCOMPARE(caption(s, "lbljuist"), verdict(0, 0));

        startMove({7, 3, 5, 2});
        QVERIFY(click(s, "cmdstop"));
        QCOMPARE(visibleScreens(), QStringList{"frmkiesbasis"});
        for (int i = 0; i <= 100; ++i)
            QVERIFY(caption(s, cell(i)).isEmpty() && backColor(s, cell(i)) == colour::cellGrey);
        QCOMPARE(equation(), QStringLiteral("37 + 20 - 5 = 37 + 15 = 52|||")); // the row keeps the last move
        QCOMPARE(caption(s, "lblstart") + caption(s, "lbljuist"), QString());
        QVERIFY(!shown(s, "lblhulp"));

        QVERIFY(click(screen("frmkiesbasis"), "cmdbewerk"));
        QVERIFY(click(s, cell(52)));
        QCOMPARE(caption(s, cell(52)), QStringLiteral("52"));
        QCOMPARE(caption(s, "lbljuist"), verdict(52, 15));
        startMove({4, 8, 2, 5});
        QVERIFY(!shown(s, "lblhulp"));
    }

    void countPointAndClick_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("back");
        QTest::newRow("up") << 42 << "35 + 7 = 42" << "42 - 7 = 35";
        QTest::newRow("down, own minus sign") << 28 << "35 -7 = 28" << "28 + 7 = 35";
        QTest::newRow("the target itself") << 35 << "35 + 0 = 35" << "35 - 0 = 35";
        QTest::newRow("cell 0") << 0 << "35 -35 = 0" << "0 + 35 = 35";
        QTest::newRow("cell 100") << 100 << "35 + 65 = 100" << "100 - 65 = 35";
    }
    // Pointing writes the step from the target; a click fixes it with the way back and
    // freezes the chart until the next start.
    void countPointAndClick()
    {
        QFETCH(int, number);
        QFETCH(QString, step);
        QFETCH(QString, back);
        s = openExercise("cmdtabulontelt", "frmtabulontel");
        QVERIFY(s);
        startCounting(5, 3); // units first: 35, not 53
        QCOMPARE(backColor(s, cell(35)), colour::cellGreen);
        QCOMPARE(caption(s, cell(57)), QStringLiteral("57"));
        QVERIFY(!shown(s, "cmdstart") && !shown(s, "cmdstop"));

        QCOMPARE(pointAt(number), step);
        QVERIFY(click(s, cell(number)));
        QCOMPARE(caption(s, "lbljuist"), step + QStringLiteral("\r\n\r\n") + back);
        QCOMPARE(backColor(s, cell(number)), colour::cellGreen);
        QVERIFY(shown(s, "cmdstart") && shown(s, "cmdstop"));
        QCOMPARE(pointAt(77), step + QStringLiteral("\r\n\r\n") + back);
    }

    // The chart is closed before the first start and after stop, which leaves it blank.
    // Pointing is cheap: only the step text repaints, not a single cell.
    void countClosedChartAndCheapPointing()
    {
        s = openExercise("cmdtabulontelt", "frmtabulontel");
        QVERIFY(s);
        QCOMPARE(pointAt(40), QString());
        click(s, cell(40));
        QCOMPARE(backColor(s, cell(40)), colour::cellGrey);
        QCOMPARE(caption(s, "lbljuist"), QString());

        startCounting(5, 3);
        QVERIFY(click(s, cell(28)));
        QVERIFY(click(s, "cmdstop"));
        QCOMPARE(visibleScreens(), QStringList{"frmkiesbasis"});
        for (int i = 0; i <= 100; ++i)
            QVERIFY(caption(s, cell(i)).isEmpty() && backColor(s, cell(i)) == colour::cellGrey);
        QCOMPARE(caption(s, "lblstart") + caption(s, "lbljuist"), QString());

        QVERIFY(click(screen("frmkiesbasis"), "cmdtabulontelt"));
        QCOMPARE(pointAt(50), QString());
        startCounting(9, 1);
        QApplication::processEvents();
        PaintWatch watch(s);
        for (int i : {50, 51, 41, 10, 0, 100})
            pointAt(i);
        QApplication::processEvents();
        QCOMPARE(caption(s, "lbljuist"), QStringLiteral("19 + 81 = 100"));
        QCOMPARE(watch.painted, QSet<QString>{"lbljuist"});
    }
};

QTEST_MAIN(Moves)
#include "tst_moves.moc"
