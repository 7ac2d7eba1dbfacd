#include "board/announce.h"
#include "board/cell.h"
#include "board/controls.h"
#include "board/exerciselayout.h"
#include "board/geometry.h"
#include "board/hundredchart.h"
#include "board/optionbutton.h"
#include "board/random.h"
#include "board/textbox.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <set>

using namespace getalveld;

namespace {
QList<QAccessible::Event> heard;
void hear(QAccessibleEvent *event)
{
    heard.append(event->type());
}
} // namespace

class Board : public QObject
{
    Q_OBJECT

private slots:
    void cellPlaces_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("pixels"); // inside the chart frame
        QTest::newRow("1 top left") << 1 << QRect(16, 48, 37, 33);
        QTest::newRow("10 top right") << 10 << QRect(304, 48, 37, 33);
        QTest::newRow("11 second row") << 11 << QRect(16, 80, 37, 33);
        QTest::newRow("47") << 47 << QRect(208, 176, 37, 33);
        QTest::newRow("100 bottom right") << 100 << QRect(304, 336, 37, 33);
        QTest::newRow("0 above 10") << 0 << QRect(304, 16, 37, 33);
    }
    // The index of a cell is its number: row (n - 1) div 10, column (n - 1) mod 10.
    void cellPlaces()
    {
        QFETCH(int, index);
        QFETCH(QRect, pixels);
        QWidget screen;
        HundredChart chart(&screen, 4320, ChartInput::Open);
        QCOMPARE(chart.cell(index)->geometry(), pixels);
        QCOMPARE(chart.cell(index)->objectName(), QStringLiteral("lbltabulon(%1)").arg(index));
    }

    void designResetNumber()
    {
        QWidget screen;
        HundredChart chart(&screen, 4320, ChartInput::Open);
        for (int i = 0; i <= 100; ++i) {
            const bool shownAtDesign = i <= 10 || i % 10 == 0;
            QCOMPARE(chart.cell(i)->caption(), shownAtDesign ? QString::number(i) : QString());
            QCOMPARE(chart.cell(i)->font().pointSizeF(), 14.25);
        }
        chart.cell(3)->setBackColor(colour::cellRed);
        chart.number();
        for (int i = 0; i <= 100; ++i) {
            QCOMPARE(chart.cell(i)->caption(), QString::number(i));
            QVERIFY(chart.cell(i)->font().bold());
            QCOMPARE(chart.cell(i)->font().pointSizeF(), 13.0);
        }
        chart.reset();
        for (int i = 0; i <= 100; ++i) {
            QCOMPARE(chart.cell(i)->caption(), QString());
            QCOMPARE(chart.cell(i)->backColor(), colour::cellGrey);
            QVERIFY(chart.cell(i)->font().bold()); // reset keeps the font
        }
    }

    // A disabled chart ignores clicks, but the pupil still sees its colours, not greyed cells.
    void disabledChartKeepsItsColours()
    {
        QWidget screen;
        screen.resize(700, 500);
        HundredChart chart(&screen, 4320, ChartInput::Open);
        chart.number();
        chart.cell(47)->setBackColor(colour::cellGreen);
        screen.show();
        const QImage before = chart.frame100->grab().toImage();
        chart.setEnabled(false);
        QVERIFY(!chart.cell(47)->isEnabled());
        const QImage after = chart.frame100->grab().toImage();
        QCOMPARE(after, before);
        QCOMPARE(chart.cell(47)->grab().toImage().pixelColor(4, 4), bgr(colour::cellGreen));
    }

    // Captions keep their blanks, and a carriage return + line feed is one line break.
    void captions()
    {
        QWidget screen;
        Label label(&screen, QStringLiteral("lblmemo"), QRect(0, 0, 120, 60));
        label.setCaption(QStringLiteral("kolom 7\r\n rij tot  50"));
        QCOMPARE(label.property("caption").toString(), QStringLiteral("kolom 7\r\n rij tot  50"));
        QCOMPARE(label.text(), QStringLiteral("kolom 7\n rij tot  50"));
        label.setCaption(QStringLiteral(" prima"));
        QCOMPARE(label.property("caption").toString(), QStringLiteral(" prima"));
        label.setProperty("backColor", quint32(0x0000FF00));
        QCOMPARE(label.palette().color(QPalette::Window), QColor(0, 0xFF, 0));
        QCOMPARE(label.property("foreColor").value<quint32>(), quint32(0));
    }

    // Every control keeps its look the same way: a colour or caption set reads back through the
    // property, and setting what a control already shows changes nothing, so a screen reader
    // hears a counter or a cell's verdict once.
    void lookSetOnce_data()
    {
        using Make = std::function<QWidget *(QWidget *)>;
        QTest::addColumn<Make>("make");
        QTest::addColumn<bool>("hasCaption");
        QTest::addColumn<int>("heardOnBack");    // announcements of a new background
        QTest::addColumn<int>("heardOnCaption"); // and of a new caption
        const QRect r(0, 0, 80, 40);
        const QString n = QStringLiteral("c");
        QTest::newRow("label") << Make([=](QWidget *p) { return new Label(p, n, r); }) << true << 0 << 1;
        QTest::newRow("cell") << Make([=](QWidget *p) { return new Cell(p, n, r); }) << true << 1 << 0;
        QTest::newRow("button") << Make([=](QWidget *p) { return new CommandButton(p, n, r); }) << true << 0 << 0;
        QTest::newRow("option") << Make([=](QWidget *p) { return new OptionButton(p, n, r); }) << true << 0 << 0;
        QTest::newRow("frame") << Make([=](QWidget *p) { return new Frame(p, n, r); }) << true << 0 << 0;
        QTest::newRow("textbox") << Make([=](QWidget *p) { return new TextBox(p, n, r); }) << false << 0 << 0;
        QTest::newRow("shape") << Make([=](QWidget *p) { return new Shape(p, n, r, 0x00FFFFFF); }) << false << 0 << 0;
    }
    void lookSetOnce()
    {
        QFETCH(std::function<QWidget *(QWidget *)>, make);
        QFETCH(bool, hasCaption);
        QFETCH(int, heardOnBack);
        QFETCH(int, heardOnCaption);
        QWidget screen;
        QWidget *control = make(&screen);
        screen.show();
        heard.clear();
        listenInProcess(hear);
        for (int twice = 0; twice < 2; ++twice) {
            QVERIFY(control->setProperty("backColor", quint32(0x000000FF)));
            QCOMPARE(control->property("backColor").value<quint32>(), quint32(0x000000FF));
            QCOMPARE(int(heard.count(QAccessible::DescriptionChanged)), heardOnBack);
            if (hasCaption) {
                QVERIFY(control->setProperty("caption", QStringLiteral("47")));
                QCOMPARE(control->property("caption").toString(), QStringLiteral("47"));
                QCOMPARE(int(heard.count(QAccessible::NameChanged)), heardOnCaption);
            }
        }
        listenInProcess(nullptr);
        if (control->metaObject()->indexOfProperty("foreColor") >= 0) {
            QVERIFY(control->setProperty("foreColor", quint32(0x00FF0000)));
            QCOMPARE(control->property("foreColor").value<quint32>(), quint32(0x00FF0000));
        }
    }

    // A text box takes a click as a label does: a double-click is one click, and a press
    // released outside the box is none.
    void textBoxClicks()
    {
        QWidget screen;
        TextBox box(&screen, QStringLiteral("txtgetal"), QRect(0, 0, 80, 30));
        screen.show();
        QSignalSpy clicks(&box, &TextBox::clicked);
        const auto send = [&](QEvent::Type type, Qt::MouseButton button, QPoint at = QPoint(40, 15)) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
            QMouseEvent event(type, at, box.mapToGlobal(at), button, held, Qt::NoModifier);
            QCoreApplication::sendEvent(&box, &event);
        };
        const auto click = [&](Qt::MouseButton button, QPoint releasedAt = QPoint(40, 15)) {
            send(QEvent::MouseButtonPress, button);
            send(QEvent::MouseButtonRelease, button, releasedAt);
            return int(clicks.count());
        };
        QCOMPARE(click(Qt::LeftButton), 1);
        // The double-click's second press starts no click.
        send(QEvent::MouseButtonDblClick, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(click(Qt::LeftButton, QPoint(200, 15)), 1);
        QCOMPARE(click(Qt::RightButton), 1);
        QCOMPARE(click(Qt::LeftButton), 2);
    }

    // A score block placed anywhere: its rows in the layout's order, 360 twips (24 pixels)
    // apart, each counter counting on its own and all three back to 0 together.
    void scoreBlock_data()
    {
        QTest::addColumn<bool>("helpFirst");
        QTest::newRow("correct, wrong, help") << false;
        QTest::newRow("help, correct, wrong") << true;
    }
    void scoreBlock()
    {
        QFETCH(bool, helpFirst);
        QWidget screen;
        ScoreLayout layout = chartScoreLayout();
        if (helpFirst) {
            layout.rows = ScoreLayout::Rows::HelpCorrectWrong;
            layout.at = QPoint(10200, 5160);
            layout.helpName = QStringLiteral("Label10");
        }
        ScoreBlock score(&screen, layout);
        const auto top = [&](const char *name) {
            return screen.findChild<Label *>(QLatin1String(name))->geometry().top();
        };
        const int first = px(layout.at.y());
        QCOMPARE(top(helpFirst ? "Label10" : "lbljuist2"), first);
        QCOMPARE(top("lbljuist"), helpFirst ? first + 24 : first);
        QCOMPARE(top("lblfout"), top("lbljuist") + 24);
        QCOMPARE(top("lblhelp"), helpFirst ? first : first + 48);
        QCOMPARE(score.lbljuist->geometry().left(), px(layout.valueLeft));
        score.addCorrect();
        score.addWrong();
        score.addWrong();
        score.addHelp();
        QCOMPARE(QStringList({score.lbljuist->caption(), score.lblfout->caption(), score.lblhelp->caption()}),
                 QStringList({"1", "2", "1"}));
        score.zero();
        QCOMPARE(QStringList({score.lbljuist->caption(), score.lblfout->caption(), score.lblhelp->caption()}),
                 QStringList({"0", "0", "0"}));
        QCOMPARE(score.correctCount + score.wrongCount + score.helpCount, 0);
    }

    // Two reseeds within one clock tick must not give the same draws.
    void clockReseedsDiffer()
    {
        ClockRandom a, b;
        a.reseed();
        b.reseed();
        std::set<double> firsts;
        for (int i = 0; i < 50; ++i) {
            a.reseed();
            firsts.insert(a.next());
        }
        QCOMPARE(firsts.size(), size_t(50));
        QVERIFY(a.next() != b.next());
        for (int i = 0; i < 10000; ++i) {
            const double r = a.next();
            QVERIFY(r >= 0.0 && r < 1.0);
        }
    }
};

QTEST_MAIN(Board)
#include "tst_board.moc"
