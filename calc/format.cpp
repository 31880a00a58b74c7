// FormatNumber and FormatInteger.
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "numtext.h"
#include "powers_of_ten.h"

namespace vintorp::calc {

namespace {

constexpr int kDigits = 18;  // digits produced before rounding
constexpr int kSignificant = 15;  // digits kept
constexpr std::uint64_t kTenPow18 = 1'000'000'000'000'000'000ULL;
constexpr int kExponentBias = 16383;
constexpr std::uint16_t kExponentMask = 0x7FFF;
constexpr std::uint16_t kSignMask = 0x8000;

struct ExtendedBits {
    std::uint64_t significand;
    std::uint16_t sign_exponent;
};

ExtendedBits BitsOf(Extended x)
{
    ExtendedBits bits{};
    std::memcpy(&bits.significand, &x, sizeof bits.significand);
    std::memcpy(&bits.sign_exponent, reinterpret_cast<const char*>(&x) + sizeof bits.significand,
                sizeof bits.sign_exponent);
    return bits;
}

// The rounded digits of |x| and its decimal exponent: |x| ~ 0.d * 10^exponent.
struct Decimal {
    std::array<char, kDigits> digits;
    int count;
    int exponent;
};

// Nearest integer under the current rounding (nearest-even in the
// arithmetic environment); the value is below 2^63 where it is used.
std::uint64_t RoundToInteger(Extended v)
{
    return static_cast<std::uint64_t>(std::llrint(v));
}

Decimal DigitsOf(Extended magnitude, int binary_exponent)
{
    Decimal out{};
    out.exponent = ((binary_exponent * 19728) >> 16) + 1;  // floor(e2 * 19728 / 65536) + 1
    std::uint64_t s = RoundToInteger(detail::ScaleByPowers(magnitude, kDigits - out.exponent));
    if (s >= kTenPow18) {
        s = RoundToInteger(static_cast<Extended>(s) / 10.0L);
        ++out.exponent;
    }
    for (int i = kDigits - 1; i >= 0; --i) {
        out.digits[i] = static_cast<char>('0' + s % 10);
        s /= 10;
    }
    // Only the 16th digit decides the rounding to 15 digits.
    if (out.digits[kSignificant] >= '5') {
        int last = kSignificant - 1;
        while (last >= 0 && out.digits[last] == '9') {
            --last;  // a digit that carries out of 9 is dropped
        }
        if (last < 0) {
            out.digits[0] = '1';
            out.count = 1;
            ++out.exponent;
        } else {
            ++out.digits[last];
            out.count = last + 1;
        }
    } else {
        out.count = kSignificant;
        while (out.count > 1 && out.digits[out.count - 1] == '0') {
            --out.count;
        }
    }
    return out;
}

// Builds the text in a fixed buffer: sign, at most 15 digits plus up to 15
// padding zeros, the separator, "E" and a four-digit exponent with its sign.
class TextBuffer {
public:
    void Put(char c) { buf_[len_++] = c; }
    void Put(const char* p, int n)
    {
        std::memcpy(buf_.data() + len_, p, static_cast<std::size_t>(n));
        len_ += static_cast<std::size_t>(n);
    }
    void Put(std::string_view s) { Put(s.data(), static_cast<int>(s.size())); }
    void PutZeros(int n)
    {
        std::memset(buf_.data() + len_, '0', static_cast<std::size_t>(n));
        len_ += static_cast<std::size_t>(n);
    }
    void PutInteger(int v)
    {
        const auto r = std::to_chars(buf_.data() + len_, buf_.data() + buf_.size(), v);
        len_ = static_cast<std::size_t>(r.ptr - buf_.data());
    }
    std::string Text() const { return std::string(buf_.data(), len_); }

private:
    std::array<char, 64> buf_{};
    std::size_t len_ = 0;
};

}  // namespace

std::string FormatNumber(Extended x, std::string_view sep)
{
    const ExtendedBits bits = BitsOf(x);
    const int biased = bits.sign_exponent & kExponentMask;
    const bool negative = (bits.sign_exponent & kSignMask) != 0;
    if (biased == 0) {
        return "0";  // zero of either sign and the denormals
    }
    if (biased == kExponentMask) {
        if ((bits.significand << 1) != 0) {
            return "NAN";
        }
        return negative ? "-INF" : "INF";
    }
    if (sep.size() > 4) {
        sep = sep.substr(0, 4);  // one UTF-8 character is at most four bytes
    }
    const Decimal d = DigitsOf(std::fabs(x), biased - kExponentBias);

    TextBuffer out;
    if (negative) {
        out.Put('-');
    }
    if (d.exponent > kSignificant || d.exponent < -3) {
        out.Put(d.digits[0]);
        if (d.count > 1) {
            out.Put(sep);
            out.Put(d.digits.data() + 1, d.count - 1);
        }
        out.Put('E');
        out.PutInteger(d.exponent - 1);
    } else if (d.exponent > 0) {
        if (d.count >= d.exponent) {
            out.Put(d.digits.data(), d.exponent);
            if (d.count > d.exponent) {
                out.Put(sep);
                out.Put(d.digits.data() + d.exponent, d.count - d.exponent);
            }
        } else {
            out.Put(d.digits.data(), d.count);
            out.PutZeros(d.exponent - d.count);
        }
    } else {
        out.Put('0');
        out.Put(sep);
        out.PutZeros(-d.exponent);
        out.Put(d.digits.data(), d.count);
    }
    return out.Text();
}

std::string FormatInteger(std::int32_t v)
{
    std::array<char, 12> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    return std::string(buf.data(), r.ptr);
}

}  // namespace vintorp::calc
