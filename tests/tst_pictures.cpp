#include "support.h"

#include "app/credits.h"
#include "board/controls.h"
#include "board/pictures.h"

#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QResource>
#include <QTest>

using namespace getalveld;
using namespace getalveld::test;

namespace {

QImage at32(const QString &name)
{
    return picture(name, QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
}

// How far two pictures differ on average, per pixel: the sum of the four channels' differences.
double meanDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            sum += qAbs(p.red() - q.red()) + qAbs(p.green() - q.green()) + qAbs(p.blue() - q.blue())
                   + qAbs(p.alpha() - q.alpha());
        }
    return sum / (a.width() * a.height());
}

int differingPixels(const QImage &a, const QImage &b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            if (qAbs(p.red() - q.red()) + qAbs(p.green() - q.green()) + qAbs(p.blue() - q.blue())
                    + qAbs(p.alpha() - q.alpha()) > 48)
                ++n;
        }
    return n;
}

QStringList numbered(const QString &pattern, int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names.append(pattern.arg(i, 2, 10, QLatin1Char('0')));
    return names;
}

} // namespace

class Pictures : public QObject
{
    Q_OBJECT

    // Every group whose members must be told apart, even at 32 x 32 pixels.
    static QList<QStringList> distinctGroups()
    {
        return {numbered(QStringLiteral("hamster%1"), 0, 29),
                numbered(QStringLiteral("flag1-%1"), 0, 19) + numbered(QStringLiteral("flag2-%1"), 0, 19),
                {"reward0", "reward1", "reward2", "reward3", "reward4", "reward5", "reward6", "reward7", "reward8", "reward9"},
                {"person1", "person2", "person3", "person4", "person5", "person6"},
                numbered(QStringLiteral("figure%1"), 0, 19),
                {"balloons", "mouse", "robot", "star", "duck", "icelolly", "dumptruck", "candle", "musicnote", "fishbowl",
                 "saucer", "sun", "castle", "start", "stop", "check", "new", "help", "coatofarms", "logo", "decorsun"},
                {"veld1", "veld2", "veld3", "veld4", "veld5", "veld6", "veld7", "veld8", "veld9", "veld10"}};
    }

private slots:
    void initTestCase() { loadBundledFonts(); }

    // Every entry loads and draws something, and every name the screens need is there.
    void everyPictureDraws()
    {
        QStringList needed = {"reward", "blackboard"};
        for (const QStringList &group : distinctGroups())
            needed += group;
        const QStringList all = pictureNames();
        for (const QString &name : needed)
            QVERIFY2(all.contains(name), qPrintable(name));
        for (const QString &name : all) {
            const QImage image = at32(name);
            QVERIFY2(!image.isNull(), qPrintable(name));
            int opaque = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    opaque += image.pixelColor(x, y).alpha() > 128 ? 1 : 0;
            QVERIFY2(opaque > 40, qPrintable(name));
        }
        QVERIFY(picture(QStringLiteral("no such picture"), QSize(32, 32)).isNull());
    }

    // Pictures meant to differ really differ.
    void groupsDiffer()
    {
        for (const QStringList &group : distinctGroups()) {
            QList<QImage> images;
            for (const QString &name : group)
                images.append(at32(name));
            for (int i = 0; i < images.size(); ++i)
                for (int j = i + 1; j < images.size(); ++j)
                    QVERIFY2(differingPixels(images[i], images[j]) >= 20,
                             qPrintable(group[i] + QStringLiteral(" looks like ") + group[j]));
        }
    }

    // Rendered once per size and kept: a second request gives the same pixmap.
    void cached()
    {
        const QPixmap a = picture(QStringLiteral("duck"), QSize(48, 48), 2.0);
        const QPixmap b = picture(QStringLiteral("duck"), QSize(48, 48), 2.0);
        QCOMPARE(a.cacheKey(), b.cacheKey());
        QCOMPARE(a.size(), QSize(96, 96)); // crisp on a high-dpi screen
        QCOMPARE(a.devicePixelRatio(), 2.0);
    }

    // The Windows build has no SVG renderer and draws the pictures rendered ahead of time:
    // each must look like its SVG at the sizes the screens use, at scale 1 and up to a 4K
    // display, kept in proportion and centred in a box of another shape.
    void renderedAheadMatchTheSvg_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<double>("within"); // 0: the very same pixels
        QTest::newRow("32 px, a reward") << QSize(32, 32) << 1.0 << 0.0;
        QTest::newRow("60 px, a chart's picture") << QSize(60, 60) << 1.0 << 0.0;
        // Centred half a pixel off the grid, the thin lines of the logo lose some contrast.
        QTest::newRow("109 x 114 px, the start screen's emblem") << QSize(109, 114) << 1.0 << 40.0;
        QTest::newRow("168 x 174 px, the closing screen's sun") << QSize(168, 174) << 1.0 << 32.0;
        QTest::newRow("60 px at 150 %") << QSize(60, 60) << 1.5 << 32.0;
        QTest::newRow("168 x 174 px on a 4K display") << QSize(168, 174) << 2.75 << 16.0;
    }
    void renderedAheadMatchTheSvg()
    {
        QFETCH(QSize, size);
        QFETCH(qreal, ratio);
        QFETCH(double, within);
        QVERIFY(QResource::registerResource(QStringLiteral(GETALVELD_RENDERED_RCC)));
        QVERIFY(renderedPicture(QStringLiteral("no such picture"), size, ratio).isNull());
        int compared = 0;
        for (const QString &name : pictureNames()) {
            if (name.startsWith(QLatin1String("veld")) || name == QLatin1String("blackboard"))
                continue; // drawn by the program itself, in every build
            const QImage svg = picture(name, size, ratio).toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage ahead = renderedPicture(name, size, ratio).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(ahead.size(), svg.size());
            // At a rendered size the very same pixels; scaled down from a larger one a little
            // softer, while a picture shifted by a pixel or two, stretched or another differs
            // more.
            const double difference = meanDifference(svg, ahead);
            QVERIFY2(within == 0.0 ? difference == 0.0 : difference < within,
                     qPrintable(name + QStringLiteral(" differs by %1").arg(difference)));
            ++compared;
        }
        QVERIFY(compared > 100);
        QVERIFY(QResource::unregisterResource(QStringLiteral(GETALVELD_RENDERED_RCC)));
    }

    // "Arial" and "MS Sans Serif" both resolve to the bundled Liberation Sans.
    void bundledFonts()
    {
        for (const char *family : {"Arial", "MS Sans Serif"}) {
            const QFontInfo info(screenFont(QString::fromLatin1(family), 12, true));
            QCOMPARE(info.family(), QStringLiteral("Liberation Sans"));
            QVERIFY(info.bold());
        }
    }

    // The credits name the pictures' and fonts' makers and licences, on both screens.
    void credits()
    {
        const QString twemoji = QStringLiteral("Twemoji, \u00A9 Twitter, Inc and other contributors, CC BY 4.0");
        QVERIFY(getalveld::credits::all().contains(twemoji));
        QVERIFY(getalveld::credits::scrollingLine().contains(twemoji));
        QVERIFY(getalveld::credits::scrollingLine().contains(QStringLiteral("Liberation Sans")));

        Program program;
        program.start();
        QVERIFY(caption(screen("frmmecenaat1"), "Label5").contains(twemoji));
        QVERIFY(click(screen("frmmecenaat1"), "cmdkombinnen"));
        QVERIFY(click(screen("frmkiesbasis"), "cmdeinde"));
        Screen *info = screen("frminfo");
        QVERIFY(caption(info, "Lblwebinfo").contains(twemoji));
        QVERIFY(caption(info, "lbladres1").contains(QStringLiteral("SIL Open Font License")));
        program.stop();

        QFile licences(QStringLiteral(GETALVELD_SOURCE_DIR "/assets/LICENSES/README.md"));
        QVERIFY(licences.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(licences.readAll());
        QVERIFY(text.contains(twemoji));
        QVERIFY(text.contains(QStringLiteral("were changed")));
        QVERIFY(QFile::exists(QStringLiteral(GETALVELD_SOURCE_DIR "/assets/LICENSES/OFL-1.1-LiberationSans.txt")));
    }
};

QTEST_MAIN(Pictures)
#include "tst_pictures.moc"
