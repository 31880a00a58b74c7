// Errors that end a command and reach the program's general error report.
#pragma once

#include <stdexcept>
#include <string>

namespace vintorp::calc {

// Base of every error the calculation lets escape: its what() is the message
// shown to the user (before the report adds its full stop).
class CalcError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An arithmetic fault: "Invalid floating point operation",
// "Floating point division by zero" or "Floating point overflow".
class ArithmeticError : public CalcError {
public:
    using CalcError::CalcError;
};

// A text that ParseNumber rejected.
class ConversionError : public CalcError {
public:
    using CalcError::CalcError;
};

}  // namespace vintorp::calc
