// Small pixel helpers shared by the artwork tests.
#pragma once

#include <QImage>
#include <QRect>
#include <QtGlobal>

namespace pixels {

inline int grey(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y));
}

// Bounding box of the pixels darker than threshold inside area.
inline QRect darkBox(const QImage& image, const QRect& area, int threshold)
{
    QRect box;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (grey(image, x, y) < threshold)
                box |= QRect(x, y, 1, 1);
    return box;
}

inline int countIf(const QImage& image, const QRect& area, auto&& predicate)
{
    int n = 0;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (predicate(image.pixel(x, y)))
                ++n;
    return n;
}

}  // namespace pixels
