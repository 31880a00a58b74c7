// How the windings build up on the bobbin, from the tube outward, and whether
// they fit its winding space.
//
// A bobbin without a positive length L and depth D between the cheeks the
// drawing makes has no winding room (hasRoom), and nothing is built on it.
// Per winding: turns per layer n = ⌊(L − 2e) / (k·d)⌋, layers m = ⌈N / n⌉,
// build δ = m·k·d + (m − 1)·t + u. The whole coil swells by the bulge factor:
// Δ = k_b·Σδ; it fits when Δ ≤ D, and its fill is Δ / D. Each boundary is
// met with the tolerance of windings/tolerance.h: a ratio that is nearly a
// whole number is that number, one turn a layer too, a Δ nearly D fits, and
// margins that nearly take the length take it. A winding's mean
// turn lies x = k_b·(Σ of the builds below it + δ/2) out from the tube:
// l = 2(a + b) + 2π·x; its wire is N·l long, leads not included.
// A winding known by its copper has d from the wire table (windings/wire.h)
// unless d is given, and its resistance and copper mass from that length.
#pragma once

#include "windings/space.h"
#include "windings/wire.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vintorp::windings {

// The ranges a value may take.
inline constexpr long kMaxTurns = 1'000'000;
inline constexpr double kMinWire = 0.02, kMaxWire = 10;  // mm over the insulation
inline constexpr double kMaxInsulation = 5;  // mm, between layers and over the winding
inline constexpr double kMinFactor = 1, kMaxFactor = 2;  // layer and bulge factors
inline constexpr double kMinTemperature = 20, kMaxTemperature = 180;  // °C, the windings' working temperature
inline constexpr double kDefaultTemperature = 75;  // °C
inline constexpr double kMaxMargin = 50;  // mm at each cheek
inline constexpr std::size_t kMaxName = 100;  // characters of a winding's name

struct Winding {
    std::string name;
    long turns = 0;  // N, 1 to kMaxTurns
    std::optional<double> wire;  // d, the diameter over its insulation; nothing: by the copper
    double between = 0;  // t, insulation between its layers
    double over = 0;  // u, insulation laid over it
    std::optional<double> layerFactor;  // k; nothing: by the wire (defaultLayerFactor)
    std::optional<double> copper;  // the copper's diameter, mm; nothing: not known
    int grade = kDefaultGrade;  // the insulation's, for d by the copper
};

struct Factors {
    double margin = 0;  // e, left free at each cheek
    double bulge = 1.1;  // k_b
    double temperature = kDefaultTemperature;  // θ, °C, for the resistance when warm
};

// How loosely a wire of `wire` mm lies, after the usual textbook table
// (thinner wire packs worse: 1.3 below 0.15 mm, 1.25 below 0.35, 1.2 below
// 0.51, 1.1 up to 1, 1.05 above), except that a wire's pitch k·d never falls
// below that of a thinner wire: past each step of the table the pitch stays
// that of the step's thin side until the table's own comes up to it (0.51 mm
// lies at 1.2, as 0.612 mm a turn, until 1.1·d reaches that at 0.5564 mm).
double defaultLayerFactor(double wire);

enum class Problem {
    Turns,  // not 1 to kMaxTurns
    Wire,  // not kMinWire to kMaxWire
    Between,  // not 0 to kMaxInsulation
    Over,  // not 0 to kMaxInsulation
    LayerFactor,  // not kMinFactor to kMaxFactor
    WiderThanLength,  // not one turn fits between the cheeks
    Copper,  // outside the wire table (copperRange)
    Grade,  // not kMinGrade to kMaxGrade, when d is by the copper
    NoWire,  // neither d nor the copper is given
};

// The first of a winding's own values out of its range (its layer factor
// only when it is given); WiderThanLength depends on the space and is never
// returned.
std::optional<Problem> rangeProblem(const Winding& winding);

struct WindingBuild {
    std::optional<Problem> problem;  // the rest is set only without one
    double wire = 0;  // d, the one used
    double layerFactor = 0;  // the one used
    long perLayer = 0;
    long layers = 0;
    double build = 0;  // mm
    // Of a winding with no problem below it.
    std::optional<double> meanTurn;  // mm
    std::optional<double> wireMetres;
    // Of such a winding whose copper is known.
    std::optional<double> ohmsCold;  // at 20 °C
    std::optional<double> ohmsWarm;  // at the factors' temperature
    std::optional<double> copperGrams;
};

enum class FactorProblem {
    Margin,  // not 0 to kMaxMargin
    Bulge,  // not kMinFactor to kMaxFactor
    MarginTakesLength,  // the margins at both cheeks leave no length: e ≥ L / 2
    Temperature,  // not kMinTemperature to kMaxTemperature
};

struct BuildUp {
    bool noRoom = false;  // the bobbin has no winding room: nothing else is set
    std::optional<FactorProblem> factorProblem;  // then no winding is built
    std::vector<WindingBuild> windings;
    // When every winding and both factors are good:
    std::optional<double> build;  // Δ, mm
    std::optional<double> fill;  // Δ / D
    bool fits = false;
    std::optional<double> copperGrams;  // of the windings whose copper is known, when any is
};

BuildUp buildUp(const Space& space, const std::vector<Winding>& windings, const Factors& factors);

}  // namespace vintorp::windings
