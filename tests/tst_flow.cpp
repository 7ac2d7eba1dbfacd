#include "support.h"

#include "board/geometry.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

using namespace getalveld;
using namespace getalveld::test;

namespace {

// A screen that counts how often its life-cycle handlers run.
class Probe : public Screen
{
public:
    explicit Probe(int widthTwips = 3000) : Screen(QStringLiteral("probe"), widthTwips, 3000, 0) {}
    void Form_Load() override { ++loads; }
    void Form_Activate() override
    {
        ++activations;
        centre();
    }
    int loads = 0;
    int activations = 0;
};

void activate(QWidget *window)
{
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(window, &event);
}

} // namespace

class Flow : public ProgramTest
{
    Q_OBJECT

private slots:
    // The program starts with the main frame and the start screen only; nothing else is made yet.
    void startUp()
    {
        QWidget *frame = program.frame;
        QCOMPARE(frame->objectName(), QStringLiteral("MDIForm2"));
        QVERIFY(frame->isVisible());
        QVERIFY(frame->isMaximized());
        QCOMPARE(frame->property("caption").toString(), QStringLiteral(" Alle kinderen moeten alle kansen krijgen."));
        QCOMPARE(frame->property("backColor").value<quint32>(), quint32(0x008AE2EA));
        QCOMPARE(visibleScreens(), QStringList{"frmmecenaat1"});
        for (const char *name : {"frminfo", "frmkiesbasis", "frmtabulonzoek", "frmtabulonplus"})
            QVERIFY2(!screen(name), name);
        Screen *start = screen("frmmecenaat1");
        QCOMPARE(start->property("caption").toString(), QString());
        QCOMPARE(caption(start, "cmdkombinnen"), QStringLiteral("Klik hier en start !"));
        QCOMPARE(caption(start, "Label11"), QStringLiteral("Educatieve software voor de  basisschool."));
        QCOMPARE(caption(start, "Label4"), QStringLiteral("Gratis te verspreiden software"));
        QCOMPARE(backColor(start, "Frame1(1)"), quint32(0x00C0FFFF));
        QVERIFY(frame->isEnabled());
    }

    void toTheBoard_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("start button") << false;
        QTest::newRow("menu Basis") << true;
    }
    // The start button and the menu do the same: hide the start screen, show the board.
    void toTheBoard()
    {
        QFETCH(bool, byMenu);
        forms().setMainFrameEnabled(false);
        if (byMenu) {
            forms().setMainFrameEnabled(true);
            QVERIFY(chooseMenu(program.frame, "aftrek2"));
        } else {
            QVERIFY(click(screen("frmmecenaat1"), "cmdkombinnen"));
        }
        QCOMPARE(visibleScreens(), QStringList{"frmkiesbasis"});
        QVERIFY(program.frame->isEnabled());
        QCOMPARE(screen("frmkiesbasis")->property("caption").toString(), QStringLiteral("KEUZEBORD"));

        // Again with the board shown: it stays, alone.
        QVERIFY(chooseMenu(program.frame, "aftrek2"));
        QCOMPARE(visibleScreens(), QStringList{"frmkiesbasis"});
    }

    // With an exercise open the menu shows the board as well; both stay until used.
    void menuOverAnExercise()
    {
        QVERIFY(click(screen("frmmecenaat1"), "cmdkombinnen"));
        QVERIFY(click(screen("frmkiesbasis"), "cmdtabulonzoek"));
        QVERIFY(chooseMenu(program.frame, "aftrek2"));
        QCOMPARE(visibleScreens(), (QStringList{"frmkiesbasis", "frmtabulonzoek"}));
    }

    // A disabled main frame takes no input, its menu included; the screens over it work on.
    void disabledMainFrame()
    {
        QVERIFY(click(screen("frmmecenaat1"), "cmdkombinnen"));
        QVERIFY(click(screen("frmkiesbasis"), "cmdtabulonzoek"));
        forms().setMainFrameEnabled(false);
        QVERIFY(!chooseMenu(program.frame, "aftrek2"));
        QCOMPARE(visibleScreens(), QStringList{"frmtabulonzoek"});
        Screen *find = screen("frmtabulonzoek");
        QVERIFY(find->isEnabled());
        QVERIFY(click(find, "lbltabulon(5)"));
        QCOMPARE(caption(find, "lblfout"), QStringLiteral("1"));
        QVERIFY(click(find, "cmdstop"));
        QCOMPARE(visibleScreens(), QStringList{"frmkiesbasis"});
        QVERIFY(!program.frame->isEnabled()); // no stop button enables the frame
    }

    // Form_Load runs once per run; Form_Activate on every show and on every activation
    // that comes from another window of the program, not from another application.
    void loadOnceActivateAlways()
    {
        Probe *probe = nullptr;
        forms().registerScreen(QStringLiteral("probe"), [&probe] { return probe = new Probe; });
        QVERIFY(forms().show(QStringLiteral("probe")));
        QCOMPARE(probe->loads, 1);
        QCOMPARE(probe->activations, 1);
        forms().show(QStringLiteral("probe"));
        QCOMPARE(probe->activations, 2);
        forms().hide(QStringLiteral("probe"));
        QVERIFY(probe->isHidden());
        forms().show(QStringLiteral("probe"));
        QCOMPARE(probe->loads, 1);
        QCOMPARE(probe->activations, 3);

        activate(probe); // already the active window of the program
        QCOMPARE(probe->activations, 3);
        QEvent away(QEvent::WindowDeactivate); // another application, and back
        QApplication::sendEvent(probe, &away);
        activate(probe);
        QCOMPARE(probe->activations, 3);
        activate(program.frame); // another window of the program, and back
        activate(probe);
        QCOMPARE(probe->activations, 4);

        forms().unload(QStringLiteral("probe"));
        QVERIFY(!forms().loaded(QStringLiteral("probe")));
        forms().unload(QStringLiteral("probe")); // not loaded: no effect
        forms().show(QStringLiteral("probe"));
        QCOMPARE(probe->loads, 1); // a new screen, loaded afresh
    }

    // Centred on every activation. A screen larger than the display is shown at the largest
    // scale that fits; made larger by hand, it is centred with no clamping.
    void centring()
    {
        Probe *probe = nullptr;
        forms().registerScreen(QStringLiteral("probe"), [&probe] { return probe = new Probe; });
        forms().show(QStringLiteral("probe"));
        const QRect display = probe->screen()->geometry();
        QVERIFY(qAbs(probe->frameGeometry().center().x() - display.center().x()) <= 1);
        QVERIFY(qAbs(probe->frameGeometry().center().y() - display.center().y()) <= 1);
        probe->move(3, 4);
        forms().show(QStringLiteral("probe"));
        QVERIFY(qAbs(probe->frameGeometry().center().x() - display.center().x()) <= 1);

        Probe *wide = nullptr;
        forms().registerScreen(QStringLiteral("wide"), [&wide, &display] { return wide = new Probe(display.width() * 20); });
        forms().show(QStringLiteral("wide"));
        QVERIFY(wide->width() <= display.width());
        QVERIFY(wide->scale() < 1.0);
        QVERIFY(qAbs(wide->frameGeometry().center().x() - display.center().x()) <= 1);
        wide->resize(display.width() * 2, wide->height());
        forms().show(QStringLiteral("wide"));
        QVERIFY(wide->x() < 0);
    }

    // No screen can be closed into a dead end; closing the main frame ends the program.
    void closing()
    {
        QVERIFY(click(screen("frmmecenaat1"), "cmdkombinnen"));
        QVERIFY(click(screen("frmkiesbasis"), "cmdtabulonplus"));
        for (const char *name : {"frmmecenaat1", "frmkiesbasis", "frmtabulonplus"}) {
            Screen *s = screen(name);
            QVERIFY(!s->windowFlags().testFlag(Qt::WindowCloseButtonHint));
            const bool wasVisible = s->isVisible();
            QVERIFY(!s->close());
            QCOMPARE(s->isVisible(), wasVisible);
        }
        QCOMPARE(program.processEnds, 0);
        program.frame->close();
        QCOMPARE(program.processEnds, 1);
    }
};

QTEST_MAIN(Flow)
#include "tst_flow.moc"
