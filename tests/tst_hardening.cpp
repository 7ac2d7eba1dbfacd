#include "support.h"

#include "app/program.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace getalveld;
using namespace getalveld::test;

namespace {
enum class How { Typed, Pasted, ContextMenu };
QString invul(int k) { return QStringLiteral("txtinvul(%1)").arg(k); }
QString text(Screen *s, const QString &name) { return control(s, name)->property("text").toString(); }

// What a pupil's keyboard or paste can put into the box that has the focus: a key per
// character (a character beyond the first plane comes as one key with both halves), or a
// paste with Ctrl+V or from the box's context menu.
void enter(QLineEdit *box, const QString &input, How how)
{
    QWidget *window = box->window();
    if (how == How::Typed) {
        for (qsizetype i = 0; i < input.size(); ++i) {
            const bool pair = input.at(i).isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate();
            const qsizetype n = pair ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, window->windowHandle(), Qt::Key_unknown, input.mid(i, n), {});
            i += n - 1;
        }
        return;
    }
    QApplication::clipboard()->setText(input);
    if (how == How::Pasted) {
        QTest::keySequence(window->windowHandle(), QKeySequence::Paste);
        return;
    }
    QTimer::singleShot(0, box, [] {
        if (QWidget *menu = QApplication::activePopupWidget()) {
            for (QAction *a : menu->actions())
                if (a->text().startsWith(QLatin1String("&Paste")))
                    a->trigger();
            menu->close();
        }
    });
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, box->mapTo(window, box->rect().center()));
}
} // namespace

class Hardening : public ProgramTest
{
    Q_OBJECT

    Screen *fillInTask()
    {
        Screen *s = openExercise("cmdtabulonrijen", "Frmtabulonrijen");
        script({rFor(45, 99)});
        return s && click(s, "cmdstart") ? s : nullptr;
    }

private slots:
    void leavingTheBoard_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("next");
        QTest::newRow("to another exercise") << "cmdtabulonlees" << "frmtabulonzoek2";
        QTest::newRow("to an exercise that disables the frame") << "cmdtabulonrijen" << "Frmtabulonrijen";
        QTest::newRow("to the closing screen") << "cmdeinde" << "frminfo";
    }
    // The menu shows the board beside an open exercise. Whatever the pupil opens from that
    // board stands alone: the exercise under the board goes too, keeping its state, so one
    // screen is shown and the closing screen is never beside another.
    void leavingTheBoard()
    {
        QFETCH(QString, button);
        QFETCH(QString, next);
        Screen *find = openExercise("cmdtabulonzoek", "frmtabulonzoek");
        QVERIFY(find);
        script({rFor(7, 9), rFor(4, 9)}); // 47
        QVERIFY(click(find, "cmdstart"));
        QVERIFY(click(find, "lbltabulon(12)"));
        QVERIFY(chooseMenu(program.frame, "aftrek2"));
        QCOMPARE(visibleScreens(), (QStringList{"frmkiesbasis", "frmtabulonzoek"}));

        QVERIFY(click(screen("frmkiesbasis"), button));
        QCOMPARE(visibleScreens(), QStringList{next});
        if (next == QLatin1String("frminfo"))
            return;
        QVERIFY(click(screen(next), "cmdstop"));
        QVERIFY(click(screen("frmkiesbasis"), "cmdtabulonzoek"));
        QCOMPARE(visibleScreens(), QStringList{"frmtabulonzoek"});
        QCOMPARE(caption(find, "lblfout"), QStringLiteral("1"));
    }

    void noSessionBusStarted_data()
    {
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<bool>("runtimeBus");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("no bus anywhere") << QByteArray() << false << QByteArray("disabled:");
        QTest::newRow("the desktop's bus") << QByteArray("unix:path=/run/user/1000/bus") << false
                                           << QByteArray("unix:path=/run/user/1000/bus");
        QTest::newRow("the user's bus in the runtime folder") << QByteArray() << true << QByteArray();
    }
    // Screen readers are reached over the desktop's session bus where there is one; where
    // there is none, the program must not start a bus daemon that outlives it.
    void noSessionBusStarted()
    {
        QFETCH(QByteArray, address);
        QFETCH(bool, runtimeBus);
        QFETCH(QByteArray, after);
        const QByteArray savedAddress = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        QTemporaryDir runtime;
        QVERIFY(runtime.isValid());
        if (runtimeBus) {
            QFile bus(runtime.filePath("bus"));
            QVERIFY(bus.open(QIODevice::WriteOnly));
        }
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        if (address.isEmpty())
            qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        else
            qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        program.stop();
        program.start();
        const QByteArray seen = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
        if (savedAddress.isEmpty())
            qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        else
            qputenv("DBUS_SESSION_BUS_ADDRESS", savedAddress);
        QCOMPARE(seen, after);
    }

    void fillInBoxTakesAnything_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<How>("how");
        QTest::addColumn<QString>("held");  // what the box holds before the check
        QTest::addColumn<QString>("after"); // and after it
        const How typed = How::Typed, pasted = How::Pasted;
        const QString picture = QStringLiteral("3\U0001F4212"), thousands(10000, u'3');
        const QString marks(10000, QChar(0x0301)), half = QString(u'3') + QChar(0xD83D) + u'2';
        QTest::newRow("nothing") << "" << typed << "" << "0";
        QTest::newRow("a sign before the right number") << "+32" << typed << "+32" << "+32";
        QTest::newRow("a minus") << "-32" << typed << "-32" << "-32";
        QTest::newRow("a leading zero") << "032" << typed << "032" << "032";
        QTest::newRow("a letter between digits") << "3a2" << typed << "3a2" << "0";
        QTest::newRow("a picture beyond the first plane") << picture << typed << picture << "0";
        QTest::newRow("a combining mark") << "32\u0301" << typed << "32\u0301" << "0";
        QTest::newRow("full-width digits") << "\uFF13\uFF12" << typed << "\uFF13\uFF12" << "0";
        QTest::newRow("a zero-width space") << "3\u200B2" << typed << "3\u200B2" << "0";
        QTest::newRow("a right-to-left mark") << "\u202E32" << typed << "\u202E32" << "0";
        QTest::newRow("two lines pasted") << "3\r\n2" << pasted << "3\r\n2" << "0";
        QTest::newRow("10,000 combining marks pasted") << marks << pasted << marks << "0";
        QTest::newRow("10,000 digits from the context menu") << thousands << How::ContextMenu << thousands
                                                             << thousands;
        // Half a character is no character: the box drops it, and what is left is right.
        QTest::newRow("half a picture typed") << half << typed << "32" << "32";
    }
    // Whatever a keyboard or a paste gives is kept as typed until the check, which turns
    // anything that does not read as a number into "0" and judges by exact text: only "32"
    // is right, and the screen goes on working.
    void fillInBoxTakesAnything()
    {
        QFETCH(QString, input);
        QFETCH(How, how);
        QFETCH(QString, held);
        QFETCH(QString, after);
        Screen *s = fillInTask();
        QVERIFY(s);
        auto *box = qobject_cast<QLineEdit *>(control(s, invul(1))); // 45 - 13
        QVERIFY(click(box));
        QCOMPARE(s->focusWidget(), box);
        enter(box, input, how);
        QCOMPARE(box->text(), held);
        QVERIFY(click(s, "txtinvul(0)"));
        enter(qobject_cast<QLineEdit *>(control(s, invul(0))), "31", How::Typed);
        QVERIFY(click(s, "cmdcontrole"));

        const bool right = after == QLatin1String("32");
        QCOMPARE(text(s, invul(1)), after);
        QCOMPARE(backColor(s, invul(1)), right ? yellow : red);
        QCOMPARE(backColor(s, invul(0)), yellow);
        QCOMPARE(caption(s, "lblteller"), right ? QStringLiteral("2") : QStringLiteral("1"));
        QVERIFY(click(s, "cmdnieuw"));
        script({rFor(50, 99)});
        QVERIFY(click(s, "cmdstart"));
        QCOMPARE(text(s, "txt100rij(9)"), QStringLiteral("50"));
    }

    void givenNumberBox_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("count"); // with box 0 typed right
        QTest::newRow("zero") << "0" << 2;
        QTest::newRow("two zeros") << "00" << 1;
        QTest::newRow("a blank and zero") << " 0" << 1;
        QTest::newRow("nothing") << "" << 1;
        QTest::newRow("an Arabic-Indic zero") << QStringLiteral("\u0660") << 1;
        QTest::newRow("a picture") << QStringLiteral("\U0001F439") << 1;
        QTest::newRow("10,000 zeros") << QString(10000, u'0') << 1;
    }
    // The given-number box is an ordinary box: the pupil may overwrite it with anything. It
    // counts as a right cell only when it reads exactly "0", and keeps what was typed.
    void givenNumberBox()
    {
        QFETCH(QString, input);
        QFETCH(int, count);
        Screen *s = fillInTask();
        QVERIFY(s);
        auto *given = qobject_cast<QLineEdit *>(control(s, "txt100rij(9)"));
        QVERIFY(click(given));
        QTest::keySequence(s->windowHandle(), QKeySequence::SelectAll);
        QTest::keyClick(s->windowHandle(), Qt::Key_Delete);
        enter(given, input, input.size() > 100 ? How::Pasted : How::Typed);
        QCOMPARE(given->text(), input);
        QVERIFY(click(s, "txtinvul(0)"));
        enter(qobject_cast<QLineEdit *>(control(s, invul(0))), "31", How::Typed);
        QVERIFY(click(s, "cmdcontrole"));
        QCOMPARE(caption(s, "lblteller"), QString::number(count));
        QCOMPARE(given->text(), input);
    }

    // The option chart's answer box shows what was clicked; no key or paste reaches it.
    void answerBoxTakesNoTyping()
    {
        Screen *s = openExercise("cmdtabulon", "frmtabulon");
        QVERIFY(s);
        auto *answer = qobject_cast<QLineEdit *>(control(s, "txtwaarde"));
        QVERIFY(!click(answer) || s->focusWidget() != answer);
        enter(answer, "12", How::Typed);
        enter(answer, QStringLiteral("\U0001F439"), How::Pasted);
        QCOMPARE(answer->text(), QString());
    }
};

QTEST_MAIN(Hardening)
#include "tst_hardening.moc"
