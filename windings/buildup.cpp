#include "windings/buildup.h"

#include "windings/tolerance.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <numbers>

namespace vintorp::windings {
namespace {

bool within(double v, double low, double high)
{
    return v >= low && v <= high;  // false for NaN
}

// d: as given, else by the copper and its grade. A problem of the copper is
// named whether or not d is given, since the copper gives the resistance.
struct UsedWire {
    std::optional<Problem> problem;
    double wire = 0;
};

UsedWire usedWire(const Winding& w)
{
    if (w.copper && !within(*w.copper, copperRange().smallest, copperRange().largest))
        return {Problem::Copper};
    if (w.wire)
        return {within(*w.wire, kMinWire, kMaxWire) ? std::nullopt : std::optional(Problem::Wire), *w.wire};
    if (!w.copper)
        return {Problem::NoWire};
    const TableWire table = outerDiameter(*w.copper, w.grade);
    if (table.error)
        return {Problem::Grade};
    return {std::nullopt, table.outer};
}

std::optional<Problem> check(const Winding& w, const UsedWire& wire, double factor)
{
    if (w.turns < 1 || w.turns > kMaxTurns)
        return Problem::Turns;
    if (wire.problem)
        return wire.problem;
    if (!within(w.between, 0, kMaxInsulation))
        return Problem::Between;
    if (!within(w.over, 0, kMaxInsulation))
        return Problem::Over;
    if (!within(factor, kMinFactor, kMaxFactor))
        return Problem::LayerFactor;
    return std::nullopt;
}

// ⌊ratio⌋, where a ratio nearly a whole number is that number.
long wholeTurns(double ratio)
{
    const double nearest = std::round(ratio);
    if (nearlyEqual(ratio, nearest))
        return static_cast<long>(nearest);
    return static_cast<long>(std::floor(ratio));
}

// The textbook table of layer factors: a wire below `upTo` mm (or up to and
// with it, `withIt`) lies at `factor`.
struct TextbookStep {
    double upTo;
    bool withIt;
    double factor;
};
constexpr TextbookStep kTextbook[] = {{0.15, false, 1.3},
                                      {0.35, false, 1.25},
                                      {0.51, false, 1.2},
                                      {1.0, true, 1.1},
                                      {std::numeric_limits<double>::infinity(), false, 1.05}};

}  // namespace

std::optional<Problem> rangeProblem(const Winding& winding)
{
    return check(winding, usedWire(winding), winding.layerFactor.value_or(kMinFactor));
}

double defaultLayerFactor(double wire)
{
    double thinnerPitch = 0;  // the largest pitch at the thin side of a step at or below the wire
    for (const TextbookStep& step : kTextbook) {
        if (wire < step.upTo || (step.withIt && wire == step.upTo)) {
            const double pitch = step.factor * wire;
            return pitch >= thinnerPitch ? step.factor : thinnerPitch / wire;
        }
        thinnerPitch = std::max(thinnerPitch, step.factor * step.upTo);
    }
    return std::end(kTextbook)[-1].factor;  // no number
}

BuildUp buildUp(const Space& space, const std::vector<Winding>& windings, const Factors& factors)
{
    BuildUp result;
    if (!hasRoom(space)) {
        result.noRoom = true;
        return result;
    }
    if (!within(factors.margin, 0, kMaxMargin)) {
        result.factorProblem = FactorProblem::Margin;
        return result;
    }
    if (!within(factors.bulge, kMinFactor, kMaxFactor)) {
        result.factorProblem = FactorProblem::Bulge;
        return result;
    }
    if (!within(factors.temperature, kMinTemperature, kMaxTemperature)) {
        result.factorProblem = FactorProblem::Temperature;
        return result;
    }
    if (atMost(space.length, 2 * factors.margin)) {
        result.factorProblem = FactorProblem::MarginTakesLength;
        return result;
    }
    const double room = space.length - 2 * factors.margin;
    const double tubeRound = 2 * (space.tubeWidth + space.tubeHeight);
    double below = 0;  // the builds of the windings so far
    bool allGood = true;
    for (const Winding& w : windings) {
        WindingBuild b;
        const UsedWire wire = usedWire(w);
        b.wire = wire.wire;
        b.layerFactor = w.layerFactor.value_or(defaultLayerFactor(b.wire));
        b.problem = check(w, wire, b.layerFactor);
        if (!b.problem) {
            const double ratio = room / (b.layerFactor * b.wire);
            b.perLayer = wholeTurns(std::min(ratio, 1e12));
            if (b.perLayer < 1)
                b.problem = Problem::WiderThanLength;
        }
        if (b.problem) {
            allGood = false;
            result.windings.push_back(b);
            continue;
        }
        b.layers = (w.turns + b.perLayer - 1) / b.perLayer;
        const double m = static_cast<double>(b.layers);
        b.build = m * b.layerFactor * b.wire + (m - 1) * w.between + w.over;
        if (allGood) {
            const double out = factors.bulge * (below + b.build / 2);
            b.meanTurn = tubeRound + 2 * std::numbers::pi * out;
            b.wireMetres = static_cast<double>(w.turns) * *b.meanTurn / 1000;
            if (w.copper) {
                b.ohmsCold = copperResistance(*w.copper, *b.wireMetres, kCopperReferenceTemperature);
                b.ohmsWarm = copperResistance(*w.copper, *b.wireMetres, factors.temperature);
                b.copperGrams = copperMass(*w.copper, *b.wireMetres);
            }
        }
        below += b.build;
        result.windings.push_back(b);
    }
    if (allGood) {
        result.build = factors.bulge * below;
        result.fill = *result.build / space.depth;
        result.fits = atMost(*result.build, space.depth);
        for (const WindingBuild& b : result.windings) {
            if (b.copperGrams)
                result.copperGrams = result.copperGrams.value_or(0) + *b.copperGrams;
        }
    }
    return result;
}

}  // namespace vintorp::windings
