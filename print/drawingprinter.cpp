#include "print/drawingprinter.h"

#include "print/picturepaint.h"
#include "print/printeroutput.h"
#include "print/errors/printerror.h"
#include "print/printsize.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

namespace vintorp::print {
namespace {

// Marks the printer busy for the lifetime of the command.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

bool hasDestination(const QPrinter& printer)
{
    if (!printer.outputFileName().isEmpty())
        return true;
    return printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty();
}

}  // namespace

DrawingPrinter::DrawingPrinter() : DrawingPrinter(std::make_unique<DialogPrinterChooser>()) { }

DrawingPrinter::DrawingPrinter(std::unique_ptr<PrinterChooser> chooser) : chooser_(std::move(chooser)) { }

DrawingPrinter::~DrawingPrinter() = default;

QPrinter& DrawingPrinter::printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setFullPage(false);
    }
    return *printer_;
}

void DrawingPrinter::print(QWidget& window, const QRect& area)
{
    if (printing_)
        throw PrintError(PrintErrorKind::PrintingInProgress);
    const BusyScope busy(printing_);
    if (area.isEmpty())
        return;

    QPrinter& target = printer();
    if (!chooser_->choose(target, &window))
        return;
    if (!hasDestination(target))
        throw PrintError(PrintErrorKind::NoDefaultPrinter);

    const QRect page = target.pageRect(QPrinter::DevicePixel).toRect();
    if (page.isEmpty())
        throw PrintError(PrintErrorKind::PrinterNotValid);
    const PrintSize size = printSize(area.width(), area.height(), page.width(), page.height());

    PrinterOutput output(target);
    if (const auto why = output.start())
        throw PrintError(PrintErrorKind::OutputFailed, why->toStdString());
    QPainter painter;
    if (!painter.begin(&target))
        throw PrintError(PrintErrorKind::PrinterNotValid);
    paintPicture(painter, window, area, size);
    painter.end();
    if (const auto why = output.finish())
        throw PrintError(PrintErrorKind::OutputFailed, why->toStdString());
}

}  // namespace vintorp::print
