#include "template/pages/cuttemplate.h"

#include "template/pages/dxf.h"
#include "template/pages/lettering.h"
#include "template/pages/paint.h"
#include "template/pages/svg.h"
#include "template/pages/texts.h"
#include "template/pages/templateerror.h"

#include "calc/drawingfields.h"
#include "files/wholefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>

#include <stdexcept>
#include <string>
#include <string_view>

namespace vintorp::cut {
namespace {

TemplateFailure fileNotWritten(const QString& path, const files::WriteFailure& failure)
{
    return {TemplateErrorKind::FileNotWritten,
            {path.toStdString(), std::to_string(int(failure.fault)), std::to_string(failure.error)}};
}

// Drawing values and settings that make no part, by kind, with the texts
// the drawing shows for the fields the problem is about, and the settings'
// values with the drawing's decimal separator.
TemplateFailure drawingProblem(const CutPartsError& error, const calc::DrawingNumbers& numbers, int bobbins,
                               const CutAllowances& allowances)
{
    namespace f = calc::field;
    const auto shown = [&numbers](std::string_view field) { return numbers[field].text; };
    const std::string& field = error.field();
    switch (error.problem()) {
    case CutProblem::NotANumber: return {TemplateErrorKind::FieldNotANumber, {field, shown(field)}};
    case CutProblem::ExponentForm: return {TemplateErrorKind::FieldInExponentForm, {field, shown(field)}};
    case CutProblem::NotPositive: return {TemplateErrorKind::FieldNotPositive, {field, shown(field)}};
    case CutProblem::TooLarge:
        return {TemplateErrorKind::FieldTooLarge, {field, shown(field), numberArgument(kLargestPart / 1000)}};
    case CutProblem::WindowTooLarge:
        return {TemplateErrorKind::WindowTooLarge,
                {shown(f::CheekWindowWidth), shown(f::CheekWindowHeight), shown(f::CheekWidth),
                 shown(f::CheekHeight)}};
    case CutProblem::TabsTooShort:
        return {TemplateErrorKind::TabsTooShort, {shown(field), shown(f::TabbedWallHeight)}};
    case CutProblem::MiddleTooTall:
        if (field == f::TabbedWallMiddleHeight)
            return {TemplateErrorKind::TabbedMiddleTooTall, {shown(field), shown(f::TabbedWallBetweenTabs)}};
        return {TemplateErrorKind::PlainMiddleTooTall, {shown(field), shown(f::PlainWallHeight)}};
    case CutProblem::BadBobbinCount:
        return settingOutOfRange("bobbins", bobbins, 1, kMaxBobbins, numbers.sep);
    case CutProblem::BadAllowance:
        if (field == "hole")
            return settingOutOfRange(field, allowances.leadHole, design::kMinHole, design::kMaxHole,
                                     numbers.sep);
        return settingOutOfRange(field, field == "kerf" ? allowances.kerf : allowances.windowClearance, 0,
                                 kMaxAllowance, numbers.sep);
    case CutProblem::HoleWithinKerf:
        return {TemplateErrorKind::HoleWithinKerf,
                {decimalText(allowances.leadHole, ".").toStdString(),
                 decimalText(allowances.kerf, ".").toStdString(), numbers.sep}};
    }
    throw std::logic_error(error.what());
}

PieceLabel labelsOf(const cut::CutSet& set)
{
    return
        [&set](const cut::CutPart& part, const PlacedPiece& piece) { return pieceLabel(set, part, piece); };
}

}  // namespace

std::optional<TemplateFormat> templateFormatFor(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"pdf")
        return TemplateFormat::Pdf;
    if (suffix == u"svg")
        return TemplateFormat::Svg;
    if (suffix == u"dxf")
        return TemplateFormat::Dxf;
    return std::nullopt;
}

cut::CutSet makeTemplateParts(const calc::DrawingNumbers& numbers, int bobbins, cut::CutAllowances allowances)
{
    try {
        return cut::makeCutSet(numbers, bobbins, allowances);
    } catch (const cut::CutPartsError& e) {
        throw TemplateError(drawingProblem(e, numbers, bobbins, allowances));
    }
}

PageSetup a4Sheets()
{
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    return {a4, QRectF(QPointF(0, 0), a4).adjusted(kFileMargin, kFileMargin, -kFileMargin, -kFileMargin),
            Paging::Sheets};
}

PageSetup svgCanvas()
{
    const PageSetup sheets = a4Sheets();
    return {sheets.paper, QRectF(sheets.printable.topLeft(), QSizeF(sheets.printable.width(), 0)),
            Paging::OneCanvas};
}

PageSetup cutterSheets(QSizeF size, double gap, bool labels)
{
    // The gap also keeps the parts off the sheet's edges.
    return {size, QRectF(QPointF(0, 0), size).adjusted(gap, gap, -gap, -gap), Paging::CutterSheets, gap, labels};
}

TemplateLayout layOutTemplate(const CutSet& set, const PageSetup& setup)
{
    if (!setup.labels)
        return layoutTemplate(set, setup, labelTextWidth, [](const CutPart&, const PlacedPiece&) { return QStringList(); });
    return layoutTemplate(set, setup, labelTextWidth, labelsOf(set));
}

void writeTemplatePdf(QIODevice& out, const TemplateDrawing& drawing, int dotsPerInch)
{
    QPdfWriter writer(&out);
    writer.setResolution(dotsPerInch);
    writer.setTitle(templateTitle());
    writer.setCreator(QStringLiteral("Vintorp"));
    writer.setPageLayout(QPageLayout(QPageSize(drawing.paper, QPageSize::Millimeter), QPageLayout::Portrait,
                                     QMarginsF(), QPageLayout::Millimeter));
    paintTemplate(writer, drawing);
}

QByteArray templatePdfFile(const CutSet& set)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    writeTemplatePdf(buffer, drawTemplate(set, layOutTemplate(set, a4Sheets())));
    buffer.close();
    return pdf;
}

namespace {

PageSetup fileSetup(const std::optional<CutterSetup>& cutter)
{
    return cutter ? cutterSheets(cutter->sheet, cutter->gap, cutter->labels && !cutter->cutOnly)
                  : svgCanvas();
}

// What a cutter cuts: the outlines, the lead holes and the calibration square.
bool isCut(Job job)
{
    return job == Job::Cut || job == Job::Holes || job == Job::Calibration;
}

// The drawing of each file: the one canvas, or each of a cutter's sheets.
std::vector<TemplateDrawing> fileDrawings(const CutSet& set, const std::optional<CutterSetup>& cutter)
{
    TemplateDrawing drawing = drawTemplate(set, layOutTemplate(set, fileSetup(cutter)));
    if (!cutter)
        return {std::move(drawing)};
    std::vector<TemplateDrawing> sheets;
    for (PageDrawing& page : drawing.pages) {
        if (cutter->cutOnly) {
            for (Group& group : page.groups)
                std::erase_if(group.layers, [](const Layer& layer) { return !isCut(layer.job); });
        }
        sheets.push_back({drawing.paper, {std::move(page)}, drawing.notes});
    }
    return sheets;
}

}  // namespace

std::vector<QByteArray> templateSvgFiles(const CutSet& set, const std::optional<CutterSetup>& cutter)
{
    std::vector<QByteArray> files;
    for (const TemplateDrawing& drawing : fileDrawings(set, cutter))
        files.push_back(templateSvg(drawing, templateTitle()));
    return files;
}

std::vector<QByteArray> templateDxfFiles(const CutSet& set, const std::optional<CutterSetup>& cutter)
{
    std::vector<QByteArray> files;
    for (const TemplateDrawing& drawing : fileDrawings(set, cutter))
        files.push_back(templateDxf(drawing));
    return files;
}

QStringList templateFileNames(const QString& path, int files)
{
    if (files == 1)
        return {path};
    // The number goes before the suffix, which the path has (it says the format).
    const qsizetype dot = path.lastIndexOf(u'.');
    QStringList names;
    for (int file = 1; file <= files; ++file)
        names << path.left(dot) + u'-' + QString::number(file) + path.mid(dot);
    return names;
}

QStringList saveTemplate(const QString& path, const cut::CutSet& set,
                         const std::optional<CutterSetup>& cutter)
{
    // A NUL makes any name no file name, whatever it ends in.
    if (path.contains(QChar(u'\0')))
        throw TemplateError(fileNotWritten(path, {files::WriteFault::NulInPath}));
    const std::optional<TemplateFormat> format = templateFormatFor(path);
    if (!format)
        throw TemplateError(TemplateErrorKind::NotATemplateFile);
    if (*format == TemplateFormat::Pdf && (cutter || set.allowances.kerf > 0))
        throw TemplateError(TemplateErrorKind::KerfOnPdf);
    // Made in memory before any file is touched.
    std::vector<QByteArray> files;
    switch (*format) {
    case TemplateFormat::Pdf: files.push_back(templatePdfFile(set)); break;
    case TemplateFormat::Svg: files = templateSvgFiles(set, cutter); break;
    case TemplateFormat::Dxf: files = templateDxfFiles(set, cutter); break;
    }
    const QStringList paths = templateFileNames(path, int(files.size()));
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QByteArray name = QFile::encodeName(paths[i]);
        const QByteArray& bytes = files[std::size_t(i)];
        if (const auto failure
            = files::writeWholeFile(std::string_view(name.constData(), std::size_t(name.size())),
                                    std::string_view(bytes.constData(), std::size_t(bytes.size())))) {
            // All the sheets or none: the ones written before go again.
            for (qsizetype written = 0; written < i; ++written)
                QFile::remove(paths[written]);
            throw TemplateError(fileNotWritten(paths[i], *failure));
        }
    }
    return paths;
}

}  // namespace vintorp::cut
