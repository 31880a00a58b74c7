#include "windingstext.h"

#include "windings/fixedtext.h"

#include <cmath>

namespace vintorp::ui {

QString fixedText(double value, int decimals, const QString& separator)
{
    QString text = QString::fromStdString(windings::fixedText(value, decimals));
    text.replace(QLatin1Char('.'), separator);
    return text;
}

QString plainText(double value, const QString& separator)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), separator);
    return text;
}

std::optional<double> decimalValue(const QString& text, const QString& separator)
{
    const QString t = text.trimmed();
    int digits = 0;
    int points = 0;
    QString plain;
    plain.reserve(t.size());
    for (const QChar c : t) {
        if (c >= u'0' && c <= u'9') {
            ++digits;
            plain += c;
        } else if (c == u'.' || QString(c) == separator) {
            ++points;
            plain += QLatin1Char('.');
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || points > 1 || digits > 15)
        return std::nullopt;
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<long> wholeValue(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 12)
        return std::nullopt;
    for (const QChar c : t)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return t.toLong();
}

}  // namespace vintorp::ui
