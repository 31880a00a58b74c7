#include "imagecheck.h"

#include <cstdlib>

namespace vintorp::print::testing {

QRect inkBounds(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int left = rgb.width(), top = rgb.height(), right = -1, bottom = -1;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if ((line[x] & 0xffffff) == 0xffffff)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

namespace {

template <typename Match>
int countIf(const QImage& image, const QRect& area, Match match)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QRect clipped = area & rgb.rect();
    int count = 0;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (match(QColor(rgb.pixel(x, y))))
                ++count;
    return count;
}

}  // namespace

int countNear(const QImage& image, const QRect& area, QColor colour)
{
    return countIf(image, area, [&](QColor c) {
        return std::abs(c.red() - colour.red()) < 40 && std::abs(c.green() - colour.green()) < 40
               && std::abs(c.blue() - colour.blue()) < 40;
    });
}

int countDark(const QImage& image, const QRect& area)
{
    return countIf(image, area, [](QColor c) { return c.red() < 100 && c.green() < 100 && c.blue() < 100; });
}

}  // namespace vintorp::print::testing
