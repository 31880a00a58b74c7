#include "separatorspinbox.h"

#include "decimalseparator.h"
#include "windingstext.h"

namespace vintorp::ui {

QString SeparatorSpinBox::textFromValue(double value) const
{
    return fixedText(value, decimals(), decimalSeparator());
}

QString SeparatorSpinBox::number(const QString& text) const
{
    QString n = text;
    if (!prefix().isEmpty() && n.startsWith(prefix()))
        n.remove(0, prefix().size());
    if (!suffix().isEmpty() && n.endsWith(suffix()))
        n.chop(suffix().size());
    return n;
}

double SeparatorSpinBox::valueFromText(const QString& text) const
{
    return decimalValue(number(text), decimalSeparator()).value_or(value());
}

QValidator::State SeparatorSpinBox::validate(QString& text, int&) const
{
    const QString sep = decimalSeparator();
    const QString input = number(text);
    for (const QChar c : input)
        if (!(c >= u'0' && c <= u'9') && c != u'.' && QString(c) != sep && c != u' ')
            return QValidator::Invalid;
    const auto value = decimalValue(input, sep);
    if (value && *value >= minimum() && *value <= maximum())
        return QValidator::Acceptable;
    return QValidator::Intermediate;
}

void SeparatorSpinBox::fixup(QString& input) const
{
    input = textFromValue(value());
}

}  // namespace vintorp::ui
