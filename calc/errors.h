// What the calculation tells the user: the rejection of the inputs and the
// errors that end a command. Each is known by its kind; the words for it are
// the language layer's (lang/messages.cpp), in the interface language.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace vintorp::calc {

enum class ErrorKind : int {
    Rejected,  // the inputs do not make a bobbin: the plain message, not an error report
    InvalidOperation,
    DivisionByZero,
    Overflow,
    NotANumber,  // argument: the text parseNumber rejected
    Count  // the number of kinds, not a kind
};

struct Error {
    ErrorKind kind = ErrorKind::Rejected;
    std::string argument;  // empty unless the kind says what it holds

    bool operator==(const Error&) const = default;
};

// The message in the calculation's own words (Russian for the rejection,
// English for the rest, as the window shows them untranslated): the what()
// of the exceptions below, for code that shows an exception it does not know.
std::string sourceText(const Error& error);

// Base of every error the calculation lets escape.
class CalcError : public std::runtime_error {
public:
    explicit CalcError(Error error);
    const Error& error() const noexcept { return *error_; }

private:
    // Shared, so that copying the exception cannot throw.
    std::shared_ptr<const Error> error_;
};

// An arithmetic fault: InvalidOperation, DivisionByZero or Overflow.
class ArithmeticError : public CalcError {
public:
    explicit ArithmeticError(ErrorKind kind) : CalcError(Error{kind, {}}) { }
};

// A text that parseNumber rejected: NotANumber.
class ConversionError : public CalcError {
public:
    explicit ConversionError(std::string text) : CalcError(Error{ErrorKind::NotANumber, std::move(text)}) { }
};

}  // namespace vintorp::calc
