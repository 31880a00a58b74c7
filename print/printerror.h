// Errors that end the print command and reach the program's general error
// report, which shows what().
#pragma once

#include <stdexcept>
#include <string_view>

namespace vintorp::print {

inline constexpr std::string_view kNoDefaultPrinter = "There is no default printer currently selected";
inline constexpr std::string_view kPrinterNotValid = "Printer selected is not valid";
inline constexpr std::string_view kPrintingInProgress = "Printing in progress";

class PrintError : public std::runtime_error {
public:
    explicit PrintError(std::string_view message) : std::runtime_error(std::string(message)) { }
};

}  // namespace vintorp::print
