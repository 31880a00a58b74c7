#include "print/drawingprinter.h"

#include "print/picturepaint.h"
#include "print/printeroutput.h"
#include "print/printerror.h"
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

}  // namespace

DrawingPrinter::DrawingPrinter(SharedPrinter& printer, std::unique_ptr<PrinterChooser> chooser)
    : printer_(printer), chooser_(chooser ? std::move(chooser) : std::make_unique<DialogPrinterChooser>())
{
}

DrawingPrinter::~DrawingPrinter() = default;

void DrawingPrinter::print(QWidget& window, const QRect& area)
{
    if (printing_)
        throw PrintError(kPrintingInProgress);
    const BusyScope busy(printing_);
    if (area.isEmpty())
        return;

    QPrinter& target = printer_.get();
    // The drawing is placed within the printable area.
    target.setFullPage(false);
    if (!chooser_->choose(target, &window))
        return;
    if (!hasDestination(target))
        throw PrintError(kNoDefaultPrinter);

    const QRect page = target.pageRect(QPrinter::DevicePixel).toRect();
    if (page.isEmpty())
        throw PrintError(kPrinterNotValid);
    const PrintSize size = printSize(area.width(), area.height(), page.width(), page.height());

    PrinterOutput output(target);
    if (const auto why = output.start())
        throw PrintError(why->toStdString());
    QPainter painter;
    if (!painter.begin(&target))
        throw PrintError(kPrinterNotValid);
    paintPicture(painter, window, area, size);
    painter.end();
    if (const auto why = output.finish())
        throw PrintError(why->toStdString());
}

}  // namespace vintorp::print
