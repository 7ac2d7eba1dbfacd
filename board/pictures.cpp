#include "board/pictures.h"

#include "board/fontconfiguration.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QResource>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <cmath>
#include <memory>
#if GETALVELD_HAVE_SVG
#include <QSvgRenderer>
#endif

static void initAssets()
{
    // The resources live in a static library: register them once, before the first use.
    static bool registered = false;
    if (!registered) {
        registered = true;
        Q_INIT_RESOURCE(assets);
#if !GETALVELD_HAVE_SVG
        Q_INIT_RESOURCE(rendered);
#endif
#if GETALVELD_HAVE_EXACT_PICTURES
        Q_INIT_RESOURCE(exact);
#endif
    }
}

namespace getalveld {

namespace {

#if GETALVELD_HAVE_SVG
QString svgPath(const QString &name)
{
    return QStringLiteral(":/pictures/") + name + QStringLiteral(".svg");
}
#endif

// Without an SVG renderer the pictures come rendered at build time into squares of a few
// sizes each (:/rendered/NAME/SIDE.png), among them the sizes the screens use at scale 1:
// one of those is drawn as it is, any other size is scaled down smoothly from the next
// larger square, so a picture stays crisp at every scale.
const QString renderedFolder = QStringLiteral(":/rendered/");

const QList<int> &renderedSides(const QString &name)
{
    static QHash<QString, QList<int>> known;
    auto found = known.find(name);
    if (found == known.end()) {
        QList<int> sides;
        for (const QString &file : QDir(renderedFolder + name).entryList({QStringLiteral("*.png")}, QDir::Files))
            sides.append(file.chopped(4).toInt());
        std::sort(sides.begin(), sides.end());
        found = known.insert(name, sides);
    }
    return *found;
}

void drawRendered(QPainter &p, const QString &name, const QSize &pixels)
{
    const QList<int> &sides = renderedSides(name);
    if (sides.isEmpty())
        return;
    // In a box of another shape the square is as large as the picture would be, centred to
    // a fraction of a pixel, as the SVG renderer places it.
    double square = qMin(pixels.width(), pixels.height());
    if (pixels.width() != pixels.height()) {
        QFile file(renderedFolder + name + QStringLiteral("/shape"));
        const QList<QByteArray> shape = file.open(QIODevice::ReadOnly) ? file.readAll().simplified().split(' ') : QList<QByteArray>();
        const double c = shape.size() == 2 && shape[1].toDouble() > 0 ? shape[0].toDouble() / shape[1].toDouble() : 1.0;
        const double w = pixels.width(), h = pixels.height();
        square = c >= w / h ? (c >= 1 ? w : w / c) : (c >= 1 ? h * c : h);
    }
    const int wanted = qMax(1, int(std::lround(square)));
    const auto larger = std::find_if(sides.begin(), sides.end(), [wanted](int side) { return side >= wanted; });
    const int side = larger == sides.end() ? sides.last() : *larger;
    QImage image(renderedFolder + name + u'/' + QString::number(side) + QStringLiteral(".png"));
    if (side != wanted)
        image = image.scaled(wanted, wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF((pixels.width() - square) / 2, (pixels.height() - square) / 2, square, square), image);
}

int &drawnFromSource()
{
    static int count = 0;
    return count;
}

// The pictures the start draws, rendered at build time at the very pixel sizes it draws them
// (:/exact/NAME/WIDTHxHEIGHT, raw premultiplied pixels): used in place, byte for byte what
// the SVG renderer would make, so the start neither loads that renderer nor parses a picture.
QPixmap exactPicture(const QString &name, const QSize &pixels)
{
#if GETALVELD_HAVE_EXACT_PICTURES
    const QResource resource(QStringLiteral(":/exact/") + name + u'/' + QString::number(pixels.width()) + u'x'
                             + QString::number(pixels.height()));
    const qint64 bytes = qint64(pixels.width()) * pixels.height() * 4;
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression || resource.size() != bytes
        || !resource.data())
        return QPixmap();
    QImage image(resource.data(), pixels.width(), pixels.height(), QImage::Format_ARGB32_Premultiplied);
    // Pixels must lie on 4-byte boundaries to be used in place; otherwise they are copied.
    if (quintptr(resource.data()) % 4 != 0)
        image = image.copy();
    return QPixmap::fromImage(image);
#else
    Q_UNUSED(name);
    Q_UNUSED(pixels);
    return QPixmap();
#endif
}

bool hasSource(const QString &name)
{
#if GETALVELD_HAVE_SVG
    return QFile::exists(svgPath(name));
#else
    return !renderedSides(name).isEmpty();
#endif
}

bool isDrawn(const QString &name, int *chartNumber = nullptr)
{
    if (name == QLatin1String("blackboard"))
        return true;
    if (!name.startsWith(QLatin1String("veld")))
        return false;
    bool ok = false;
    const int n = name.mid(4).toInt(&ok);
    if (chartNumber)
        *chartNumber = n;
    return ok && n >= 1 && n <= 10;
}

// A small blue hundred chart with its number printed large: the chart pictures.
void drawChart(QPainter &p, const QRectF &r, int number)
{
    p.fillRect(r, QColor(0xE8, 0xF1, 0xFB));
    const qreal step = r.width() / 10.0, rowStep = r.height() / 10.0;
    p.setPen(QPen(QColor(0x1E, 0x5A, 0xB4), qMax<qreal>(1.0, r.width() / 60.0)));
    for (int i = 0; i <= 10; ++i) {
        p.drawLine(QPointF(r.left() + i * step, r.top()), QPointF(r.left() + i * step, r.bottom()));
        p.drawLine(QPointF(r.left(), r.top() + i * rowStep), QPointF(r.right(), r.top() + i * rowStep));
    }
    QFont font(resolveFontFamily(QStringLiteral("Arial")));
    font.setBold(true);
    font.setPixelSize(int(r.height() * (number == 10 ? 0.55 : 0.7)));
    QPainterPath text;
    text.addText(0, 0, font, QString::number(number));
    const QRectF box = text.boundingRect();
    text.translate(r.center() - box.center());
    p.setPen(QPen(Qt::white, qMax<qreal>(1.5, r.width() / 25.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x0B, 0x3D, 0x91));
    p.drawPath(text);
}

void drawBlackboard(QPainter &p, const QRectF &r)
{
    const qreal frame = qMax<qreal>(4.0, r.width() / 30.0);
    QLinearGradient wood(r.topLeft(), r.bottomRight());
    wood.setColorAt(0, QColor(0xB0, 0x72, 0x3C));
    wood.setColorAt(1, QColor(0x7A, 0x48, 0x22));
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawRoundedRect(r, frame, frame);
    const QRectF board = r.adjusted(frame, frame, -frame, -frame * 2.2);
    p.setBrush(QColor(0x1F, 0x4D, 0x2B));
    p.drawRect(board);
    // A few chalk smudges and a piece of chalk on the ledge.
    p.setPen(QPen(QColor(255, 255, 255, 40), frame * 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(board.left() + board.width() * 0.08, board.bottom() - board.height() * 0.12),
               QPointF(board.left() + board.width() * 0.3, board.bottom() - board.height() * 0.1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF5, 0xF5, 0xF0));
    p.drawRoundedRect(QRectF(board.right() - frame * 6, board.bottom() + frame * 0.3, frame * 3, frame * 0.8), 2, 2);
}

QPixmap render(const QString &name, const QSize &pixels)
{
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    int number = 0;
    if (isDrawn(name, &number)) {
        if (number)
            drawChart(p, QRectF(0.5, 0.5, pixels.width() - 1.0, pixels.height() - 1.0), number);
        else
            drawBlackboard(p, QRectF(QPointF(0, 0), QSizeF(pixels)));
    } else {
#if GETALVELD_HAVE_SVG
        ++drawnFromSource();
        // Parsed once per picture: the same picture is often wanted at two sizes.
        static QHash<QString, std::shared_ptr<QSvgRenderer>> parsed;
        std::shared_ptr<QSvgRenderer> &svg = parsed[name];
        if (!svg) {
            svg = std::make_shared<QSvgRenderer>(svgPath(name));
            svg->setAspectRatioMode(Qt::KeepAspectRatio);
        }
        svg->render(&p);
#else
        drawRendered(p, name, pixels);
#endif
    }
    return pixmap;
}

} // namespace

QPixmap picture(const QString &name, const QSize &size, qreal devicePixelRatio)
{
    static QHash<QString, QPixmap> cache;
    initAssets();
    if (size.isEmpty() || !hasPicture(name))
        return QPixmap();
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize();
    const QString key = name + u'|' + QString::number(pixels.width()) + u'x' + QString::number(pixels.height());
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    QPixmap pixmap = isDrawn(name) ? QPixmap() : exactPicture(name, pixels);
    if (pixmap.isNull())
        pixmap = render(name, pixels);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    cache.insert(key, pixmap);
    return pixmap;
}

QPixmap renderedPicture(const QString &name, const QSize &size, qreal devicePixelRatio)
{
    initAssets();
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize();
    if (pixels.isEmpty() || renderedSides(name).isEmpty())
        return QPixmap();
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    drawRendered(p, name, pixels);
    p.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

namespace {

// An icon that renders only the sizes the window system asks for, when it asks, through the
// picture catalogue: the sizes rendered ahead of time need neither the SVG renderer nor an
// icon plugin.
class PictureIconEngine : public QIconEngine
{
public:
    explicit PictureIconEngine(const QString &name) : m_name(name) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap normal = picture(m_name, size);
        if (mode == QIcon::Normal || normal.isNull() || !qobject_cast<QApplication *>(QCoreApplication::instance()))
            return normal;
        QStyleOption option(0);
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, normal, &option);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        pm.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pm);
    }
    QIconEngine *clone() const override { return new PictureIconEngine(m_name); }
    QString key() const override { return QStringLiteral("getalveld-picture"); }
    bool isNull() override { return !hasPicture(m_name); }

private:
    QString m_name;
};

} // namespace

int picturesDrawnFromSource()
{
    return drawnFromSource();
}

QIcon pictureIcon(const QString &name)
{
#if GETALVELD_HAVE_SVG
    if (!isDrawn(name) && hasPicture(name))
        return QIcon(new PictureIconEngine(name));
#endif
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(picture(name, QSize(side, side)));
    return icon;
}

bool hasPicture(const QString &name)
{
    initAssets();
    return isDrawn(name) || hasSource(name);
}

QStringList pictureNames()
{
    initAssets();
    QStringList names;
#if GETALVELD_HAVE_SVG
    const auto files = QDir(QStringLiteral(":/pictures")).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        names.append(file.chopped(4));
#else
    names = QDir(renderedFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
#endif
    for (int n = 1; n <= 10; ++n)
        names.append(QStringLiteral("veld%1").arg(n));
    names.append(QStringLiteral("blackboard"));
    return names;
}

namespace {
QString &bundledFamily()
{
    static QString family;
    return family;
}
} // namespace

void loadBundledFonts()
{
    initAssets();
    if (!bundledFamily().isEmpty())
        return;
    awaitFontConfiguration();
    for (const char *file : {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"}) {
        // The fonts are stored uncompressed: handed over in place, they are neither copied
        // to the heap (0.8 MiB) nor read whole; the font engine reads the glyphs it needs.
        const QResource resource(QString::fromLatin1(file));
        const int id = resource.compressionAlgorithm() == QResource::NoCompression && resource.data()
                           ? QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
                                 reinterpret_cast<const char *>(resource.data()), qsizetype(resource.size())))
                           : QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            bundledFamily() = families.first();
    }
}

QString resolveFontFamily(const QString &family)
{
    if (family == QLatin1String("Arial") || family == QLatin1String("MS Sans Serif"))
        return bundledFamily().isEmpty() ? QStringLiteral("Liberation Sans") : bundledFamily();
    return family;
}

QString pictureCredit()
{
    return QStringLiteral("Twemoji, \u00A9 Twitter, Inc and other contributors, CC BY 4.0");
}

QString fontCredit()
{
    return QStringLiteral("Liberation Sans, \u00A9 Red Hat, Inc., SIL Open Font License 1.1");
}

} // namespace getalveld
