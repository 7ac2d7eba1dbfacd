#include "support.h"

#include "exercises100/frmtabulon.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QTest>

using namespace getalveld;
using namespace getalveld::test;

namespace {
QString opt(int i) { return QStringLiteral("optveld(%1)").arg(i); }
QString value(Screen *s) { return control(s, "txtwaarde")->property("text").toString(); }
bool isCover(int m) { return m > 110 && m < 200 && m % 10 != 0; }
QList<int> chosen(Screen *s)
{
    QList<int> list;
    for (int m = 0; m <= frmtabulon::lastMember; ++m)
        if (qobject_cast<QAbstractButton *>(control(s, opt(m)))->isChecked())
            list.append(m);
    return list;
}
// Lit members; one that is neither lit nor normal shows as -m.
QList<int> lit(Screen *s)
{
    QList<int> list;
    for (int m = 0; m <= 100; ++m)
        if (backColor(s, opt(m)) != frmtabulon::cellNormal)
            list.append(backColor(s, opt(m)) == frmtabulon::cellLit ? m : -m);
    return list;
}
// A freshly covered chart: 81 covers in front, the 19 spares hidden, nothing lit or chosen.
bool covered(Screen *s)
{
    for (int m = 0; m <= frmtabulon::lastMember; ++m)
        if (shown(s, opt(m)) != (m <= 100 || isCover(m)))
            return false;
    return lit(s).isEmpty() && chosen(s).isEmpty();
}
} // namespace

class OptionGrid : public ProgramTest
{
    Q_OBJECT

    Screen *startTask(int target)
    {
        Screen *s = screen("frmtabulon") ? screen("frmtabulon") : openExercise("cmdtabulon", "frmtabulon");
        if (s) {
            script({rFor(target % 10, 9), rFor(target / 10, 9)});
            click(s, "cmdstart");
        }
        return s;
    }
    static void checkButtons(Screen *s, bool start, bool check, bool stop)
    {
        QCOMPARE(shown(s, "cmdstart"), start);
        QCOMPARE(shown(s, "cmdcontrole"), check);
        QCOMPARE(shown(s, "cmdstop"), stop);
    }

private slots:
    // Fourteen lines with their blanks and no break after the last, computed past the edges.
    void facts()
    {
        QCOMPARE(numberFacts(11), "\r\nJe zocht 11\r\n\r\n11 staat juist voor 12\r\n11 staat juist na 10\r\n"
                                  "11 is 1 meer als 10\r\n11 is 1 minder als 12\r\n11 is 10 meer als 1\r\n"
                                  "11 is 10 minder als 21\r\n\r\n11 + 20  = 31\r\n11 - 20 = -9\r\n11 + 2 = 13\r\n"
                                  "11 - 2 = 9");
        const QStringList lines = numberFacts(99).split("\r\n");
        QCOMPARE(lines.size(), 14);
        QCOMPARE(lines[3], "99 staat juist voor 100");
        QCOMPARE(lines[8], "99 is 10 minder als 109");
        QCOMPARE(lines[10], "99 + 20  = 119");
    }

    void draws_data()
    {
        QTest::addColumn<double>("unitsDraw");
        QTest::addColumn<double>("tensDraw");
        QTest::addColumn<QString>("sought");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("smallest") << 0.0 << 0.0 << "11" << " Ik zoek in kolom 1 en in de rij tot aan 20";
        QTest::newRow("largest") << 0.99999 << 0.99999 << "99" << " Ik zoek in kolom 9 en in de rij tot aan 100";
    }
    // Units from the first draw, tens from the second, after one reseed.
    void draws()
    {
        QFETCH(double, unitsDraw);
        QFETCH(double, tensDraw);
        QFETCH(QString, sought);
        QFETCH(QString, firstLine);
        Screen *s = openExercise("cmdtabulon", "frmtabulon");
        QVERIFY(s);
        script({unitsDraw, tensDraw});
        QVERIFY(click(s, "cmdstart"));
        QCOMPARE(program.random->reseeds(), 1);
        QCOMPARE(program.random->remaining(), size_t(0));
        QCOMPARE(caption(s, "lblgetal"), sought);
        QVERIFY(!shown(s, "lblgetal"));
        QCOMPARE(caption(s, "lblopgave"), firstLine + "\r\nKlik op het getal in de kruising. \r\n Controleer je "
                                                      "antwoord met een klik op de auto ");
    }

    void lighting_data()
    {
        QTest::addColumn<int>("member");
        QTest::addColumn<QList<int>>("lights");
        QTest::newRow("0: the tens") << 0 << QList<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
        QTest::newRow("10: the top row") << 10 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("7: its column") << 7 << QList<int>{7, 17, 27, 37, 47, 57, 67, 77, 87, 97};
        QTest::newRow("100: the last row") << 100 << QList<int>{91, 92, 93, 94, 95, 96, 97, 98, 99, 100};
        QTest::newRow("44: nothing") << 44 << QList<int>{};
    }
    // The first click uncovers the whole chart, whatever it hits; what is chosen lights up.
    void lighting()
    {
        QFETCH(int, member);
        QFETCH(QList<int>, lights);
        Screen *s = startTask(35);
        QVERIFY(s);
        if (member == 44)
            QVERIFY(click(s, opt(7))); // 44 lies under a cover
        QVERIFY(click(s, opt(member)));
        QCOMPARE(value(s), QString::number(member));
        for (int m = 101; m <= frmtabulon::lastMember; ++m)
            QVERIFY2(!shown(s, opt(m)), qPrintable(opt(m)));
        QCOMPARE(chosen(s), QList<int>{member});
        if (member != 44)
            QCOMPARE(lit(s), lights);
    }

    // A click on the blank cell in front of 35 gives 135, uncovers, chooses and lights nothing;
    // lights add up; a wrong check turns the box red, leaves no facts and ends the task.
    void coverAndWrongCheck()
    {
        Screen *s = startTask(35);
        QVERIFY(s);
        checkButtons(s, false, true, false);
        QVERIFY(covered(s));
        QVERIFY(!control(s, "txtwaarde")->isEnabled());
        QVERIFY(click(s, opt(35))); // the pupil hits the cover in front of 35
        QCOMPARE(value(s), QStringLiteral("135"));
        QCOMPARE(chosen(s), QList<int>{});
        QCOMPARE(lit(s), QList<int>{});
        QVERIFY(click(s, opt(7)));
        QVERIFY(click(s, opt(3)));
        QCOMPARE(chosen(s), QList<int>{3});
        QCOMPARE(lit(s).size(), 20);
        QVERIFY(!click(s, opt(135))); // covers stay away until the next reset
        QVERIFY(click(s, "cmdcontrole"));
        QCOMPARE(backColor(s, "txtwaarde"), quint32(0x000000FF));
        QCOMPARE(caption(s, "lblles"), QString());
        checkButtons(s, true, false, true);

        startTask(11); // checked without a click: the empty box is never the number sought
        QCOMPARE(backColor(s, "txtwaarde"), quint32(0x00FFFFFF));
        QVERIFY(click(s, "cmdcontrole"));
        QCOMPARE(backColor(s, "txtwaarde"), quint32(0x000000FF));
    }

    // A screen reader hears the options as radio buttons: a number by its caption, a cover as
    // "leeg", the chosen one checked.
    void optionsToAScreenReader()
    {
        Screen *s = startTask(35);
        QVERIFY(s);
        auto reader = [&](int m) { return QAccessible::queryAccessibleInterface(control(s, opt(m))); };
        QCOMPARE(reader(135)->role(), QAccessible::RadioButton);
        QCOMPARE(reader(135)->text(QAccessible::Name), QStringLiteral("leeg"));
        QVERIFY(click(s, opt(35)));
        QVERIFY(click(s, opt(7)));
        QVERIFY(click(s, opt(3)));
        QCOMPARE(reader(3)->text(QAccessible::Name), QStringLiteral("3"));
        const QAccessible::State three = reader(3)->state();
        QVERIFY(three.checkable && three.checked && three.focusable);
        QVERIFY(!three.focused); // the keyboard frame is elsewhere
        QVERIFY(reader(7)->state().checkable);
        QVERIFY(!reader(7)->state().checked);
    }

    // A right answer, and back from the board: activation gives a freshly covered chart,
    // with the chosen option really deselected, while the verdict stays until the next start.
    void rightAnswerAndReturn()
    {
        Screen *s = openExercise("cmdtabulon", "frmtabulon");
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), QStringLiteral("Zoeken op het tabulon"));
        checkButtons(s, true, false, true);
        QVERIFY(covered(s));
        startTask(35);
        for (int m : {5, 40, 35})
            QVERIFY(click(s, opt(m)));
        QVERIFY(click(s, "cmdcontrole"));
        QCOMPARE(backColor(s, "txtwaarde"), quint32(0x0000FF00));
        QCOMPARE(caption(s, "lblles"), numberFacts(35));

        QVERIFY(click(s, "cmdstop"));
        QVERIFY(click(screen("frmkiesbasis"), "cmdtabulon"));
        QCOMPARE(visibleScreens(), QStringList{"frmtabulon"});
        QVERIFY(covered(s));
        QCOMPARE(value(s), QStringLiteral("35"));
        QCOMPARE(backColor(s, "txtwaarde"), quint32(0x0000FF00));
        QCOMPARE(caption(s, "lblles"), numberFacts(35));
        checkButtons(s, true, false, true);
        QVERIFY(click(s, opt(35))); // the cover first, then 35: a deselected option is chosen again
        QVERIFY(click(s, opt(35)));
        QCOMPARE(chosen(s), QList<int>{35});

        startTask(99);
        QVERIFY(covered(s));
        QCOMPARE(value(s), QString());
        QCOMPARE(caption(s, "lblles"), QString());
    }

    // Both screens leave the main frame disabled; only the board's end button enables it.
    void mainFrameStaysDisabled()
    {
        Screen *s = openExercise("cmdtabulon", "frmtabulon");
        QVERIFY(s);
        QVERIFY(click(s, "cmdstop"));
        QVERIFY(!program.frame->isEnabled());
        QVERIFY(!chooseMenu(program.frame, "aftrek2"));
        Screen *board = screen("frmkiesbasis");
        QVERIFY(click(board, "cmdtabulonrijen"));
        QVERIFY(click(screen("Frmtabulonrijen"), "cmdstop"));
        QCOMPARE(visibleScreens(), QStringList{"frmkiesbasis"});
        QVERIFY(!program.frame->isEnabled());
        QVERIFY(click(board, "cmdeinde"));
        QCOMPARE(visibleScreens(), QStringList{"frminfo"});
        QVERIFY(program.frame->isEnabled());
    }
};

QTEST_MAIN(OptionGrid)
#include "tst_optiongrid.moc"
