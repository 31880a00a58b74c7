#include "template/command/templatecommand.h"

#include "template/pages/paint.h"
#include "template/pages/cuttemplate.h"
#include "template/pages/texts.h"
#include "print/printcommand.h"

#include <QPageLayout>
#include <QPrinter>

#include <algorithm>
#include <optional>

namespace vintorp::cut {
namespace {

// Some printers report no unprintable margin; keep a little anyway.
constexpr double kLeastPrinterMargin = 5;

// Every sheet at true size, laid out on the printer's paper.
class TemplatePrintout final : public print::Printout {
public:
    explicit TemplatePrintout(const cut::CutSet& set) : set_(set) { }

    QString docName() const override { return templateTitle(); }
    bool trueSize() const override { return true; }

    void layOut(const QPrinter& printer) override
    {
        QPageLayout page = printer.pageLayout();
        page.setUnits(QPageLayout::Millimeter);
        drawing_ = drawTemplate(set_, layOutTemplate(set_, {page.fullRect().size(),
                                                            templatePrintableArea(printer), Paging::Sheets}));
    }

    void paint(QPainter& painter, QPrinter& printer) override
    {
        paintTemplatePages(painter, printer, drawing_.value());
    }

private:
    const cut::CutSet& set_;
    std::optional<TemplateDrawing> drawing_;
};

// The template dialogs' question for the printer, as the print command asks
// it: of the dialogs the command has when it asks.
class TemplatePrinterChooser final : public print::PrinterChooser {
public:
    explicit TemplatePrinterChooser(const std::unique_ptr<TemplateDialogs>& dialogs) : dialogs_(dialogs) { }
    bool choose(QPrinter& printer, QWidget* parent) override
    {
        return dialogs_->choosePrinter(printer, parent);
    }

private:
    const std::unique_ptr<TemplateDialogs>& dialogs_;
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
    TemplatePrintout printout(set);
    print::printOn(printer, printout);
}

TemplateCommand::TemplateCommand(print::SharedPrinter& printer, std::unique_ptr<TemplateDialogs> dialogs)
    : dialogs_(dialogs ? std::move(dialogs) : std::make_unique<StandardTemplateDialogs>()),
      print_(printer, std::make_unique<TemplatePrinterChooser>(dialogs_))
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
    const cut::CutSet set = makeTemplateParts(
        numbers, choice->bobbins, {choice->windowClearance, cutter ? choice->kerf : 0, choice->leadHole});
    if (choice->output == TemplateChoice::Output::File) {
        const QString path = dialogs_->chooseFile(parent);
        if (path.isEmpty())
            return;
        const QStringList paths = saveTemplate(path, set, cutter);
        if (paths.size() > 1)
            dialogs_->tellSheetFiles(paths, parent);
        return;
    }
    TemplatePrintout printout(set);
    print_.print(parent, printout);
}

TemplateChoice startingChoice(const design::TemplateSettings& s, int coreType)
{
    const CutterSetup usual;
    TemplateChoice start;
    start.bobbins = s.bobbins.value_or(cut::defaultBobbinCount(coreType));
    start.windowClearance = s.clearance.value_or(0);
    start.forCutter = s.cutter.value_or(false);
    start.cutter
        = {QSizeF(s.sheetWidth.value_or(usual.sheet.width()), s.sheetHeight.value_or(usual.sheet.height())),
           s.gap.value_or(usual.gap), s.labels.value_or(usual.labels), s.cutOnly.value_or(usual.cutOnly)};
    start.kerf = s.kerf.value_or(0);
    start.leadHole = s.hole.value_or(design::TemplateSettings::kHole);
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
    keep(s.cutOnly, start.cutter.cutOnly, chosen.cutter.cutOnly);
    keep(s.kerf, start.kerf, chosen.kerf);
    keep(s.hole, start.leadHole, chosen.leadHole);
}

}  // namespace vintorp::cut
