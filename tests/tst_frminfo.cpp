#include "support.h"

#include "app/credits.h"
#include "app/statusbar.h"
#include "board/geometry.h"

#include <QApplication>
#include <QLocale>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cmath>

using namespace getalveld;
using namespace getalveld::test;

class ClosingScreen : public QObject
{
    Q_OBJECT

    Program program;
    Screen *info = nullptr;
    StatusBar *bar = nullptr;
    QProgressBar *progress = nullptr;
    QTimer *timer = nullptr;

    // Ticks are driven here, one by one; the real 75 ms timer must not tick in between.
    void holdTimer()
    {
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 75);
        timer->stop();
    }
    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QVERIFY(QMetaObject::invokeMethod(info, "Timer1_Timer"));
    }

private slots:
    void init()
    {
        program.start();
        QVERIFY(click(screen("frmmecenaat1"), "cmdkombinnen"));
        QVERIFY(click(screen("frmkiesbasis"), "cmdeinde"));
        info = screen("frminfo");
        QVERIFY(info);
        bar = info->findChild<StatusBar *>("StatusBar1");
        progress = info->findChild<QProgressBar *>("ProgressBar1");
        timer = info->findChild<QTimer *>("Timer1");
        QVERIFY(bar && progress && timer);
        holdTimer();
    }
    void cleanup() { program.stop(); }

    // After loading: the bar sits in the second panel at 0 of 150; the credits are up.
    void loaded()
    {
        QCOMPARE(info->property("caption").toString(), QString());
        QCOMPARE(progress->parentWidget(), static_cast<QWidget *>(bar));
        QVERIFY(progress->isVisible());
        QCOMPARE(progress->minimum(), 0);
        QCOMPARE(progress->maximum(), 150);
        QCOMPARE(progress->value(), 0);
        const StatusBar::Bounds part = bar->partBounds(1);
        QCOMPARE(progress->geometry(), QRect(part.left, part.top, part.right - part.left, part.bottom - part.top));
        QCOMPARE(bar->partBounds(0).right, px(2000));
        QCOMPARE(bar->partBounds(4).right - bar->partBounds(3).right, px(3000));
        QCOMPARE(bar->shownText(1), credits::scrollingLine());
        QVERIFY(bar->panel(1).tag.isEmpty());
        QCOMPARE(bar->shownText(5), QStringLiteral("Gratis software"));
        const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
        QCOMPARE(bar->shownText(3), dutch.toString(QDate::currentDate(), QLocale::ShortFormat));
        QCOMPARE(caption(info, "lblgeld"), credits::distributionNote());
        QVERIFY(caption(info, "lblgeld").contains(QStringLiteral("\r\n")));
    }

    // The first tick pads the line with a panel's width of blanks; each tick takes one
    // character off the front; an empty line starts over from the padded text.
    void scrolling()
    {
        const QString line = credits::scrollingLine();
        tick();
        const double blank = QFontMetricsF(info->font()).horizontalAdvance(u' ') * 15;
        const int n = int(std::nearbyint(2000 / blank));
        QVERIFY(n > 10);
        QCOMPARE(bar->panel(1).tag, QString(n, u' ') + line);
        QCOMPARE(bar->shownText(1), QString(n - 1, u' ') + line);
        tick(2);
        QCOMPARE(bar->shownText(1), QString(n - 3, u' ') + line);

        bar->setPanelText(1, QStringLiteral("ab"));
        tick();
        QCOMPARE(bar->shownText(1), QStringLiteral("b"));
        tick();
        QCOMPARE(bar->shownText(1), QString());
        tick();
        QCOMPARE(bar->shownText(1), bar->panel(1).tag);
    }

    // The bar follows the ticks and never gets 151; after tick 151 the screen hides and
    // the process ends.
    void runsOut()
    {
        QSignalSpy values(progress, &QProgressBar::valueChanged);
        tick(150);
        QCOMPARE(progress->value(), 150);
        QCOMPARE(values.size(), 150);
        QCOMPARE(program.processEnds, 0);
        QVERIFY(info->isVisible());
        tick();
        QCOMPARE(program.processEnds, 1);
        QVERIFY(!info->isVisible());
        QVERIFY(!timer->isActive());
        QCOMPARE(progress->parentWidget(), static_cast<QWidget *>(info));
        QVERIFY(progress->isHidden());
        QCOMPARE(values.size(), 150);
        for (const auto &args : values)
            QVERIFY(args.at(0).toInt() <= 150);
    }

    // An activation puts the bar back to 0 while the count runs on; the end comes after
    // tick 151 all the same.
    void activationResetsTheBar()
    {
        tick(40);
        QCOMPARE(progress->value(), 40);
        QEvent other(QEvent::WindowActivate), back(QEvent::WindowActivate);
        QApplication::sendEvent(program.frame, &other);
        QApplication::sendEvent(info, &back);
        QCOMPARE(progress->value(), 0);
        QCOMPARE(progress->parentWidget(), static_cast<QWidget *>(bar));
        holdTimer(); // enabled again by the activation
        tick();
        QCOMPARE(progress->value(), 41);
        tick(109);
        QCOMPARE(program.processEnds, 0);
        tick();
        QCOMPARE(program.processEnds, 1);
    }
};

QTEST_MAIN(ClosingScreen)
#include "tst_frminfo.moc"
