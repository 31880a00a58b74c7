// The cut template at true size: the bobbin's parts from the drawing's
// values, laid out on sheets and written as PDF, SVG or DXF. Needs a
// QGuiApplication (fonts); no widgets.
#pragma once

#include "template/parts/cutparts.h"
#include "template/pages/drawing.h"
#include "template/pages/layout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QIODevice;

namespace vintorp::cut {

enum class TemplateFormat { Pdf, Svg, Dxf };

// By the file name's suffix (.pdf, .svg or .dxf, any case).
std::optional<TemplateFormat> templateFormatFor(const QString& path);

// The parts for `bobbins` bobbins from the drawing's numbers. Throws
// TemplateError with a message for the user.
cut::CutSet makeTemplateParts(const calc::DrawingNumbers& numbers, int bobbins,
                              cut::CutAllowances allowances = {});

inline constexpr double kFileMargin = 10;  // mm around a saved page

// A4 sheets with kFileMargin all round: the PDF file.
PageSetup a4Sheets();
// One canvas as wide as those sheets, as long as it needs to be: the SVG and
// the DXF file.
PageSetup svgCanvas();
// A cutter's sheets of material of `size`, the parts `gap` apart, with or
// without their labels.
PageSetup cutterSheets(QSizeF size, double gap, bool labels);

// The one layout of the parts that every writer takes. Throws TemplateError.
TemplateLayout layOutTemplate(const CutSet& set, const PageSetup& setup);

// PDF pages, vector only, fonts embedded, with a document title.
void writeTemplatePdf(QIODevice& out, const TemplateDrawing& drawing, int dotsPerInch = 1200);

// A cutter's sheets of material, for the SVG and DXF files: the parts only,
// `gap` apart, with or without their labels; or, cut only, nothing but what
// the cutter cuts (the outlines, the lead holes and the calibration square).
struct CutterSetup {
    QSizeF sheet{design::TemplateSettings::kSheetWidth, design::TemplateSettings::kSheetHeight};
    double gap = design::TemplateSettings::kGap;
    bool labels = true;
    bool cutOnly = false;
};

// The files as saved: A4 sheets as PDF, one canvas as SVG or DXF, or a file
// for each of a cutter's sheets, each sheet's corner at the origin.
QByteArray templatePdfFile(const CutSet& set);
std::vector<QByteArray> templateSvgFiles(const CutSet& set, const std::optional<CutterSetup>& cutter = {});
std::vector<QByteArray> templateDxfFiles(const CutSet& set, const std::optional<CutterSetup>& cutter = {});

// The names of a job's `files` files: `path` for one; for more, `path` with
// each file's number before its suffix (bobbin-1.dxf, bobbin-2.dxf …).
QStringList templateFileNames(const QString& path, int files);

// Writes the PDF, the SVG or the DXF, by the suffix of `path`, all or nothing:
// a cutter's sheets each in a file of its own (templateFileNames), and when
// one cannot be written, those written before it are removed. Returns the
// files' paths. A kerf or a cutter's sheets are for SVG and DXF files only: a
// PDF is printed. Throws TemplateError, also for a path that holds a NUL
// character or leads to something other than a regular file.
QStringList saveTemplate(const QString& path, const cut::CutSet& set,
                         const std::optional<CutterSetup>& cutter = {});

}  // namespace vintorp::cut
