// The arithmetic environment: which conditions end a command, with which
// fault, and that the environment is set and given back.
#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <xmmintrin.h>

#include "calc/errors.h"
#include "calc/fpenv.h"
#include "faulting_view.h"
#include "test_support.h"

namespace vintorp::calc {
namespace {

using test::Opaque;

const Extended kInf = std::numeric_limits<Extended>::infinity();
constexpr Extended kMaxExtended = std::numeric_limits<Extended>::max();
constexpr Extended kMinNormalExtended = std::numeric_limits<Extended>::min();

struct FaultCase {
    const char* what;
    std::function<void()> run;
    std::optional<ErrorKind> fault;  // none: silent
};

// The midpoint between the largest double and the next power of two.
constexpr Extended kAboveDblMaxMidpoint = 0x1.fffffffffffff8p1023L;

TEST(ArithmeticEnvironment, FaultsEndTheCommandWithTheirMessage)
{
    const FaultCase cases[] = {
        {"1 / 0", [] { checked(Opaque(1.0L) / Opaque(0.0L)); }, ErrorKind::DivisionByZero},
        {"0 / 0", [] { checked(Opaque(0.0L) / Opaque(0.0L)); }, ErrorKind::InvalidOperation},
        {"inf - inf", [] { sub(Opaque(kInf), Opaque(kInf)); }, ErrorKind::InvalidOperation},
        {"0 * inf", [] { mul(Opaque(0.0L), Opaque(kInf)); }, ErrorKind::InvalidOperation},
        {"max * 2", [] { mul(Opaque(kMaxExtended), Opaque(2.0L)); }, ErrorKind::Overflow},
        {"max + max", [] { add(Opaque(kMaxExtended), Opaque(kMaxExtended)); }, ErrorKind::Overflow},
        {"1e309 to double", [] { storeDouble(Opaque(1e309L)); }, ErrorKind::Overflow},
        {"midpoint above DBL_MAX to double", [] { storeDouble(Opaque(kAboveDblMaxMidpoint)); },
         ErrorKind::Overflow},
        {"-1e4000 to double", [] { storeDouble(Opaque(-1e4000L)); }, ErrorKind::Overflow},
        {"1 / 3", [] { checked(Opaque(1.0L) / Opaque(3.0L)); }, std::nullopt},
        {"min / 4 (underflow)", [] { checked(Opaque(kMinNormalExtended) / Opaque(4.0L)); }, std::nullopt},
        {"min * min (underflow to zero)", [] { mul(Opaque(kMinNormalExtended), Opaque(kMinNormalExtended)); },
         std::nullopt},
        {"1e-320 to double", [] { storeDouble(Opaque(1e-320L)); }, std::nullopt},
        {"1e-400 to double", [] { storeDouble(Opaque(1e-400L)); }, std::nullopt},
        {"just below the midpoint above DBL_MAX to double",
         [] { storeDouble(Opaque(kAboveDblMaxMidpoint - 0x1p960L)); }, std::nullopt},
        {"inf + 1 (no new fault)", [] { add(Opaque(kInf), Opaque(1.0L)); }, std::nullopt},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        const ArithmeticEnvironment env;
        if (!c.fault) {
            EXPECT_NO_THROW(c.run());
            continue;
        }
        try {
            c.run();
            ADD_FAILURE() << "no fault";
        } catch (const ArithmeticError& e) {
            EXPECT_EQ(e.error(), (Error{*c.fault, {}}));
        }
        EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0) << "flags left raised after the fault";
    }
}

TEST(ArithmeticEnvironment, UnderflowGivesDenormalsAndZeroAndTheLargestDoubleIsReachable)
{
    const ArithmeticEnvironment env;
    EXPECT_GT(checked(Opaque(kMinNormalExtended) / Opaque(4.0L)), 0.0L);
    EXPECT_EQ(storeDouble(Opaque(1e-400L)), 0.0);
    EXPECT_EQ(std::fpclassify(storeDouble(Opaque(1e-320L))), FP_SUBNORMAL);
    EXPECT_EQ(storeDouble(Opaque(kAboveDblMaxMidpoint - 0x1p960L)), DBL_MAX);
}

TEST(ArithmeticEnvironment, SetsNearestSixtyFourBitsAndRestoresTheCallers)
{
    const test::ForeignControlWord foreign;  // gives back MXCSR and the flags too
    _mm_setcsr(_mm_getcsr() | 0x8040);  // flush-to-zero, denormals-are-zero
    std::feraiseexcept(FE_INEXACT);
    {
        const ArithmeticEnvironment env;
        EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
        // 1/3 rounded to nearest with a 64-bit significand.
        EXPECT_EQ(checked(Opaque(1.0L) / Opaque(3.0L)), 0xAAAAAAAAAAAAAAABp-65L);
        EXPECT_EQ(Opaque(1e-310) / Opaque(2.0), 5e-311);  // doubles keep their denormals
    }
    EXPECT_EQ(test::X87ControlWord(), test::kForeignControlWord);
    EXPECT_EQ(_mm_getcsr() & 0x8040u, 0x8040u);
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), FE_INEXACT);
}

TEST(ArithmeticEnvironment, FaultsOfBothUnitsAreSeen)
{
    const ArithmeticEnvironment env;
    // A double division runs on SSE, an extended one on x87.
    EXPECT_THROW(checked(Opaque(1.0) / Opaque(0.0)), ArithmeticError);
    EXPECT_THROW(checked(Opaque(1.0L) / Opaque(0.0L)), ArithmeticError);
    EXPECT_THROW(checked(Opaque(DBL_MAX) * Opaque(2.0)), ArithmeticError);
}

// The state of both units as far as the calculation depends on it.
struct UnitState {
    std::uint16_t x87_control;
    unsigned x87_flags;
    unsigned mxcsr;  // SSE control and flags
    bool operator==(const UnitState&) const = default;
};

UnitState CurrentState()
{
    return {test::X87ControlWord(), test::X87Flags(), _mm_getcsr()};
}

// What window code may do between two steps of a calculation.
struct ForeignCase {
    const char* what;
    void (*run)();
};

TEST(ArithmeticStateGuard, PutsBackWhatTheCodeInBetweenChanged)
{
    using test::Fault;
    const ForeignCase cases[] = {
        {"invalid on SSE", [] { test::RaiseOnSse(Fault::Invalid); }},
        {"division by zero on SSE", [] { test::RaiseOnSse(Fault::DivisionByZero); }},
        {"overflow on SSE", [] { test::RaiseOnSse(Fault::Overflow); }},
        {"invalid on x87", [] { test::RaiseOnX87(Fault::Invalid); }},
        {"division by zero on x87", [] { test::RaiseOnX87(Fault::DivisionByZero); }},
        {"overflow on x87", [] { test::RaiseOnX87(Fault::Overflow); }},
        {"every flag cleared", [] { std::feclearexcept(FE_ALL_EXCEPT); }},
        {"rounding upward on both units", [] { std::fesetround(FE_UPWARD); }},
        {"53-bit significand, rounding upward", [] { test::SetX87ControlWord(test::kForeignControlWord); }},
        {"flush-to-zero and denormals-are-zero", [] { _mm_setcsr(_mm_getcsr() | 0x8040); }},
    };
    for (const ForeignCase& c : cases) {
        SCOPED_TRACE(c.what);
        const ArithmeticEnvironment env;
        // Flags the calculation itself raised before: they stay as they were.
        EXPECT_EQ(Opaque(1.0) / Opaque(3.0), 1.0 / 3.0);  // SSE: inexact
        EXPECT_GT(Opaque(kMinNormalExtended) / Opaque(4.0L), 0.0L);  // x87: underflow, inexact
        const UnitState before = CurrentState();
        {
            const ArithmeticStateGuard guard;
            c.run();
            EXPECT_NE(CurrentState(), before) << "the case changes nothing";
        }
        EXPECT_EQ(CurrentState(), before);
    }
}

}  // namespace
}  // namespace vintorp::calc
