// The windings window's numbers as text: shown rounded with the program's
// decimal separator, and read back from what the user types.
#pragma once

#include <QString>

#include <optional>

namespace vintorp::ui {

// `value` rounded to `decimals` places, with `separator` for the point:
// fixedText(2.376, 2, ",") -> "2,38"; fixedText(-0.004, 2, ",") -> "0,00".
QString fixedText(double value, int decimals, const QString& separator);

// `value` as decimalValue() reads it back: at most 15 significant digits, no
// exponent, no trailing zeros; plainText(0.355, ",") -> "0,355". Meant for
// values from 0.001 to 10^12.
QString plainText(double value, const QString& separator);

// A plain decimal number: digits with at most one separator (the program's,
// or a point), optional surrounding blanks, no sign and no exponent:
// "0,35" and "0.35" -> 0.35, ",5" -> 0.5; "", "1e3", "-1", "1,2,3" -> nothing.
std::optional<double> decimalValue(const QString& text, const QString& separator);

// A whole number of digits alone: "120" -> 120; "", "1,5", "-3" and more
// than 12 digits -> nothing.
std::optional<long> wholeValue(const QString& text);

}  // namespace vintorp::ui
