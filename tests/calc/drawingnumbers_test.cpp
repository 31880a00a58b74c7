// Reading the drawing's texts: each field's text kept as shown, its number
// by the number text rules with the separator given.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "calc/drawingnumbers.h"

namespace vintorp::calc {
namespace {

TEST(DrawingNumbers, ReadsEveryFieldWithTheSeparator)
{
    const DrawingTexts texts{{"Edit15", "1"}, {"Edit7", "29,5"}, {"Edit4", "x"}, {"Edit3", "1E5"}};
    const struct {
        std::string_view field;
        const char* sep;
        std::string text;
        std::optional<double> value;
    } cases[] = {
        {field::Thickness, ",", "1", 1},
        {field::TabbedWallBetweenTabs, ",", "29,5", 29.5},
        {field::TabbedWallBetweenTabs, ".", "29,5", std::nullopt},
        {field::CheekWidth, ",", "x", std::nullopt},
        {field::CheekHeight, ",", "1E5", 1e5},  // the template refuses it by a rule of its own
        {field::CheekWindowHeight, ",", "", std::nullopt},  // not given
    };
    for (const auto& c : cases) {
        const DrawingNumbers numbers = readDrawingNumbers(texts, c.sep);
        EXPECT_EQ(numbers.sep, c.sep);
        EXPECT_EQ(numbers[c.field].text, c.text) << c.field << c.sep;
        EXPECT_EQ(numbers[c.field].value, c.value) << c.field << c.sep;
    }
    EXPECT_THROW(readDrawingNumbers(texts, ",")["Edit13"], std::out_of_range);
}

}  // namespace
}  // namespace vintorp::calc
