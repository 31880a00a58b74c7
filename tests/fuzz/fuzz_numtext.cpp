// Fuzz target for the number text rules: parseNumber, parseNumberOrDefault
// and formatNumber.
//
// Input: a separator byte, an environment byte, a mode byte, then the text
// to parse (mode bit 0 clear) or ten bytes of an extended value to format
// (mode bit 0 set). The header bytes are read relative to '0', so "000 12,5"
// parses " 12,5" with "," in the environment a program starts in.
//
// Properties:
// - the environment is the caller's again after every call (fuzz_support.h);
// - parseNumber yields a finite value exactly when parseNumberOrDefault does
//   not fall back, and the same value;
// - in the calculation's environment, for a value v that parseNumber
//   yields, formatNumber(parseNumber(formatNumber(v))) == formatNumber(v),
//   except in the two classes the rules themselves make (see below).
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "calc/errors.h"
#include "calc/fpenv.h"
#include "calc/numtext.h"
#include "fuzz_support.h"

namespace {

using vintorp::calc::Extended;
using vintorp::fuzz::FpState;
using vintorp::fuzz::KeepsEnvironment;
using vintorp::fuzz::Require;

// Separators: the usual ones, and characters the number text itself uses.
constexpr std::string_view kSeparators[] = {",", ".", "٫", "·", "'", "E", "e", "-", "+", " ", "0", "5"};

std::uint8_t FromDigitZero(std::uint8_t byte)
{
    return static_cast<std::uint8_t>(byte - '0');
}

bool Same(Extended a, Extended b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

std::optional<Extended> Parse(std::string_view text, std::string_view sep)
{
    try {
        return vintorp::calc::parseNumber(text, sep);
    } catch (const vintorp::calc::ConversionError&) {
        return std::nullopt;
    }
}

// Where the rules themselves break the round trip:
// - the separator is a character of number texts (a digit, a sign, "E", "e"
//   or a space): with "5" as separator 0.5 is "055", read back as 55; with
//   "E", 1e20 is "1E20", read back as 1.20.
// - either text begins with the digit 0 before an exponent: below about
//   1e-205 the estimate of the decimal exponent can be one too high, and the
//   text then keeps a leading 0 digit. "9,967194951097567535E-206" is read
//   as a value just below 2^-681, which formats as "9,96719495109757E-206";
//   that is read as 2^-681 or above, which formats as "0,99671949510976E-205".
bool SeparatorIsANumberCharacter(std::string_view sep)
{
    return sep.find_first_of("0123456789+-Ee ") != std::string_view::npos;
}

bool LeadingZeroDigit(std::string_view text)
{
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    return text.starts_with('0') && text.find('E') != std::string_view::npos;
}

void CheckRoundTrip(Extended v, std::string_view sep)
{
    const vintorp::calc::ArithmeticEnvironment calculation;
    const std::string first = vintorp::calc::formatNumber(v, sep);
    const std::optional<Extended> back = Parse(first, sep);
    if (!back) {
        Require(SeparatorIsANumberCharacter(sep), "formatNumber's text reads back");
        return;
    }
    const std::string second = vintorp::calc::formatNumber(*back, sep);
    Require(first == second || SeparatorIsANumberCharacter(sep) || LeadingZeroDigit(first)
                || LeadingZeroDigit(second),
            "formatNumber's text read back formats the same");
}

void FuzzParse(std::string_view text, std::string_view sep, const FpState& caller)
{
    std::optional<Extended> parsed;
    KeepsEnvironment(caller, "parseNumber keeps the environment", [&] { parsed = Parse(text, sep); });
    for (const Extended fallback : {1.0L, -2.0L}) {
        Extended value = 0;
        KeepsEnvironment(caller, "parseNumberOrDefault keeps the environment",
                         [&] { value = vintorp::calc::parseNumberOrDefault(text, fallback, sep); });
        Require(Same(value, parsed.value_or(fallback)), "parseNumberOrDefault agrees with parseNumber");
    }
    if (!parsed) {
        return;
    }
    Require(std::isfinite(*parsed), "parseNumber yields finite values only");
    KeepsEnvironment(caller, "formatNumber keeps the environment",
                     [&] { (void)vintorp::calc::formatNumber(*parsed, sep); });
    CheckRoundTrip(*parsed, sep);
}

// Ten bytes as an extended value, its integer bit set as the arithmetic
// makes it (clear for zero and the denormals only).
Extended CanonicalExtended(const std::uint8_t* bytes)
{
    std::uint8_t raw[16] = {};
    std::memcpy(raw, bytes, 10);
    const bool denormal_or_zero = (raw[9] & 0x7F) == 0 && raw[8] == 0;
    raw[7] = static_cast<std::uint8_t>(denormal_or_zero ? raw[7] & 0x7F : raw[7] | 0x80);
    Extended x;
    std::memcpy(&x, raw, sizeof x);
    return x;
}

void FuzzFormat(Extended x, std::string_view sep, const FpState& caller)
{
    std::string text;
    KeepsEnvironment(caller, "formatNumber keeps the environment",
                     [&] { text = vintorp::calc::formatNumber(x, sep); });
    if (!std::isfinite(x)) {
        return;
    }
    std::optional<Extended> back;
    {
        const vintorp::calc::ArithmeticEnvironment calculation;
        text = vintorp::calc::formatNumber(x, sep);
        back = Parse(text, sep);
    }
    if (back) {
        CheckRoundTrip(*back, sep);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3) {
        return 0;
    }
    const std::string_view sep = kSeparators[FromDigitZero(data[0]) % std::size(kSeparators)];
    const FpState caller = vintorp::fuzz::CallerEnvironment(FromDigitZero(data[1]));
    const bool format_mode = (FromDigitZero(data[2]) & 1) != 0;
    const FpState start = FpState::Read();
    if (format_mode) {
        if (size >= 13) {
            FuzzFormat(CanonicalExtended(data + 3), sep, caller);
        }
    } else {
        FuzzParse(std::string_view(reinterpret_cast<const char*>(data + 3), size - 3), sep, caller);
    }
    start.Load();
    return 0;
}
