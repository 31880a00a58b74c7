// The arithmetic environment of the calculation.
//
// Extended values live on the x87 unit (64-bit significand); doubles on SSE.
// Every fault is masked in hardware: a fault shows only as a raised flag, and
// the code that cares tests the flags right after the operation. A command
// runs inside an ArithmeticEnvironment; each operation whose fault must end
// the command goes through checked() (or Add/Sub/Mul/storeDouble), which
// throws ArithmeticError for a raised invalid-operation, division-by-zero or
// overflow flag. Underflow, denormal operands and inexact results are silent.
//
// GCC moves floating-point operations freely past library calls such as
// fetestexcept and drops operations whose result is unused, so every value
// whose flags are inspected is first settled: an empty asm that takes the
// value as operand and clobbers memory, which fixes where the operation runs.
// The operands of a checked operation are settled as well, so that the
// operation cannot start before the previous check either.
//
// Code outside the calculation (the window layer behind BobbinView) runs
// between the steps of a command on the same units; Calculate makes each
// such call under an ArithmeticStateGuard.
#pragma once

#include <cfenv>
#include <cstdint>
#include <limits>
#include <string_view>

#include "numtext.h"

#if !defined(__x86_64__) && !defined(__i386__)
#error "the calculation needs the x87 floating-point unit"
#endif
static_assert(std::numeric_limits<vintorp::calc::Extended>::digits == 64,
              "Extended must be the x87 80-bit format");

namespace vintorp::calc {

// Throws ArithmeticError(ErrorKind::InvalidOperation).
[[noreturn]] void throwInvalidOperation();

// For the lifetime of the object: round to nearest-even, 64-bit significand on
// x87, nearest-even without flush-to-zero on SSE, all faults masked, all
// flags clear. The previous environment comes back on destruction.
class ArithmeticEnvironment {
public:
    ArithmeticEnvironment() noexcept;
    ~ArithmeticEnvironment();
    ArithmeticEnvironment(const ArithmeticEnvironment&) = delete;
    ArithmeticEnvironment& operator=(const ArithmeticEnvironment&) = delete;

private:
    std::fenv_t saved_;
};

// Keeps what other code does to the arithmetic state from reaching the
// calculation. Calculate calls the window layer between its steps, and that
// code (layout, fonts, painting) runs on the same units: it may leave fault
// flags raised, which the next check would take for a fault of the
// calculation, or change a rounding or precision setting. On construction
// the guard saves the state of both units (x87 control word and fault flags,
// and MXCSR); on destruction it puts back whatever differs. Reading costs
// three store instructions; the slow ones (loading an x87 environment) run
// only when the code in between left something changed.
class ArithmeticStateGuard {
public:
    ArithmeticStateGuard() noexcept
    {
        asm volatile("fnstcw %0" : "=m"(x87_control_) : : "memory");
        asm volatile("fnstsw %0" : "=am"(x87_status_) : : "memory");
        asm volatile("stmxcsr %0" : "=m"(mxcsr_) : : "memory");
    }
    ~ArithmeticStateGuard() { restore(); }
    ArithmeticStateGuard(const ArithmeticStateGuard&) = delete;
    ArithmeticStateGuard& operator=(const ArithmeticStateGuard&) = delete;

private:
    void restore() noexcept;

    std::uint16_t x87_control_ = 0;
    std::uint16_t x87_status_ = 0;
    std::uint32_t mxcsr_ = 0;
};

// Forces the computation of v to be complete at this point of the program.
inline void settle(Extended& v) noexcept
{
    asm volatile("" : "+t"(v)::"memory");
}
inline void settle(double& v) noexcept
{
    asm volatile("" : "+x"(v)::"memory");
}
inline void settle(std::int64_t& v) noexcept
{
    asm volatile("" : "+r"(v)::"memory");
}

// If an invalid-operation, division-by-zero or overflow flag is raised (on
// either unit), clears all flags and throws the matching ArithmeticError;
// invalid operation wins over division by zero, which wins over overflow.
void raisePendingFault();

template <typename T>
T checked(T v)
{
    settle(v);
    raisePendingFault();
    return v;
}

// One extended operation, rounded once, faults raised. The operands are
// settled too: otherwise the compiler may compute the operation earlier,
// before an earlier check or a call into the window layer, and its flags
// would be tested (or cleared) at the wrong place.
inline Extended add(Extended a, Extended b)
{
    settle(a);
    settle(b);
    return checked(a + b);
}
inline Extended sub(Extended a, Extended b)
{
    settle(a);
    settle(b);
    return checked(a - b);
}
inline Extended mul(Extended a, Extended b)
{
    settle(a);
    settle(b);
    return checked(a * b);
}

// Stores an extended value into a double: nearest-even; an Overflow fault
// when the rounded magnitude exceeds the largest double.
inline double storeDouble(Extended x)
{
    settle(x);
    return checked(static_cast<double>(x));
}

// A stretch of x87 arithmetic with all faults silenced, for code that inspects
// the outcome itself (the parse scan). On construction: saves the x87 control
// word and flags, clears pending fault flags, sets nearest-even with a 64-bit
// significand and masks every fault. On destruction: drops the fault flags
// raised inside, gives back the flags the caller had raised and restores the
// control word. The arithmetic inside must be on Extended values only. The
// slow instructions (changing flags, loading the control word) run only when
// there is something to change.
class QuietX87Scope {
public:
    QuietX87Scope() noexcept
    {
        asm volatile("fnstcw %0" : "=m"(saved_cw_));
        caller_flags_ = statusWord() & kAllFlags;
        if ((caller_flags_ & kFaultFlags) != 0) {
            asm volatile("fnclex" : : : "memory");
        }
        if (saved_cw_ != kQuietControlWord) {
            const std::uint16_t cw = kQuietControlWord;
            asm volatile("fldcw %0" : : "m"(cw) : "memory");
        }
    }
    ~QuietX87Scope()
    {
        const std::uint16_t flags = lastStatus() & kAllFlags;
        const std::uint16_t wanted = (flags & ~kFaultFlags) | caller_flags_;
        if (flags != wanted) {
            setFlags(wanted);
        }
        if (saved_cw_ != kQuietControlWord) {
            asm volatile("fldcw %0" : : "m"(saved_cw_) : "memory");
        }
    }
    QuietX87Scope(const QuietX87Scope&) = delete;
    QuietX87Scope& operator=(const QuietX87Scope&) = delete;

    // True when an invalid operation or an overflow happened since construction.
    bool invalidOrOverflow() noexcept
    {
        status_ = statusWord();
        status_read_ = true;
        return (status_ & (kInvalidFlag | kOverflowFlag)) != 0;
    }

private:
    // All six faults masked, 64-bit significand, round to nearest-even.
    static constexpr std::uint16_t kQuietControlWord = 0x037F;
    static constexpr std::uint16_t kInvalidFlag = 0x0001;
    static constexpr std::uint16_t kDivisionByZeroFlag = 0x0004;
    static constexpr std::uint16_t kOverflowFlag = 0x0008;
    static constexpr std::uint16_t kFaultFlags = kInvalidFlag | kDivisionByZeroFlag | kOverflowFlag;
    static constexpr std::uint16_t kAllFlags = 0x003F;  // the three faults, denormal, underflow, inexact

    static std::uint16_t statusWord() noexcept
    {
        std::uint16_t sw;
        asm volatile("fnstsw %0" : "=am"(sw) : : "memory");
        return sw;
    }
    // Sets exactly these flags. Other than fnclex, which clears them all, the
    // x87 unit sets flags only through its whole environment image.
    static void setFlags(std::uint16_t flags) noexcept
    {
        if (flags == 0) {
            asm volatile("fnclex" : : : "memory");
            return;
        }
        std::uint32_t image[7];  // control, status, tags, then the last instruction and operand
        asm volatile("fnstenv %0" : "=m"(image) : : "memory");
        image[1] = (image[1] & ~std::uint32_t{kAllFlags}) | flags;
        asm volatile("fldenv %0" : : "m"(image) : "memory");
    }

    // The status word as invalidOrOverflow() last read it, or afresh.
    std::uint16_t lastStatus() const noexcept { return status_read_ ? status_ : statusWord(); }

    std::uint16_t saved_cw_ = 0;
    std::uint16_t caller_flags_ = 0;
    std::uint16_t status_ = 0;
    bool status_read_ = false;
};

}  // namespace vintorp::calc
