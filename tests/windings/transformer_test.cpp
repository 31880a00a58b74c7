// The transformer from its voltages: a worked example done by hand, the
// U-type core's halves, the rounds' failures, rounds that never settle, and
// every input out of its range.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calc/drawingnumbers.h"
#include "calc/memoryview.h"
#include "windings/transformer.h"

namespace vintorp::windings {
namespace {

using Kind = TransformerFailure::Kind;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr Core kWorkedCore{false, 20, 40, 12.5, 32}, kUCore{true, 20, 25, 20, 40};

// The bobbin Calculate draws for the two cores (T 1; K 2 on the U-type).
Space bobbinOf(const Core& core)
{
    calc::MemoryView view(core.uType ? std::array<std::string, 6>{"20", "25", "20", "40", "2", "1"}
                                     : std::array<std::string, 6>{"20", "40", "12.5", "32", "0", "1"},
                          core.uType ? calc::UTypeCore : calc::ETypeCore, "");
    calc::calculate(view, ".");
    return spaceFromDrawing(calc::readDrawingNumbers(view.fields(), ".")).value();
}

TransformerInputs inputs(std::vector<Secondary> secondaries = {{"II", 12, 1}, {"III", 12, 1}},
                         double density = 3)
{
    TransformerInputs in;
    in.density = density;
    in.secondaries = std::move(secondaries);
    return in;
}

Transformer design(const TransformerInputs& in, const Core& core = kWorkedCore, const Factors& factors = {})
{
    return designTransformer(in, core, bobbinOf(core.uType ? kUCore : kWorkedCore), factors);
}

std::string letters(std::size_t n)  // of two bytes each
{
    std::string s;
    while (n--)
        s += "Ж";
    return s;
}

// 230 V to 2 × 12 V 1 A on A 20, B 40, C 12.5, H 32, T 1 (E-type), with the
// defaults (f 50, B 1.3, kₛ 0.93, j 3, grade 2, θ 75, p 1.5, t 0.05, u 0.1,
// margin 0, bulge 1.1). The drawing: L = 31.5 − 2 = 29.5, D = 11, tube
// 22.5 × 42.5, so 2(a + b) = 130.
//   S = 20·40·0.93 = 744 mm²; w = 10⁶/(4.44·50·1.3·744) = 4.6572627 /V.
//   I₁ = 24/230 = 0.10435 A. Round 1: N₁ = ⌊1071.17 + 0.5⌋ = 1071,
//   Nᵢ = ⌈55.887⌉ = 56; d₁: 0.0348 mm² > 0.0314 (0.2) → 0.224, D₁ 0.266;
//   dᵢ: 0.333 mm² > 0.3117 (0.63) → 0.71, Dᵢ 0.789.
//   Then N₁ 1030, 1028, 1028, Nᵢ 59, 59, 59: settled in round 4.
//   Primary: k 1.25, ⌊29.5/0.3325⌋ = 88 a layer, 12 layers, δ₁ = 4.64,
//   l₁ = 130 + 2π·1.1·2.32 = 146.0347; secondaries: k 1.1, 33 a layer, 2
//   layers, δ = 1.8858, l₂ = 130 + 2π·1.1·5.5829, l₃ = 130 + 2π·1.1·7.4687;
//   Δ = 1.1·(4.64 + 2·1.8858) = 9.25276, fill 0.84116.
//   R₁ = (1/58)·1.21615·1028·0.1460347/0.0394081 = 79.877 Ω; I₁ = 118/1028;
//   U₂₀ = 230·59/1028 = 13.2004 V; core 40·(65·52 − 2·12.5·32) mm³, 0.73422 kg.
// The figures to more places come from a few lines of Python that follow the
// same formulas and build-up, written apart from the program.
TEST(Transformer, WorkedExample)
{
    const Transformer t = design(inputs());
    ASSERT_FALSE(t.failure);
    ASSERT_EQ(t.windings.size(), 3u);
    EXPECT_EQ(t.rounds, 4);
    const long turns[] = {1028, 59, 59};
    const double copper[] = {0.224, 0.71, 0.71}, outer[] = {0.266, 0.789, 0.789};
    for (std::size_t x = 0; x < 3; ++x) {
        EXPECT_EQ(t.windings[x].turns, turns[x]) << x;
        EXPECT_EQ(t.windings[x].copper, copper[x]) << x;
        EXPECT_EQ(t.windings[x].wire, outer[x]) << x;
    }
    EXPECT_FALSE(t.windings[0].voltsNoLoad);
    const TransformerWinding &p = t.windings[0], &s = t.windings[2];
    const struct {
        const char* what;
        double got, want;
    } figures[] = {
        {"w", t.turnsPerVolt, 4.65726272177885},
        {"I1", p.amps, 0.11478599221789883},
        {"l1", p.meanTurn, 146.0346889039223},
        {"R1 at 75", p.ohmsWarm, 79.87711617497334},
        {"R1 at 20", p.ohmsCold, 65.680315894399},
        {"R2 at 75", t.windings[1].ohmsWarm, 0.5267768665187037},
        {"R3 at 75", s.ohmsWarm, 0.5675029613638699},
        {"copper 1", p.copperGrams, 52.594075},
        {"U30", *s.voltsNoLoad, 13.200389105058365},
        {"regulation", *s.regulation, 0.10003242542153042},
        {"Pcu", t.copperLoss, 2.1467266529862172},
        {"core kg", t.coreKg, 0.7342164},
        {"efficiency", t.efficiency, 0.8807969339594424},
        {"fill", *t.build.fill, 0.84116},
    };
    for (const auto& f : figures)
        EXPECT_NEAR(f.got, f.want, 1e-6 * f.want) << f.what;
}

// On a U-type core every count is rounded up to even (the Python replica's
// unrounded counts settle at 1641, 95 and 50), each bobbin and table row
// carrying half; the resistance takes the whole winding.
TEST(Transformer, UTypeHalves)
{
    const TransformerInputs in = inputs({{"II", 12, 1}, {"III", 6.3, 2}});
    const Transformer t = design(in, kUCore);
    ASSERT_FALSE(t.failure);
    const std::vector<Winding> rows = tableWindings(t, in);
    const long turns[] = {1642, 96, 50};
    const double copper[] = {0.25, 0.71, 1.0},
                 ohms[] = {82.25563331107388, 0.6968711759827145, 0.1974243735261};
    ASSERT_EQ(rows.size(), 3u);
    for (std::size_t x = 0; x < 3; ++x) {
        EXPECT_EQ(t.windings[x].turns, turns[x]) << x;
        EXPECT_EQ(t.windings[x].turnsPerBobbin, turns[x] / 2) << x;
        EXPECT_NEAR(t.windings[x].ohmsWarm, ohms[x], 1e-6 * ohms[x]) << x;
        EXPECT_EQ(rows[x].turns, turns[x] / 2) << x;
        EXPECT_EQ(rows[x].copper, copper[x]) << x;
        EXPECT_FALSE(rows[x].wire || rows[x].layerFactor) << x;
    }
    EXPECT_TRUE(rows[0].name == "I" && rows[2].grade == 2 && rows[2].between == 0.05 && rows[2].over == 0.1);
    EXPECT_NEAR(t.coreKg, 7.65e-6 * 25 * (60 * 80 - 20 * 40) * 0.93, 1e-12);
}

// A current past the table's largest wire (2.5 mm, 4.9087 mm²), a count of
// turns below one or past kMaxTurns, margins that take the bobbin's length,
// and the worked example at 1.8 A/mm², which never settles (designTransformer's
// comment says why): 0.28 mm carries 0.11084 A. On 1043 primary turns
// I₁ = 2·58/1043 = 0.11122 A needs 0.315 mm, whose smaller drop gives 1048
// turns; on those I₁ = 0.11069 A takes 0.28 mm, whose drop gives 1043 again.
// The Python replica goes round the same four states.
TEST(Transformer, RoundsFailures)
{
    const struct {
        const char* what;
        Core core;
        double mains, density, amps, margin;
        Kind kind;
        std::size_t winding;
        double value;
    } cases[] = {
        {"secondary past the wire", kWorkedCore, 230, 3, 15, 0, Kind::NoWire, 2, 5},
        {"primary past the wire", kWorkedCore, 1, 1, 1, 0, Kind::NoWire, 0, 24},  // 24 W at 1 V
        {"no primary turn", {false, 200, 400, 125, 320}, 1, 3, 1, 0, Kind::Turns, 0, 0},  // w 0.0466
        {"too many turns", {false, 0.1, 0.1, 12.5, 32}, 230, 3, 1, 0, Kind::Turns, 0, 85693634},  // w 372581
        {"margins take the length", kWorkedCore, 230, 3, 1, 15, Kind::BuildUp, 0, 0},
        {"never settles", kWorkedCore, 230, 1.8, 1, 0, Kind::Unsettled, 0, 50},
    };
    for (const auto& c : cases) {
        TransformerInputs in = inputs({{"II", 12, 1}, {"III", 12, c.amps}}, c.density);
        in.mains = c.mains;
        const Transformer t = design(in, c.core, {c.margin, 1.1, 75});
        ASSERT_TRUE(t.failure) << c.what;
        EXPECT_EQ(t.failure->kind, c.kind) << c.what;
        EXPECT_EQ(t.failure->winding, c.winding) << c.what;
        EXPECT_NEAR(t.failure->value, c.value, 1e-12) << c.what;
        EXPECT_TRUE(t.windings.empty()) << c.what;
        EXPECT_EQ(t.failure->largest, c.kind == Kind::NoWire ? 4.908738521234052 : 0) << c.what;
        EXPECT_EQ(t.build.factorProblem.has_value(), c.kind == Kind::BuildUp) << c.what;
    }
}

// Each input just out of its range (or NaN) is named with its range; the
// first in the order of the kinds when several are.
TEST(Transformer, Ranges)
{
    using In = TransformerInputs;
    const struct {
        void (*set)(In&, Core&);
        Kind kind;
        std::size_t winding;
        double value, smallest, largest;
    } cases[] = {
        {[](In& in, Core&) { in.mains = kNaN; }, Kind::Mains, 0, kNaN, 1, 1000},
        {[](In& in, Core&) { in.frequency = 1001; }, Kind::Frequency, 0, 1001, 10, 1000},
        {[](In& in, Core&) { in.flux = 0.49; }, Kind::Flux, 0, 0.49, 0.5, 2},
        {[](In& in, Core&) { in.stacking = 1.01; }, Kind::Stacking, 0, 1.01, 0.5, 1},
        {[](In& in, Core&) { in.density = kNaN; }, Kind::Density, 0, kNaN, 1, 10},
        {[](In& in, Core&) { in.grade = 4; }, Kind::Grade, 0, 4, 1, 3},
        {[](In& in, Core&) { in.temperature = 19; }, Kind::Temperature, 0, 19, 20, 180},
        {[](In& in, Core&) { in.coreLoss = 20.1; }, Kind::CoreLoss, 0, 20.1, 0, 20},
        {[](In& in, Core&) { in.between = -0.01; }, Kind::Between, 0, -0.01, 0, 5},
        {[](In& in, Core&) { in.over = 5.01; }, Kind::Over, 0, 5.01, 0, 5},
        {[](In& in, Core&) { in.secondaries.clear(); }, Kind::Secondaries, 0, 0, 1, 8},
        {[](In& in, Core&) { in.secondaries.resize(9); }, Kind::Secondaries, 0, 9, 1, 8},
        {[](In& in, Core&) { in.secondaries[1].name = letters(101); }, Kind::SecondaryName, 2, 101, 0, 100},
        {[](In& in, Core&) { in.secondaries[1].volts = 0.09; }, Kind::SecondaryVolts, 2, 0.09, 0.1, 1000},
        {[](In& in, Core&) { in.secondaries[0].amps = -0.01; }, Kind::SecondaryAmps, 1, -0.01, 0, 1000},
        {[](In& in, Core&) { in.secondaries[1].amps = 1001; }, Kind::SecondaryAmps, 2, 1001, 0, 1000},
        {[](In&, Core& core) { core.c = 0; }, Kind::Core, 0, 0, 0, 0},
        {[](In&, Core& core) { core.h = kNaN; }, Kind::Core, 0, kNaN, 0, 0},
        {[](In& in, Core& core) { in.over = -1, in.flux = 3, core.a = -1; }, Kind::Flux, 0, 3, 0.5, 2},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        TransformerInputs in = inputs();
        Core core = kWorkedCore;
        c.set(in, core);
        const Transformer t = designTransformer(in, core, bobbinOf(kWorkedCore), {});
        ASSERT_TRUE(t.failure) << i;
        EXPECT_EQ(t.failure->kind, c.kind) << i;
        EXPECT_EQ(t.failure->winding, c.winding) << i;
        const double v = t.failure->value;
        EXPECT_TRUE(v == c.value || (std::isnan(v) && std::isnan(c.value))) << i;
        EXPECT_TRUE(t.failure->smallest == c.smallest && t.failure->largest == c.largest) << i;
        EXPECT_TRUE(t.windings.empty()) << i;
    }
    // The ends of the ranges are in them.
    TransformerInputs ends = inputs({{letters(kMaxName), kMinVolts, 1}, {"", 12, kMinAmps}}, kMaxDensity);
    ends.mains = kMaxMains;
    ends.stacking = kMaxStacking;
    ends.coreLoss = kMinCoreLoss;
    EXPECT_FALSE(design(ends).failure);
}

}  // namespace
}  // namespace vintorp::windings
