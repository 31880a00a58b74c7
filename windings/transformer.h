// A mains transformer worked out from its voltages and currents on this core,
// and built up on this bobbin.
//
// S = A·B·kₛ is the leg's iron section (A and B as typed), w = 10⁶ / (4.44·f·B·S)
// the turns a volt. Starting from no resistance and I₁ = P₂ / U₁, each round
// takes the turns (the primary's rounded to nearest from w·(U₁ − I₁·R₁), each
// secondary's up from w·(Uᵢ + Iᵢ·Rᵢ); on a U-type core every N up to an even
// number, each of the two bobbins carrying N/2), the smallest standard copper
// that carries each current at the density j, the build-up of one bobbin with
// the default layer factor (buildup.h), each winding's resistance at θ from its
// own mean turn, and the primary's current again from Σ Iᵢ·Nᵢ / N₁. The rounds
// end when one changes no turns and no copper; at most kMaxRounds. The no-load
// current is not counted.
#pragma once

#include "windings/buildup.h"
#include "windings/space.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vintorp::windings {

// The ranges of the inputs, and their defaults.
inline constexpr double kMinMains = 1, kMaxMains = 1000, kDefaultMains = 230;  // U₁, V
inline constexpr double kMinFrequency = 10, kMaxFrequency = 1000, kDefaultFrequency = 50;  // f, Hz
inline constexpr double kMinFlux = 0.5, kMaxFlux = 2.0, kDefaultFlux = 1.3;  // B, T (peak)
inline constexpr double kMinStacking = 0.5, kMaxStacking = 1, kDefaultStacking = 0.93;  // kₛ
inline constexpr double kMinDensity = 1, kMaxDensity = 10, kDefaultDensity = 3;  // j, A/mm²
inline constexpr double kMinCoreLoss = 0, kMaxCoreLoss = 20, kDefaultCoreLoss = 1.5;  // p, W/kg at B and f
inline constexpr double kDefaultBetween = 0.05, kDefaultOver = 0.1;  // t and u, mm (0 to kMaxInsulation)
inline constexpr double kMinVolts = 0.1, kMaxVolts = 1000;  // a secondary's voltage under load, V
inline constexpr double kMinAmps = 0, kMaxAmps = 1000;  // a secondary's current, A
inline constexpr std::size_t kMinSecondaries = 1, kMaxSecondaries = 8;
inline constexpr int kMaxRounds = 50;
inline constexpr double kIronDensity = 7.65e-6;  // kg/mm³ of the core's steel
inline constexpr const char* kPrimaryName = "I";

struct Secondary {
    std::string name;  // up to kMaxName characters
    double volts = 0;  // Uᵢ, under load
    double amps = 0;  // Iᵢ
    bool operator==(const Secondary&) const = default;
};

struct TransformerInputs {
    double mains = kDefaultMains;
    double frequency = kDefaultFrequency;
    double flux = kDefaultFlux;
    double stacking = kDefaultStacking;
    double density = kDefaultDensity;
    int grade = kDefaultGrade;
    double temperature = kDefaultTemperature;  // θ, °C
    double coreLoss = kDefaultCoreLoss;
    double between = kDefaultBetween;
    double over = kDefaultOver;
    std::vector<Secondary> secondaries;
    bool operator==(const TransformerInputs&) const = default;
};

// The core as typed in the input window, mm.
struct Core {
    bool uType = false;  // two legs, a bobbin on each
    double a = 0, b = 0, c = 0, h = 0;
};

struct TransformerWinding {
    std::string name;
    long turns = 0;  // N, the whole winding's (both bobbins' on a U-type core)
    long turnsPerBobbin = 0;  // what one bobbin carries: N, or N/2 on a U-type core
    double volts = 0;  // U₁, or Uᵢ under load
    double amps = 0;  // I₁ from the last round, or Iᵢ
    double copper = 0;  // d, mm, the standard nominal diameter
    double wire = 0;  // D, mm, its maximum overall diameter for the grade
    double density = 0;  // I / (π·d²/4), A/mm²
    double meanTurn = 0;  // l, mm, on its bobbin
    double wireMetres = 0;  // N·l / 1000
    double ohmsCold = 0;  // at 20 °C
    double ohmsWarm = 0;  // at θ
    double copperGrams = 0;
    std::optional<double> voltsNoLoad;  // a secondary's U₁·Nᵢ/N₁
    std::optional<double> regulation;  // a secondary's (Uᵢ₀ − Uᵢ)/Uᵢ, a fraction
};

struct TransformerFailure {
    enum class Kind {
        // An input out of its range: `value` as given, `smallest` to `largest`.
        Mains, Frequency, Flux, Stacking, Density, Grade, Temperature, CoreLoss, Between, Over,
        Secondaries,  // the count: 1 to 8 (value = the count)
        SecondaryName,  // longer than kMaxName (value = its length)
        SecondaryVolts, SecondaryAmps,
        Core,  // A, B, C or H not a positive number (value = the first such)
        // The bobbin or the window's factors let nothing be built: `build`
        // says why (its noRoom, factorProblem, or the winding's problem).
        BuildUp,
        // No standard wire carries winding `winding`'s current at the density:
        // value = the section it needs, mm², largest = the table's largest section.
        NoWire,
        // The primary's own resistance takes the whole mains voltage, or a
        // count of turns passes kMaxTurns (value = the turns, winding `winding`).
        Turns,
        Unsettled,  // kMaxRounds rounds and still changing
    } kind;
    std::size_t winding = 0;  // 0 the primary, i the i-th secondary (from 1)
    double value = 0;
    double smallest = 0, largest = 0;
};

struct Transformer {
    std::optional<TransformerFailure> failure;  // the rest is set only without one,
                                                // but build on a BuildUp failure
    double coreArea = 0;  // S, mm²
    double turnsPerVolt = 0;  // w
    std::vector<TransformerWinding> windings;  // the primary first, then the secondaries in order
    int rounds = 0;  // how many it took, the settled one included
    double secondaryPower = 0;  // P₂, W
    double copperLoss = 0;  // P_cu at θ, W
    double coreKg = 0;
    double coreLoss = 0;  // P_fe, W
    double efficiency = 0;  // η, a fraction
    BuildUp build;  // of one bobbin, with the settled windings (its build, fill and fits)
};

// factors: the bobbin's margin and bulge; the working temperature is the
// inputs' own.
Transformer designTransformer(const TransformerInputs& inputs, const Core& core, const Space& space,
                              const Factors& factors);

// The rows the windings table takes from a result: each winding with the turns
// one bobbin carries, its copper and the grade, t and u, the layer factor by
// default.
std::vector<Winding> tableWindings(const Transformer& transformer, const TransformerInputs& inputs);

}  // namespace vintorp::windings
