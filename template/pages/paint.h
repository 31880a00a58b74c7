// Renders the template's pages with QPainter, for PDF files and printers,
// always at true size.
#pragma once

#include "template/pages/drawing.h"

class QPainter;
class QPagedPaintDevice;

namespace vintorp::cut {

// Paints one page. The painter's device units are its logical dots, its
// origin the paper's top-left corner.
void paintTemplatePage(QPainter& painter, const PageDrawing& page);

// All pages, with `painter` already active on `device`: each page after the
// first on a new page of the device. Throws TemplateError when the device
// cannot start a new page.
void paintTemplatePages(QPainter& painter, QPagedPaintDevice& device, const TemplateDrawing& drawing);

// All pages onto a paged device (a PDF writer or a printer) whose painting
// origin is the paper's top-left corner. Throws TemplateError when the
// device cannot be painted on.
void paintTemplate(QPagedPaintDevice& device, const TemplateDrawing& drawing);

}  // namespace vintorp::cut
