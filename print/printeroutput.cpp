#include "print/printeroutput.h"

#include "print/cuttemplate.h"

#include <QPdfWriter>
#include <QPrinter>

namespace vintorp::print {

PrinterOutput::PrinterOutput(QPrinter& printer) : printer_(printer), buffer_(&pdf_)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return;
    fileName_ = printer.outputFileName();
    buffer_.open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(&buffer_);
    writer_->setPdfVersion(printer.pdfVersion());
    writer_->setResolution(printer.resolution());
    // The layout carries the printer's full-page mode, and so its origin.
    writer_->setPageLayout(printer.pageLayout());
    writer_->setTitle(printer.docName());
    writer_->setCreator(printer.creator());
}

PrinterOutput::~PrinterOutput() = default;

QPagedPaintDevice& PrinterOutput::device()
{
    if (writer_)
        return *writer_;
    return printer_;
}

std::optional<QString> PrinterOutput::finish()
{
    if (!writer_)
        return std::nullopt;
    buffer_.close();
    return writeFileWhole(fileName_, pdf_);
}

}  // namespace vintorp::print
