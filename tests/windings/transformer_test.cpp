// The transformer from its voltages: a worked example done by hand, the
// U-type core's halves, the failures of the rounds, a transformer whose rounds
// never settle, and every input out of its range.
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

// The bobbin Calculate draws for the core (K 2 for the U-type's clamp, T 1).
Space bobbinOf(const Core& core)
{
    const auto text = [](double v) {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.')
            s.pop_back();
        return s;
    };
    calc::MemoryView view(
        {text(core.a), text(core.b), text(core.c), text(core.h), core.uType ? "2" : "0", "1"},
        core.uType ? calc::UTypeCore : calc::ETypeCore, "");
    calc::calculate(view, ".");
    return spaceFromDrawing(calc::readDrawingNumbers(view.fields(), ".")).value();
}

constexpr Core kWorkedCore{false, 20, 40, 12.5, 32};

TransformerInputs twelveVolts(double density = kDefaultDensity)
{
    TransformerInputs in;
    in.density = density;
    in.secondaries = {{"II", 12, 1}, {"III", 12, 1}};
    return in;
}

struct Figure {
    const char* what;
    double got, want;
};

void expectFigures(std::initializer_list<Figure> figures)
{
    for (const Figure& f : figures)
        EXPECT_NEAR(f.got, f.want, 1e-6 * std::abs(f.want)) << f.what;
}

// 230 V to 2 × 12 V 1 A on A 20, B 40, C 12.5, H 32, T 1 (E-type), with the
// defaults: f 50, B 1.3, kₛ 0.93, j 3, grade 2, θ 75, p 1.5, t 0.05, u 0.1,
// margin 0, bulge 1.1. Calculate's drawing gives L = 31.5 − 2 = 29.5,
// D = (44.5 − 22.5)/2 = 11 and the tube 22.5 × 42.5: 2(a + b) = 130.
//   S = 20·40·0.93 = 744 mm²; w = 10⁶/(4.44·50·1.3·744) = 4.6572627 turns/V.
//   P₂ = 24 W, I₁ = 24/230 = 0.1043478 A.
//   Round 1: N₁ = ⌊4.6572627·230 + 0.5⌋ = ⌊1071.67⌋ = 1071, Nᵢ = ⌈55.887⌉ = 56;
//     d₁: 0.1043/3 = 0.0348 mm² > 0.0314 (0.2) → 0.224 (0.0394), D₁ 0.266;
//     dᵢ: 1/3 = 0.333 mm² > 0.3117 (0.63) → 0.71 (0.3959), Dᵢ 0.789.
//   Then N₁ 1030, 1028, 1028 and Nᵢ 59, 59, 59: settled in round 4.
//   Settled build-up: primary k 1.25, ⌊29.5/0.3325⌋ = 88 a layer, 12 layers,
//     δ₁ = 12·0.3325 + 11·0.05 + 0.1 = 4.64, l₁ = 130 + 2π·1.1·2.32 = 146.0347;
//     secondaries k 1.1, ⌊29.5/0.8679⌋ = 33 a layer, 2 layers, δ = 1.8858,
//     l₂ = 130 + 2π·1.1·5.5829 = 168.5862, l₃ = 130 + 2π·1.1·7.4687 = 181.6199;
//     Δ = 1.1·(4.64 + 2·1.8858) = 9.25276, fill 0.841160.
//   ρ₇₅ = (1/58)·1.21615; R₁ = ρ₇₅·1028·0.1460347/0.0394081 = 79.8771 Ω.
//   I₁ = 2·59/1028 = 0.1147860 A; U₂₀ = 230·59/1028 = 13.20039 V, +10.0032 %.
//   Core: 40·(65·52 − 2·12.5·32) = 103200 mm³, 0.7342164 kg, 1.1013246 W.
// The figures to more places come from a few lines of Python that follow the
// same formulas and build-up, written apart from the program.
TEST(Transformer, WorkedExample)
{
    const TransformerInputs in = twelveVolts();
    const Transformer t = designTransformer(in, kWorkedCore, bobbinOf(kWorkedCore), {});
    ASSERT_FALSE(t.failure);
    ASSERT_EQ(t.windings.size(), 3u);
    EXPECT_EQ(t.rounds, 4);
    const long turns[] = {1028, 59, 59};
    const double copper[] = {0.224, 0.71, 0.71}, outer[] = {0.266, 0.789, 0.789};
    for (std::size_t x = 0; x < 3; ++x) {
        EXPECT_EQ(t.windings[x].turns, turns[x]) << x;
        EXPECT_EQ(t.windings[x].turnsPerBobbin, turns[x]) << x;
        EXPECT_EQ(t.windings[x].copper, copper[x]) << x;
        EXPECT_EQ(t.windings[x].wire, outer[x]) << x;
    }
    EXPECT_FALSE(t.windings[0].voltsNoLoad);
    const TransformerWinding &p = t.windings[0], &s2 = t.windings[1], &s3 = t.windings[2];
    expectFigures({
        {"S", t.coreArea, 744},
        {"w", t.turnsPerVolt, 4.65726272177885},
        {"I1", p.amps, 0.11478599221789883},
        {"j1", p.density, 0.11478599221789883 / 0.03940810284},
        {"l1", p.meanTurn, 146.0346889039223},
        {"R1 at 75", p.ohmsWarm, 79.87711617497334},
        {"R1 at 20", p.ohmsCold, 65.680315894399},
        {"R2 at 75", s2.ohmsWarm, 0.5267768665187037},
        {"R3 at 75", s3.ohmsWarm, 0.5675029613638699},
        {"wire 1", p.wireMetres, 150.1236601932},
        {"copper 1", p.copperGrams, 52.594075},
        {"U20", *s2.voltsNoLoad, 13.200389105058365},
        {"regulation", *s3.regulation, 0.10003242542153042},
        {"P2", t.secondaryPower, 24},
        {"Pcu", t.copperLoss, 2.1467266529862172},
        {"core kg", t.coreKg, 0.7342164},
        {"Pfe", t.coreLoss, 1.1013246},
        {"efficiency", t.efficiency, 0.8807969339594424},
        {"fill", *t.build.fill, 0.84116},
    });
    EXPECT_TRUE(t.build.fits);
}

// On a U-type core every count is rounded up to even (the Python replica's
// unrounded counts settle at 1641, 95 and 50) and each bobbin carries half;
// the resistance takes the whole winding on its bobbin's mean turn.
TEST(Transformer, UTypeHalves)
{
    const Core core{true, 20, 25, 20, 40};
    TransformerInputs in;
    in.secondaries = {{"II", 12, 1}, {"III", 6.3, 2}};
    const Transformer t = designTransformer(in, core, bobbinOf(core), {});
    ASSERT_FALSE(t.failure);
    const std::vector<Winding> rows = tableWindings(t, in);
    const long turns[] = {1642, 96, 50};
    const double copper[] = {0.25, 0.71, 1.0},
                 ohms[] = {82.25563331107388, 0.6968711759827145, 0.19742437352610817};
    ASSERT_EQ(rows.size(), 3u);
    for (std::size_t x = 0; x < 3; ++x) {
        EXPECT_EQ(t.windings[x].turns, turns[x]) << x;
        EXPECT_EQ(t.windings[x].turnsPerBobbin, turns[x] / 2) << x;
        EXPECT_NEAR(t.windings[x].ohmsWarm, ohms[x], 1e-6 * ohms[x]) << x;
        EXPECT_EQ(rows[x].name, x == 0 ? kPrimaryName : in.secondaries[x - 1].name) << x;
        EXPECT_EQ(rows[x].turns, turns[x] / 2) << x;
        EXPECT_EQ(rows[x].copper, copper[x]) << x;
        EXPECT_EQ(rows[x].grade, in.grade) << x;
        EXPECT_EQ(rows[x].between, in.between) << x;
        EXPECT_EQ(rows[x].over, in.over) << x;
        EXPECT_FALSE(rows[x].wire || rows[x].layerFactor) << x;
    }
    expectFigures({{"core kg", t.coreKg, 7.65e-6 * 25 * (60 * 80 - 20 * 40) * 0.93},
                   {"Pcu", t.copperLoss, 2.658579129865638},
                   {"fill", *t.build.fill, 1.02311}});
    EXPECT_FALSE(t.build.fits);
}

// What the rounds refuse: a current past the table's largest wire (2.5 mm,
// 4.9087 mm²), a count of turns below one or past kMaxTurns, a bobbin whose
// margins take its length.
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
    };
    for (const auto& c : cases) {
        TransformerInputs in = twelveVolts(c.density);
        in.mains = c.mains;
        in.secondaries[1].amps = c.amps;
        const Transformer t = designTransformer(in, c.core, bobbinOf(kWorkedCore), {c.margin, 1.1, 75});
        ASSERT_TRUE(t.failure) << c.what;
        EXPECT_EQ(t.failure->kind, c.kind) << c.what;
        EXPECT_EQ(t.failure->winding, c.winding) << c.what;
        EXPECT_NEAR(t.failure->value, c.value, 1e-12) << c.what;
        EXPECT_TRUE(t.windings.empty()) << c.what;
        if (c.kind == Kind::NoWire) {
            EXPECT_NEAR(t.failure->largest, 4.908738521234052, 1e-12) << c.what;
        }
        if (c.kind == Kind::BuildUp) {
            EXPECT_EQ(t.build.factorProblem, FactorProblem::MarginTakesLength) << c.what;
        }
    }
}

// The worked example at 1.8 A/mm² (designTransformer's comment says why):
// 0.28 mm copper carries 0.11084 A. On 1043 primary turns I₁ = 2·58/1043 =
// 0.11122 A, which needs 0.315 mm, whose smaller drop gives 1048 turns; on
// those I₁ = 0.11069 A, for which 0.28 mm does, whose drop gives 1043 again.
// The Python replica goes round the same four states.
TEST(Transformer, NeverSettles)
{
    const Transformer t = designTransformer(twelveVolts(1.8), kWorkedCore, bobbinOf(kWorkedCore), {});
    ASSERT_TRUE(t.failure);
    EXPECT_EQ(t.failure->kind, Kind::Unsettled);
    EXPECT_TRUE(t.windings.empty());
    EXPECT_FALSE(designTransformer(twelveVolts(1.75), kWorkedCore, bobbinOf(kWorkedCore), {}).failure);
}

// Each input just out of its range (or NaN) is named, with the range; the
// first in the order of the kinds when several are.
TEST(Transformer, Ranges)
{
    using Set = void (*)(TransformerInputs&, Core&);
    const struct {
        Set set;
        Kind kind;
        std::size_t winding;
        double value, smallest, largest;
    } cases[] = {
        {[](TransformerInputs& in, Core&) { in.mains = 0.99; }, Kind::Mains, 0, 0.99, 1, 1000},
        {[](TransformerInputs& in, Core&) { in.mains = kNaN; }, Kind::Mains, 0, kNaN, 1, 1000},
        {[](TransformerInputs& in, Core&) { in.frequency = 1001; }, Kind::Frequency, 0, 1001, 10, 1000},
        {[](TransformerInputs& in, Core&) { in.flux = 0.49; }, Kind::Flux, 0, 0.49, 0.5, 2},
        {[](TransformerInputs& in, Core&) { in.stacking = 1.01; }, Kind::Stacking, 0, 1.01, 0.5, 1},
        {[](TransformerInputs& in, Core&) { in.density = kNaN; }, Kind::Density, 0, kNaN, 1, 10},
        {[](TransformerInputs& in, Core&) { in.grade = 4; }, Kind::Grade, 0, 4, 1, 3},
        {[](TransformerInputs& in, Core&) { in.temperature = 19; }, Kind::Temperature, 0, 19, 20, 180},
        {[](TransformerInputs& in, Core&) { in.coreLoss = 20.1; }, Kind::CoreLoss, 0, 20.1, 0, 20},
        {[](TransformerInputs& in, Core&) { in.between = -0.01; }, Kind::Between, 0, -0.01, 0, 5},
        {[](TransformerInputs& in, Core&) { in.over = 5.01; }, Kind::Over, 0, 5.01, 0, 5},
        {[](TransformerInputs& in, Core&) { in.secondaries.clear(); }, Kind::Secondaries, 0, 0, 1, 8},
        {[](TransformerInputs& in, Core&) {
             in.secondaries.resize(9, {"", 12, 1});
         },
         Kind::Secondaries, 0, 9, 1, 8},
        // 101 letters of two bytes each: the name's length is in characters.
        {[](TransformerInputs& in, Core&) {
             in.secondaries[1].name.clear();
             for (int i = 0; i < 101; ++i)
                 in.secondaries[1].name += "Ж";
         },
         Kind::SecondaryName, 2, 101, 0, 100},
        {[](TransformerInputs& in, Core&) { in.secondaries[1].volts = 0.09; }, Kind::SecondaryVolts, 2, 0.09,
         0.1, 1000},
        {[](TransformerInputs& in, Core&) { in.secondaries[0].amps = -0.01; }, Kind::SecondaryAmps, 1, -0.01,
         0, 1000},
        {[](TransformerInputs& in, Core&) { in.secondaries[1].amps = 1001; }, Kind::SecondaryAmps, 2, 1001, 0,
         1000},
        {[](TransformerInputs&, Core& core) { core.c = 0; }, Kind::Core, 0, 0, 0, 0},
        {[](TransformerInputs&, Core& core) { core.h = kNaN; }, Kind::Core, 0, kNaN, 0, 0},
        // The first of several.
        {[](TransformerInputs& in, Core& core) {
             in.over = -1;
             in.flux = 3;
             core.a = -1;
         },
         Kind::Flux, 0, 3, 0.5, 2},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        TransformerInputs in = twelveVolts();
        Core core = kWorkedCore;
        c.set(in, core);
        const Transformer t = designTransformer(in, core, bobbinOf(kWorkedCore), {});
        ASSERT_TRUE(t.failure) << i;
        EXPECT_EQ(t.failure->kind, c.kind) << i;
        EXPECT_EQ(t.failure->winding, c.winding) << i;
        EXPECT_TRUE(t.failure->value == c.value || (std::isnan(c.value) && std::isnan(t.failure->value)))
            << i;
        EXPECT_EQ(t.failure->smallest, c.smallest) << i;
        EXPECT_EQ(t.failure->largest, c.largest) << i;
        EXPECT_TRUE(t.windings.empty()) << i;
    }
    // The ends of each range are in it.
    TransformerInputs ends = twelveVolts();
    ends.mains = kMaxMains;
    ends.stacking = kMaxStacking;
    ends.coreLoss = kMinCoreLoss;
    ends.secondaries[0].volts = kMinVolts;
    ends.secondaries[1].amps = kMinAmps;
    ends.secondaries[1].name.clear();
    for (std::size_t i = 0; i < kMaxName; ++i)
        ends.secondaries[1].name += "Ж";
    EXPECT_FALSE(designTransformer(ends, kWorkedCore, bobbinOf(kWorkedCore), {}).failure);
}

}  // namespace
}  // namespace vintorp::windings
