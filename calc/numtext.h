// Number text rules: how the program turns input text into numbers and
// numbers into the text it shows, plus the integer conversions they need.
//
// All arithmetic here runs on the x87 extended type (64-bit significand,
// round to nearest-even). Faults (invalid operation, division by zero,
// overflow) end the command with an ArithmeticError; underflow and inexact
// results are silent. See fpenv.h for the environment itself: Calculate sets
// it for its whole run and the parse operations set it for their scan; the
// other operations here compute under the environment in force.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vintorp::calc {

using Extended = long double;

// scaleByPowerOfTen(v, k) = v * 10^k, computed with the small/middle/large
// power tables, one rounded product (or quotient) per table used.
Extended scaleByPowerOfTen(Extended v, int k);

// The decimal separator is passed in by the caller as one UTF-8 encoded
// character (for example "," or "."; at most four bytes); the window layer
// owns the current value.

// Parses text; throws ConversionError (kind NotANumber, the text its argument)
// when the text is rejected. Never raises an arithmetic fault.
Extended parseNumber(std::string_view text, std::string_view sep);

// Parses text, or yields fallback when the text is rejected. Never fails.
Extended parseNumberOrDefault(std::string_view text, Extended fallback, std::string_view sep);

// General format, 15 significant digits: 13.5 -> "13,5", 1e15 -> "1E15",
// 0.00001 -> "1E-5", 123456789012345678 -> "1,23456789012346E17".
std::string formatNumber(Extended x, std::string_view sep);

// Decimal text of a signed 32-bit integer: -2147483648 -> "-2147483648".
std::string formatInteger(std::int32_t v);

// Toward zero; out of the int64 range (or inf/NaN) is the invalid-operation fault.
std::int64_t truncate(Extended x);

// Nearest, ties to even (2.5 -> 2, 3.5 -> 4); out of range is the invalid-operation fault.
std::int64_t roundHalfEven(Extended x);

}  // namespace vintorp::calc
