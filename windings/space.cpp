#include "windings/space.h"

#include "calc/drawingfields.h"
#include "calc/errors.h"
#include "calc/numtext.h"

namespace vintorp::windings {
namespace {

std::optional<double> positive(const FieldTexts& texts, std::string_view field, std::string_view sep)
{
    const auto it = texts.find(field);
    if (it == texts.end())
        return std::nullopt;
    try {
        const double v = static_cast<double>(calc::ParseNumber(it->second, sep));
        if (v > 0)
            return v;
    } catch (const calc::CalcError&) {
    }
    return std::nullopt;
}

}  // namespace

std::optional<Space> spaceFromFields(const FieldTexts& texts, std::string_view sep)
{
    namespace f = calc::field;
    const auto t = positive(texts, f::Thickness, sep);
    const auto between = positive(texts, f::TabbedWallBetweenTabs, sep);
    const auto cheek = positive(texts, f::CheekWidth, sep);
    const auto cheekHeight = positive(texts, f::CheekHeight, sep);
    const auto a = positive(texts, f::CheekWindowWidth, sep);
    const auto b = positive(texts, f::CheekWindowHeight, sep);
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
