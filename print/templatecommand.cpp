#include "print/templatecommand.h"

#include "print/cutpaint.h"
#include "print/cuttemplate.h"
#include "print/cuttexts.h"
#include "print/printeroutput.h"
#include "print/printerror.h"
#include "print/templateerror.h"

#include <QPrinter>

#include <algorithm>

namespace vintorp::print {
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

void printTemplate(QPrinter& printer, const calc::CutSet& set)
{
    if (printer.outputFileName().isEmpty() && printer.printerName().isEmpty())
        throw PrintError(PrintErrorKind::NoDefaultPrinter);
    // Painted from the paper's corner, in millimetres at the printer's own
    // resolution: never scaled to fit.
    printer.setFullPage(true);
    QPageLayout page = printer.pageLayout();
    page.setUnits(QPageLayout::Millimeter);
    const TemplateLayout layout = sheetLayout(set, page.fullRect().size(), templatePrintableArea(printer));
    printer.setDocName(templateTitle());
    PrinterOutput output(printer);
    if (const auto why = output.start())
        throw TemplateError(*why);
    paintTemplate(printer, set, layout);
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

void TemplateCommand::run(QWidget* parent, const calc::FieldTexts& texts, const QString& sep, int coreType)
{
    // Values that make no part are reported before any question is asked.
    makeTemplateParts(texts, sep, 1);
    const std::optional<TemplateChoice> choice
        = dialogs_->chooseOutput(calc::defaultBobbinCount(coreType), parent);
    if (!choice)
        return;
    const calc::CutSet set = makeTemplateParts(texts, sep, choice->bobbins);
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

}  // namespace vintorp::print
