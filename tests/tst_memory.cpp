#include "support.h"

#include <QBackingStore>
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

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

} // namespace

class Memory : public QObject
{
    Q_OBJECT

    Program program;

private slots:
    void init() { program.start(); }
    void cleanup() { program.stop(); }

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

QTEST_MAIN(Memory)
#include "tst_memory.moc"
