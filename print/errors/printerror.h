// Errors that end the print command and reach the program's general error
// report. Each is known by its kind; the report words it in the interface
// language (lang/messages.cpp).
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace vintorp::print {

enum class PrintErrorKind : int {
    NoDefaultPrinter,
    PrinterNotValid,
    PrintingInProgress,
    OutputFailed,  // argument: why the pages could not go out, already worded for the user (UTF-8)
    Count  // the number of kinds, not a kind
};

struct PrintFailure {
    PrintErrorKind kind = PrintErrorKind::NoDefaultPrinter;
    std::string argument;  // empty unless the kind says what it holds

    bool operator==(const PrintFailure&) const = default;
};

// The message in the printout's own English words: the what() of PrintError,
// for code that shows an exception it does not know.
std::string sourceText(const PrintFailure& failure);

class PrintError : public std::runtime_error {
public:
    explicit PrintError(PrintErrorKind kind, std::string argument = {})
        : PrintError(PrintFailure{kind, std::move(argument)})
    {
    }
    explicit PrintError(PrintFailure failure)
        : std::runtime_error(sourceText(failure)),
          failure_(std::make_shared<const PrintFailure>(std::move(failure)))
    {
    }
    const PrintFailure& failure() const noexcept { return *failure_; }

private:
    // Shared, so that copying the exception cannot throw.
    std::shared_ptr<const PrintFailure> failure_;
};

inline std::string sourceText(const PrintFailure& failure)
{
    switch (failure.kind) {
    case PrintErrorKind::NoDefaultPrinter: return "There is no default printer currently selected";
    case PrintErrorKind::PrinterNotValid: return "Printer selected is not valid";
    case PrintErrorKind::PrintingInProgress: return "Printing in progress";
    case PrintErrorKind::OutputFailed: return failure.argument;
    case PrintErrorKind::Count: break;
    }
    return "Printer error of kind " + std::to_string(static_cast<int>(failure.kind));
}

}  // namespace vintorp::print
