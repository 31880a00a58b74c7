// The drawing's field table itself, checked once against the drawing
// window's design: every other test and the windows read their fields from
// the table.
#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <set>
#include <string_view>

#include "calc/drawingfields.h"

namespace vintorp::calc {
namespace {

struct Expected {
    std::string_view name;
    PixelRect place;
    bool onDimensionLine;
};

// In the window's tab order.
constexpr Expected kDesign[] = {
    {"Edit2", {43, 138, 33, 16}, true},   {"Edit3", {20, 110, 33, 16}, true},
    {"Edit4", {125, 15, 33, 16}, true},   {"Edit5", {126, 31, 30, 16}, true},
    {"Edit6", {60, 280, 33, 16}, true},   {"Edit7", {43, 317, 33, 16}, true},
    {"Edit8", {20, 251, 33, 16}, true},   {"Edit9", {273, 357, 33, 16}, true},
    {"Edit10", {273, 377, 33, 16}, true}, {"Edit11", {408, 282, 25, 16}, true},
    {"Edit12", {418, 317, 33, 16}, true}, {"Edit14", {352, 357, 33, 16}, true},
    {"Edit16", {352, 376, 33, 16}, true}, {"Edit15", {117, 375, 27, 15}, false},
};

TEST(DrawingFieldTable, MatchesTheWindowDesignInTabOrder)
{
    ASSERT_EQ(std::size(kDesign), kDrawingFieldTable.size());
    for (std::size_t i = 0; i < kDrawingFieldTable.size(); ++i) {
        const DrawingField& f = kDrawingFieldTable[i];
        const Expected& e = kDesign[i];
        EXPECT_EQ(f.name, e.name) << i;
        EXPECT_EQ(f.place.left, e.place.left) << e.name;
        EXPECT_EQ(f.place.top, e.place.top) << e.name;
        EXPECT_EQ(f.place.width, e.place.width) << e.name;
        EXPECT_EQ(f.place.height, e.place.height) << e.name;
        EXPECT_EQ(f.onDimensionLine, e.onDimensionLine) << e.name;
        EXPECT_FALSE(f.meaning.empty()) << e.name;
    }
}

TEST(DrawingFieldTable, ResetOrderHoldsEachFieldOnce)
{
    std::set<std::string_view> inTable;
    for (const DrawingField& f : kDrawingFieldTable)
        inTable.insert(f.name);
    const std::set<std::string_view> reset(kDrawingFields.begin(), kDrawingFields.end());
    EXPECT_EQ(reset.size(), kDrawingFields.size());
    EXPECT_EQ(reset, inTable);
}

TEST(DrawingFieldTable, FindsByNameOnly)
{
    const std::optional<DrawingField> found = findDrawingField(field::TabbedWallHeight);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->name, "Edit8");
    EXPECT_EQ(found->place.top, 251);
    EXPECT_FALSE(findDrawingField("Edit13").has_value());
    EXPECT_FALSE(findDrawingField("edit8").has_value());
}

}  // namespace
}  // namespace vintorp::calc
