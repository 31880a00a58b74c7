// The program's fixed pictures: the bobbin drawing of the drawing window, the
// two core pictures of the input window and the application icon.
//
// Every picture comes from a vector source compiled into the program, so it
// is exact at 96 dpi and sharp at any higher screen scale or on paper. The
// images are opaque (white where nothing is drawn). The E-core picture, the
// one the input window opens with, is rendered from its source by the build
// for ratios 1 and 2, so that start-up need not draw it.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QSize>

class QPainter;

namespace vintorp::art {

// Logical sizes in pixels at 96 dpi.
inline constexpr QSize kBobbinDrawingSize{460, 409};
inline constexpr QSize kECorePictureSize{150, 133};
inline constexpr QSize kUCorePictureSize{150, 135};
// The picture box of the input window that shows one core picture at a time.
inline constexpr QSize kCorePictureBoxSize{151, 137};

// Each image has the logical size above, size() == logical size scaled by
// devicePixelRatio (rounded up), and devicePixelRatio() set. A ratio that is
// not a positive finite number counts as 1.
QImage bobbinDrawing(qreal devicePixelRatio = 1.0);
QImage eCorePicture(qreal devicePixelRatio = 1.0);
QImage uCorePicture(qreal devicePixelRatio = 1.0);

// Paints the bobbin drawing's vector source into target, at the painter's
// resolution (for printing). Paints nothing when target is empty.
void paintBobbinDrawing(QPainter& painter, const QRectF& target);

// Top-left position of a picture centred in a box, by whole pixels with the
// spare odd pixel left on the right and bottom.
QPoint centredOffset(QSize box, QSize picture);

// The application icon with images at the sizes the build installs.
QIcon appIcon();

// Resource path of the scalable icon source.
inline constexpr char kAppIconSource[] = ":/vintorp/icons/app-icon.svg";

}  // namespace vintorp::art
