// Paints a window's picture area (the part of it that goes on the page, as
// the window says) onto any painter, scaled to a size.
#pragma once

#include "print/printsize.h"

#include <QRect>

class QPainter;
class QWidget;

namespace vintorp::print {

// Renders `area` of `window` (its own widgets, not the screen) into `target`
// so that it fills exactly (0, 0, size.width, size.height) of the target's
// current coordinates, and nothing outside that rectangle. The drawing stays
// vector: lines, paths and text are passed on to the target at its own
// resolution. The window's state is not changed.
void paintPicture(QPainter& target, QWidget& window, const QRect& area, const PrintSize& size);

}  // namespace vintorp::print
