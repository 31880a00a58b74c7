#include "template/pages/cuttemplate.h"

#include "template/pages/paint.h"
#include "template/pages/svg.h"
#include "template/pages/texts.h"
#include "template/pages/templateerror.h"

#include "files/wholefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>

namespace vintorp::cut {
namespace {

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
    return std::nullopt;
}

cut::CutSet makeTemplateParts(const cut::FieldTexts& texts, const QString& sep, int bobbins)
{
    try {
        return cut::makeCutSet(texts, sep.toStdString(), bobbins);
    } catch (const cut::CutPartsError& e) {
        throw TemplateError(problemMessage(e));
    }
}

TemplateLayout sheetLayout(const cut::CutSet& set, QSizeF paper, QRectF printable)
{
    return layoutTemplate(set, paper, printable, Paging::Sheets, labelTextWidth, labelsOf(set));
}

TemplateLayout a4Layout(const cut::CutSet& set)
{
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    return sheetLayout(
        set, a4, QRectF(QPointF(0, 0), a4).adjusted(kFileMargin, kFileMargin, -kFileMargin, -kFileMargin));
}

TemplateLayout canvasLayout(const cut::CutSet& set)
{
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const QRectF printable(kFileMargin, kFileMargin, a4.width() - 2 * kFileMargin, 0);
    return layoutTemplate(set, a4, printable, Paging::OneCanvas, labelTextWidth, labelsOf(set));
}

void writeTemplatePdf(QIODevice& out, const cut::CutSet& set, int dotsPerInch)
{
    const TemplateLayout layout = a4Layout(set);
    QPdfWriter writer(&out);
    writer.setResolution(dotsPerInch);
    writer.setTitle(templateTitle());
    writer.setCreator(QStringLiteral("Vintorp"));
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
    paintTemplate(writer, set, layout);
}

QByteArray templateSvgFile(const cut::CutSet& set)
{
    return templateSvg(set, canvasLayout(set));
}

QByteArray templatePdfFile(const cut::CutSet& set)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    writeTemplatePdf(buffer, set);
    buffer.close();
    return pdf;
}

std::optional<QString> writeFileWhole(const QString& path, const QByteArray& bytes)
{
    const QByteArray name = QFile::encodeName(path);
    const std::optional<files::WriteFailure> failure
        = files::writeWholeFile(std::string_view(name.constData(), std::size_t(name.size())),
                                std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (failure)
        return writeFailureMessage(path, *failure);
    return std::nullopt;
}

void saveTemplate(const QString& path, const cut::CutSet& set)
{
    const std::optional<TemplateFormat> format = templateFormatFor(path);
    if (!format)
        throw TemplateError(CutTemplate::tr("Шаблон сохраняется только в файл .pdf или .svg."));
    // Made in memory before the file is touched.
    if (const auto why
        = writeFileWhole(path, *format == TemplateFormat::Svg ? templateSvgFile(set) : templatePdfFile(set)))
        throw TemplateError(*why);
}

}  // namespace vintorp::cut
