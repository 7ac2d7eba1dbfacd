#include "support.h"

#include "board/controls.h"
#include "board/geometry.h"

#include <QBackingStore>
#include <QPainter>
#include <QScreen>
#include <QTest>

using namespace getalveld;
using namespace getalveld::test;

namespace {

// What the window system would show of a window: its backing store's picture.
QImage onDisplay(QWidget *window)
{
    return window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// The window as it should look now, painted afresh.
QImage asItShouldLook(QWidget *window)
{
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

// Cheaper ways to do what the screens did before must give the same result.
class Cost : public ProgramTest
{
    Q_OBJECT

private slots:
    // A plain rectangle is drawn without antialiasing; it must keep the pixels it had when
    // it was drawn smoothed. Only the two top corners differ: smoothing left them a shade
    // of the fill, now they are plain border like the other two.
    void plainRectangleKeepsItsPixels()
    {
        QWidget host;
        host.resize(500, 400);
        setRoleColour(&host, QPalette::Window, 0x00FFFFFF);
        host.setAutoFillBackground(true);
        Shape *shape = new Shape(&host, QStringLiteral("Shape2"), twipsRect(240, 1200, 6615, 5655), 0x00800000);
        shape->setBorderColor(0x000000FF);
        QImage drawn = host.grab().toImage().convertToFormat(QImage::Format_RGB32);

        QImage smoothed(drawn.size(), QImage::Format_RGB32);
        smoothed.fill(Qt::white);
        QPainter p(&smoothed);
        p.translate(shape->pos());
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(bgr(0x000000FF), 1));
        p.setBrush(bgr(0x00800000));
        p.drawRect(QRectF(shape->rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        p.end();

        const QRect r = shape->geometry();
        for (const QPoint corner : {r.topLeft(), r.topRight()}) {
            QCOMPARE(QColor(drawn.pixel(corner)), bgr(0x000000FF));
            smoothed.setPixel(corner, drawn.pixel(corner));
        }
        QCOMPARE(drawn, smoothed);
    }

    // A hidden screen gives up its window-sized picture, and when it shows again it must
    // show all of itself, not a stale or empty picture: the choice board changes nothing
    // on its return, so nothing else would make it paint.
    void hiddenScreenLetsGoOfItsPictureAndRepaintsOnReturn()
    {
        QVERIFY(click(screen("frmmecenaat1"), "cmdkombinnen"));
        Screen *board = screen("frmkiesbasis");
        settle();
        QCOMPARE(board->backingStore()->size(), board->size());
        QCOMPARE(onDisplay(board), asItShouldLook(board));

        QVERIFY(click(board, "cmdtabulonzoek"));
        settle();
        QVERIFY(board->isHidden());
        QCOMPARE(board->backingStore()->size(), QSize(1, 1));

        Screen *find = screen("frmtabulonzoek");
        QVERIFY(click(find, "cmdstop"));
        settle();
        QVERIFY(board->isVisible());
        QCOMPARE(board->backingStore()->size(), board->size());
        QCOMPARE(onDisplay(board), asItShouldLook(board));
        // The exercise, hidden in turn, comes back whole as well.
        QVERIFY(click(board, "cmdtabulonzoek"));
        settle();
        QCOMPARE(onDisplay(find), asItShouldLook(find));
    }
};

QTEST_MAIN(Cost)
#include "tst_cost.moc"
