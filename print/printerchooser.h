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

// Qt's standard print dialog, object name "PrintDialog1": no page range on
// offer (the printout is one page), printing to a PDF file kept; the paper
// is the one the dialog shows, and a custom size the user set up earlier is
// kept unless the user sets the paper up again in the dialog's Properties.
class DialogPrinterChooser final : public PrinterChooser {
public:
    bool choose(QPrinter& printer, QWidget* parent) override;
};

}  // namespace vintorp::print
