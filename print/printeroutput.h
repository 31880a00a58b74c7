// Where a print command paints. Printing to a file through the print dialog
// makes a PDF, and Qt's printer writes that file as it paints: a full disk
// would leave a cut-short file in place of the user's old one. So for a file
// the pages are painted into memory, with the printer's paper, margins,
// resolution and title, and written whole when they are done.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace vintorp::print {

class PrinterOutput {
public:
    // Takes the printer as the dialog left it, the document's title set.
    explicit PrinterOutput(QPrinter& printer);
    ~PrinterOutput();
    PrinterOutput(const PrinterOutput&) = delete;
    PrinterOutput& operator=(const PrinterOutput&) = delete;

    // The printer, or the PDF in memory; paint on it and end the painter.
    QPagedPaintDevice& device();

    // Writes the PDF file, when the printer prints to one. Returns the
    // message for the user when the file could not be written; the file is
    // then as it was before.
    std::optional<QString> finish();

private:
    QPrinter& printer_;
    QString fileName_;  // empty: the printer prints
    QByteArray pdf_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
};

}  // namespace vintorp::print
