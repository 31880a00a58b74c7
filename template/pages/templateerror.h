// An error that ends the making of a cut template, known by its kind
// (template/errors/templatefailure.h); lang::messageText words it for the
// user. Also the translation context of the template's words.
#pragma once

#include "template/errors/templatefailure.h"

#include <QCoreApplication>
#include <QString>

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vintorp::cut {

// CutTemplate::tr(): the template's texts, Russian at the source, in one
// translation context.
class CutTemplate {
    Q_DECLARE_TR_FUNCTIONS(CutTemplate)
};

class TemplateError : public std::runtime_error {
public:
    explicit TemplateError(TemplateErrorKind kind, std::vector<std::string> arguments = {})
        : TemplateError(TemplateFailure{kind, std::move(arguments)})
    {
    }
    explicit TemplateError(TemplateFailure failure)
        : std::runtime_error(sourceText(failure)),
          failure_(std::make_shared<const TemplateFailure>(std::move(failure)))
    {
    }
    const TemplateFailure& failure() const noexcept { return *failure_; }

private:
    // Shared, so that copying the exception cannot throw.
    std::shared_ptr<const TemplateFailure> failure_;
};

// A number as the template's messages write it ("%1".arg(value)).
inline std::string numberArgument(double value)
{
    return QStringLiteral("%1").arg(value).toStdString();
}

}  // namespace vintorp::cut
