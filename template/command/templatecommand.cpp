#include "template/command/templatecommand.h"

#include "template/pages/paint.h"
#include "template/pages/cuttemplate.h"
#include "template/pages/texts.h"
#include "print/printeroutput.h"
#include "print/errors/printerror.h"
#include "print/sharedprinter.h"
#include "template/pages/templateerror.h"

#include <QPrintEngine>
#include <QPrinter>
#include <QStringList>

#include <algorithm>

namespace vintorp::cut {
namespace {

// Some printers report no unprintable margin; keep a little anyway.
constexpr double kLeastPrinterMargin = 5;

// Qt's print engine for the printing system (CUPS) takes further job
// options under this key, as a list of names and values.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// The options of the template's job: the printing system must not scale the
// pages to fit its paper, or the parts are no longer true to size.
QStringList withoutScaling(QStringList options)
{
    for (qsizetype i = 0; i + 1 < options.size();) {
        if (options[i] == u"print-scaling")
            options.remove(i, 2);
        else
            i += 2;
    }
    return options << QStringLiteral("print-scaling") << QStringLiteral("none");
}

// The template job's own settings on the run's printer, and the printer's
// settings put back when the job is done, so that the drawing's next print
// gets none of them.
class TemplateJob {
public:
    explicit TemplateJob(QPrinter& printer)
        : printer_(printer), fullPage_(printer.fullPage()), docName_(printer.docName()),
          options_(engineOptions(printer))
    {
        // Painted from the paper's corner, in millimetres at the printer's
        // own resolution: never scaled to fit.
        printer.setFullPage(true);
        printer.setDocName(templateTitle());
        setEngineOptions(printer, withoutScaling(options_));
    }

    ~TemplateJob()
    {
        setEngineOptions(printer_, options_);
        printer_.setDocName(docName_);
        printer_.setFullPage(fullPage_);
    }

    TemplateJob(const TemplateJob&) = delete;
    TemplateJob& operator=(const TemplateJob&) = delete;

private:
    static QStringList engineOptions(const QPrinter& printer)
    {
        return printer.printEngine()->property(kCupsOptions).toStringList();
    }
    static void setEngineOptions(QPrinter& printer, const QStringList& options)
    {
        printer.printEngine()->setProperty(kCupsOptions, options);
    }

    QPrinter& printer_;
    bool fullPage_;
    QString docName_;
    QStringList options_;
};

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
    if (!print::hasDestination(printer))
        throw print::PrintError(print::PrintErrorKind::NoDefaultPrinter);
    const TemplateJob job(printer);
    QPageLayout page = printer.pageLayout();
    page.setUnits(QPageLayout::Millimeter);
    const TemplateDrawing drawing = drawTemplate(
        set, layOutTemplate(set, {page.fullRect().size(), templatePrintableArea(printer), Paging::Sheets}));
    print::PrinterOutput output(printer);
    if (const auto why = output.start())
        throw TemplateError(*why);
    paintTemplate(printer, drawing);
    if (const auto why = output.finish())
        throw TemplateError(*why);
}

TemplateCommand::TemplateCommand(print::SharedPrinter& printer, std::unique_ptr<TemplateDialogs> dialogs)
    : printer_(printer), dialogs_(dialogs ? std::move(dialogs) : std::make_unique<StandardTemplateDialogs>())
{
}

TemplateCommand::~TemplateCommand() = default;

void TemplateCommand::setDialogs(std::unique_ptr<TemplateDialogs> dialogs)
{
    dialogs_ = std::move(dialogs);
}

void TemplateCommand::run(QWidget* parent, const calc::DrawingNumbers& numbers, int coreType)
{
    // Values that make no part are reported before any question is asked.
    makeTemplateParts(numbers, 1);
    const TemplateChoice start = startingChoice(settings_, coreType);
    const std::optional<TemplateChoice> choice = dialogs_->chooseOutput(start, parent);
    if (!choice)
        return;
    rememberChoice(settings_, start, *choice);
    // A kerf is for a cutter's file; a printed template has none.
    const std::optional<CutterSetup> cutter = choice->cutterFile();
    const cut::CutSet set
        = makeTemplateParts(numbers, choice->bobbins, {choice->windowClearance, cutter ? choice->kerf : 0});
    if (choice->output == TemplateChoice::Output::File) {
        const QString path = dialogs_->chooseFile(parent);
        if (!path.isEmpty())
            saveTemplate(path, set, cutter);
        return;
    }
    QPrinter& target = printer_.get();
    if (dialogs_->choosePrinter(target, parent))
        printTemplate(target, set);
}

TemplateChoice startingChoice(const design::TemplateSettings& s, int coreType)
{
    const CutterSetup usual;
    TemplateChoice start;
    start.bobbins = s.bobbins.value_or(cut::defaultBobbinCount(coreType));
    start.windowClearance = s.clearance.value_or(0);
    start.forCutter = s.cutter.value_or(false);
    start.cutter = {QSizeF(s.sheetWidth.value_or(usual.sheet.width()), s.sheetHeight.value_or(usual.sheet.height())),
                    s.gap.value_or(usual.gap), s.labels.value_or(usual.labels)};
    start.kerf = s.kerf.value_or(0);
    return start;
}

void rememberChoice(design::TemplateSettings& s, const TemplateChoice& start, const TemplateChoice& chosen)
{
    const auto keep = [](auto& slot, const auto& was, const auto& now) {
        if (now != was)
            slot = now;
    };
    keep(s.bobbins, start.bobbins, chosen.bobbins);
    keep(s.clearance, start.windowClearance, chosen.windowClearance);
    keep(s.cutter, start.forCutter, chosen.forCutter);
    keep(s.sheetWidth, start.cutter.sheet.width(), chosen.cutter.sheet.width());
    keep(s.sheetHeight, start.cutter.sheet.height(), chosen.cutter.sheet.height());
    keep(s.gap, start.cutter.gap, chosen.cutter.gap);
    keep(s.labels, start.cutter.labels, chosen.cutter.labels);
    keep(s.kerf, start.kerf, chosen.kerf);
}

}  // namespace vintorp::cut
