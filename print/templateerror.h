// An error that ends the making of a cut template: its what() is the message
// for the user, already translated, in UTF-8.
#pragma once

#include <QString>

#include <stdexcept>

namespace vintorp::print {

class TemplateError : public std::runtime_error {
public:
    explicit TemplateError(const QString& message) : std::runtime_error(message.toStdString()) { }
    QString message() const { return QString::fromUtf8(what()); }
};

}  // namespace vintorp::print
