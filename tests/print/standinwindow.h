// A window laid out like the drawing window, for the print tests and the
// benchmark: a coloured drawing child overlapping the client edges, fourteen
// read-only fields with known texts, the labels, the notes and a Print button.
#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

#include <array>
#include <functional>

namespace vintorp::print::testing {

struct StandInField {
    const char* name;
    QRect geometry;
    const char* text;
};

inline constexpr std::array<StandInField, 14> kFields = {{
    {"Edit4", {125, 15, 33, 16}, "81,5"},
    {"Edit5", {126, 31, 30, 16}, "38,5"},
    {"Edit3", {20, 110, 33, 16}, "90"},
    {"Edit2", {43, 138, 33, 16}, "66,5"},
    {"Edit8", {20, 251, 33, 16}, "78"},
    {"Edit7", {43, 317, 33, 16}, "59,5"},
    {"Edit6", {60, 280, 33, 16}, "18"},
    {"Edit12", {418, 317, 33, 16}, "59,4"},
    {"Edit11", {408, 282, 25, 16}, "17"},
    {"Edit9", {273, 357, 33, 16}, "32,5"},
    {"Edit10", {273, 377, 33, 16}, "38,4"},
    {"Edit14", {352, 357, 33, 16}, "64,5"},
    {"Edit16", {352, 376, 33, 16}, "66,4"},
    {"Edit15", {117, 375, 27, 15}, "3"},
}};

inline constexpr const char* kUnitsNote = "Все размеры в мм.";
inline constexpr const char* kThicknessLabel = "Толщина материала -";
inline constexpr const char* kNotesTitle = "Примечание:";
inline constexpr const char* kPrintCaption = "Печать";

// Fill colour of the drawing child; it covers the client area from (-1, -2)
// to (458, 406), so any part of it outside the picture area shows.
inline const QColor kDrawingFill{170, 200, 255};

class StandInWindow : public QWidget {
public:
    StandInWindow();

    // Called at the start of every paint of the drawing child.
    std::function<void()> onDrawingPaint;
};

}  // namespace vintorp::print::testing
