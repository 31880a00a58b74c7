// Renders the template as an SVG file for cutters and plotters: sizes in
// millimetres, one group per part, each layer of lines or words in the one
// colour of its ink, no page frame.
#pragma once

#include "template/pages/drawing.h"

#include <QByteArray>

namespace vintorp::cut {

// The document for a drawing of one page (laid out with Paging::OneCanvas, or
// one sheet of a cutter's), its layers in the order of kJobLooks.
// Throws TemplateError for a character that XML cannot hold.
QByteArray templateSvg(const TemplateDrawing& drawing, const QString& title);

}  // namespace vintorp::cut
