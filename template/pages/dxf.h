// Renders the template as a DXF file for laser cutters: R12 in ASCII
// ($ACADVER AC1009), one unit a millimetre, y upwards from the paper's
// bottom edge, one layer per job that has something, named and coloured by
// kJobLooks.
#pragma once

#include "template/pages/drawing.h"

#include <QByteArray>

namespace vintorp::cut {

// The file for a drawing of one page, laid out with Paging::OneCanvas (or one
// sheet of a cutter's): that layout never tiles a part, so no layer has a
// clip, and none is written.
// Outlines and frames are closed polylines (arcs as bulges), lines LINE,
// holes CIRCLE, words TEXT in code page 1251 with "\U+XXXX" for a character
// outside it. Throws TemplateError for a character no DXF text can hold (a
// control character, or one beyond U+FFFF).
QByteArray templateDxf(const TemplateDrawing& drawing);

}  // namespace vintorp::cut
