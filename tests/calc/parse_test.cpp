// The parse scan: which texts are accepted and what value they give.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "calc/errors.h"
#include "calc/fpenv.h"
#include "calc/numtext.h"
#include "test_support.h"

namespace vintorp::calc {
namespace {

using test::kSeparators;
using test::WithSeparator;

// A default no accepted text in the tables yields, so that an accepted 0 and
// the default stay apart.
constexpr Extended kFallback = 99.0L;

struct ParseCase {
    const char* text;  // '#': the separator in force, '~': the other one
    bool accepted;
    Extended value;  // when accepted
};

const ParseCase kParseCases[] = {
    {"12#5", true, 12.5L},
    {"12~5", false, 0},
    {"1e3", true, 1000.0L},
    {"1E3", true, 1000.0L},
    {" 7 ", true, 7.0L},
    {"   7", true, 7.0L},
    {"", false, 0},
    {"   ", false, 0},
    {"#5", true, 0.5L},
    {"5#", true, 5.0L},
    {"#", true, 0.0L},
    {"-#", true, -0.0L},
    {"+", false, 0},
    {"-", false, 0},
    {"+5", true, 5.0L},
    {"e5", false, 0},
    {"#e5", true, 0.0L},
    {"- 5", false, 0},
    {" -5", true, -5.0L},
    {"5 5", false, 0},
    {"1 000", false, 0},
    {"1e", true, 1.0L},
    {"1e+", true, 1.0L},
    {"1e-", true, 1.0L},
    {"1E+2", true, 100.0L},
    {"1e-0", true, 1.0L},
    {"007", true, 7.0L},
    {"1#5e-3", true, 0.0015L},
    {"  -12#5e1  ", true, -125.0L},
    {"1e00000000000000000003", true, 1000.0L},
    {"1e5000", false, 0},
    {"1e4999", false, 0},
    {"-1e4999", false, 0},
    {"1e4933", false, 0},
    {"0e4999", true, 0.0L},
    {"1e-4999", true, 0.0L},
    {"12#5#3", false, 0},
    {"1e3#5", false, 0},
    {"1e 3", false, 0},
    {"\t7", false, 0},
    {"7\t", false, 0},
    {"\xC2\xA0"
     "7",
     false, 0},
    {"0x10", false, 0},
    {"1f", false, 0},
    {"++1", false, 0},
    {"1234567890123456789", true, 1234567890123456789.0L},
    {"0#000000000000000000001234567890123456789", true, 1234567890123456789e-39L},
    {"123456789#0123456789e-10", true, 1234567890123456789e-20L},
};

class ParseTable : public ::testing::TestWithParam<std::string_view> { };

TEST_P(ParseTable, AcceptsExactlyTheNumberTextsWithTheirValues)
{
    const std::string_view sep = GetParam();
    for (const ParseCase& c : kParseCases) {
        const std::string text = WithSeparator(c.text, sep);
        SCOPED_TRACE("text '" + text + "' under '" + std::string(sep) + "'");
        const Extended got = parseNumberOrDefault(text, kFallback, sep);
        if (c.accepted) {
            EXPECT_EQ(got, c.value);
            EXPECT_EQ(std::signbit(got), std::signbit(c.value));
            EXPECT_EQ(parseNumber(text, sep), c.value);
        } else {
            EXPECT_EQ(got, kFallback);
            EXPECT_THROW(parseNumber(text, sep), ConversionError);
        }
    }
}

TEST_P(ParseTable, NegativeZeroKeepsItsSign)
{
    const std::string_view sep = GetParam();
    const Extended v = parseNumber("-0", sep);
    EXPECT_EQ(v, 0.0L);
    EXPECT_TRUE(std::signbit(v));
    EXPECT_EQ(formatNumber(v, sep), "0");
}

TEST_P(ParseTable, ExponentReachingFiveHundredWithItsLastDigitIsRead)
{
    const std::string_view sep = GetParam();
    const Extended v = parseNumber("1e0500", sep);
    EXPECT_EQ(v, scaleByPowerOfTen(1.0L, 500));
    EXPECT_EQ(v, parseNumber("1e500", sep));
    const Extended nearest = std::strtold("1e500", nullptr);
    EXPECT_LE(std::fabs(v - nearest), nearest * 0x1p-62L);  // within two units of the last place
}

TEST_P(ParseTable, LongDigitRunsOverflowTheAccumulatorHoweverSmallTheValue)
{
    const std::string_view sep = GetParam();
    const std::string tiny = "0" + std::string(sep) + std::string(5000, '1') + "e-4000";
    EXPECT_EQ(parseNumberOrDefault(tiny, kFallback, sep), kFallback);
    const std::string many_zeros = "0" + std::string(sep) + std::string(6000, '0') + "1";
    EXPECT_EQ(parseNumber(many_zeros, sep), 0.0L);  // underflow is accepted
}

// Up to 19 digits and a power of ten between 10^-27 and 10^27 give the
// extended value nearest to the decimal; glibc's strtold rounds correctly.
TEST_P(ParseTable, ShortTextsGiveTheNearestExtendedValue)
{
    const std::string_view sep = GetParam();
    std::mt19937_64 rng(20261207);
    std::uniform_int_distribution<int> length(1, 19);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> exponent(-8, 8);
    for (int i = 0; i < 5000; ++i) {
        std::string digits;
        for (int n = length(rng); n > 0; --n) {
            digits += static_cast<char>('0' + digit(rng));
        }
        const std::size_t point = std::uniform_int_distribution<std::size_t>(0, digits.size())(rng);
        const int e = exponent(rng);
        const std::string pattern
            = digits.substr(0, point) + "#" + digits.substr(point) + "e" + std::to_string(e);
        const std::string text = WithSeparator(pattern, sep);
        const std::string c_text = WithSeparator(pattern, ".");
        const int fraction_digits = static_cast<int>(digits.size() - point);
        if (e - fraction_digits < -27) {
            continue;
        }
        SCOPED_TRACE(text);
        EXPECT_EQ(parseNumber(text, sep), std::strtold(c_text.c_str(), nullptr));
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, ParseTable, ::testing::ValuesIn(kSeparators));

TEST(ParseNumber, RejectionNamesTheWholeTextWithItsSpaces)
{
    try {
        parseNumber(" 12.5 ", ",");
        FAIL() << "the text was accepted";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.error(), (Error{ErrorKind::NotANumber, " 12.5 "}));
        EXPECT_STREQ(e.what(), "' 12.5 ' is not a valid floating point value");
    }
}

TEST(ParseNumber, SeparatorIsComparedAsAWholeCharacter)
{
    const std::string_view arabic = "\xD9\xAB";  // U+066B, two bytes
    EXPECT_EQ(parseNumber("12\xD9\xAB"
                          "5",
                          arabic),
              12.5L);
    EXPECT_EQ(parseNumberOrDefault("12\xD9"
                                   "5",
                                   kFallback, arabic),
              kFallback);
    EXPECT_EQ(parseNumberOrDefault("12.5", kFallback, ""), kFallback);
}

TEST(ParseNumber, RunsUnderItsOwnEnvironmentAndRestoresTheCallers)
{
    const test::ForeignControlWord foreign;
    // 1/10 needs the full significand and nearest rounding to give 0.1L.
    EXPECT_EQ(parseNumber("0,1", ","), 0.1L);
    EXPECT_EQ(parseNumberOrDefault("1e4999", kFallback, ","), kFallback);
    EXPECT_EQ(test::X87ControlWord(), test::kForeignControlWord);
}

// Fault flags raised by the scan do not reach the caller, nor stop the scan
// when pending before it; the silent ones (inexact, underflow) may reach it.
TEST(ParseNumber, LeavesNoFaultFlagBehind)
{
    const test::ClearedFlags clean;
    EXPECT_EQ(parseNumberOrDefault("1e4999", kFallback, ","), kFallback);
    EXPECT_EQ(std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO), 0);
    std::feraiseexcept(FE_OVERFLOW);
    EXPECT_EQ(parseNumber("1,5", ","), 1.5L);  // a pending fault is no reason to reject
}

// The fault flags the caller had raised on the x87 unit, where the scan
// works, are the caller's again afterwards, whether the scan accepts the text
// or faults and rejects it.
TEST(ParseNumber, GivesTheCallerItsFaultFlagsBack)
{
    const int faults = FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO;
    const Extended zero = test::Opaque(0.0L);
    for (const char* text : {"1,5", "1e4999", "x"}) {
        SCOPED_TRACE(text);
        (void)test::Opaque(test::Opaque(std::numeric_limits<Extended>::max()) * 2.0L);
        (void)parseNumberOrDefault(text, kFallback, ",");
        EXPECT_EQ(std::fetestexcept(faults), FE_OVERFLOW);
        (void)test::Opaque(zero / zero + 1.0L / zero);
        (void)parseNumberOrDefault(text, kFallback, ",");
        EXPECT_EQ(std::fetestexcept(faults), faults);
        std::feclearexcept(FE_ALL_EXCEPT);
    }
}

// The value is rounded to extended first and only then to double: a decimal
// just above a double midpoint whose nearest extended value is that midpoint
// stores as the even neighbour, not as the nearest double.
// The figures below were worked out with exact integer arithmetic.
TEST(ParseNumber, StoringIntoADoubleRoundsTheExtendedValueAgain)
{
    const ArithmeticEnvironment env;
    const char* text = "786399896855344145e10";
    const Extended parsed = parseNumber(text, ",");
    EXPECT_EQ(parsed, 7863998968553441450199613440.0L);  // the midpoint of two doubles
    const double stored = storeDouble(parsed);
    EXPECT_EQ(stored, 7863998968553441999955427328.0);  // ties to the even neighbour
    EXPECT_EQ(std::strtod(text, nullptr), 7863998968553440900443799552.0);  // nearest double
}

}  // namespace
}  // namespace vintorp::calc
