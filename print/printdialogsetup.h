// The settings of the print dialog, kept apart so they can be checked
// without showing it.
#pragma once

class QPrintDialog;

namespace vintorp::print {

inline constexpr const char* kPrintDialogName = "PrintDialog1";

// Names the dialog and limits it to printing all pages, keeping the choice
// of printer, its settings, the number of copies and printing to a file.
void setUpPrintDialog(QPrintDialog& dialog);

}  // namespace vintorp::print
