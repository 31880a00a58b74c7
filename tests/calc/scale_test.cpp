// scaleByPowerOfTen and its tables, against glibc's correctly rounded strtold.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "calc/fpenv.h"
#include "calc/numtext.h"
#include "test_support.h"

namespace vintorp::calc {
namespace {

using test::Opaque;

Extended NearestPowerOfTen(int k)
{
    const std::string text = "1e" + std::to_string(k);
    return std::strtold(text.c_str(), nullptr);
}

// Every power that one table entry stands for on its own.
std::vector<int> TableExponents()
{
    std::vector<int> out;
    for (int i = 0; i < 32; ++i) {
        out.push_back(i);
    }
    for (int j = 1; j <= 15; ++j) {
        out.push_back(32 * j);
    }
    for (int m = 1; m <= 9; ++m) {
        out.push_back(512 * m);
    }
    return out;
}

TEST(ScaleByPowerOfTen, EachTableEntryIsTheNearestExtendedValue)
{
    for (const int k : TableExponents()) {
        SCOPED_TRACE("10^" + std::to_string(k));
        const Extended entry = NearestPowerOfTen(k);
        EXPECT_EQ(scaleByPowerOfTen(Opaque(1.0L), k), entry);
        EXPECT_EQ(scaleByPowerOfTen(Opaque(1.0L), -k), Opaque(1.0L) / entry);
    }
}

// Small entry first, then middle, then large; one rounding after each.
TEST(ScaleByPowerOfTen, AppliesTheTablesInOrderWithOneRoundingEach)
{
    const ArithmeticStateGuard keep;  // the largest k overflow, the smallest underflow
    const Extended v = Opaque(3.0L) / Opaque(7.0L);
    struct Case {
        int k;
        int small, middle, large;
    };
    const Case cases[] = {
        {37, 5, 32, 0},       {511, 31, 480, 0},     {512, 0, 0, 512}, {1000, 8, 480, 512},
        {4999, 7, 384, 4608}, {5119, 31, 480, 4608}, {-1, 1, 0, 0},    {-4965, 5, 352, 4608},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.k);
        Extended want = v;
        const bool up = c.k > 0;
        want = up ? want * NearestPowerOfTen(c.small) : want / NearestPowerOfTen(c.small);
        if (c.middle != 0) {
            want = up ? want * NearestPowerOfTen(c.middle) : want / NearestPowerOfTen(c.middle);
        }
        if (c.large != 0) {
            want = up ? want * NearestPowerOfTen(c.large) : want / NearestPowerOfTen(c.large);
        }
        EXPECT_EQ(scaleByPowerOfTen(v, c.k), want);
    }
}

TEST(ScaleByPowerOfTen, OutOfReachExponentsGiveInfinityOrZero)
{
    const Extended inf = std::numeric_limits<Extended>::infinity();
    struct Case {
        Extended v;
        int k;
        Extended want;
    };
    const Case cases[] = {
        {1.0L, 5120, inf},   {1e-4000L, 9999, inf}, {std::numeric_limits<Extended>::max(), -5120, 0.0L},
        {1.0L, -5120, 0.0L}, {2.5L, 0, 2.5L},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(scaleByPowerOfTen(Opaque(c.v), c.k), c.want) << c.k;
    }
}

}  // namespace
}  // namespace vintorp::calc
