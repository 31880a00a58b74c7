// The scan behind parseNumber and parseNumberOrDefault.
#include <cstdint>
#include <optional>
#include <string>

#include "errors.h"
#include "fpenv.h"
#include "numtext.h"
#include "powers_of_ten.h"

namespace vintorp::calc {

namespace {

// The exponent scan stops right after the digit that brings it to this value.
constexpr int kExponentStop = 500;
// scaleByPowerOfTen yields infinity or zero from here on; larger |e - f| are
// clamped to it so that the integer arithmetic cannot overflow.
constexpr std::int64_t kScaleClamp = 5120;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The digits read so far as one number: accumulator := accumulator * 10 +
// digit, each operation rounded to extended. While the number stays below
// 2^64 every such operation is exact, so the first 19 digits are gathered in
// an integer and converted once; the same value, without the cost.
class Accumulator {
public:
    void add(int digit)
    {
        if (count_ < kExactDigits) {
            whole_ = whole_ * 10 + static_cast<std::uint64_t>(digit);
            ++count_;
            return;
        }
        if (count_ == kExactDigits) {
            value_ = static_cast<Extended>(whole_);
            ++count_;
        }
        value_ = value_ * 10.0L + static_cast<Extended>(digit);
    }
    Extended value() const { return count_ <= kExactDigits ? static_cast<Extended>(whole_) : value_; }

private:
    static constexpr int kExactDigits = 19;  // 10^19 - 1 < 2^64
    std::uint64_t whole_ = 0;
    int count_ = 0;
    Extended value_ = 0.0L;
};

class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) { }
    bool atEnd() const { return pos_ == text_.size(); }
    bool next(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
    bool nextDigit() const { return pos_ < text_.size() && isDigit(text_[pos_]); }
    int takeDigit() { return text_[pos_++] - '0'; }
    void skip() { ++pos_; }
    void skipSpaces()
    {
        while (next(' ')) {
            ++pos_;
        }
    }
    // Steps over sep when the text continues with it; an empty sep never matches.
    bool takeSeparator(std::string_view sep)
    {
        if (sep.size() == 1 ? !next(sep[0]) : sep.empty() || !text_.substr(pos_).starts_with(sep)) {
            return false;
        }
        pos_ += sep.size();
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::optional<Extended> scan(std::string_view text, std::string_view sep)
{
    QuietX87Scope quiet;

    Cursor in(text);
    in.skipSpaces();
    bool negative = false;
    if (in.next('+') || in.next('-')) {
        negative = in.next('-');
        in.skip();
    }
    Accumulator acc;
    bool consumed = false;
    while (in.nextDigit()) {
        acc.add(in.takeDigit());
        consumed = true;
    }
    std::int64_t fraction_digits = 0;
    if (in.takeSeparator(sep)) {
        consumed = true;
        while (in.nextDigit()) {
            acc.add(in.takeDigit());
            ++fraction_digits;
        }
    }
    if (!consumed) {
        return std::nullopt;
    }
    int exponent = 0;
    if (in.next('E') || in.next('e')) {
        in.skip();
        bool exponent_negative = false;
        if (in.next('+') || in.next('-')) {
            exponent_negative = in.next('-');
            in.skip();
        }
        while (exponent < kExponentStop && in.nextDigit()) {
            exponent = exponent * 10 + in.takeDigit();
        }
        if (exponent_negative) {
            exponent = -exponent;
        }
    }
    in.skipSpaces();
    if (!in.atEnd()) {
        return std::nullopt;
    }
    std::int64_t k = exponent - fraction_digits;
    if (k < -kScaleClamp) {
        k = -kScaleClamp;
    }
    Extended value = detail::scaleByPowers(acc.value(), static_cast<int>(k));
    if (negative) {
        value = -value;
    }
    settle(value);
    if (quiet.invalidOrOverflow()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

Extended parseNumber(std::string_view text, std::string_view sep)
{
    if (const auto value = scan(text, sep)) {
        return *value;
    }
    throw ConversionError(std::string(text));
}

Extended parseNumberOrDefault(std::string_view text, Extended fallback, std::string_view sep)
{
    return scan(text, sep).value_or(fallback);
}

}  // namespace vintorp::calc
