#include "board/pictures.h"

#include "board/fontconfiguration.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QResource>
#include <QSvgRenderer>
#include <memory>

static void initAssets()
{
    // The resources live in a static library: register them once, before the first use.
    static bool registered = false;
    if (!registered) {
        registered = true;
        Q_INIT_RESOURCE(assets);
    }
}

namespace getalveld {

namespace {

QString svgPath(const QString &name)
{
    return QStringLiteral(":/pictures/") + name + QStringLiteral(".svg");
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
        // Parsed once per picture: the same picture is often wanted at two sizes.
        static QHash<QString, std::shared_ptr<QSvgRenderer>> parsed;
        std::shared_ptr<QSvgRenderer> &svg = parsed[name];
        if (!svg) {
            svg = std::make_shared<QSvgRenderer>(svgPath(name));
            svg->setAspectRatioMode(Qt::KeepAspectRatio);
        }
        svg->render(&p);
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
    QPixmap pixmap = render(name, pixels);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    cache.insert(key, pixmap);
    return pixmap;
}

QIcon pictureIcon(const QString &name)
{
    // An SVG icon renders only the sizes the window system asks for, when it asks.
    if (!isDrawn(name) && hasPicture(name))
        return QIcon(svgPath(name));
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(picture(name, QSize(side, side)));
    return icon;
}

bool hasPicture(const QString &name)
{
    initAssets();
    return isDrawn(name) || QFile::exists(svgPath(name));
}

QStringList pictureNames()
{
    initAssets();
    QStringList names;
    const auto files = QDir(QStringLiteral(":/pictures")).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        names.append(file.chopped(4));
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
