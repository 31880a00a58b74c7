// The scan behind ParseNumber and ParseNumberOrDefault.
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
// ScaleByPowerOfTen yields infinity or zero from here on; larger |e - f| are
// clamped to it so that the integer arithmetic cannot overflow.
constexpr std::int64_t kScaleClamp = 5120;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The digits read so far as one number: accumulator := accumulator * 10 +
// digit, each operation rounded to extended. While the number stays below
// 2^64 every such operation is exact, so the first 19 digits are gathered in
// an integer and converted once; the same value, without the cost.
class Accumulator {
public:
    void Add(int digit)
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
    Extended Value() const { return count_ <= kExactDigits ? static_cast<Extended>(whole_) : value_; }

private:
    static constexpr int kExactDigits = 19;  // 10^19 - 1 < 2^64
    std::uint64_t whole_ = 0;
    int count_ = 0;
    Extended value_ = 0.0L;
};

class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) { }
    bool AtEnd() const { return pos_ == text_.size(); }
    bool Next(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
    bool NextDigit() const { return pos_ < text_.size() && IsDigit(text_[pos_]); }
    int TakeDigit() { return text_[pos_++] - '0'; }
    void Skip() { ++pos_; }
    void SkipSpaces()
    {
        while (Next(' ')) {
            ++pos_;
        }
    }
    // Steps over sep when the text continues with it; an empty sep never matches.
    bool TakeSeparator(std::string_view sep)
    {
        if (sep.size() == 1 ? !Next(sep[0]) : sep.empty() || !text_.substr(pos_).starts_with(sep)) {
            return false;
        }
        pos_ += sep.size();
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::optional<Extended> Scan(std::string_view text, std::string_view sep)
{
    QuietX87Scope quiet;

    Cursor in(text);
    in.SkipSpaces();
    bool negative = false;
    if (in.Next('+') || in.Next('-')) {
        negative = in.Next('-');
        in.Skip();
    }
    Accumulator acc;
    bool consumed = false;
    while (in.NextDigit()) {
        acc.Add(in.TakeDigit());
        consumed = true;
    }
    std::int64_t fraction_digits = 0;
    if (in.TakeSeparator(sep)) {
        consumed = true;
        while (in.NextDigit()) {
            acc.Add(in.TakeDigit());
            ++fraction_digits;
        }
    }
    if (!consumed) {
        return std::nullopt;
    }
    int exponent = 0;
    if (in.Next('E') || in.Next('e')) {
        in.Skip();
        bool exponent_negative = false;
        if (in.Next('+') || in.Next('-')) {
            exponent_negative = in.Next('-');
            in.Skip();
        }
        while (exponent < kExponentStop && in.NextDigit()) {
            exponent = exponent * 10 + in.TakeDigit();
        }
        if (exponent_negative) {
            exponent = -exponent;
        }
    }
    in.SkipSpaces();
    if (!in.AtEnd()) {
        return std::nullopt;
    }
    std::int64_t k = exponent - fraction_digits;
    if (k < -kScaleClamp) {
        k = -kScaleClamp;
    }
    Extended value = detail::ScaleByPowers(acc.Value(), static_cast<int>(k));
    if (negative) {
        value = -value;
    }
    Settle(value);
    if (quiet.InvalidOrOverflow()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

Extended ParseNumber(std::string_view text, std::string_view sep)
{
    if (const auto value = Scan(text, sep)) {
        return *value;
    }
    throw ConversionError(std::string(text));
}

Extended ParseNumberOrDefault(std::string_view text, Extended fallback, std::string_view sep)
{
    return Scan(text, sep).value_or(fallback);
}

}  // namespace vintorp::calc
