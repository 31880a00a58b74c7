// Where a print command's pages go. Printing to a file through the print
// dialog makes a PDF, and Qt's printer writes that file as it paints: a full
// disk would leave a cut-short file in place of the user's old one. So the
// printer paints into an anonymous file in memory instead (keeping every
// setting of the dialog: paper, margins, resolution, colour mode), and the
// PDF is written whole to the user's file when the pages are done.
#pragma once

#include <QString>

#include <optional>

class QPrinter;

namespace vintorp::print {

class PrinterOutput {
public:
    explicit PrinterOutput(QPrinter& printer);
    // Gives the printer the user's file name back, for the next dialog.
    ~PrinterOutput();
    PrinterOutput(const PrinterOutput&) = delete;
    PrinterOutput& operator=(const PrinterOutput&) = delete;

    // Sends the pages into memory when the printer prints to a file. Returns
    // the message for the user when that cannot be done; nothing is painted.
    std::optional<QString> start();

    // Writes the PDF file, when the printer prints to one, after the painter
    // has ended. Returns the message for the user when the file could not be
    // written whole; the file is then as it was before.
    std::optional<QString> finish();

private:
    QPrinter& printer_;
    QString fileName_;  // the user's file; empty: the printer prints
    int memory_ = -1;  // the anonymous file the printer writes to
};

}  // namespace vintorp::print
