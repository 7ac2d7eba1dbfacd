#include "support.h"

#include <QTest>

using namespace getalveld;
using namespace getalveld::test;

namespace {
const char *const people[] = {"imgmeisje", "imgwit", "imgchinees", "imgkleur", "imgkleur2", "imgkleur3"};
}

class ChoiceBoard : public QObject
{
    Q_OBJECT

    Program program;
    Screen *board = nullptr;

private slots:
    void init()
    {
        program.start();
        QVERIFY(click(screen("frmmecenaat1"), "cmdkombinnen"));
        board = screen("frmkiesbasis");
        QVERIFY(board);
    }
    void cleanup() { program.stop(); }

    void blackboardTexts_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        const QString find = "\r\ntabulon \r\n\r\n een getal op het tabulon plaatsen \r\n\r\n hulp mogelijk";
        QTest::newRow("cmdtabulonzoek") << "cmdtabulonzoek" << find;
        QTest::newRow("cmdtabulonlees") << "cmdtabulonlees" << find;
        QTest::newRow("cmdtabulonplaats")
            << "cmdtabulonplaats" << "\r\ntabulon \r\n\r\n een getal op het tabulon plaatsen \r\n\r\n reeks met 10 oefeningen";
        QTest::newRow("cmdtabulontellen")
            << "cmdtabulontellen" << "\r\ntabulon \r\n\r\n meer of minder op het tabulon  \r\n\r\n reeks met 10 oefeningen";
        QTest::newRow("cmdtabulontelt") << "cmdtabulontelt"
                                        << "\r\ntabulon \r\n\r\n afstand tussen 2 getallen bekijken \r\n\r\n aftrekking en "
                                           "optelling aantonen ";
        QTest::newRow("cmdbewerk") << "cmdbewerk"
                                   << "\r\ntabulon \r\n\r\n beweging op het tabulon volgen \r\n\r\n tussenstappen bij "
                                      "bewerking maken\r\n\r\n verschil en uitkomst bepalen";
        QTest::newRow("cmdtabulonplus")
            << "cmdtabulonplus" << "\r\ntabulon \r\n\r\n bewerking op het tabulon  \r\n\r\n optellen\r\n\r\n hulp mogelijk";
        QTest::newRow("cmdveldmin")
            << "cmdveldmin" << "\r\ntabulon \r\n\r\n bewerking op het tabulon  \r\n\r\n aftrekken\r\n\r\n hulp mogelijk";
        const QString field = "\r\nduizendveld \r\n\r\n een getal op het duizendveld plaatsen \r\n\r\n hulp mogelijk";
        QTest::newRow("cmd1000veld") << "cmd1000veld" << field;
        QTest::newRow("cmd1000zoek2") << "cmd1000zoek2" << field;
        QTest::newRow("cmd1000veldplus") << "cmd1000veldplus"
                                         << "\r\nduizendveld \r\n\r\n bewerking op het duizendveld  \r\n\r\n "
                                            "optellen\r\n\r\n hulp mogelijk";
        QTest::newRow("cmd1000veldmin") << "cmd1000veldmin"
                                        << "\r\nduizendveld \r\n\r\n bewerking op het duizendveld  \r\n\r\n "
                                           "aftrekken\r\n\r\n hulp mogelijk";
        QTest::newRow("lbldrie") << "lbldrie" << "\r\ntabulon \r\n\r\n duizendveld  \r\n\r\n oefenkansen";
    }
    // Moving the pointer over a control writes its text on the blackboard, exactly.
    void blackboardTexts()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QCOMPARE(caption(board, "lblbord"), QString());
        QVERIFY(moveOver(getalveld::test::control(board, control)));
        QCOMPARE(caption(board, "lblbord"), text);
    }

    // Three controls have no text: the board keeps what it showed before.
    void controlsWithoutText()
    {
        QVERIFY(moveOver(control(board, "cmdtabulonplus")));
        const QString before = caption(board, "lblbord");
        for (const char *name : {"cmdtabulon", "cmdtabulonrijen", "cmdeinde"}) {
            QVERIFY(moveOver(control(board, name)));
            QCOMPARE(caption(board, "lblbord"), before);
        }
        // And the text survives a visit to an exercise.
        QVERIFY(click(board, "cmdtabulonplus"));
        QVERIFY(click(screen("frmtabulonplus"), "cmdstop"));
        QCOMPARE(caption(board, "lblbord"), before);
    }

    // Each click shows the next person; six clicks come back to the first.
    void peopleCycle()
    {
        for (int step = 0; step <= 6; ++step) {
            const int visible = step % 6;
            for (int i = 0; i < 6; ++i)
                QCOMPARE(shown(board, people[i]), i == visible);
            if (step < 6)
                QVERIFY(click(board, people[visible]));
        }
    }

    // The end button has the focus first (tab position 0); Tab walks the tab positions.
    void keyboard()
    {
        QCOMPARE(board->focusWidget(), control(board, "cmdeinde"));
        const QStringList order = {"cmdeinde",         "cmdbewerk",      "cmd1000zoek2",   "cmdtabulonplaats",
                                   "cmd1000veld",      "cmdtabulonzoek", "cmdveldmin",     "cmdtabulonplus",
                                   "cmd1000veldplus",  "cmdtabulontellen", "cmdtabulonlees", "cmd1000veldmin",
                                   "cmdtabulontelt",   "cmdtabulon",     "cmdtabulonrijen"};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(board->focusWidget(), Qt::Key_Tab);
            QCOMPARE(board->focusWidget()->objectName(), order.at(i));
        }
        for (int i = 1; i < order.size(); ++i)
            QTest::keyClick(board->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(board->focusWidget()->objectName(), QStringLiteral("cmdeinde"));
        // A key that presses the focused button leads straight to the closing screen.
        QTest::keyClick(board->focusWidget(), Qt::Key_Return);
        QCOMPARE(visibleScreens(), QStringList{"frminfo"});
    }

    void exerciseButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("opens");
        QTest::newRow("find") << "cmdtabulonzoek" << "frmtabulonzoek";
        QTest::newRow("read") << "cmdtabulonlees" << "frmtabulonzoek2";
        QTest::newRow("plus") << "cmdtabulonplus" << "frmtabulonplus";
        QTest::newRow("minus") << "cmdveldmin" << "frmtabulonmin";
        QTest::newRow("thousand field") << "cmd1000veld" << "frmduizendveld";
        QTest::newRow("thousand field words") << "cmd1000zoek2" << "frmduizendveld2";
        QTest::newRow("thousand field plus") << "cmd1000veldplus" << "frmduizendveldplus";
        QTest::newRow("thousand field minus") << "cmd1000veldmin" << "frmduizendveldmin";
        QTest::newRow("count") << "cmdtabulontelt" << "frmtabulontel";
        QTest::newRow("moves") << "cmdbewerk" << "frmtabulonzoek3";
        QTest::newRow("option grid") << "cmdtabulon" << "frmtabulon";
        QTest::newRow("fill in rows") << "cmdtabulonrijen" << "Frmtabulonrijen";
        QTest::newRow("place") << "cmdtabulonplaats" << "frmtabulonplaats";
        QTest::newRow("more or less") << "cmdtabulontellen" << "frmtabulontellen";
    }
    void exerciseButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, opens);
        QVERIFY(click(board, button));
        QCOMPARE(visibleScreens(), QStringList{opens});
        // Only these two exercises disable the main frame.
        QCOMPARE(program.frame->isEnabled(), button != "cmdtabulon" && button != "cmdtabulonrijen");
        QVERIFY(click(screen(opens), "cmdstop"));
        QCOMPARE(visibleScreens(), QStringList{"frmkiesbasis"});
    }

    // The end button shows the closing screen and enables the main frame again.
    void endButton()
    {
        forms().setMainFrameEnabled(false);
        QVERIFY(click(board, "cmdeinde"));
        QCOMPARE(visibleScreens(), QStringList{"frminfo"});
        QVERIFY(program.frame->isEnabled());
        QCOMPARE(control(board, "cmdeinde")->toolTip(), QStringLiteral("tot de volgende keer"));
    }
};

QTEST_MAIN(ChoiceBoard)
#include "tst_kiesbasis.moc"
