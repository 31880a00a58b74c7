// Build tool: renders an SVG file to a PNG, or to bare pixels, of a given size.
//   vintorp_svg2png <in.svg> <out> <width> <height> [--opaque | --rgb]
// Without an option the background stays transparent (icons); with --opaque
// the image is painted on white (pictures). --rgb paints on white too and
// writes bare pixels instead of a PNG: 8-bit red, green and blue, row by row
// from the top, nothing else, for the program to take without a decoder.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool writeRgb(const QImage& image, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const qint64 rowBytes = qint64(image.width()) * 3;
    for (int y = 0; y < image.height(); ++y) {
        if (file.write(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes) != rowBytes)
            return false;
    }
    return file.flush();
}

}  // namespace

int main(int argc, char* argv[])
{
    const QString option = argc == 6 ? QString::fromLocal8Bit(argv[5]) : QString();
    if (argc != 5 && !(argc == 6 && (option == u"--opaque" || option == u"--rgb"))) {
        std::fprintf(stderr, "usage: %s <in.svg> <out> <width> <height> [--opaque | --rgb]\n", argv[0]);
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
    const bool opaque = !option.isEmpty();
    QImage image(width, height, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? Qt::white : Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(0, 0, width, height));
    }
    if (option == u"--rgb" ? !writeRgb(image.convertToFormat(QImage::Format_RGB888), out)
                           : !image.save(out, "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
