#include "windingsprinter.h"

#include "print/errors/printerror.h"
#include "print/printeroutput.h"
#include "windingspage.h"

#include <QPainter>
#include <QPrinter>

namespace vintorp::ui {

WindingsPrinter::WindingsPrinter(print::SharedPrinter& printer,
                                 std::unique_ptr<print::PrinterChooser> chooser)
    : printer_(printer)
{
    setChooser(std::move(chooser));
}

void WindingsPrinter::setChooser(std::unique_ptr<print::PrinterChooser> chooser)
{
    chooser_ = chooser ? std::move(chooser) : std::make_unique<print::DialogPrinterChooser>();
}

void WindingsPrinter::print(QWidget& parent, const WindingsPage& page)
{
    using print::PrintError;
    using print::PrintErrorKind;
    QPrinter& target = printer_.get();
    target.setFullPage(false);
    if (!chooser_->choose(target, &parent))
        return;
    if (!print::hasDestination(target))
        throw PrintError(PrintErrorKind::NoDefaultPrinter);
    const QRectF area = target.pageRect(QPrinter::DevicePixel);
    if (area.isEmpty())
        throw PrintError(PrintErrorKind::PrinterNotValid);

    print::PrinterOutput output(target);
    if (const auto why = output.start())
        throw PrintError(PrintErrorKind::OutputFailed, why->toStdString());
    QPainter painter;
    if (!painter.begin(&target))
        throw PrintError(PrintErrorKind::PrinterNotValid);
    paintWindingsPage(painter, QRectF(QPointF(0, 0), area.size()), page);
    painter.end();
    if (const auto why = output.finish())
        throw PrintError(PrintErrorKind::OutputFailed, why->toStdString());
}

}  // namespace vintorp::ui
