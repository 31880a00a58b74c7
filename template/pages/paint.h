// Paints the pages of a cut template with QPainter: parts and their pieces,
// labels, the page header, and the 100 mm ruler with its 10 mm square. Used
// for the PDF and for the printer, always at true size.
#pragma once

#include "template/parts/cutparts.h"
#include "template/pages/layout.h"

#include <QColor>
#include <QFont>

class QPainter;
class QPagedPaintDevice;

namespace vintorp::cut {

// The three inks: cut lines, marks (holes, tab and section lines, alignment
// marks) and words.
inline const QColor kCutColour(0, 0, 0);
inline const QColor kMarkColour(0, 0, 255);
inline const QColor kTextColour(0x55, 0x55, 0x55);
inline constexpr double kCutLineWidth = 0.1;  // mm
inline constexpr double kMarkLineWidth = 0.1;
inline constexpr double kMarkDash = 1.0;  // mm of dash, and of gap

// The labels' font; its family is looked up by the font system.
QFont templateFont();
QString templateFontFamilies();  // the same, as an SVG or CSS font list

// The width of a line of label text at kLabelEm, in millimetres.
double labelTextWidth(const QString& text);

// Paints one page. The painter's device units are its logical dots, its
// origin the paper's top-left corner.
void paintTemplatePage(QPainter& painter, const cut::CutSet& set, const TemplateLayout& layout, int page);

// All pages onto a paged device (a PDF writer or a printer) whose painting
// origin is the paper's top-left corner. Throws TemplateError when the
// device cannot be painted on.
void paintTemplate(QPagedPaintDevice& device, const cut::CutSet& set, const TemplateLayout& layout);

}  // namespace vintorp::cut
