#include "support.h"

#include "board/geometry.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

using namespace getalveld;
using namespace getalveld::test;

// What a child's hands do that a tidy click does not: double-clicks, a second button held
// down, the menu while the program says goodbye.
class Hands : public ProgramTest
{
    Q_OBJECT

    static void doubleClick(QWidget *w)
    {
        QWidget *window = w->window();
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, w->mapTo(window, w->rect().center()));
    }

private slots:
    // A double-click on a cell is judged once: one wrong answer, not two.
    void doubleClickOnACellIsOneClick()
    {
        Screen *s = openExercise("cmdtabulonzoek", "frmtabulonzoek");
        QVERIFY(s);
        script({rFor(7, 9), rFor(4, 9)}); // 47
        QVERIFY(click(s, "cmdstart"));
        doubleClick(control(s, "lbltabulon(12)"));
        QCOMPARE(caption(s, "lblfout"), QStringLiteral("1"));
        doubleClick(control(s, "lbltabulon(47)"));
        QCOMPARE(caption(s, "lbljuist"), QStringLiteral("1"));
        QCOMPARE(caption(s, "lblfout"), QStringLiteral("1"));
    }

    // So is a double-click on a cell of the thousand field, which reports to its field.
    void doubleClickOnAThousandCellIsOneClick()
    {
        Screen *s = openExercise("cmd1000veld", "frmduizendveld");
        QVERIFY(s);
        script({rFor(47, 100), rFor(3, 9, 0)}); // 347
        QVERIFY(click(s, "cmdstart"));
        QVERIFY(click(s, "imgveld4"));
        doubleClick(control(s, cell(348)));
        QCOMPARE(backColor(s, cell(348)), colour::red);
        QCOMPARE(caption(s, "lblfout"), QStringLiteral("1"));
        script({rFor(5, 9, 0)});
        doubleClick(control(s, cell(347)));
        QCOMPARE(backColor(s, cell(347)), colour::marked);
        QCOMPARE(caption(s, "lbljuist"), QStringLiteral("1"));
        QCOMPARE(caption(s, "lblfout"), QStringLiteral("1"));
    }

    // A double-click on a picture that takes clicks moves the board's people on by one.
    void doubleClickOnAPictureIsOneClick()
    {
        QVERIFY(click(screen("frmmecenaat1"), "cmdkombinnen"));
        Screen *board = screen("frmkiesbasis");
        doubleClick(control(board, "imgmeisje"));
        QVERIFY(!shown(board, "imgmeisje"));
        QVERIFY(shown(board, "imgwit"));
        QVERIFY(!shown(board, "imgchinees"));
    }

    // Command buttons keep two clicks for a double-click: two help requests are counted.
    void doubleClickOnAButtonIsTwoClicks()
    {
        Screen *s = openExercise("cmdtabulonzoek", "frmtabulonzoek");
        script({rFor(7, 9), rFor(4, 9)});
        QVERIFY(click(s, "cmdstart"));
        doubleClick(control(s, "cmdhulp"));
        QCOMPARE(caption(s, "lblhelp"), QStringLiteral("2"));
    }

    // While a button is held, Qt hands every later press and release to the control that took
    // the first press, also once its screen is hidden. Such a click must do nothing: here
    // the find screen's cells, clicked through a grab after the pupil went back to the board.
    void heldButtonAcrossAScreenChange()
    {
        Screen *s = openExercise("cmdtabulonzoek", "frmtabulonzoek");
        script({rFor(7, 9), rFor(4, 9)});
        QVERIFY(click(s, "cmdstart"));
        QVERIFY(click(s, "lbltabulon(12)"));
        QVERIFY(click(s, "cmdstop"));
        QCOMPARE(visibleScreens(), QStringList{"frmkiesbasis"});
        for (const char *name : {"lbltabulon(12)", "cmdstart", "cmdhulp"}) {
            QWidget *target = control(s, name);
            const QPointF at = target->rect().center();
            for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton | Qt::RightButton : Qt::RightButton,
                                  {});
                QApplication::sendEvent(target, &event);
            }
        }
        QCOMPARE(visibleScreens(), QStringList{"frmkiesbasis"});
        QCOMPARE(caption(s, "lblfout"), QStringLiteral("0"));
        QCOMPARE(caption(s, "lblhelp"), QStringLiteral("0"));
    }

    // The closing screen cannot be left: "&Basis" does nothing while it runs.
    void menuDuringTheClosingScreen()
    {
        QVERIFY(click(screen("frmmecenaat1"), "cmdkombinnen"));
        QVERIFY(click(screen("frmkiesbasis"), "cmdeinde"));
        QVERIFY(program.frame->isEnabled());
        chooseMenu(program.frame, "aftrek2");
        QCOMPARE(visibleScreens(), QStringList{"frminfo"});
    }

    // A minimised board comes back when the menu shows it again.
    void minimisedBoardComesBack()
    {
        QVERIFY(click(screen("frmmecenaat1"), "cmdkombinnen"));
        Screen *board = screen("frmkiesbasis");
        board->setWindowState(Qt::WindowMinimized);
        QVERIFY(chooseMenu(program.frame, "aftrek2"));
        QVERIFY(!(board->windowState() & Qt::WindowMinimized));
        QVERIFY(board->isVisible());
    }

    // Screens without a caption keep an empty title; the others show theirs exactly.
    void titles()
    {
        QCOMPARE(screen("frmmecenaat1")->windowTitle(), QString());
        QCOMPARE(program.frame->windowTitle(), QStringLiteral(" Alle kinderen moeten alle kansen krijgen."));
    }
};

QTEST_MAIN(Hands)
#include "tst_hands.moc"
