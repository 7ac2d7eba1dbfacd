#include "support.h"

#include "board/accessible.h"
#include "board/chartfocus.h"
#include "board/controls.h"
#include "board/geometry.h"
#include "board/pictures.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace getalveld;
using namespace getalveld::test;

namespace {

// Every accessibility event the program sends, as (object name, event type).
QList<QPair<QString, QAccessible::Event>> heard;
void listen(QAccessibleEvent *event)
{
    heard.append({event->object() ? event->object()->objectName() : QString(), event->type()});
}

QString spokenName(QWidget *screen, const QString &name)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(control(screen, name));
    return a ? a->text(QAccessible::Name) : QStringLiteral("<none>");
}

void press(QWidget *screen, Qt::Key key)
{
    QWidget *focus = screen->focusWidget();
    QVERIFY2(focus, "nothing has the keyboard");
    QTest::keyClick(focus, key);
}

// Tab until the named control has the keyboard; false when Tab never reaches it.
bool tabTo(QWidget *screen, const QString &name)
{
    for (int i = 0; i < 40; ++i) {
        if (screen->focusWidget() && screen->focusWidget()->objectName() == name)
            return true;
        QTest::keyClick(screen->focusWidget() ? screen->focusWidget() : screen, Qt::Key_Tab);
    }
    return false;
}

// The size a window had when it was shown.
struct WatchShow : QObject
{
    WatchShow(QWidget *window, QSize *size) : m_size(size) { window->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            *m_size = static_cast<QWidget *>(watched)->size();
        return false;
    }
    QSize *m_size;
};

ChartFocus *keysOf(QWidget *screen) { return screen->findChild<ChartFocus *>(); }

// The news a screen reader was last told on this screen, once the keys' work is done.
QString news(QWidget *screen)
{
    QCoreApplication::processEvents();
    QWidget *board = screen->findChild<QWidget *>(QStringLiteral("readerNews"));
    return board ? QAccessible::queryAccessibleInterface(board)->text(QAccessible::Name) : QString();
}
QString underFrame(QWidget *screen) { return keysOf(screen)->current()->objectName(); }
} // namespace

class Classroom : public QObject
{
    Q_OBJECT

    Program program;

private slots:
    void init()
    {
        program.start();
        heard.clear();
    }
    void cleanup()
    {
        listenInProcess(nullptr);
        program.stop();
    }

    // A pupil without a mouse does a whole find task: Tab to start, Space, Tab into the chart,
    // arrows to the number, Enter; a wrong cell first. The frame is seen where it stands.
    void findTaskByKeyboardOnly()
    {
        Screen *s = openExercise("cmdtabulonzoek", "frmtabulonzoek");
        QVERIFY(s);
        s->activateWindow();
        QVERIFY(tabTo(s, "cmdstart"));
        script({rFor(7, 9), rFor(4, 9)});
        press(s, Qt::Key_Space);
        QCOMPARE(caption(s, "lblstart"), QStringLiteral("47"));
        QVERIFY(tabTo(s, "chartFocus"));
        QCOMPARE(underFrame(s), cell(1));
        for (int i = 0; i < 6; ++i)
            press(s, Qt::Key_Right);
        for (int i = 0; i < 4; ++i)
            press(s, Qt::Key_Down);
        QCOMPARE(underFrame(s), cell(47));
        QWidget *c47 = control(s, cell(47));
        QCOMPARE(keysOf(s)->geometry(), QRect(c47->mapTo(s, QPoint(0, 0)), c47->size()));
        press(s, Qt::Key_Left);
        press(s, Qt::Key_Return);
        QCOMPARE(backColor(s, cell(46)), colour::cellRed);
        QCOMPARE(caption(s, "lblfout"), QStringLiteral("1"));
        press(s, Qt::Key_Right);
        press(s, Qt::Key_Space);
        QCOMPARE(backColor(s, cell(47)), colour::cellGreen);
        QCOMPARE(caption(s, "lbljuist"), QStringLiteral("1"));
        // The chart is closed after a right answer: Enter does what a click would, nothing.
        press(s, Qt::Key_Left);
        press(s, Qt::Key_Return);
        QCOMPARE(caption(s, "lblfout"), QStringLiteral("1"));
        QCOMPARE(backColor(s, cell(46)), colour::cellRed);
        // Tab leaves the chart for the buttons again.
        QVERIFY(tabTo(s, "cmdstart"));
    }

    // Opening a screen leaves the keyboard where it always was: the chart's frame is reached
    // by Tab, after the buttons, and is not drawn before.
    void chartFrameComesLastInTabOrder()
    {
        Screen *s = openExercise("cmdtabulonzoek", "frmtabulonzoek");
        QApplication::processEvents();
        QVERIFY(!keysOf(s)->hasFocus());
        QVERIFY(tabTo(s, "cmdstop"));
        QTest::keyClick(s->focusWidget(), Qt::Key_Tab);
        QCOMPARE(s->focusWidget()->objectName(), QStringLiteral("cmdstart"));
        QTest::keyClick(s->focusWidget(), Qt::Key_Tab);
        QCOMPARE(s->focusWidget()->objectName(), QStringLiteral("chartFocus"));
    }

    // The arrows follow the chart's picture: 0 lies above 10, nothing lies right of 10 or
    // above the top row, so the frame stays where an arrow leads nowhere.
    void arrowsFollowTheChart_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("up from 10 to 0") << 10 << int(Qt::Key_Up) << 0;
        QTest::newRow("down from 0 to 10") << 0 << int(Qt::Key_Down) << 10;
        QTest::newRow("right of 10 nothing") << 10 << int(Qt::Key_Right) << 10;
        QTest::newRow("above 5 nothing") << 5 << int(Qt::Key_Up) << 5;
        QTest::newRow("below 95 nothing") << 95 << int(Qt::Key_Down) << 95;
        QTest::newRow("left of 31 nothing") << 31 << int(Qt::Key_Left) << 31;
        QTest::newRow("down a row") << 38 << int(Qt::Key_Down) << 48;
    }
    void arrowsFollowTheChart()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        Screen *s = openExercise("cmdtabulonzoek", "frmtabulonzoek");
        ChartFocus *keys = keysOf(s);
        keys->setFocus();
        keys->setCurrent(control(s, cell(from)));
        press(s, Qt::Key(key));
        QCOMPARE(underFrame(s), cell(to));
    }

    // The thousand field by keyboard: the frame starts on the first picture, Enter opens a
    // hundred, Down enters its cells, Enter judges the cell.
    void thousandFieldByKeyboard()
    {
        Screen *s = openExercise("cmd1000veld", "frmduizendveld");
        QVERIFY(s);
        listenInProcess(listen);
        script({rFor(47, 100), rFor(2, 9, 0), rFor(3, 9, 0)});
        QVERIFY(click(s, "cmdstart"));
        QCOMPARE(caption(s, "lblstart"), QStringLiteral("247"));
        QCOMPARE(news(s), QStringLiteral("247"));
        // The help marks the hundred to look in: a screen reader says which.
        QVERIFY(click(s, "cmdhulp"));
        QCOMPARE(news(s), QStringLiteral("veld 201 tot 300 is groen. hulp: 1"));
        QVERIFY(tabTo(s, "chartFocus"));
        QCOMPARE(underFrame(s), QStringLiteral("imgveld1"));
        press(s, Qt::Key_Right);
        press(s, Qt::Key_Right);
        QCOMPARE(underFrame(s), QStringLiteral("imgveld3"));
        press(s, Qt::Key_Enter);
        QVERIFY(shown(s, "Frame300"));
        QCOMPARE(news(s), QStringLiteral("tabulon 201 tot 300"));
        press(s, Qt::Key_Down);
        const int first = underFrame(s).mid(11).chopped(1).toInt();
        QVERIFY2(first >= 201 && first <= 210, qPrintable(underFrame(s)));
        while (underFrame(s) != cell(207)) {
            const QString before = underFrame(s);
            press(s, underFrame(s).mid(11).chopped(1).toInt() < 207 ? Qt::Key_Right : Qt::Key_Left);
            QVERIFY(underFrame(s) != before);
        }
        for (int i = 0; i < 3; ++i)
            press(s, Qt::Key_Down);
        QCOMPARE(underFrame(s), cell(237));
        press(s, Qt::Key_Return);
        QCOMPARE(news(s), QStringLiteral("rood, fout. fout: 1"));
        press(s, Qt::Key_Down);
        QCOMPARE(underFrame(s), cell(247));
        press(s, Qt::Key_Return);
        QCOMPARE(caption(s, "lbljuist"), QStringLiteral("1"));
        // After a wrong answer the task's box is red already: its turn to green is news after
        // the cell's, and the verdict is said once, not "groen. groen, juist".
        QCOMPARE(news(s), QStringLiteral("groen, juist. juist: 1"));
        // The right answer closes the hundred, and with it its cells: a screen reader hears
        // the frame's change only, not a flood of a hundred cells drowning the verdict.
        QVERIFY(!control(s, cell(247))->isEnabled());
        auto passOn = QAccessible::installUpdateHandler(nullptr);
        QAccessible::installUpdateHandler(passOn);
        QVERIFY(passOn);
        QAccessible::State disabled;
        disabled.disabled = true;
        heard.clear();
        for (QWidget *w : {control(s, cell(247)), control(s, "Frame300"), control(s, "cmdstart")}) {
            QAccessibleStateChangeEvent change(w, disabled);
            passOn(&change);
        }
        QCOMPARE(heard, (QList<QPair<QString, QAccessible::Event>>{{"Frame300", QAccessible::StateChanged},
                                                                  {"cmdstart", QAccessible::StateChanged}}));
        // Up from the top row of cells reaches the pictures again.
        for (int i = 0; i < 5; ++i)
            press(s, Qt::Key_Up);
        QVERIFY(underFrame(s).startsWith(QLatin1String("imgveld")));
    }

    // On the option grid the verdict is only the colour of the box with the chosen number:
    // a screen reader hears it, the right one before the facts the panel then shows.
    void aBlindPupilHearsTheOptionGridsVerdict()
    {
        Screen *s = openExercise("cmdtabulon", "frmtabulon");
        QVERIFY(s);
        listenInProcess(listen);
        for (int chosen : {46, 47}) {
            script({rFor(7, 9), rFor(4, 9)});
            QVERIFY(click(s, "cmdstart"));
            if (chosen == 46)
                QVERIFY(news(s).startsWith(QStringLiteral("Ik zoek in kolom 7 en in de rij tot aan 50")));
            QVERIFY(click(s, "optveld(7)"));
            // What a click lights is heard with the number, and read again on each lit place.
            QCOMPARE(news(s), QStringLiteral("gekozen getal 7. kolom 7 is geel"));
            QVERIFY(click(s, "optveld(50)"));
            QCOMPARE(news(s), QStringLiteral("gekozen getal 50. de rij tot aan 50 is geel"));
            for (const auto &[member, colourWord] : {std::pair{37, "geel"}, {43, "geel"}, {54, ""}})
                QCOMPARE(QAccessible::queryAccessibleInterface(control(s, QStringLiteral("optveld(%1)").arg(member)))
                             ->text(QAccessible::Description),
                         QString::fromLatin1(colourWord));
            QVERIFY(click(s, QStringLiteral("optveld(%1)").arg(chosen)));
            QCOMPARE(news(s), QStringLiteral("gekozen getal %1").arg(chosen));
            QVERIFY(click(s, "cmdcontrole"));
            if (chosen == 46)
                QCOMPARE(news(s), QStringLiteral("rood, fout"));
            else
                QVERIFY2(news(s).startsWith(QStringLiteral("groen, juist. Je zocht 47 47 staat juist voor 48")),
                         qPrintable(news(s)));
        }
        // Starting again whitens the box: that is no verdict, and nothing new is said of it.
        heard.clear();
        script({rFor(7, 9), rFor(4, 9)});
        QVERIFY(click(s, "cmdstart"));
        news(s);
        QVERIFY2(!heard.contains(qMakePair(QStringLiteral("readerNews"), QAccessible::ObjectShow)), qPrintable(news(s)));
    }

    // On the counting chart the frame points at its cell as the mouse does: the pointer's
    // text appears as the arrows move, and only a press colours the cell.
    void countingChartIsPointedAtByTheFrame()
    {
        Screen *s = openExercise("cmdtabulontelt", "frmtabulontel");
        QVERIFY(s);
        script({0.5, 0.5});
        QVERIFY(click(s, "cmdstart"));
        QVERIFY(tabTo(s, "chartFocus"));
        press(s, Qt::Key_Right);
        QCOMPARE(underFrame(s), cell(2));
        const QString byKeyboard = caption(s, "lbljuist");
        QVERIFY(!byKeyboard.isEmpty());
        QVERIFY(moveOver(control(s, cell(3))));
        QVERIFY(moveOver(control(s, cell(2))));
        QCOMPARE(caption(s, "lbljuist"), byKeyboard);
        QCOMPARE(backColor(s, cell(2)), colour::cellGrey);
        press(s, Qt::Key_Space);
        QCOMPARE(backColor(s, cell(2)), colour::cellGreen);
    }

    // Start pressed with the mouse hands the keyboard on to the chart, but nobody has
    // pointed at a cell yet: the step text stays empty until an arrow, Enter or Space.
    void keyboardArrivingPointsAtNothing()
    {
        Screen *s = openExercise("cmdtabulontelt", "frmtabulontel");
        QVERIFY(s);
        script({0.5, 0.5});
        QVERIFY(click(s, "cmdstart"));
        QCOMPARE(s->focusWidget(), keysOf(s));
        QCOMPARE(caption(s, "lbljuist"), QString());
        press(s, Qt::Key_Down);
        QCOMPARE(caption(s, "lbljuist"), QStringLiteral("55 -44 = 11"));
    }

    // A blind pupil subtracts on the chart: the task, a help step, the frame appearing on its
    // cell when the keyboard came from a help button that went away, a wrong and a right answer.
    void aBlindPupilHearsTheChartSubtraction()
    {
        Screen *s = openExercise("cmdveldmin", "frmtabulonmin");
        QVERIFY(s);
        listenInProcess(listen);
        s->activateWindow();
        QVERIFY(tabTo(s, "cmdstart"));
        script({rFor(4, 9), rFor(2, 4), rFor(4, 9), rFor(3, 4)});
        press(s, Qt::Key_Space);
        QCOMPARE(news(s), QStringLiteral("44 - 23 = ?"));
        QCOMPARE(s->focusWidget()->objectName(), QStringLiteral("cmdHweg"));
        press(s, Qt::Key_Space);
        QCOMPARE(news(s), QStringLiteral("44 - 20 = 24"));
        QCOMPARE(s->focusWidget(), keysOf(s));
        QCOMPARE(QAccessible::queryAccessibleInterface(keysOf(s))->text(QAccessible::Name), QStringLiteral("tabulon"));
        heard.clear();
        press(s, Qt::Key_Return);
        QCOMPARE(underFrame(s), cell(1));
        QVERIFY(heard.contains(qMakePair(cell(1), QAccessible::Focus)));
        press(s, Qt::Key_Return);
        QCOMPARE(news(s), QStringLiteral("rood, fout"));
        // The last help step marks the answer green: that is no verdict yet, the task turning
        // green on the answer is.
        QVERIFY(tabTo(s, "cmdTweg"));
        press(s, Qt::Key_Space);
        QCOMPARE(news(s), QStringLiteral("24 - 3 = 21"));
        QVERIFY(tabTo(s, "chartFocus"));
        press(s, Qt::Key_Down);
        press(s, Qt::Key_Down);
        QCOMPARE(underFrame(s), cell(21));
        QCOMPARE(QAccessible::queryAccessibleInterface(control(s, cell(21)))->text(QAccessible::Description),
                 QStringLiteral("groen"));
        press(s, Qt::Key_Return);
        QCOMPARE(news(s), QStringLiteral("groen, juist. 44 - 23 = 21"));
    }

    // The move is heard as a sighted pupil reads it, in one go: where to start, the move along
    // the band, the help steps and what to click; the signs are set before their numbers.
    void aBlindPupilHearsTheMoveInReadingOrder()
    {
        Screen *s = openExercise("cmdbewerk", "frmtabulonzoek3");
        QVERIFY(s);
        listenInProcess(listen);
        script({rFor(7, 9), rFor(1, 9), rFor(2, 6), rFor(3, 5)});
        QVERIFY(click(s, "cmdstart"));
        QCOMPARE(news(s), QStringLiteral("tel vanaf 17. 17 + 10 - 4 = 17 + 6 = 23. 17 + 10 = 27. 27 - 4 = 23. "
                                         "17 + 6 = 23. klik op de uitkomst"));
        QVERIFY(click(s, cell(23)));
        QCOMPARE(news(s), QStringLiteral("uitkomst = 23 verschil = 6"));
    }

    // A blind pupil hears the end of a series of ten: the last verdict (on the cell under the
    // keyboard's frame), then how many were right and how many flags that gives.
    void aBlindPupilHearsThePlaceSeriesEnd()
    {
        Screen *s = openExercise("cmdtabulonplaats", "frmtabulonplaats");
        QVERIFY(s);
        listenInProcess(listen);
        s->activateWindow();
        for (int task = 1; task <= 10; ++task) {
            script({rFor(task % 9 + 1, 9), rFor(7, 9)});
            QVERIFY(click(s, "cmdnieuw"));
            QCOMPARE(news(s), QStringLiteral("%1. %2").arg(10 * (task % 9 + 1) + 7).arg(task));
            if (task == 1) {
                // The help button comes by itself; what it does is heard as well as seen.
                auto *helpTimer = s->findChild<QTimer *>(QStringLiteral("tmrhelp"));
                QVERIFY(QMetaObject::invokeMethod(helpTimer, "timeout"));
                QCOMPARE(news(s), QStringLiteral("de hulpknop is er"));
                QVERIFY(click(s, "cmdhelp"));
                QCOMPARE(news(s), QStringLiteral("alle getallen staan op het tabulon"));
                QCOMPARE(spokenName(s, cell(27)), QStringLiteral("27"));
            }
            if (task < 10) {
                const int clicked = task % 3 == 0 ? 10 * (task % 9 + 1) + 7 : 2;
                QVERIFY(click(s, cell(clicked)));
                QVERIFY(news(s).contains(QStringLiteral("je bent")));
                QCOMPARE(QAccessible::queryAccessibleInterface(control(s, cell(clicked)))->text(QAccessible::Description),
                         clicked == 2 ? QStringLiteral("rood, fout") : QStringLiteral("groen, juist"));
            }
        }
        QCOMPARE(s->focusWidget(), keysOf(s));
        QCOMPARE(underFrame(s), cell(1));
        press(s, Qt::Key_Return); // the frame appears
        press(s, Qt::Key_Return);
        QCOMPARE(backColor(s, cell(1)), colour::cellRed);
        // The count, taken back at once on a wrong answer, is no news.
        QCOMPARE(news(s), QStringLiteral("rood, fout. einde van de reeks: 3 van de 10 goed, 6 vlaggen"));
        QVERIFY(shown(s, "cmdnieuw2"));
    }

    // A screen reader reads every control of the find screen in Dutch, from what it shows.
    void findScreenReadsInDutch()
    {
        Screen *s = openExercise("cmdtabulonzoek", "frmtabulonzoek");
        QCOMPARE(spokenName(s, "cmdstart"), QStringLiteral("start"));
        QCOMPARE(spokenName(s, "cmdstop"), QStringLiteral("stop"));
        QCOMPARE(spokenName(s, "cmdhulp"), QStringLiteral("hulp"));
        QCOMPARE(spokenName(s, "lbljuist"), QStringLiteral("juist: 0"));
        QCOMPARE(spokenName(s, "lblfout"), QStringLiteral("fout: 0"));
        QCOMPARE(spokenName(s, "lblhelp"), QStringLiteral("hulp: 0"));
        QCOMPARE(spokenName(s, "lblzoek"), QStringLiteral("zoek"));
        QCOMPARE(spokenName(s, "frame100"), QStringLiteral("tabulon"));
        QCOMPARE(spokenName(s, cell(30)), QStringLiteral("30"));
        QCOMPARE(spokenName(s, cell(47)), QStringLiteral("leeg"));
        QCOMPARE(spokenName(s, "imgveld1"), QStringLiteral("veld 1 tot 100"));
        QAccessibleInterface *c47 = QAccessible::queryAccessibleInterface(control(s, cell(47)));
        QCOMPARE(c47->role(), QAccessible::Button);
        QVERIFY(c47->actionInterface());
        QCOMPARE(c47->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});

        // Pressed through the screen reader, a cell is clicked as by the mouse.
        script({rFor(7, 9), rFor(4, 9)});
        QAccessible::queryAccessibleInterface(control(s, "cmdstart"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(caption(s, "lblstart"), QStringLiteral("47"));
        QCOMPARE(spokenName(s, cell(47)), QStringLiteral("47"));
        listenInProcess(listen);
        c47->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(spokenName(s, "lbljuist"), QStringLiteral("juist: 1"));
        QCOMPARE(c47->text(QAccessible::Description), QStringLiteral("groen, juist"));
        // The counter, the verdict text and the cell's colour are announced.
        QVERIFY(heard.contains(qMakePair(QStringLiteral("lbljuist"), QAccessible::NameChanged)));
        QVERIFY(heard.contains(qMakePair(QStringLiteral("lbljuist3"), QAccessible::NameChanged)));
        QVERIFY(heard.contains(qMakePair(cell(47), QAccessible::DescriptionChanged)));
    }

    // A blind pupil hears the whole find task. The frame arriving on the chart is read as the
    // chart with its cell, never as the cell itself (or a screen reader would take the first
    // arrow's cell for the same object and stay silent); each arrow tells of its cell; the
    // task, each verdict with its count and the help are told as one piece of news once the
    // keys' work is done.
    void aBlindPupilHearsTheFindTask()
    {
        Screen *s = openExercise("cmdtabulonzoek", "frmtabulonzoek");
        listenInProcess(listen);
        s->activateWindow();
        QVERIFY(tabTo(s, "cmdstart"));
        script({rFor(7, 9), rFor(4, 9)});
        heard.clear();
        press(s, Qt::Key_Space);
        QCOMPARE(news(s), QStringLiteral("47"));
        QVERIFY(heard.contains(qMakePair(QStringLiteral("readerNews"), QAccessible::ObjectShow)));
        QCOMPARE(QAccessible::queryAccessibleInterface(control(s, "readerNews"))->role(), QAccessible::Notification);

        QVERIFY(tabTo(s, "chartFocus"));
        QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(keysOf(s));
        QCOMPARE(frame->text(QAccessible::Name), QStringLiteral("tabulon, 1"));
        QCOMPARE(frame->text(QAccessible::Description), QStringLiteral("grijs"));
        QVERIFY(frame->state().focused);
        // A point, so that a review of the screen reads cell 1 once, not the frame as a copy.
        QCOMPARE(frame->rect().size(), QSize(0, 0));
        heard.clear();
        press(s, Qt::Key_Right);
        QVERIFY(heard.contains(qMakePair(cell(2), QAccessible::Focus)));
        QVERIFY(QAccessible::queryAccessibleInterface(control(s, cell(2)))->state().focused);
        QVERIFY(!frame->state().focused);
        // Pressed by the screen reader, the frame judges its cell as Enter does.
        QCOMPARE(frame->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        frame->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(news(s), QStringLiteral("rood, fout. fout: 1"));

        QVERIFY(tabTo(s, "cmdhulp"));
        press(s, Qt::Key_Space);
        QCOMPARE(news(s), QStringLiteral("kolom 7 rij tot 50. hulp: 1"));

        QVERIFY(tabTo(s, "chartFocus"));
        for (int i = 0; i < 5; ++i)
            press(s, Qt::Key_Right);
        for (int i = 0; i < 4; ++i)
            press(s, Qt::Key_Down);
        press(s, Qt::Key_Return);
        QCOMPARE(news(s), QStringLiteral("groen, juist. 47 - 1 = 46 47 + 1 = 48 47 - 10 = 37 47 + 10 = 57. juist: 1"));
    }

    // Resized to twice its size, the find screen shows everything twice as large: places,
    // fonts (also those set during a task), pictures drawn anew at their size; back at its
    // own size it is exactly as designed again.
    void resizedScreenScalesEverything()
    {
        Screen *s = openExercise("cmdtabulonzoek", "frmtabulonzoek");
        QVERIFY(s);
        const QList<QWidget *> all = s->findChildren<QWidget *>();
        QHash<QWidget *, QRect> designed;
        QHash<QWidget *, qreal> points;
        for (QWidget *w : all) {
            designed.insert(w, w->geometry());
            points.insert(w, w->font().pointSizeF());
        }
        const QSize size = s->size();
        s->resize(size * 2);
        QCOMPARE(s->scale(), 2.0);
        for (const char *name : {"frame100", "lbltabulon(47)", "cmdstart", "lbljuist", "imgveld1", "Shape3(0)"}) {
            QWidget *w = control(s, name);
            QCOMPARE(w->geometry(), QRect(designed[w].topLeft() * 2, designed[w].size() * 2));
            QCOMPARE(w->font().pointSizeF(), points[w] * 2);
        }
        script({rFor(7, 9), rFor(4, 9)});
        QVERIFY(click(s, "cmdstart"));
        QCOMPARE(control(s, cell(47))->font().pointSizeF(), 26.0);
        // The picture is drawn from its source at the new size, not stretched.
        QWidget *image = control(s, "imgveld1");
        QCOMPARE(image->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 picture("veld1", image->size()).toImage().convertToFormat(QImage::Format_RGB32));
        // A click at the scaled place is judged as ever.
        QVERIFY(click(s, cell(47)));
        QCOMPARE(caption(s, "lbljuist"), QStringLiteral("1"));

        s->resize(size);
        QCOMPARE(s->scale(), 1.0);
        for (QWidget *w : all) {
            if (w == keysOf(s))
                continue; // lies on the cell it frames
            QCOMPARE(w->geometry(), designed[w]);
            if (w->objectName().startsWith(QLatin1String("lbltabulon")))
                continue; // numbered at 13 pt bold during the task
            QCOMPARE(w->font().pointSizeF(), points[w]);
        }
        QCOMPARE(control(s, cell(47))->font().pointSizeF(), 13.0);
    }

    // A window of other proportions shows the whole screen at the largest scale that fits,
    // in the middle.
    void otherProportionsKeepTheLayoutCentred()
    {
        Screen *s = openExercise("cmdtabulonzoek", "frmtabulonzoek");
        const QSize size = s->size();
        s->resize(size.width() * 2, size.height());
        QCOMPARE(s->scale(), 1.0);
        QCOMPARE(control(s, "Shape1")->x(), size.width() / 2);
        s->resize(size.width() / 2, size.height());
        QCOMPARE(s->scale(), 0.5);
        QCOMPARE(control(s, "Shape1")->y(), (size.height() - qRound(size.height() * 0.5)) / 2);
    }

    // The scale belongs to the program: the screen shown next takes it, and F11 fills the
    // display and gives the earlier scale back.
    void nextScreenKeepsTheScaleAndF11FillsTheDisplay()
    {
        Screen *s = openExercise("cmdtabulonzoek", "frmtabulonzoek");
        s->resize(s->size() * 3 / 4);
        QCOMPARE(Screen::programScale(), 0.75);
        QVERIFY(click(s, "cmdstop"));
        Screen *board = screen("frmkiesbasis");
        QVERIFY(board->isVisible());
        QCOMPARE(board->scale(), 0.75);
        QCOMPARE(board->size(), QSize(594, 397));
        QCOMPARE(control(board, "cmdeinde")->geometry(), QRect(6, 342, 91, 37)); // corners 8,456 and 129,505 scaled

        QTest::keyClick(board, Qt::Key_F11);
        QVERIFY(board->isFullScreen());
        const QRect display = board->screen()->geometry();
        // The window system tells the new size on its next pass.
        QTRY_COMPARE(board->scale(), qMin(display.width() / 792.0, display.height() / 529.0));
        // The next screen fills the display too.
        QVERIFY(click(board, "cmdtabulonzoek"));
        QVERIFY(s->isFullScreen());
        QTRY_VERIFY(s->scale() > 1.0);
        QTest::keyClick(s->focusWidget() ? s->focusWidget() : s, Qt::Key_F11);
        QVERIFY(!s->isFullScreen());
        QCOMPARE(s->scale(), 0.75);
        QCOMPARE(Screen::programScale(), 0.75);
        // Back in a window, centred again (within the frame the offscreen display reports).
        QTRY_VERIFY(qAbs(s->frameGeometry().center().x() - display.center().x()) <= 3);
    }

    // Where the window manager refuses full screen to the screens, F11 fills the work area
    // with the window instead, and no screen is ever left filling the display: the board
    // shown by stop fills it the same way, and F11 on it gives it its size back, centred.
    void f11WhereFullScreenIsRefused()
    {
        Screen *s = openExercise("cmdtabulonzoek", "frmtabulonzoek");
        Screen::setFullScreenRefused(true);
        const QRect room = s->screen()->availableGeometry();
        QTest::keyClick(s, Qt::Key_F11);
        QVERIFY(Screen::fillsDisplay());
        QVERIFY(!s->isFullScreen());
        QCOMPARE(s->frameGeometry(), room);
        QVERIFY(s->scale() > 1.0);
        forms().windowActivated(program.frame); // activated again: it still fills, not centred
        forms().windowActivated(s);
        QCOMPARE(s->frameGeometry(), room);

        // The board is mapped a pixel short of the work area (a window manager may maximise a
        // window mapped at its full size, for good), then fills it.
        Screen *board = screen("frmkiesbasis");
        QSize mapped;
        WatchShow watch(board, &mapped);
        QVERIFY(click(s, "cmdstop"));
        QVERIFY(board->isVisible() && !board->isFullScreen());
        QCOMPARE(board->frameGeometry(), room);
        QCOMPARE(mapped, board->size() - QSize(0, 1));
        // Maximised by the window manager all the same: the screen hands the state back.
        board->setWindowState(board->windowState() | Qt::WindowMaximized);
        QVERIFY(!(board->windowState() & Qt::WindowMaximized));
        QCOMPARE(board->frameGeometry(), room);
        QTest::keyClick(board, Qt::Key_F11);
        QVERIFY(!Screen::fillsDisplay());
        QCOMPARE(board->size(), QSize(792, 529));
        QCOMPARE(board->scale(), 1.0);
        QTRY_VERIFY(qAbs(board->frameGeometry().center().x() - room.center().x()) <= 1);

        QVERIFY(click(board, "cmdtabulonzoek"));
        QCOMPARE(s->size(), QSize(792, 529));
        QCOMPARE(s->scale(), 1.0);
        QVERIFY(qAbs(s->frameGeometry().center().y() - s->screen()->geometry().center().y()) <= 1);
    }

    // Back from full screen a window manager may hand back a size and place of its own after
    // the screen set its own. The screen asks for its size again, centred, with its layout
    // and the program's scale untouched, three times at most; after that, and once the pupil
    // acts on the screen, a new size is followed as ever.
    void leavingFullScreenHoldsSizeAndPlace()
    {
        Screen *s = openExercise("cmdtabulonzoek", "frmtabulonzoek");
        const QRect display = s->screen()->geometry();
        const QRect designedStop = control(s, "cmdstop")->geometry();
        QWindow *window = s->windowHandle();
        const auto leaveFullScreen = [&] {
            QTest::keyClick(s, Qt::Key_F11);
            QTRY_VERIFY(s->scale() > 1.0);
            QTest::keyClick(s, Qt::Key_F11);
            QVERIFY(!s->isFullScreen());
        };
        leaveFullScreen();
        QCOMPARE(s->size(), QSize(792, 529));
        settle();
        const QRect centred = s->frameGeometry();
        QVERIFY(qAbs(centred.center().x() - display.center().x()) <= 1);
        QVERIFY(qAbs(centred.center().y() - display.center().y()) <= 1);

        for (int i = 0; i < 2; ++i) {
            window->setPosition(0, 0);
            settle();
            QCOMPARE(s->frameGeometry(), centred);
        }
        window->setGeometry(display);
        settle();
        QCOMPARE(s->frameGeometry(), centred);
        QCOMPARE(control(s, "cmdstop")->geometry(), designedStop);
        QCOMPARE(Screen::programScale(), 1.0);
        // A window manager that insists has its way.
        window->setGeometry(display);
        settle();
        QCOMPARE(s->size(), display.size());
        QVERIFY(s->scale() > 1.0);

        leaveFullScreen();
        QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(400, 75));
        window->resize(396, 265);
        settle();
        QCOMPARE(s->scale(), 0.5);
    }

    // A finger on the whiteboard is a click: touching a cell judges it.
    void touchIsAClick()
    {
        Screen *s = openExercise("cmdtabulonzoek", "frmtabulonzoek");
        s->resize(s->size() * 3 / 2);
        script({rFor(7, 9), rFor(4, 9)});
        QVERIFY(click(s, "cmdstart"));
        static QPointingDevice *finger = QTest::createTouchDevice();
        QWidget *c = control(s, cell(46));
        const QPoint at = c->mapTo(s, c->rect().center());
        QTest::touchEvent(s->windowHandle(), finger).press(0, at);
        QTest::touchEvent(s->windowHandle(), finger).release(0, at);
        QCOMPARE(backColor(s, cell(46)), colour::cellRed);
        QCOMPARE(caption(s, "lblfout"), QStringLiteral("1"));
    }

    // The thousand field at another scale: a hundred opened while scaled gets its scaled font.
    void thousandFieldOpensScaled()
    {
        Screen *s = openExercise("cmd1000veld", "frmduizendveld");
        s->resize(s->size() * 3 / 2);
        script({rFor(47, 100), rFor(2, 9, 0)});
        QVERIFY(click(s, "cmdstart"));
        QVERIFY(click(s, "imgveld3"));
        QVERIFY(qAbs(s->scale() - 1.5) < 0.01);
        QCOMPARE(control(s, cell(247))->font().pointSizeF(), 12.0 * s->scale());
        QCOMPARE(control(s, cell(247))->size(), QSize(56, 50));
        s->resize(797, 529);
        QCOMPARE(control(s, cell(247))->font().pointSizeF(), 12.0);
        QCOMPARE(control(s, cell(247))->geometry(), twipsRect(2880, 1920, 555, 495));
    }

    // A screen reader finds a Dutch name on every control a pupil can see: on the start screen,
    // the choice board and every exercise.
    void everyShownControlHasAName_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        const char *rows[][2] = {{"cmdtabulon", "frmtabulon"}, {"cmdtabulonzoek", "frmtabulonzoek"},
            {"cmdtabulonlees", "frmtabulonzoek2"}, {"cmdtabulontelt", "frmtabulontel"},
            {"cmdbewerk", "frmtabulonzoek3"}, {"cmdtabulonplus", "frmtabulonplus"},
            {"cmdveldmin", "frmtabulonmin"}, {"cmdtabulonplaats", "frmtabulonplaats"},
            {"cmdtabulontellen", "frmtabulontellen"}, {"cmdtabulonrijen", "Frmtabulonrijen"},
            {"cmd1000veld", "frmduizendveld"}, {"cmd1000zoek2", "frmduizendveld2"},
            {"cmd1000veldplus", "frmduizendveldplus"}, {"cmd1000veldmin", "frmduizendveldmin"}};
        QTest::newRow("frmmecenaat1") << QString() << QStringLiteral("frmmecenaat1");
        QTest::newRow("frmkiesbasis") << QString() << QStringLiteral("frmkiesbasis");
        for (const auto &row : rows)
            QTest::newRow(row[1]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
    }
    void everyShownControlHasAName()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        Screen *s = button.isEmpty() ? screen(name) : openExercise(button, name);
        if (name == QLatin1String("frmkiesbasis") && !s) {
            QVERIFY(click(screen("frmmecenaat1"), "cmdkombinnen"));
            s = screen(name);
        }
        QVERIFY(s);
        QStringList nameless;
        for (QWidget *w : s->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(s) || w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            // A label or frame without a caption shows no words, so there is nothing to read.
            if ((qobject_cast<Label *>(w) || qobject_cast<Frame *>(w))
                && w->property("caption").toString().trimmed().isEmpty())
                continue;
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
            if (a && !a->state().invisible && a->text(QAccessible::Name).trimmed().isEmpty())
                nameless << w->objectName();
        }
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QLatin1Char(' '))));
        // The start screen has no title; as a dialog it is still named, and its text is read.
        if (name == QLatin1String("frmmecenaat1")) {
            QAccessibleInterface *window = QAccessible::queryAccessibleInterface(s);
            QCOMPARE(window->text(QAccessible::Name), QStringLiteral("getalveld"));
            QCOMPARE(window->role(), QAccessible::Dialog);
            QCOMPARE(s->windowTitle(), QString());
        }
        if (name == QLatin1String("Frmtabulonrijen")) {
            QCOMPARE(spokenName(s, "txtinvul(0)"), QStringLiteral("rij erboven, vak 1"));
            QCOMPARE(spokenName(s, "txtinvul(8)"), QStringLiteral("rij van het getal, vak 4"));
            QCOMPARE(spokenName(s, "txt100rij(9)"), QStringLiteral("gegeven getal"));
            // Its buttons show a hamster: they are read by what their tooltip says.
            QCOMPARE(spokenName(s, "cmdcontrole"), QStringLiteral("controle"));
            QCOMPARE(spokenName(s, "cmdnieuw"), QStringLiteral("nieuw"));
            QCOMPARE(spokenName(s, "cmdstart"), QStringLiteral("start"));
        }
    }

    // The choice board's picture buttons are read as the exercise they open.
    void choiceBoardButtonsSayTheirExercise()
    {
        Screen *board = screen("frmkiesbasis");
        if (!board) {
            QVERIFY(click(screen("frmmecenaat1"), "cmdkombinnen"));
            board = screen("frmkiesbasis");
        }
        QVERIFY(board);
        QCOMPARE(spokenName(board, "cmdtabulonzoek"), QStringLiteral("zoek het getal op het tabulon"));
        QCOMPARE(spokenName(board, "cmdeinde"), QStringLiteral("einde"));
        for (QWidget *w : board->findChildren<CommandButton *>())
            QVERIFY2(!spokenName(board, w->objectName()).isEmpty(), qPrintable(w->objectName()));
    }
};

QTEST_MAIN(Classroom)
#include "tst_classroom.moc"
