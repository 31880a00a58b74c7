#include "errors.h"

namespace vintorp::calc {

std::string sourceText(const Error& error)
{
    switch (error.kind) {
    case ErrorKind::Rejected: return "Введите правильно размеры!";
    case ErrorKind::InvalidOperation: return "Invalid floating point operation";
    case ErrorKind::DivisionByZero: return "Floating point division by zero";
    case ErrorKind::Overflow: return "Floating point overflow";
    case ErrorKind::NotANumber: return "'" + error.argument + "' is not a valid floating point value";
    case ErrorKind::Count: break;
    }
    return "Error of kind " + std::to_string(static_cast<int>(error.kind));
}

CalcError::CalcError(Error error)
    : std::runtime_error(sourceText(error)), error_(std::make_shared<const Error>(std::move(error)))
{
}

}  // namespace vintorp::calc
