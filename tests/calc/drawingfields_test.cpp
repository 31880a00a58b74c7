// The drawing's field table itself: what every other test, the windows and
// the artwork rely on. Where each field stands is checked against the
// drawing's dimension lines by the artwork test.
#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "calc/drawingfields.h"

namespace vintorp::calc {
namespace {

// The part of the drawing window's client area that shows the picture: the
// fields stand on it, over the drawing's dimension lines.
constexpr PixelRect kPictureArea{0, 0, 457, 406};

bool inside(const PixelRect& r, const PixelRect& area)
{
    return r.left >= area.left && r.top >= area.top && r.left + r.width <= area.left + area.width
           && r.top + r.height <= area.top + area.height;
}

bool overlap(const PixelRect& a, const PixelRect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height
           && b.top < a.top + a.height;
}

// What the windows and the artwork test rely on: every field on the
// picture, none covering another, and only the thickness (last in the tab
// order) off the dimension lines.
TEST(DrawingFieldTable, FieldsStandApartOnThePicture)
{
    for (std::size_t i = 0; i < kDrawingFieldTable.size(); ++i) {
        const DrawingField& f = kDrawingFieldTable[i];
        EXPECT_TRUE(inside(f.place, kPictureArea)) << f.name;
        EXPECT_GT(f.place.width, 0) << f.name;
        EXPECT_GT(f.place.height, 0) << f.name;
        EXPECT_EQ(f.onDimensionLine, f.name != field::Thickness) << f.name;
        for (std::size_t j = i + 1; j < kDrawingFieldTable.size(); ++j)
            EXPECT_FALSE(overlap(f.place, kDrawingFieldTable[j].place))
                << f.name << kDrawingFieldTable[j].name;
    }
    EXPECT_EQ(kDrawingFieldTable.back().name, field::Thickness);
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

}  // namespace
}  // namespace vintorp::calc
