// The drawing's fields: the one table of the result fields, by what each
// measures and where it stands on the drawing window (its words are the
// language layer's, lang/fields/fieldnames.h).
//
// The field names (Edit2 ... Edit16) are the object names of the drawing
// window's controls. They keep the numbered names the window was first laid
// out with, gaps included (there is no Edit1 or Edit13), because tests,
// scripts (the batch tool's JSON keys) and the window itself find the fields
// by these names. Code that means a dimension uses the constants in
// namespace `field`, so it reads as geometry.
//
// The parts: two identical cheeks (the flanges: end plates with a window for
// the core's middle leg) and four walls of the tube that the winding sits on. Walls 1
// and 3 carry a tab at each end that passes through a cheek; walls 2 and 4
// are plain. Each wall has an upper, a middle and a lower section.
#pragma once

#include <array>
#include <string_view>

namespace vintorp::calc {

namespace field {
inline constexpr std::string_view CheekWidth = "Edit4";
inline constexpr std::string_view CheekHeight = "Edit3";
inline constexpr std::string_view CheekWindowWidth = "Edit5";
inline constexpr std::string_view CheekWindowHeight = "Edit2";
inline constexpr std::string_view TabbedWallHeight = "Edit8";
inline constexpr std::string_view TabbedWallBetweenTabs = "Edit7";
inline constexpr std::string_view TabbedWallMiddleHeight = "Edit6";
inline constexpr std::string_view TabbedWallNarrowWidth = "Edit9";
inline constexpr std::string_view TabbedWallWideWidth = "Edit10";
inline constexpr std::string_view PlainWallHeight = "Edit12";
inline constexpr std::string_view PlainWallMiddleHeight = "Edit11";
inline constexpr std::string_view PlainWallNarrowWidth = "Edit14";
inline constexpr std::string_view PlainWallWideWidth = "Edit16";
inline constexpr std::string_view Thickness = "Edit15";
}  // namespace field

// A rectangle in the drawing window's client pixels at 96 dpi.
struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};

struct DrawingField {
    std::string_view name;
    PixelRect place;
    // Stands on a dimension line of the drawing (all but the thickness).
    bool onDimensionLine;
};

// Every field, in the window's tab order (the thickness comes last, after the
// Print button).
inline constexpr std::array<DrawingField, 14> kDrawingFieldTable = {{
    {field::CheekWindowHeight, {43, 138, 33, 16}, true},
    {field::CheekHeight, {20, 110, 33, 16}, true},
    {field::CheekWidth, {125, 15, 33, 16}, true},
    {field::CheekWindowWidth, {126, 31, 30, 16}, true},
    {field::TabbedWallMiddleHeight, {60, 280, 33, 16}, true},
    {field::TabbedWallBetweenTabs, {43, 317, 33, 16}, true},
    {field::TabbedWallHeight, {20, 251, 33, 16}, true},
    {field::TabbedWallNarrowWidth, {273, 357, 33, 16}, true},
    {field::TabbedWallWideWidth, {273, 377, 33, 16}, true},
    {field::PlainWallMiddleHeight, {408, 282, 25, 16}, true},
    {field::PlainWallHeight, {418, 317, 33, 16}, true},
    {field::PlainWallNarrowWidth, {352, 357, 33, 16}, true},
    {field::PlainWallWideWidth, {352, 376, 33, 16}, true},
    {field::Thickness, {117, 375, 27, 15}, false},
}};

// The fields in the order in which Calculate resets them to "0".
inline constexpr std::array<std::string_view, 14> kDrawingFields = {
    field::CheekWindowHeight,      field::Thickness,          field::PlainWallWideWidth,
    field::PlainWallHeight,        field::TabbedWallBetweenTabs, field::TabbedWallHeight,
    field::PlainWallMiddleHeight,  field::TabbedWallMiddleHeight, field::PlainWallNarrowWidth,
    field::CheekHeight,            field::CheekWidth,         field::TabbedWallNarrowWidth,
    field::TabbedWallWideWidth,    field::CheekWindowWidth,
};

// Whether the cheek's window is smaller than the cheek both ways. Otherwise
// the drawing makes no cheek to cut, and the bobbin has nothing to hold a
// winding: the template and the windings both ask this.
constexpr bool windowInsideCheek(double cheekWidth, double cheekHeight, double windowWidth,
                                 double windowHeight)
{
    return windowWidth < cheekWidth && windowHeight < cheekHeight;  // false for NaN
}

}  // namespace vintorp::calc
