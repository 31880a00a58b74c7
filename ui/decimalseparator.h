// The program's one decimal separator: every parse, every formatted number
// and the input window's key filter read its current value at the moment of
// use. It comes from the user's regional settings and is read again when the
// desktop announces a change of them.
#pragma once

#include <QString>

#include <functional>

namespace vintorp::ui {

// Where the regional decimal symbol comes from; tests pin it.
using SeparatorSource = std::function<QString()>;

// The system locale's decimal symbol.
QString systemDecimalSymbol();

// Replaces the source and reads the separator from it at once.
void setSeparatorSource(SeparatorSource source);

// Reads the separator again: the source's symbol if it is exactly one
// character, otherwise ".".
void reloadDecimalSeparator();

QString decimalSeparator();

}  // namespace vintorp::ui
