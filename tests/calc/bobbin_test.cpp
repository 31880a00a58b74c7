// Calculate on a fake view: results, rejections, faults, order of the steps.
#include <gtest/gtest.h>

#include <cfenv>
#include <map>
#include <string>
#include <vector>

#include "calc/bobbin.h"
#include "calc/errors.h"
#include "calc/fpenv.h"
#include "fake_view.h"
#include "faulting_view.h"
#include "test_support.h"

namespace vintorp::calc {
namespace {

using test::FakeView;
using test::kSeparators;
using test::WithSeparator;

// Input texts A, B, C, H, K, T; '#' stands for the separator in force.
using Inputs = std::array<const char*, 6>;
using Fields = std::map<std::string, std::string>;

constexpr Inputs kWorked = {"20", "25", "10", "30", "0", "1"};
constexpr Inputs kWorkedWithClamp = {"20", "25", "10", "30", "2", "1"};

const Fields kWorkedCommon = {
    {"Edit15", "1"}, {"Edit2", "27#5"}, {"Edit16", "27#5"}, {"Edit7", "29#5"},  {"Edit12", "29#5"},
    {"Edit8", "38"}, {"Edit6", "9"},    {"Edit11", "9"},    {"Edit14", "25#5"},
};

Fields Merge(Fields base, const Fields& more)
{
    for (const auto& [k, v] : more) {
        base[k] = v;
    }
    return base;
}

const Fields kWorkedE
    = Merge(kWorkedCommon,
            {{"Edit4", "39#5"}, {"Edit9", "20#5"}, {"Edit5", "22#5"}, {"Edit10", "22#5"}, {"Edit3", "44"}});
const Fields kWorkedU
    = Merge(kWorkedCommon,
            {{"Edit4", "29#5"}, {"Edit9", "22#5"}, {"Edit5", "24#5"}, {"Edit10", "24#5"}, {"Edit3", "33"}});

FakeView MakeView(const Inputs& in, int core_type, std::string_view sep)
{
    std::array<std::string, 6> texts;
    for (std::size_t i = 0; i < in.size(); ++i) {
        texts[i] = WithSeparator(in[i], sep);
    }
    return FakeView(texts, core_type);
}

// The fourteen fields as expected: the listed ones, "0" for the rest.
void ExpectFields(const FakeView& view, const Fields& listed, std::string_view sep)
{
    for (const std::string_view name : kDrawingFields) {
        const std::string key(name);
        const auto it = listed.find(key);
        EXPECT_EQ(view.field(key), it == listed.end() ? "0" : WithSeparator(it->second, sep)) << key;
    }
}

class CalculateBothSeparators : public ::testing::TestWithParam<std::string_view> { };

struct ResultCase {
    const char* what;
    Inputs in;
    int core_type;
    Fields fields;  // the complete expected picture (unlisted: "0")
};

TEST_P(CalculateBothSeparators, FillsTheDrawingFields)
{
    const std::string_view sep = GetParam();
    const ResultCase cases[] = {
        {"worked example, E-type", kWorked, ETypeCore, kWorkedE},
        {"worked example, U-type", kWorkedWithClamp, UTypeCore, kWorkedU},
        {"clamp ignored for the E-type", kWorkedWithClamp, ETypeCore, kWorkedE},
        {"no core type chosen", kWorked, -1, kWorkedCommon},
        {"unknown core type", kWorked, 2, kWorkedCommon},
        {"empty thickness is 1", {"20", "25", "10", "30", "0", ""}, ETypeCore, kWorkedE},
        {"unreadable clamp is 0",
         {"20", "25", "10", "30", "x", "1"},
         UTypeCore,
         Merge(kWorkedU, {{"Edit9", "20#5"}, {"Edit5", "22#5"}, {"Edit10", "22#5"}})},
        {"negative clamp ignored for the E-type, which has no clamp",
         {"20", "25", "10", "30", "-3", "1"},
         ETypeCore,
         kWorkedE},
        {"exactly 1 everywhere",
         {"1", "1", "1", "1", "0", "1"},
         ETypeCore,
         {{"Edit15", "1"},
          {"Edit2", "3#5"},
          {"Edit16", "3#5"},
          {"Edit7", "0#5"},
          {"Edit12", "0#5"},
          {"Edit8", "9"},
          {"Edit6", "1"},
          {"Edit11", "1"},
          {"Edit14", "1#5"},
          {"Edit4", "2#5"},
          {"Edit9", "1#5"},
          {"Edit5", "3#5"},
          {"Edit10", "3#5"},
          {"Edit3", "3"}}},
        {"fractional thickness",
         {"20", "25", "10", "30", "0", "0#35"},
         ETypeCore,
         Merge(kWorkedE, {{"Edit15", "0#35"},
                          {"Edit2", "26#2"},
                          {"Edit16", "26#2"},
                          {"Edit8", "33"},
                          {"Edit5", "21#2"},
                          {"Edit10", "21#2"}})},
        {"negative-free 0.3*H rounding: H = 11",
         {"20", "25", "10", "11", "0", "1"},
         ETypeCore,
         Merge(kWorkedE,
               {{"Edit7", "10#5"}, {"Edit12", "10#5"}, {"Edit8", "19"}, {"Edit6", "4"}, {"Edit11", "4"}})},
    };
    for (const ResultCase& c : cases) {
        SCOPED_TRACE(c.what);
        FakeView view = MakeView(c.in, c.core_type, sep);
        EXPECT_EQ(calculate(view, sep), CalcOutcome::Shown);
        ExpectFields(view, c.fields, sep);
        EXPECT_TRUE(view.Messages().empty());
        EXPECT_EQ(view.Events().back(), "show");
    }
}

// 0.3 and 0.1 are slightly above the decimals; whole products still stay whole.
TEST_P(CalculateBothSeparators, WholeMultiplesAreNotRoundedUp)
{
    const std::string_view sep = GetParam();
    struct Case {
        const char* h;
        const char* edit6;
    };
    for (const Case& c : {Case{"1", "1"}, Case{"10", "3"}, Case{"11", "4"}, Case{"20", "6"}, Case{"30", "9"},
                          Case{"100", "30"}, Case{"3#4", "2"}}) {
        FakeView view = MakeView({"20", "25", "10", c.h, "0", "1"}, ETypeCore, sep);
        calculate(view, sep);
        EXPECT_EQ(view.field("Edit6"), c.edit6) << "H = " << c.h;
    }
    struct WidthCase {
        Inputs in;
        int core_type;
        const char* edit4;
        const char* edit3;
    };
    const WidthCase widths[] = {
        {{"20#5", "25", "10", "30", "0", "1"}, ETypeCore, "40", "44"},
        {{"20", "25", "10", "30", "0", "1"}, ETypeCore, "39#5", "44"},
        {{"10#5", "25", "10", "30", "0", "1"}, ETypeCore, "30", "33"},
        {{"20", "25", "10#5", "30", "0", "1"}, UTypeCore, "30", "33"},
        {{"20", "25", "80#5", "30", "0", "1"}, UTypeCore, "100", "110"},
    };
    for (const WidthCase& w : widths) {
        FakeView view = MakeView(w.in, w.core_type, sep);
        calculate(view, sep);
        EXPECT_EQ(view.field("Edit4"), WithSeparator(w.edit4, sep));
        EXPECT_EQ(view.field("Edit3"), w.edit3) << w.edit4;
    }
}

struct RejectCase {
    const char* what;
    Inputs in;
    int core_type;
};

TEST_P(CalculateBothSeparators, RejectsWrongSizesWithTheMessage)
{
    const std::string_view sep = GetParam();
    const RejectCase cases[] = {
        {"A below 1", {"0#99", "25", "10", "30", "0", "1"}, ETypeCore},
        {"B below 1", {"20", "0#99", "10", "30", "0", "1"}, ETypeCore},
        {"C below 1", {"20", "25", "0#99", "30", "0", "1"}, ETypeCore},
        {"H below 1", {"20", "25", "10", "0#99", "0", "1"}, ETypeCore},
        {"A unreadable", {"abc", "25", "10", "30", "0", "1"}, ETypeCore},
        {"A with the other separator", {"20~5", "25", "10", "30", "0", "1"}, ETypeCore},
        {"A empty", {"", "25", "10", "30", "0", "1"}, UTypeCore},
        {"A negative", {"-20", "25", "10", "30", "0", "1"}, ETypeCore},
        {"T zero", {"20", "25", "10", "30", "0", "0"}, ETypeCore},
        {"T zero with separator", {"20", "25", "10", "30", "0", "0#0"}, ETypeCore},
        {"T negative zero", {"20", "25", "10", "30", "0", "-0"}, ETypeCore},
        {"T negative is refused like zero", {"20", "25", "10", "30", "0", "-1"}, ETypeCore},
        {"T negative on the U-type is refused like zero", {"20", "25", "10", "30", "0", "-0#5"}, UTypeCore},
        {"K negative is refused for the U-type, which adds the clamp",
         {"20", "25", "10", "30", "-2", "1"},
         UTypeCore},
        {"bad sizes without a core type", {"0", "25", "10", "30", "0", "1"}, -1},
    };
    for (const RejectCase& c : cases) {
        SCOPED_TRACE(c.what);
        FakeView view = MakeView(c.in, c.core_type, sep);
        EXPECT_EQ(calculate(view, sep), CalcOutcome::Rejected);
        EXPECT_EQ(view.Messages(), (std::vector<Error>{Error{ErrorKind::Rejected, {}}}));
        ExpectFields(view, {}, sep);
        EXPECT_FALSE(view.shown());
    }
}

struct FaultCase {
    const char* what;
    Inputs in;
    int core_type;
    ErrorKind fault;
    Fields fields;  // as they stand when the fault ends Calculate
};

TEST_P(CalculateBothSeparators, FaultsEndCalculateAndKeepWhatWasWritten)
{
    const std::string_view sep = GetParam();
    const Fields through_edit12
        = {{"Edit15", "1E20"}, {"Edit2", "2E20"}, {"Edit16", "2E20"}, {"Edit7", "29#5"}, {"Edit12", "29#5"}};
    const FaultCase cases[] = {
        {"A beyond the largest double",
         {"1e309", "25", "10", "30", "0", "1"},
         ETypeCore,
         ErrorKind::Overflow,
         {}},
        {"T beyond the largest double",
         {"20", "25", "10", "30", "0", "-1e309"},
         ETypeCore,
         ErrorKind::Overflow,
         {}},
        {"8T + H beyond 64 bits",
         {"20", "25", "10", "30", "0", "1e20"},
         ETypeCore,
         ErrorKind::InvalidOperation,
         through_edit12},
        {"8T + H beyond 32 bits is an error, not its low bits",
         {"20", "25", "10", "30", "0", "1e18"},
         UTypeCore,
         ErrorKind::InvalidOperation,
         {{"Edit15", "1E18"}, {"Edit2", "2E18"}, {"Edit16", "2E18"}, {"Edit7", "29#5"}, {"Edit12", "29#5"}}},
        {"8T + H just beyond 32 bits is an error, not its low bits",
         {"20", "25", "10", "2147483640", "0", "1"},
         ETypeCore,
         ErrorKind::InvalidOperation,
         {{"Edit15", "1"},
          {"Edit2", "27#5"},
          {"Edit16", "27#5"},
          {"Edit7", "2147483639#5"},
          {"Edit12", "2147483639#5"}}},
        {"8T + H beyond the largest double",
         {"20", "25", "10", "30", "0", "1e308"},
         ETypeCore,
         ErrorKind::Overflow,
         {{"Edit15", "1E308"},
          {"Edit2", "2E308"},
          {"Edit16", "2E308"},
          {"Edit7", "29#5"},
          {"Edit12", "29#5"}}},
        {"cheek height beyond 32 bits is an error, not its low bits",
         {"2e9", "25", "10", "30", "0", "1"},
         ETypeCore,
         ErrorKind::InvalidOperation,
         Merge(kWorkedCommon, {{"Edit4", "2000000019#5"},
                               {"Edit9", "2000000000#5"},
                               {"Edit5", "2000000002#5"},
                               {"Edit10", "2000000002#5"}})},
        // A rounds to the largest double without a fault; the width read back
        // from its 15-digit text lies beyond it.
        {"cheek width read back beyond the largest double",
         {"1#7976931348623158e308", "25", "10", "30", "0", "1"},
         UTypeCore,
         ErrorKind::Overflow,
         Merge(kWorkedCommon, {{"Edit4", "1#79769313486232E308"},
                               {"Edit9", "1#79769313486232E308"},
                               {"Edit5", "1#79769313486232E308"},
                               {"Edit10", "1#79769313486232E308"}})},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        const test::ClearedFlags clean;
        FakeView view = MakeView(c.in, c.core_type, sep);
        try {
            calculate(view, sep);
            ADD_FAILURE() << "no fault";
        } catch (const ArithmeticError& e) {
            EXPECT_EQ(e.error(), (Error{c.fault, {}}));
        }
        ExpectFields(view, c.fields, sep);
        EXPECT_FALSE(view.shown());
        EXPECT_TRUE(view.Messages().empty());
        EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT & ~FE_INEXACT), 0);
    }
}

// The window code that runs between the steps of Calculate shares the fault
// flags of both units; what it leaves raised is not the calculation's fault.
TEST_P(CalculateBothSeparators, FaultFlagsLeftByTheViewDoNotReachTheChecks)
{
    const std::string_view sep = GetParam();
    const ResultCase cases[] = {
        {"worked example, E-type", kWorked, ETypeCore, kWorkedE},
        {"worked example, U-type", kWorkedWithClamp, UTypeCore, kWorkedU},
    };
    for (const ResultCase& c : cases) {
        SCOPED_TRACE(c.what);
        FakeView view = MakeView(c.in, c.core_type, sep);
        test::FaultingView faulting(view);
        CalcOutcome outcome = CalcOutcome::Rejected;
        EXPECT_NO_THROW(outcome = calculate(faulting, sep));
        EXPECT_EQ(outcome, CalcOutcome::Shown);
        ExpectFields(view, c.fields, sep);
        EXPECT_TRUE(view.shown());
    }
}

// The faulting view raises on each unit the fault it says, and nothing the
// other unit should have raised.
TEST(FaultingView, RaisesTheNamedFaultOnEachUnit)
{
    const auto bit = [](test::Fault f) -> unsigned {
        switch (f) {
        case test::Fault::Invalid: return 0x01;
        case test::Fault::DivisionByZero: return 0x04;
        case test::Fault::Overflow: return 0x08;
        }
        return 0;
    };
    constexpr unsigned kFaultBits = 0x01 | 0x04 | 0x08;
    const test::FaultPair pairs[] = {test::kInputTextFaults, test::kCoreTypeFaults, test::kSetFieldFaults,
                                     test::kFieldTextFaults, test::kMessageFaults,  test::kShowFaults};
    for (const test::FaultPair& p : pairs) {
        const ArithmeticEnvironment clear_flags;
        test::Raise(p);
        EXPECT_EQ(test::SseFlags() & kFaultBits, bit(p.sse));
        EXPECT_EQ(test::X87Flags() & kFaultBits, bit(p.x87));
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, CalculateBothSeparators, ::testing::ValuesIn(kSeparators));

TEST(Calculate, ResetsReadsFillsAndShowsInOrder)
{
    FakeView view = MakeView(kWorked, ETypeCore, ",");
    calculate(view, ",");
    const std::vector<std::string> want = {
        "set Edit2",  "set Edit15", "set Edit16", "set Edit12", "set Edit7",     "set Edit8",    "set Edit11",
        "set Edit6",  "set Edit14", "set Edit3",  "set Edit4",  "set Edit9",     "set Edit10",   "set Edit5",
        "read ed_A",  "read ed_B",  "read ed_C",  "read ed_H",  "read edPLKrep", "read edMater", "set Edit15",
        "set Edit2",  "set Edit16", "set Edit7",  "set Edit12", "set Edit8",     "set Edit6",    "set Edit11",
        "set Edit14", "set Edit4",  "set Edit9",  "set Edit5",  "set Edit10",    "set Edit3",    "show"};
    EXPECT_EQ(view.Events(), want);
}

TEST(Calculate, CopiesAndTheCheekWidthAreTakenFromTheFieldsAsShown)
{
    FakeView view = MakeView(kWorked, ETypeCore, ",");
    view.ShowInstead("Edit2", "2,25");
    view.ShowInstead("Edit7", "7");
    view.ShowInstead("Edit6", "6");
    view.ShowInstead("Edit5", "5,5");
    view.ShowInstead("Edit4", "100");
    calculate(view, ",");
    EXPECT_EQ(view.field("Edit16"), "2,25");
    EXPECT_EQ(view.field("Edit12"), "7");
    EXPECT_EQ(view.field("Edit11"), "6");
    EXPECT_EQ(view.field("Edit10"), "5,5");
    EXPECT_EQ(view.field("Edit3"), "110");
}

TEST(Calculate, UnreadableCheekWidthIsAConversionError)
{
    FakeView view = MakeView(kWorkedWithClamp, UTypeCore, ",");
    view.ShowInstead("Edit4", "29.5");
    try {
        calculate(view, ",");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.error(), (Error{ErrorKind::NotANumber, "29.5"}));
    }
    EXPECT_EQ(view.field("Edit10"), "24,5");
    EXPECT_EQ(view.field("Edit3"), "0");
    EXPECT_FALSE(view.shown());
}

TEST(Calculate, RepeatedRunsAgreeOnOneViewAndAcrossViews)
{
    FakeView view = MakeView(kWorked, ETypeCore, ",");
    calculate(view, ",");
    const auto first = view.fields();
    calculate(view, ",");
    EXPECT_EQ(view.fields(), first);

    FakeView again = MakeView(kWorked, ETypeCore, ",");
    calculate(again, ",");
    EXPECT_EQ(again.fields(), first);
}

// The caller's rounding and precision would change the results (0.3 * 30
// rounded upward is above 9): Calculate uses its own and gives them back.
TEST(Calculate, RunsUnderItsOwnEnvironment)
{
    const test::ForeignControlWord foreign;
    std::feraiseexcept(FE_INEXACT | FE_UNDERFLOW);
    FakeView view = MakeView(kWorked, ETypeCore, ",");
    EXPECT_EQ(calculate(view, ","), CalcOutcome::Shown);
    ExpectFields(view, kWorkedE, ",");
    EXPECT_EQ(test::X87ControlWord(), test::kForeignControlWord);
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), FE_INEXACT | FE_UNDERFLOW);
}

TEST(InputFieldName, ObjectNamesOfTheInputFields)
{
    const std::pair<InputField, const char*> cases[] = {
        {InputField::A, "ed_A"}, {InputField::B, "ed_B"},     {InputField::C, "ed_C"},
        {InputField::H, "ed_H"}, {InputField::K, "edPLKrep"}, {InputField::T, "edMater"},
    };
    for (const auto& [field, name] : cases) {
        EXPECT_EQ(inputFieldName(field), name);
    }
}

}  // namespace
}  // namespace vintorp::calc
