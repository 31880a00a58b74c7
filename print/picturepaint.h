// Paints the picture area of a window onto any painter, scaled to a size.
#pragma once

#include "print/printsize.h"

#include <QRect>

class QPainter;
class QWidget;

namespace vintorp::print {

// Height of the strip at the bottom of the drawing window that holds the
// notes and the Print button; it never reaches the page.
inline constexpr int kNotesStripHeight = 75;

// The picture area of a window: its full client width, and its client
// height less the notes strip (empty when the window is not taller).
QRect pictureArea(const QWidget& window);

// Renders `area` of `window` (its own widgets, not the screen) into `target`
// so that it fills exactly (0, 0, size.width, size.height) of the target's
// current coordinates, and nothing outside that rectangle. The drawing stays
// vector: lines, paths and text are passed on to the target at its own
// resolution. The window's state is not changed.
void paintPicture(QPainter& target, QWidget& window, const QRect& area, const PrintSize& size);

}  // namespace vintorp::print
