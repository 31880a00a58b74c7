#include "template/command/templatecommand.h"

#include "template/pages/paint.h"
#include "template/pages/cuttemplate.h"
#include "template/pages/texts.h"
#include "print/printeroutput.h"
#include "print/errors/printerror.h"
#include "template/pages/templateerror.h"

#include <QPrinter>

#include <algorithm>

namespace vintorp::cut {
namespace {

// Some printers report no unprintable margin; keep a little anyway.
constexpr double kLeastPrinterMargin = 5;

}  // namespace

QRectF templatePrintableArea(const QPrinter& printer)
{
    QPageLayout page = printer.pageLayout();
    page.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = page.minimumMargins();
    const auto margin = [](double m) { return std::max(m, kLeastPrinterMargin); };
    return QRectF(QPointF(0, 0), page.fullRect().size())
        .adjusted(margin(least.left()), margin(least.top()), -margin(least.right()), -margin(least.bottom()));
}

void printTemplate(QPrinter& printer, const cut::CutSet& set)
{
    if (printer.outputFileName().isEmpty() && printer.printerName().isEmpty())
        throw print::PrintError(print::PrintErrorKind::NoDefaultPrinter);
    // Painted from the paper's corner, in millimetres at the printer's own
    // resolution: never scaled to fit.
    printer.setFullPage(true);
    QPageLayout page = printer.pageLayout();
    page.setUnits(QPageLayout::Millimeter);
    const TemplateDrawing drawing = drawTemplate(
        set, layOutTemplate(set, {page.fullRect().size(), templatePrintableArea(printer), Paging::Sheets}));
    printer.setDocName(templateTitle());
    print::PrinterOutput output(printer);
    if (const auto why = output.start())
        throw TemplateError(*why);
    paintTemplate(printer, drawing);
    if (const auto why = output.finish())
        throw TemplateError(*why);
}

TemplateCommand::TemplateCommand(std::unique_ptr<TemplateDialogs> dialogs)
    : dialogs_(dialogs ? std::move(dialogs) : std::make_unique<StandardTemplateDialogs>())
{
}

TemplateCommand::~TemplateCommand() = default;

void TemplateCommand::setDialogs(std::unique_ptr<TemplateDialogs> dialogs)
{
    dialogs_ = std::move(dialogs);
}

QPrinter& TemplateCommand::printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageSize(QPageSize(QPageSize::A4));
    }
    return *printer_;
}

void TemplateCommand::run(QWidget* parent, const cut::FieldTexts& texts, const QString& sep, int coreType)
{
    // Values that make no part are reported before any question is asked.
    makeTemplateParts(texts, sep, 1);
    const std::optional<TemplateChoice> choice
        = dialogs_->chooseOutput(cut::defaultBobbinCount(coreType), parent);
    if (!choice)
        return;
    const cut::CutSet set = makeTemplateParts(texts, sep, choice->bobbins);
    if (choice->output == TemplateChoice::Output::File) {
        const QString path = dialogs_->chooseFile(parent);
        if (!path.isEmpty())
            saveTemplate(path, set);
        return;
    }
    QPrinter& target = printer();
    if (dialogs_->choosePrinter(target, parent))
        printTemplate(target, set);
}

}  // namespace vintorp::cut
