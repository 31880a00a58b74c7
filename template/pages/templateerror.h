// An error that ends the making of a cut template: its what() is the message
// for the user, already translated, in UTF-8. Also the translation context
// of the template's words.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <stdexcept>

namespace vintorp::cut {

// CutTemplate::tr(): the template's texts, Russian at the source, in one
// translation context.
class CutTemplate {
    Q_DECLARE_TR_FUNCTIONS(CutTemplate)
};

class TemplateError : public std::runtime_error {
public:
    explicit TemplateError(const QString& message) : std::runtime_error(message.toStdString()) { }
    QString message() const { return QString::fromUtf8(what()); }
};

}  // namespace vintorp::cut
