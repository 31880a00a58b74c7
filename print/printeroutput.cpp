#include "print/printeroutput.h"

#include "files/wholefile.h"
#include "lang/files/writtenfile.h"

#include <QByteArray>
#include <QPrinter>

#include <array>
#include <cerrno>

#include <sys/mman.h>
#include <unistd.h>

namespace vintorp::print {
namespace {

// Every PDF the printer finishes ends with this line; a file cut short by a
// failed write does not.
constexpr QByteArrayView kPdfEnd = "%%EOF\n";

// The whole content of the file behind `fd`, from its start.
std::optional<QByteArray> readAll(int fd)
{
    QByteArray all;
    std::array<char, 65536> chunk{};
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd, chunk.data(), chunk.size(), at);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (got == 0)
            return all;
        all.append(chunk.data(), got);
        at += got;
    }
}

}  // namespace

PrinterOutput::PrinterOutput(QPrinter& printer) : printer_(printer) { }

PrinterOutput::~PrinterOutput()
{
    if (memory_ >= 0) {
        printer_.setOutputFileName(fileName_);
        ::close(memory_);
    }
}

std::optional<QString> PrinterOutput::start()
{
    if (printer_.outputFormat() != QPrinter::PdfFormat || printer_.outputFileName().isEmpty())
        return std::nullopt;
    fileName_ = printer_.outputFileName();
    memory_ = ::memfd_create("vintorp-print", MFD_CLOEXEC);
    if (memory_ < 0)
        return lang::writeFailureMessage(fileName_, files::WriteFailure{files::WriteFault::System, errno});
    // Opened again by name; a name without a suffix keeps the PDF format.
    printer_.setOutputFileName(QStringLiteral("/proc/self/fd/%1").arg(memory_));
    return std::nullopt;
}

std::optional<QString> PrinterOutput::finish()
{
    if (memory_ < 0)
        return std::nullopt;
    const std::optional<QByteArray> pdf = readAll(memory_);
    if (!pdf)
        return lang::writeFailureMessage(fileName_, files::WriteFailure{files::WriteFault::System, errno});
    if (!pdf->endsWith(kPdfEnd))
        return lang::writeFailureMessage(fileName_, files::WriteFailure{files::WriteFault::System, EIO});
    return lang::writeFileWhole(fileName_, *pdf);
}

}  // namespace vintorp::print
