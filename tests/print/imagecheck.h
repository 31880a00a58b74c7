// Pixel checks shared by the print tests.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace vintorp::print::testing {

// Bounding box of every pixel that is not white (empty when all are).
QRect inkBounds(const QImage& image);

// How many pixels of `area` are close to `colour` (each channel within 40).
int countNear(const QImage& image, const QRect& area, QColor colour);

// How many pixels of `area` are dark (all channels below 100).
int countDark(const QImage& image, const QRect& area);

}  // namespace vintorp::print::testing
