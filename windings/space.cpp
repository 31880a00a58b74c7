#include "windings/space.h"

namespace vintorp::windings {
namespace {

std::optional<double> positive(const calc::DrawingNumbers& numbers, std::string_view field)
{
    const std::optional<double> v = numbers[field].value;
    return v && *v > 0 ? v : std::nullopt;
}

}  // namespace

std::optional<Space> spaceFromDrawing(const calc::DrawingNumbers& numbers)
{
    namespace f = calc::field;
    const auto t = positive(numbers, f::Thickness);
    const auto between = positive(numbers, f::TabbedWallBetweenTabs);
    const auto cheek = positive(numbers, f::CheekWidth);
    const auto cheekHeight = positive(numbers, f::CheekHeight);
    const auto a = positive(numbers, f::CheekWindowWidth);
    const auto b = positive(numbers, f::CheekWindowHeight);
    if (!t || !between || !cheek || !cheekHeight || !a || !b)
        return std::nullopt;
    return Space{*t,
                 *between - 2 * *t,
                 (*cheek - *a) / 2,
                 *a,
                 *b,
                 calc::windowInsideCheek(*cheek, *cheekHeight, *a, *b)};
}

bool hasRoom(const Space& space)
{
    return space.windowInsideCheek && space.length > 0 && space.depth > 0;  // false for NaN
}

}  // namespace vintorp::windings
