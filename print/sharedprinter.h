// The one printer of a run. The drawing's print and the template's print
// both use it, so the printer, paper and file chosen in the dialog for one
// are offered again for the other.
#pragma once

#include <memory>

class QPrinter;

namespace vintorp::print {

// Whether the printer, as the dialog left it, has somewhere to send the
// pages: a file, or a printer of the printing system. Every print command
// asks this before it prints.
bool hasDestination(const QPrinter& printer);

class SharedPrinter {
public:
    SharedPrinter();
    ~SharedPrinter();
    SharedPrinter(const SharedPrinter&) = delete;
    SharedPrinter& operator=(const SharedPrinter&) = delete;

    // Made on first use (asking the printing system for its printers takes
    // time), at the printer's high resolution.
    QPrinter& get();

private:
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace vintorp::print
