// The windings window's print command: asks for a printer (the run's one
// printer, shared with the drawing) and prints the windings page on it.
#pragma once

#include "print/printcommand.h"
#include "print/printerchooser.h"
#include "print/sharedprinter.h"

#include <memory>

class QWidget;

namespace vintorp::ui {

struct WindingsPage;

class WindingsPrinter {
public:
    WindingsPrinter(print::SharedPrinter& printer, std::unique_ptr<print::PrinterChooser> chooser = {});
    void setChooser(std::unique_ptr<print::PrinterChooser> chooser);

    // Returns without printing when the user cancels; throws print::PrintError
    // as the drawing's print does (no printer chosen, output not written).
    void print(QWidget& parent, const WindingsPage& page);

private:
    print::PrintCommand command_;
};

}  // namespace vintorp::ui
