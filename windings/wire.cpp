#include "windings/wire.h"

#include "windings/tolerance.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <numbers>

namespace vintorp::windings {
namespace {

struct Row {
    double nominal;  // copper, mm
    std::array<double, kMaxGrade - kMinGrade + 1> outer;  // maximum overall, mm, by grade
};

constexpr Row kTable[] = {
#include "wiretable.inc"
};

constexpr bool wellOrdered()
{
    for (std::size_t i = 0; i < std::size(kTable); ++i) {
        const Row& r = kTable[i];
        if (!(r.nominal < r.outer.front()) || !std::is_sorted(r.outer.begin(), r.outer.end()))
            return false;
        if (i > 0 && !(kTable[i - 1].nominal < r.nominal))
            return false;
    }
    return true;
}
static_assert(std::size(kTable) >= 2 && wellOrdered(),
              "the wire table: copper diameters rising, each grade thicker than the one before");

}  // namespace

CopperRange copperRange()
{
    return {kTable[0].nominal, std::end(kTable)[-1].nominal};
}

TableWire outerDiameter(double copper, int grade)
{
    if (grade < kMinGrade || grade > kMaxGrade)
        return {OutsideTable{OutsideTable::Value::Grade, kMinGrade, kMaxGrade}};
    const CopperRange range = copperRange();
    if (!(copper >= range.smallest && copper <= range.largest))  // NaN too
        return {OutsideTable{OutsideTable::Value::Copper, range.smallest, range.largest}};
    const auto g = static_cast<std::size_t>(grade - kMinGrade);
    const Row* hi = std::lower_bound(std::begin(kTable), std::end(kTable), copper,
                                     [](const Row& r, double d) { return r.nominal < d; });
    if (hi->nominal == copper)
        return {std::nullopt, hi->outer[g]};
    const Row* lo = hi - 1;
    const double low = lo->outer[g] - lo->nominal, high = hi->outer[g] - hi->nominal;
    return {std::nullopt, copper + low + (high - low) * (copper - lo->nominal) / (hi->nominal - lo->nominal)};
}

double copperSection(double copper)
{
    return std::numbers::pi * copper * copper / 4;
}

std::optional<double> smallestStandardCopper(double area)
{
    const auto it = std::find_if(std::begin(kTable), std::end(kTable),
                                 [area](const Row& r) { return atMost(area, copperSection(r.nominal)); });
    if (it == std::end(kTable))
        return std::nullopt;
    return it->nominal;
}

double copperResistance(double copper, double metres, double celsius)
{
    return kCopperResistivity * (1 + kCopperTemperatureCoefficient * (celsius - kCopperReferenceTemperature)) * metres
           / copperSection(copper);
}

double copperMass(double copper, double metres)
{
    return kCopperDensity * copperSection(copper) * metres * 1000;
}

}  // namespace vintorp::windings
