// The cut template's settings, as the window's dialog, a design file and a
// batch line keep them, and their ranges. Plain C++; the template's parts and
// pages take their limits from here.
#pragma once

#include <optional>

namespace vintorp::design {

// The ranges of the template's settings.
inline constexpr int kMaxBobbins = 4;
inline constexpr double kMaxAllowance = 1;  // mm, the window's clearance and the kerf
inline constexpr double kSmallestSheet = 10, kLargestSheet = 3000;  // mm, either side of a cutter's sheet
inline constexpr double kMaxCutterGap = 50;  // mm
inline constexpr double kMinHole = 0.5, kMaxHole = 5;  // mm, the lead holes' diameter

// The template's settings as the user last chose them; absent: the defaults.
// The window's dialog, a design file and a batch line all keep them here.
struct TemplateSettings {
    std::optional<int> bobbins;  // 1 to kMaxBobbins; absent: by the core type
    std::optional<double> clearance;  // mm, 0 to kMaxAllowance
    std::optional<double> kerf;  // mm, 0 to kMaxAllowance
    std::optional<bool> cutter;
    std::optional<double> sheetWidth, sheetHeight;  // mm, kSmallestSheet to kLargestSheet
    std::optional<double> gap;  // mm, 0 to kMaxCutterGap
    std::optional<bool> labels;
    std::optional<bool> cutOnly;  // a cutter's file with only what is cut
    std::optional<double> hole;  // mm, the lead holes' diameter, kMinHole to kMaxHole
    bool operator==(const TemplateSettings&) const = default;

    // The defaults where nothing is set.
    static constexpr double kSheetWidth = 300, kSheetHeight = 200, kGap = 2;
    static constexpr double kHole = 1.5;
};

}  // namespace vintorp::design
