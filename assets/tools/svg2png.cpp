// Build tool: renders an SVG file to a PNG of a given size.
//   vintorp_svg2png <in.svg> <out.png> <width> <height> [--opaque]
// Without --opaque the background stays transparent (icons); with it the
// image is painted on white (pictures).
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 5 && !(argc == 6 && QString::fromLocal8Bit(argv[5]) == u"--opaque")) {
        std::fprintf(stderr, "usage: %s <in.svg> <out.png> <width> <height> [--opaque]\n", argv[0]);
        return 2;
    }
    const QString in = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    bool okW = false;
    bool okH = false;
    const int width = QString::fromLocal8Bit(argv[3]).toInt(&okW);
    const int height = QString::fromLocal8Bit(argv[4]).toInt(&okH);
    if (!okW || !okH || width <= 0 || height <= 0 || width > 8192 || height > 8192) {
        std::fprintf(stderr, "%s: bad size %s x %s\n", argv[0], argv[3], argv[4]);
        return 2;
    }
    QSvgRenderer renderer(in);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    const bool opaque = argc == 6;
    QImage image(width, height, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? Qt::white : Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(0, 0, width, height));
    }
    if (!image.save(out, "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
