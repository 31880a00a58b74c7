// What the print benchmarks share: a print dialog stand-in that always
// confirms printing to one PDF file, and the process's memory.
#pragma once

#include "print/printerchooser.h"

#include <QPrinter>
#include <QString>

#include <sys/resource.h>

#include <fstream>
#include <unistd.h>

namespace vintorp::bench {

class PdfChooser final : public print::PrinterChooser {
public:
    explicit PdfChooser(QString file) : file_(std::move(file)) { }
    bool choose(QPrinter& printer, QWidget*) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file_);
        return true;
    }

private:
    QString file_;
};

// Peak resident memory of the process so far, in megabytes.
inline double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// Resident memory of the process now, in megabytes.
inline double residentMegabytes()
{
    long pages = 0, resident = 0;
    std::ifstream statm("/proc/self/statm");
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

}  // namespace vintorp::bench
