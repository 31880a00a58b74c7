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
#include <string_view>
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

// A number with the decimal separator `sep`, as a drawing shows it: "0,25".
inline QString decimalText(double value, const std::string& sep)
{
    return QString::number(value, 'g', 6).replace(u'.', QString::fromStdString(sep));
}

// A setting out of its range: its key, its value and its range as a design
// file or a batch line writes them, and the drawing's decimal separator.
inline TemplateFailure settingOutOfRange(std::string_view key, double value, double low, double high,
                                         const std::string& sep)
{
    const auto plain = [](double v) { return decimalText(v, ".").toStdString(); };
    return {TemplateErrorKind::SettingOutOfRange,
            {std::string(key), plain(value), plain(low), plain(high), sep}};
}

}  // namespace vintorp::cut
