// How the print command asks the user for a printer.
#pragma once

class QPrinter;
class QWidget;

namespace vintorp::print {

class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    // Lets the user set up `printer`; false when the user cancels, in which
    // case the printer keeps its settings.
    virtual bool choose(QPrinter& printer, QWidget* parent) = 0;
};

// Qt's standard print dialog, object name "PrintDialog1": all pages only
// (no page range, selection or current page), printing to a PDF file kept.
class DialogPrinterChooser final : public PrinterChooser {
public:
    bool choose(QPrinter& printer, QWidget* parent) override;
};

}  // namespace vintorp::print
