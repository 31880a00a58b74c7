#include "print/sharedprinter.h"

#include <QPrinter>

namespace vintorp::print {

bool hasDestination(const QPrinter& printer)
{
    if (!printer.outputFileName().isEmpty())
        return true;
    return printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty();
}

SharedPrinter::SharedPrinter() = default;

SharedPrinter::~SharedPrinter() = default;

QPrinter& SharedPrinter::get()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

}  // namespace vintorp::print
