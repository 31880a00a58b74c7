// Helpers shared by the calculation tests.
#pragma once

#include <cfenv>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/fpenv.h"
#include "calc/numtext.h"

namespace vintorp::calc::test {

// A value the compiler cannot see through, so that the arithmetic done with
// it happens at run time, under the run-time environment.
template <typename T>
T Opaque(T v)
{
    asm volatile("" : "+m"(v));
    return v;
}

// The two separators every table runs under.
inline constexpr std::string_view kSeparators[] = {",", "."};

inline std::string_view OtherSeparator(std::string_view sep)
{
    return sep == "," ? "." : ",";
}

// Table texts write the separator in force as '#' and the other one as '~'.
inline std::string WithSeparator(std::string_view pattern, std::string_view sep)
{
    std::string out;
    for (const char c : pattern) {
        if (c == '#') {
            out += sep;
        } else if (c == '~') {
            out += OtherSeparator(sep);
        } else {
            out += c;
        }
    }
    return out;
}

// The x87 control word, for checks that the environment comes back.
inline std::uint16_t X87ControlWord()
{
    std::uint16_t cw;
    asm volatile("fnstcw %0" : "=m"(cw));
    return cw;
}

// The fault flags of each unit on their own; both use the same bits
// (1 invalid, 4 division by zero, 8 overflow, 0x10 underflow, 0x20 inexact).
inline constexpr unsigned kFlagBits = 0x3F;

inline unsigned X87Flags()
{
    std::uint16_t sw;
    asm volatile("fnstsw %0" : "=am"(sw) : : "memory");
    return sw & kFlagBits;
}

inline unsigned SseFlags()
{
    unsigned csr;
    asm volatile("stmxcsr %0" : "=m"(csr) : : "memory");
    return csr & kFlagBits;
}

inline void SetX87ControlWord(std::uint16_t cw)
{
    asm volatile("fldcw %0" : : "m"(cw));
}

// 53-bit significand, rounding upward, all faults masked: an environment
// under which the calculation's own rules would give different results.
inline constexpr std::uint16_t kForeignControlWord = 0x0A7F;

// A test that changes the arithmetic state (rounding, precision, MXCSR,
// flags) does so inside one of these scopes, so that the state comes back
// even when a failed assertion ends the test early. The state as found is
// saved by an ArithmeticStateGuard and put back when the scope ends.

// Sets the foreign control word for its lifetime.
class ForeignControlWord {
public:
    ForeignControlWord() { SetX87ControlWord(kForeignControlWord); }

private:
    ArithmeticStateGuard keep_;
};

// Clears every fault flag of both units for its lifetime.
class ClearedFlags {
public:
    ClearedFlags() { std::feclearexcept(FE_ALL_EXCEPT); }

private:
    ArithmeticStateGuard keep_;
};

}  // namespace vintorp::calc::test
