// formatNumber and formatInteger.
#include <array>
#include <charconv>
#include <climits>
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

ExtendedBits bitsOf(Extended x)
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

// The decimal exponent E of |x| (10^(E-1) <= |x| < 10^E) is first estimated
// from the binary exponent e2 (2^e2 <= |x| < 2^(e2+1)) as
//
//     E' = floor(e2 * 19728 / 2^16) + 1,
//
// the shift being a floor for negative e2 too. 19728 / 2^16 = 0.301025390625
// lies below log10(2) = 0.30102999566398119521... by d = 4.6050e-6, so
// e2 * 19728 / 2^16 strays from e2 * log10(2) by |e2| * d, which over the
// normal exponents (denormals are written "0" before this) is at most
// m = 16383 * d = 0.07544. With S = |x| * 10^(18 - E'):
//
//     17 - m  <=  17 + e2 * d  <=  log10 S  <  18 + log10(2) + e2 * d  <=  18.3767,
//
// that is 8.40e16 <= S < 2.38e18, whatever the rounding of the scaling
// (below 1e-18 relative). Hence:
// - E' is never off by more than one (log10(2) + m < 1).
// - S >= 10^18: E' was one too low. Common (10 gives E' = 1); one division
//   by ten mends it.
// - S < 10^17: E' was one too high. Only for e2 < 0, and in fact only for
//   e2 <= -681, that is below 2^-680 (about 1.99e-205), where it happens in
//   620 of the 15702 binades (2^e2 < 10^(E'-1) in exact arithmetic; the
//   test ExponentEstimateIsOneTooHighOnlyBelowTwoToTheMinus680 counts them).
//   S then has 17 digits, so the 18 digits D begin with a 0 that stays in
//   the text ("0,99671949510976E-205" for 2^-681) and only 14 significant
//   digits are kept. The number text rules define the digits this way, so
//   the text keeps that 0.
// - S < 2.38e18 < 2^63 = 9.22e18: the conversion to an integer never
//   overflows.
constexpr int kLog10Of2Numerator = 19728;
constexpr int kLog10Of2Shift = 16;
constexpr int kMinBinaryExponent = 1 - kExponentBias;  // smallest normal
constexpr int kMaxBinaryExponent = kExponentBias;  // largest finite
constexpr long double kLog10Of2 = 0.30102999566398119521L;
constexpr long double kLn10 = 2.30258509299404568402L;
// d and m above; the estimate falls short for e2 > 0 and overshoots for e2 < 0.
constexpr long double kEstimateShortfall
    = kLog10Of2 - static_cast<long double>(kLog10Of2Numerator) / (1 << kLog10Of2Shift);
constexpr long double kMaxStray = kMaxBinaryExponent * kEstimateShortfall;
// 10^m <= 1 / (1 - m ln 10) while m ln 10 < 1; and 10^-m >= 1 - m ln 10.
constexpr long double kMaxStrayFactor = 1.0L / (1.0L - kMaxStray * kLn10);
static_assert(kEstimateShortfall > 0.0L && kEstimateShortfall < 4.61e-6L);
static_assert(-kMinBinaryExponent <= kMaxBinaryExponent, "m bounds both ends of the range");
static_assert(kMaxBinaryExponent <= INT_MAX / kLog10Of2Numerator, "e2 * 19728 fits an int");
static_assert(kLog10Of2 + kMaxStray < 1.0L, "E' is never off by more than one");
static_assert(kMaxStray * kLn10 < 1.0L);
static_assert(2.0L * 1e18L * kMaxStrayFactor < 0x1p63L, "S stays below 2^63");
static_assert(1e17L * (1.0L - kMaxStray * kLn10) > 1e16L, "S keeps at least 17 digits");

int decimalExponentEstimate(int binary_exponent)
{
    return ((binary_exponent * kLog10Of2Numerator) >> kLog10Of2Shift) + 1;
}

// Nearest integer under the current rounding (nearest-even in the
// arithmetic environment). Only S and S / 10 come here, both below 2^63
// (see the estimate above), so the conversion cannot overflow.
std::uint64_t roundToInteger(Extended v)
{
    return static_cast<std::uint64_t>(std::llrint(v));
}

Decimal digitsOf(Extended magnitude, int binary_exponent)
{
    Decimal out{};
    out.exponent = decimalExponentEstimate(binary_exponent);
    std::uint64_t s = roundToInteger(detail::scaleByPowers(magnitude, kDigits - out.exponent));
    if (s >= kTenPow18) {
        s = roundToInteger(static_cast<Extended>(s) / 10.0L);
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
    void put(char c) { buf_[len_++] = c; }
    void put(const char* p, int n)
    {
        std::memcpy(buf_.data() + len_, p, static_cast<std::size_t>(n));
        len_ += static_cast<std::size_t>(n);
    }
    void put(std::string_view s) { put(s.data(), static_cast<int>(s.size())); }
    void putZeros(int n)
    {
        std::memset(buf_.data() + len_, '0', static_cast<std::size_t>(n));
        len_ += static_cast<std::size_t>(n);
    }
    void putInteger(int v)
    {
        const auto r = std::to_chars(buf_.data() + len_, buf_.data() + buf_.size(), v);
        len_ = static_cast<std::size_t>(r.ptr - buf_.data());
    }
    std::string text() const { return std::string(buf_.data(), len_); }

private:
    std::array<char, 64> buf_{};
    std::size_t len_ = 0;
};

}  // namespace

std::string formatNumber(Extended x, std::string_view sep)
{
    const ExtendedBits bits = bitsOf(x);
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
    const Decimal d = digitsOf(std::fabs(x), biased - kExponentBias);

    TextBuffer out;
    if (negative) {
        out.put('-');
    }
    if (d.exponent > kSignificant || d.exponent < -3) {
        out.put(d.digits[0]);
        if (d.count > 1) {
            out.put(sep);
            out.put(d.digits.data() + 1, d.count - 1);
        }
        out.put('E');
        out.putInteger(d.exponent - 1);
    } else if (d.exponent > 0) {
        if (d.count >= d.exponent) {
            out.put(d.digits.data(), d.exponent);
            if (d.count > d.exponent) {
                out.put(sep);
                out.put(d.digits.data() + d.exponent, d.count - d.exponent);
            }
        } else {
            out.put(d.digits.data(), d.count);
            out.putZeros(d.exponent - d.count);
        }
    } else {
        out.put('0');
        out.put(sep);
        out.putZeros(-d.exponent);
        out.put(d.digits.data(), d.count);
    }
    return out.text();
}

std::string formatInteger(std::int32_t v)
{
    std::array<char, 12> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), v);
    return std::string(buf.data(), r.ptr);
}

}  // namespace vintorp::calc
