#include "support.h"

#include "exercises100/frmtabulonrijen.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

using namespace getalveld;
using namespace getalveld::test;

namespace {
QString invul(int k) { return QStringLiteral("txtinvul(%1)").arg(k); }
QString rij(int k) { return QStringLiteral("txt100rij(%1)").arg(k); }
QString text(Screen *s, const QString &name) { return control(s, name)->property("text").toString(); }
constexpr quint32 white = 0x00FFFFFF;
const int offsets[15] = {-14, -13, -12, -11, -10, -4, -3, -2, -1, 0, 6, 7, 8, 9, 10};
int shownPictures(Screen *s, const char *array)
{
    int n = 0;
    for (int k = 0; k < 15; ++k)
        n += shown(s, QStringLiteral("%1(%2)").arg(array).arg(k)) ? 1 : 0;
    return n;
}
} // namespace

class FillRows : public ProgramTest
{
    Q_OBJECT

    Screen *startTask(std::vector<double> draws)
    {
        Screen *s = screen("Frmtabulonrijen") ? screen("Frmtabulonrijen")
                                              : openExercise("cmdtabulonrijen", "Frmtabulonrijen");
        script(draws);
        return s && click(s, "cmdstart") ? s : nullptr;
    }
    // As a pupil: a click into the box empties it, then typing or pasting.
    static bool type(Screen *s, const QString &box, const QString &typed, bool paste = false)
    {
        auto *edit = qobject_cast<QLineEdit *>(control(s, box));
        edit->setText(QStringLiteral("old"));
        if (!click(edit) || !edit->text().isEmpty())
            return false;
        if (paste) {
            QApplication::clipboard()->setText(typed);
            QTest::keySequence(edit, QKeySequence::Paste);
        } else {
            QTest::keyClicks(edit, typed);
        }
        return edit->text() == typed;
    }

private slots:
    void givenNumber_data()
    {
        QTest::addColumn<std::vector<double>>("draws");
        QTest::addColumn<int>("given");
        QTest::newRow("88 on the first draw") << std::vector<double>{rFor(88, 99)} << 88;
        QTest::newRow("88 later is drawn again") << std::vector<double>{0.0, rFor(88, 99), 0.9999, rFor(87, 99)} << 87;
        QTest::newRow("15, then 16") << std::vector<double>{rFor(15, 99), rFor(16, 99)} << 16;
    }
    // The block is the chart's: ten less above, one less to the left, also across a row's end.
    void givenNumber()
    {
        QFETCH(std::vector<double>, draws);
        QFETCH(int, given);
        Screen *s = startTask(draws);
        QVERIFY(s);
        QCOMPARE(program.random->remaining(), size_t(0));
        QCOMPARE(caption(s, "lblbeloning"), " welke getallen staan bij  " + QString::number(given));
        for (int k = 0; k < 15; ++k)
            QCOMPARE(text(s, rij(k)), QString::number(given + offsets[k]));
    }

    // Every count has its text, the trailing blanks included; 15 only with the given number "0".
    void rewardTexts()
    {
        const QStringList texts = {"vraag best even hulp ", "je moet nog wat oefenen ", "dat gaat al aardig",
                                   "dat is goed", "dat is prima", "dat is uitstekend", "dat is super"};
        for (int count = 0; count <= 15; ++count)
            QCOMPARE(rewardTextFor(count), texts[qMax(0, count - 9)]);
    }

    void check_data()
    {
        QTest::addColumn<int>("right");     // of the fourteen, typed right
        QTest::addColumn<QString>("given"); // in the given-number box at the check
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("reward");
        QTest::newRow("all fourteen") << 14 << "45" << 14 << "dat is uitstekend";
        QTest::newRow("none") << 0 << "45" << 0 << "vraag best even hulp ";
        QTest::newRow("exactly ten") << 10 << "45" << 10 << "je moet nog wat oefenen ";
        QTest::newRow("given number overwritten with 0") << 14 << "0" << 15 << "dat is super";
    }
    // One check judges every box by exact text, counts, and shows count + 1 pictures of each
    // kind, but never more than the fifteen there are.
    void check()
    {
        QFETCH(int, right);
        QFETCH(QString, given);
        QFETCH(int, count);
        QFETCH(QString, reward);
        Screen *s = startTask({rFor(45, 99)});
        QVERIFY(s);
        QCOMPARE(s->focusWidget(), control(s, invul(8)));
        QCOMPARE(backColor(s, rij(9)), yellow);
        QVERIFY(!shown(s, "cmdstart") && !shown(s, "cmdstop") && shown(s, "cmdcontrole"));
        int typed = 0;
        for (int k : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14}) {
            // Wrong in every way: a leading zero, a blank, a neighbour, nothing at all.
            const QString expected = QString::number(45 + offsets[k]);
            const QString wrong[] = {"0" + expected, " " + expected, QString::number(46 + offsets[k]), QString()};
            const QString answer = typed++ < right ? expected : wrong[k % 4];
            if (!answer.isEmpty())
                QVERIFY(type(s, invul(k), answer));
        }
        if (given != "45") {
            auto *box = qobject_cast<QLineEdit *>(control(s, rij(9)));
            QVERIFY(click(box));
            box->selectAll();
            QTest::keyClicks(box, given);
        }
        QVERIFY(click(s, "cmdcontrole"));

        QCOMPARE(caption(s, "lblteller"), QString::number(count));
        QCOMPARE(caption(s, "lblbeloning"), reward);
        QCOMPARE(shownPictures(s, "imgvlinder"), qMin(count + 1, 15));
        QCOMPARE(shownPictures(s, "imgbloem"), qMin(count + 1, 15));
        int yellows = 0;
        for (int k = 0; k < 15; ++k) {
            const bool isRight = text(s, invul(k)) == text(s, rij(k));
            QCOMPARE(backColor(s, invul(k)), isRight ? yellow : red);
            yellows += isRight && k != 9 ? 1 : 0;
            QVERIFY(!text(s, invul(k)).isEmpty()); // an empty box reads "0" now
        }
        QCOMPARE(yellows, right);
        QVERIFY(!shown(s, "cmdcontrole") && shown(s, "cmdnieuw") && !shown(s, "cmdstart"));
        QCOMPARE(s->focusWidget(), control(s, "cmdnieuw"));
    }

    void badInput_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("after"); // what the box shows after the check
        QTest::newRow("blanks") << "   " << "0";
        QTest::newRow("letters") << "drie" << "0";
        QTest::newRow("signs only") << "+-" << "0";
        QTest::newRow("two separators") << "3.2,1" << "0";
        QTest::newRow("a sign and a decimal comma") << "-3,5" << "-3,5";
        QTest::newRow("blanks around") << " 32 " << " 32 ";
        QTest::newRow("emoji") << QStringLiteral("\U0001F439\U0001F3A9") << "0";
        QTest::newRow("right to left") << QStringLiteral("\u05E9\u05DC\u05D5\u05DD 32") << "0";
        QTest::newRow("combining marks") << QStringLiteral("3\u03022\u0301") << "0";
        QTest::newRow("other digits") << QStringLiteral("\u0663\u0662") << "0";
        QTest::newRow("10,000 letters") << QString(10000, u'x') << "0";
        QTest::newRow("10,000 digits") << QString(10000, u'3') << QString(10000, u'3');
    }
    // Whatever lands in a box is judged wrong and harms nothing else; near-numbers stay so the
    // pupil sees what was typed, anything else becomes "0".
    void badInput()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        Screen *s = startTask({rFor(45, 99)});
        QVERIFY(s);
        QVERIFY(type(s, invul(1), pasted, true)); // 32 is expected there
        QVERIFY(type(s, invul(0), "31"));
        QVERIFY(click(s, "cmdcontrole"));
        QCOMPARE(text(s, invul(1)), after);
        QCOMPARE(backColor(s, invul(1)), red);
        QCOMPARE(backColor(s, invul(0)), yellow);
        QCOMPARE(caption(s, "lblteller"), QStringLiteral("1"));
    }

    // New clears the block and the given number; stop empties the task line; activation puts
    // the background back.
    void newAndStop()
    {
        Screen *s = startTask({rFor(50, 99)});
        QVERIFY(s);
        QVERIFY(type(s, invul(8), "49"));
        QVERIFY(click(s, "cmdcontrole"));
        QVERIFY(click(s, "cmdnieuw"));
        QCOMPARE(caption(s, "lblbeloning"), QStringLiteral("nog eens ?"));
        QCOMPARE(caption(s, "lblteller"), QStringLiteral("0"));
        QCOMPARE(text(s, rij(9)), QString());
        QCOMPARE(shownPictures(s, "imgvlinder") + shownPictures(s, "imgbloem"), 0);
        QCOMPARE(text(s, invul(8)), QString());
        QCOMPARE(backColor(s, invul(8)), white);
        QVERIFY(shown(s, "cmdstart") && shown(s, "cmdstop") && !shown(s, "cmdnieuw") && !shown(s, "cmdcontrole"));
        QCOMPARE(s->focusWidget(), control(s, "cmdstart"));

        QVERIFY(click(s, "cmdstop"));
        QCOMPARE(visibleScreens(), QStringList{"frmkiesbasis"});
        QCOMPARE(caption(s, "lblbeloning"), QString());
        s->setProperty("backColor", quint32(0x00FFFFFF));
        QVERIFY(click(screen("frmkiesbasis"), "cmdtabulonrijen"));
        QCOMPARE(s->property("backColor").value<quint32>(), quint32(0x008BB816));
    }
};

QTEST_MAIN(FillRows)
#include "tst_fillrows.moc"
