#include "print/printdialogsetup.h"

#include <QPrintDialog>
#include <QPrinter>

namespace vintorp::print {

void setUpPrintDialog(QPrintDialog& dialog) {
    dialog.setObjectName(QString::fromLatin1(kPrintDialogName));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
}

}  // namespace vintorp::print
