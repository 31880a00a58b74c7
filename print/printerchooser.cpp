#include "print/printerchooser.h"

#include "print/printdialogsetup.h"

#include <QPrintDialog>
#include <QPrinter>

namespace vintorp::print {

bool DialogPrinterChooser::choose(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    setUpPrintDialog(dialog);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vintorp::print
