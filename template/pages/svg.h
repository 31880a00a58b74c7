// The cut template as an SVG file for cutters and plotters: sizes in
// millimetres, one group per part, cut lines, marks and words each in one
// colour of their own (those of cutpaint.h), no page frame.
#pragma once

#include "template/parts/cutparts.h"
#include "template/pages/layout.h"

#include <QByteArray>

namespace vintorp::cut {

// The document for a layout made with Paging::OneCanvas.
QByteArray templateSvg(const cut::CutSet& set, const TemplateLayout& layout);

// The id of a part's group: "cheek-1", "tabbed-wall-2", "plain-wall-1" …
QString partId(const cut::CutPart& part);

}  // namespace vintorp::cut
