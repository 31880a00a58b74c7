// truncate, roundHalfEven, roundUpWhole and formatInteger.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "calc/bobbin.h"
#include "calc/errors.h"
#include "calc/fpenv.h"
#include "calc/numtext.h"
#include "test_support.h"

namespace vintorp::calc {
namespace {

using test::Opaque;

constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
constexpr Extended kTwo63 = 0x1p63L;
const Extended kInf = std::numeric_limits<Extended>::infinity();
const Extended kNaN = std::numeric_limits<Extended>::quiet_NaN();

template <typename F>
void ExpectInvalidOperation(F&& f)
{
    try {
        f();
        ADD_FAILURE() << "no fault";
    } catch (const ArithmeticError& e) {
        EXPECT_EQ(e.error().kind, ErrorKind::InvalidOperation);
    }
    EXPECT_EQ(std::fetestexcept(FE_INVALID), 0) << "the fault flag stays raised";
}

struct ConversionCase {
    Extended x;
    std::int64_t want;
};

TEST(Truncate, RoundsTowardZero)
{
    const ConversionCase cases[] = {
        {2.7L, 2},
        {-2.7L, -2},
        {0.99L, 0},
        {-0.5L, 0},
        {2.5L, 2},
        {-3.5L, -3},
        {kTwo63 - 1, kMax64},
        {kTwo63 - 0.5L, kMax64},
        {-kTwo63, kMin64},
        {-(kTwo63 - 0.5L), kMin64 + 1},
    };
    for (const ConversionCase& c : cases) {
        EXPECT_EQ(truncate(Opaque(c.x)), c.want) << static_cast<double>(c.x);
    }
}

TEST(Truncate, ValuesBeyondSixtyFourBitsAreTheInvalidOperationFault)
{
    const Extended cases[] = {1e19L, kTwo63, -kTwo63 - 1, kInf, -kInf, kNaN};
    for (const Extended x : cases) {
        SCOPED_TRACE(static_cast<double>(x));
        ExpectInvalidOperation([&] { truncate(Opaque(x)); });
    }
}

TEST(Truncate, SetsRoundingTowardZeroForTheConversionOnly)
{
    const ArithmeticStateGuard keep;
    std::fesetround(FE_UPWARD);
    EXPECT_EQ(truncate(Opaque(2.7L)), 2);
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    ExpectInvalidOperation([] { truncate(Opaque(1e19L)); });
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
}

TEST(RoundHalfEven, RoundsToNearestTiesToEven)
{
    const ConversionCase cases[] = {
        {2.5L, 2}, {3.5L, 4}, {-2.5L, -2}, {2.6L, 3},         {-3.5L, -4},
        {0.5L, 0}, {1.5L, 2}, {-0.4L, 0},  {-kTwo63, kMin64}, {kTwo63 - 1, kMax64},
    };
    for (const ConversionCase& c : cases) {
        EXPECT_EQ(roundHalfEven(Opaque(c.x)), c.want) << static_cast<double>(c.x);
    }
}

TEST(RoundHalfEven, ValuesBeyondSixtyFourBitsAreTheInvalidOperationFault)
{
    // 2^63 - 0.5 lies inside the range but rounds to the even 2^63, outside it.
    const Extended cases[] = {kTwo63 - 0.5L, kTwo63, 1e19L, -kTwo63 - 1, kInf, kNaN};
    for (const Extended x : cases) {
        SCOPED_TRACE(static_cast<double>(x));
        ExpectInvalidOperation([&] { roundHalfEven(Opaque(x)); });
    }
}

TEST(RoundUpWhole, CeilingForPositiveTruncationPlusOneForNegativeWithFraction)
{
    struct Case {
        double x;
        std::int32_t want;
    };
    const Case cases[] = {
        {2.0, 2},
        {2.1, 3},
        {43.45, 44},
        {0.0, 0},
        {-0.0, 0},
        {5e-324, 1},
        {-1.5, 0},
        {-2.0, -2},
        {-2.5, -1},
        {2147483647.0, 2147483647},
        {2147483646.5, 2147483647},
        {-2147483648.0, -2147483647 - 1},
        {-2147483648.5, -2147483647},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(roundUpWhole(Opaque(c.x)), c.want) << c.x;
    }
}

// Never the low 32 bits of a larger whole number.
TEST(RoundUpWhole, ResultsBeyondThirtyTwoBitsAreTheInvalidOperationFault)
{
    const double cases[] = {2147483647.5, 2147483648.0, -2147483649.0, 4294967296.0, 1e18, 1e19, -1e300};
    for (const double x : cases) {
        SCOPED_TRACE(x);
        ExpectInvalidOperation([&] { roundUpWhole(Opaque(x)); });
    }
}

TEST(FormatInteger, DecimalWithMinusSign)
{
    struct Case {
        std::int32_t v;
        const char* text;
    };
    const Case cases[] = {
        {0, "0"},
        {7, "7"},
        {-1, "-1"},
        {44, "44"},
        {1000, "1000"},
        {2147483647, "2147483647"},
        {-2147483647 - 1, "-2147483648"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatInteger(Opaque(c.v)), c.text);
    }
}

}  // namespace
}  // namespace vintorp::calc
