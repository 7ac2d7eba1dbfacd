// Renders the SVG pictures ahead of time, for builds whose Qt has no SVG renderer (Windows),
// and the program's icon as a Windows .ico. Runs on the build machine; needs no display.
//   getalveld_renderpictures pictures SVG-FOLDER OUTPUT-FOLDER SIDE...
//       writes OUTPUT-FOLDER/NAME/SIDE.png for every NAME.svg: the picture in a square of SIDE
//       pixels, kept in proportion and centred, as the program draws it into a square box; and
//       OUTPUT-FOLDER/NAME/shape, the picture's width and height (for boxes of another shape);
//       and OUTPUT-FOLDER/rendered.qrc that lists them under :/rendered/NAME/
//   getalveld_renderpictures ico PICTURE.svg OUTPUT.ico SIDE...
//       writes one icon file with a square picture of every side (at most 256)
//   getalveld_renderpictures exact SVG-FOLDER OUTPUT-FOLDER NAME:WIDTHxHEIGHT...
//       writes OUTPUT-FOLDER/NAME/WIDTHxHEIGHT, the picture exactly as the program renders it
//       into a box of that many pixels, as raw premultiplied 32-bit pixels (no header, no
//       compression: the program uses them in place), and OUTPUT-FOLDER/exact.qrc that lists
//       them under :/exact/NAME/

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

namespace {

const char *program = "getalveld_renderpictures";

QImage render(QSvgRenderer &svg, const QSize &pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.setAspectRatioMode(Qt::KeepAspectRatio);
    svg.render(&painter);
    return image;
}

QList<int> sides(int argc, char *argv[], int first, int largest)
{
    QList<int> result;
    for (int i = first; i < argc; ++i) {
        const int side = std::atoi(argv[i]);
        if (side <= 0 || side > largest) {
            std::fprintf(stderr, "%s: not a size: %s\n", program, argv[i]);
            std::exit(2);
        }
        result.append(side);
    }
    return result;
}

bool write(const QString &file, const QByteArray &data)
{
    QFile out(file);
    if (out.open(QIODevice::WriteOnly) && out.write(data) == data.size())
        return true;
    std::fprintf(stderr, "%s: cannot write %s\n", program, qPrintable(file));
    return false;
}

int pictures(const QString &svgFolder, const QString &outFolder, const QList<int> &ladder)
{
    const QDir in(svgFolder), out(outFolder);
    const QStringList files = in.entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        std::fprintf(stderr, "%s: no pictures in %s\n", program, qPrintable(svgFolder));
        return 1;
    }
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/rendered\">\n";
    for (const QString &file : files) {
        const QString name = file.chopped(4);
        QSvgRenderer svg(in.filePath(file));
        if (!svg.isValid()) {
            std::fprintf(stderr, "%s: cannot read %s\n", program, qPrintable(in.filePath(file)));
            return 1;
        }
        if (!out.mkpath(name))
            return 1;
        const QString shape = name + QStringLiteral("/shape");
        const QSizeF box = svg.viewBoxF().size();
        if (!write(out.filePath(shape), QByteArray::number(box.width()) + ' ' + QByteArray::number(box.height()) + '\n'))
            return 1;
        qrc += "        <file alias=\"" + shape.toUtf8() + "\">" + out.absoluteFilePath(shape).toUtf8() + "</file>\n";
        for (int side : ladder) {
            const QString png = name + u'/' + QString::number(side) + QStringLiteral(".png");
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            if (!render(svg, QSize(side, side)).save(&buffer, "PNG") || !write(out.filePath(png), buffer.data()))
                return 1;
            // Already compressed: rcc would only spend time on them.
            qrc += "        <file compress-algo=\"none\" alias=\"" + png.toUtf8() + "\">" + out.absoluteFilePath(png).toUtf8() + "</file>\n";
        }
    }
    qrc += "    </qresource>\n</RCC>\n";
    return write(out.filePath(QStringLiteral("rendered.qrc")), qrc) ? 0 : 1;
}

int exact(const QString &svgFolder, const QString &outFolder, int argc, char *argv[], int first)
{
    const QDir in(svgFolder), out(outFolder);
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/exact\">\n";
    for (int i = first; i < argc; ++i) {
        const QString wanted = QString::fromLocal8Bit(argv[i]);
        const QStringList nameAndSize = wanted.split(u':');
        const QStringList size = nameAndSize.value(1).split(u'x');
        const int width = size.value(0).toInt(), height = size.value(1).toInt();
        if (nameAndSize.size() != 2 || size.size() != 2 || width <= 0 || height <= 0 || width > 4096 || height > 4096) {
            std::fprintf(stderr, "%s: not NAME:WIDTHxHEIGHT: %s\n", program, argv[i]);
            return 2;
        }
        const QString name = nameAndSize[0];
        QSvgRenderer svg(in.filePath(name + QStringLiteral(".svg")));
        if (!svg.isValid()) {
            std::fprintf(stderr, "%s: cannot read %s.svg in %s\n", program, qPrintable(name), qPrintable(svgFolder));
            return 1;
        }
        if (!out.mkpath(name))
            return 1;
        const QImage image = render(svg, QSize(width, height));
        const QString file = name + u'/' + nameAndSize[1];
        if (!write(out.filePath(file), QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes())))
            return 1;
        qrc += "        <file compression-algorithm=\"none\" alias=\"" + file.toUtf8() + "\">" + out.absoluteFilePath(file).toUtf8() + "</file>\n";
    }
    qrc += "    </qresource>\n</RCC>\n";
    return write(out.filePath(QStringLiteral("exact.qrc")), qrc) ? 0 : 1;
}

// An .ico holds PNG images since Windows Vista: a directory of entries, then the PNG files.
int icon(const QString &svgFile, const QString &icoFile, const QList<int> &squares)
{
    QSvgRenderer svg(svgFile);
    if (!svg.isValid()) {
        std::fprintf(stderr, "%s: cannot read %s\n", program, qPrintable(svgFile));
        return 1;
    }
    QList<QByteArray> images;
    for (int side : squares) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        render(svg, QSize(side, side)).save(&buffer, "PNG");
        images.append(buffer.data());
    }
    QByteArray ico;
    auto put16 = [&ico](quint16 v) { ico.append(char(v & 0xFF)).append(char(v >> 8)); };
    auto put32 = [&](quint32 v) { put16(quint16(v & 0xFFFF)), put16(quint16(v >> 16)); };
    put16(0);
    put16(1); // an icon, not a cursor
    put16(quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int side = squares[i];
        ico.append(char(side >= 256 ? 0 : side)).append(char(side >= 256 ? 0 : side)); // 0 means 256
        ico.append(char(0)).append(char(0));                                           // no palette
        put16(1);                                                                      // planes
        put16(32);                                                                     // bits per pixel
        put32(quint32(images[i].size()));
        put32(offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray &image : images)
        ico.append(image);
    return write(icoFile, ico) ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (argc < 5 || (mode != QLatin1String("pictures") && mode != QLatin1String("ico") && mode != QLatin1String("exact"))) {
        std::fprintf(stderr,
                     "usage: %s pictures SVG-FOLDER OUTPUT-FOLDER SIDE...\n"
                     "       %s ico PICTURE.svg OUTPUT.ico SIDE...\n"
                     "       %s exact SVG-FOLDER OUTPUT-FOLDER NAME:WIDTHxHEIGHT...\n",
                     program, program, program);
        return 2;
    }
    const QString a = QString::fromLocal8Bit(argv[2]), b = QString::fromLocal8Bit(argv[3]);
    if (mode == QLatin1String("ico"))
        return icon(a, b, sides(argc, argv, 4, 256));
    if (mode == QLatin1String("exact"))
        return exact(a, b, argc, argv, 4);
    return pictures(a, b, sides(argc, argv, 4, 4096));
}
