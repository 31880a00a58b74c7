// The cut template as an SVG file for cutters and plotters: sizes in
// millimetres, one group per part, cut lines, marks and words each in one
// colour of their own (those of cutpaint.h), no page frame.
#pragma once

#include "calc/cutparts.h"
#include "print/cutlayout.h"

#include <QByteArray>

namespace vintorp::print {

// The document for a layout made with Paging::OneCanvas.
QByteArray templateSvg(const calc::CutSet& set, const TemplateLayout& layout);

// The id of a part's group: "cheek-1", "tabbed-wall-2", "plain-wall-1" …
QString partId(const calc::CutPart& part);

}  // namespace vintorp::print
