// The drawing window's template command: asks for the number of bobbins and
// where the template goes, then prints it at 100 % or saves it as PDF, SVG or
// DXF.
#pragma once

#include "template/parts/cutparts.h"
#include "template/command/templatedialog.h"
#include "print/printcommand.h"
#include "print/sharedprinter.h"
#include "design/design.h"

#include <QRectF>
#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace vintorp::cut {

// Where the template goes on the printer's paper (mm from its corner): the
// printable area, and never less than a small margin.
QRectF templatePrintableArea(const QPrinter& printer);

// Prints every sheet at true size on the paper chosen for `printer`, as every
// printout goes out (print::printOn): a PDF file chosen in the dialog is
// written whole or not at all, and the printer's own settings are as they
// were when it returns. Throws PrintError (no printer, output not written),
// or TemplateError (a paper too small for the sheets).
void printTemplate(QPrinter& printer, const cut::CutSet& set);

class TemplateCommand {
public:
    // Prints on `printer`, the run's one printer; asks with the standard
    // dialogs unless given others.
    explicit TemplateCommand(print::SharedPrinter& printer, std::unique_ptr<TemplateDialogs> dialogs = {});
    ~TemplateCommand();
    TemplateCommand(const TemplateCommand&) = delete;
    TemplateCommand& operator=(const TemplateCommand&) = delete;

    void setDialogs(std::unique_ptr<TemplateDialogs> dialogs);

    // What the dialog opens with: the user's last choices, or a design's.
    // Only what the user changed from what the dialog showed is set; the
    // rest keeps its defaults (the number of bobbins follows the core type).
    const design::TemplateSettings& settings() const { return settings_; }
    void setSettings(const design::TemplateSettings& settings) { settings_ = settings; }

    // Returns quietly when the user cancels. Throws TemplateError (values that
    // make no part, a file that cannot be saved) or PrintError (the printout
    // that cannot go out, a print while one runs).
    void run(QWidget* parent, const calc::DrawingNumbers& numbers, int coreType);

private:
    std::unique_ptr<TemplateDialogs> dialogs_;
    print::PrintCommand print_;  // asks with dialogs_
    design::TemplateSettings settings_;
};

// The dialog's values for `settings`, the defaults where they are not set.
TemplateChoice startingChoice(const design::TemplateSettings& settings, int coreType);
// Sets in `settings` every value of `chosen` that differs from `start`.
void rememberChoice(design::TemplateSettings& settings, const TemplateChoice& start, const TemplateChoice& chosen);

}  // namespace vintorp::cut
