// The print command of the drawing window: asks for a printer and prints the
// part of the window that the window hands over (its picture area) as one
// page, at the top-left corner of the printable area, scaled by printSize().
#pragma once

#include "print/printcommand.h"
#include "print/printerchooser.h"
#include "print/sharedprinter.h"

#include <QRect>

#include <memory>

class QString;
class QWidget;

namespace vintorp::print {

// The printout's name, in the interface language: the print dialog shows it
// and a PDF takes it as its title.
QString drawingDocName();

// Prints on the run's one printer, so the printer and the settings chosen
// in the dialog stay for every later print of the same run.
class DrawingPrinter {
public:
    // Asks with Qt's print dialog unless given another chooser.
    explicit DrawingPrinter(SharedPrinter& printer, std::unique_ptr<PrinterChooser> chooser = {});
    ~DrawingPrinter();

    DrawingPrinter(const DrawingPrinter&) = delete;
    DrawingPrinter& operator=(const DrawingPrinter&) = delete;

    // Prints `area` of the window, rendered from the window's own widgets.
    // Returns without printing when the user cancels. Throws PrintError when
    // no printer or output file is chosen, when the printer cannot be opened,
    // when the PDF file chosen in the dialog cannot be written whole (it then
    // stays as it was), or when called while an earlier print is still running.
    void print(QWidget& window, const QRect& area);

    bool printing() const { return command_.printing(); }

private:
    PrintCommand command_;
};

}  // namespace vintorp::print
