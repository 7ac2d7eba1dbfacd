#include "support.h"

#include "board/pictures.h"
#include "board/screen.h"

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <memory>
#include <QSvgRenderer>
#include <QTest>

using namespace getalveld;
using namespace getalveld::test;

namespace {

// The picture drawn straight from its SVG, as the program draws every size it has no
// ready-made one for.
QImage fromSource(const QString &name, const QSize &pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QSvgRenderer svg(QStringLiteral(":/pictures/") + name + QStringLiteral(".svg"));
    svg.setAspectRatioMode(Qt::KeepAspectRatio);
    svg.render(&painter);
    return image;
}

// The plugins of one kind this process has loaded, by their files.
QStringList loadedPlugins(const QString &kind)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(no /proc/self/maps)")};
    QStringList found;
    for (const QByteArray &line : maps.readAll().split('\n'))
        if (line.contains("/plugins/" + kind.toUtf8() + '/'))
            found.append(QString::fromUtf8(line.mid(line.lastIndexOf(' ') + 1)));
    found.removeDuplicates();
    return found;
}

QImage asImage(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

// The start draws its pictures and window icon from ones rendered ahead of time, which look
// exactly as the SVG would; every other size still comes from the SVG.
class Start : public QObject
{
    Q_OBJECT
    Program program;

private slots:
    void cleanup() { program.stop(); }

    void startScreenAndIconNeedNoSvg()
    {
        const int before = picturesDrawnFromSource();
        program.start();
        Screen *start = screen(QStringLiteral("frmmecenaat1"));
        QVERIFY(start);
        QVERIFY(QTest::qWaitForWindowExposed(start));
        // Every picture of the start screen, painted as the pupil sees it.
        const QImage shown = start->grab().toImage();
        QVERIFY(!shown.isNull());
        QVERIFY(!control(start, QStringLiteral("cmdkombinnen"))->grab().isNull());

        // The sizes the window system asks of the window icon on X11.
        for (const QIcon &icon : {QApplication::windowIcon(), program.frame->windowIcon()}) {
            QVERIFY(!icon.isNull());
            for (int side : {16, 32, 64, 128}) {
                const QImage normal = asImage(icon.pixmap(QSize(side, side)));
                QCOMPARE(normal, fromSource(QStringLiteral("logo"), QSize(side, side)));
                // A greyed icon is still made from it.
                const QImage greyed = asImage(icon.pixmap(QSize(side, side), QIcon::Disabled));
                QCOMPARE(greyed.size(), normal.size());
                QVERIFY(greyed != normal);
            }
        }
        QCOMPARE(picturesDrawnFromSource() - before, 0);
        // Neither the icon nor the menu bar loaded an image or icon plugin.
        QCOMPARE(loadedPlugins(QStringLiteral("imageformats")), QStringList());
        QCOMPARE(loadedPlugins(QStringLiteral("iconengines")), QStringList());

        // The menu bar's overflow button gets the toolkit's own arrow once it is drawn.
        auto *overflow = program.frame->findChild<QMenuBar *>()->findChild<QWidget *>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(overflow);
        const QIcon arrow = overflow->property("icon").value<QIcon>();
        QVERIFY(!arrow.isNull());
        std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
        QCOMPARE(asImage(arrow.pixmap(QSize(16, 16))),
                 asImage(plain->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(QSize(16, 16))));

        // The ready-made pictures are byte for byte the SVG's.
        const QList<QPair<QString, QSize>> ready = {{QStringLiteral("coatofarms"), QSize(109, 114)},
                                                    {QStringLiteral("logo"), QSize(32, 28)}};
        for (const auto &[name, size] : ready)
            QCOMPARE(asImage(picture(name, size)), fromSource(name, size));
        QCOMPARE(picturesDrawnFromSource() - before, 0);

        // Any other size, and the same box at a higher scale, comes from the SVG.
        QCOMPARE(asImage(picture(QStringLiteral("coatofarms"), QSize(108, 114))),
                 fromSource(QStringLiteral("coatofarms"), QSize(108, 114)));
        QCOMPARE(picturesDrawnFromSource() - before, 1);
        QImage doubled = asImage(picture(QStringLiteral("logo"), QSize(32, 28), 2.0));
        QCOMPARE(doubled.devicePixelRatio(), 2.0);
        doubled.setDevicePixelRatio(1.0);
        QCOMPARE(doubled, fromSource(QStringLiteral("logo"), QSize(64, 56)));
        QCOMPARE(picturesDrawnFromSource() - before, 2);
    }
};

QTEST_MAIN(Start)
#include "tst_start.moc"
