// Renders an SVG picture to square PNG files, one for each size, for the desktop icon theme.
//   usage: getalveld_svgtopng PICTURE.svg OUTPUT-FOLDER SIZE...
// writes OUTPUT-FOLDER/SIZExSIZE/getalveld.png; needs no display.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s PICTURE.svg OUTPUT-FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int side = std::atoi(argv[i]);
        if (side <= 0 || side > 1024) {
            std::fprintf(stderr, "%s: not a size: %s\n", argv[0], argv[i]);
            return 2;
        }
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter, QRectF(0, 0, side, side));
        }
        const QString folder = QDir(QString::fromLocal8Bit(argv[2])).filePath(QStringLiteral("%1x%1").arg(side));
        if (!QDir().mkpath(folder) || !image.save(QDir(folder).filePath(QStringLiteral("getalveld.png")), "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
