// What the template tests share: the drawing's texts for a few cores, the
// external tools that read PDF and SVG, and measuring ink on a page image.
#pragma once

#include "template/parts/cutparts.h"

#include <QImage>
#include <QRectF>
#include <QStringList>

namespace vintorp::cut::testing {

// The drawing's texts (separator ",") for the worked E-type example
// (A 20, B 25, C 10, H 30, T 1), the same as a U-type core with K 2, and a
// core so large that its parts need several A4 sheets.
calc::DrawingTexts workedETexts();
calc::DrawingTexts workedUTexts();
calc::DrawingTexts largeCoreTexts();
// A core (A 80, B 100, C 60, H 160, T 2) whose walls take a sheet each
// unless they turn a quarter.
calc::DrawingTexts turnedWallsTexts();

// Runs a program to its end: its exit code (-1 when it crashed or did not
// finish within a minute) and its standard output.
struct ToolRun {
    int exitCode = -1;
    QByteArray out;
};
ToolRun runTool(const QString& program, const QStringList& arguments);

// The bounding box, in millimetres at `pixelsPerMm`, of the dark pixels
// (black or dark grey, neither red nor blue) inside `regionMm`, or of the
// the calibration's olive ones (the ruler).
enum class Ink { Dark, Calibration };
QRectF inkBox(const QImage& image, const QRectF& regionMm, double pixelsPerMm, Ink ink = Ink::Dark);

}  // namespace vintorp::cut::testing
