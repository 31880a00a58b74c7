// The cut template at true size: the bobbin's parts from the drawing's
// values, laid out on sheets and written as PDF, SVG or DXF. Needs a
// QGuiApplication (fonts); no widgets.
#pragma once

#include "template/parts/cutparts.h"
#include "template/pages/drawing.h"
#include "template/pages/layout.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

namespace vintorp::cut {

enum class TemplateFormat { Pdf, Svg, Dxf };

// By the file name's suffix (.pdf, .svg or .dxf, any case).
std::optional<TemplateFormat> templateFormatFor(const QString& path);

// The parts for `bobbins` bobbins from the field texts as the drawing shows
// them. Throws TemplateError with a message for the user.
cut::CutSet makeTemplateParts(const cut::FieldTexts& texts, const QString& sep, int bobbins);

inline constexpr double kFileMargin = 10;  // mm around a saved page

// Where the parts may go: the paper, the area inside it that holds header,
// parts and ruler, and how the pages run.
struct PageSetup {
    QSizeF paper;
    QRectF printable;
    Paging paging = Paging::Sheets;
};
// A4 sheets with kFileMargin all round: the PDF file.
PageSetup a4Sheets();
// One canvas as wide as those sheets, as long as it needs to be: the SVG and
// the DXF file.
PageSetup svgCanvas();

// The one layout of the parts that every writer takes. Throws TemplateError.
TemplateLayout layOutTemplate(const CutSet& set, const PageSetup& setup);

// PDF pages, vector only, fonts embedded, with a document title.
void writeTemplatePdf(QIODevice& out, const TemplateDrawing& drawing, int dotsPerInch = 1200);

// The files as saved: A4 sheets as PDF, one canvas as SVG or DXF.
QByteArray templatePdfFile(const CutSet& set);
QByteArray templateSvgFile(const CutSet& set);
QByteArray templateDxfFile(const CutSet& set);

// Writes `bytes` to the file at `path` whole. Returns nothing when it is
// written; else the message for the user, and the file is as it was.
std::optional<QString> writeFileWhole(const QString& path, const QByteArray& bytes);

// Writes the PDF, the SVG or the DXF, by the suffix of `path`, all or nothing.
// Throws TemplateError, also for a path that holds a NUL character or leads
// to something other than a regular file.
void saveTemplate(const QString& path, const cut::CutSet& set);

}  // namespace vintorp::cut
