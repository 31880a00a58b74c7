// The winding space of the worked examples and the build-up worked by hand:
// the whole-number boundary, a wire wider than the room, a fit exactly at the
// limit, and every value out of its range.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

#include "windings/buildup.h"

namespace vintorp::windings {
namespace {

// The drawing's texts of the worked example (A 20, B 25, C 10, H 30, T 1):
// E-type, and the U-type with K 2 whose cheek is 29.5 wide.
calc::DrawingTexts Worked(bool uType = false)
{
    return {{"Edit15", "1"},
            {"Edit7", "29,5"},
            {"Edit4", uType ? "29,5" : "39,5"},
            {"Edit3", uType ? "33" : "44"},
            {"Edit5", uType ? "24,5" : "22,5"},
            {"Edit2", "27,5"}};
}

std::optional<Space> spaceOf(const calc::DrawingTexts& texts)
{
    return spaceFromDrawing(calc::readDrawingNumbers(texts, ","));
}

Space WorkedSpace()
{
    return *spaceOf(Worked());
}

TEST(WindingSpace, FromTheDrawingsTexts)
{
    const Space e = WorkedSpace();
    EXPECT_DOUBLE_EQ(e.length, 27.5);
    EXPECT_DOUBLE_EQ(e.depth, 8.5);
    EXPECT_DOUBLE_EQ(e.tubeWidth, 22.5);
    EXPECT_DOUBLE_EQ(e.tubeHeight, 27.5);
    // The U-type's two bobbins meet in the middle of the window.
    EXPECT_DOUBLE_EQ(spaceOf(Worked(true))->depth, 2.5);
    calc::DrawingTexts bad = Worked();
    bad["Edit7"] = "x";
    EXPECT_FALSE(spaceOf(bad));
    bad = Worked();
    bad.erase("Edit15");
    EXPECT_FALSE(spaceOf(bad));
    bad = Worked();
    bad["Edit15"] = "0";
    EXPECT_FALSE(spaceOf(bad));
}

// No positive length or depth, or no cheek drawn round the window: no room,
// nothing built, neither a fit nor a fill.
TEST(WindingSpace, NoRoom)
{
    const struct {
        const char* field;
        const char* text;
    } cases[] = {
        {"Edit7", "2"},  // L = 2 − 2·1 = 0
        {"Edit7", "1,5"},  // L < 0
        {"Edit4", "22,5"},  // the cheek as wide as its window: D = 0
        {"Edit3", "27,5"},  // the cheek as high as its window
    };
    EXPECT_TRUE(hasRoom(WorkedSpace()));
    for (const auto& c : cases) {
        calc::DrawingTexts texts = Worked();
        texts[c.field] = c.text;
        const Space space = *spaceOf(texts);
        EXPECT_FALSE(hasRoom(space)) << c.field << ' ' << c.text;
        const BuildUp r = buildUp(space, {{"I", 10, 0.5, 0, 0, {}, {}, kDefaultGrade}}, {});
        EXPECT_TRUE(r.noRoom) << c.field << ' ' << c.text;
        EXPECT_FALSE(r.fits || r.fill || r.build || !r.windings.empty()) << c.field << ' ' << c.text;
    }
}

TEST(WindingBuildUp, ByHand)
{
    // d 0.5 (k 1.2 by default), 100 turns: ⌊27.5 / 0.6⌋ = 45 a layer, 3 layers,
    // δ = 3·0.6 + 2·0.1 + 0.2 = 2.2; Δ = 1.1·2.2 = 2.42 of 8.5.
    const BuildUp r = buildUp(WorkedSpace(), {{"I", 100, 0.5, 0.1, 0.2, {}, {}, kDefaultGrade}}, {});
    ASSERT_EQ(r.windings.size(), 1u);
    const WindingBuild& w = r.windings[0];
    EXPECT_FALSE(w.problem);
    EXPECT_DOUBLE_EQ(w.layerFactor, 1.2);
    EXPECT_EQ(w.perLayer, 45);
    EXPECT_EQ(w.layers, 3);
    EXPECT_NEAR(w.build, 2.2, 1e-12);
    EXPECT_NEAR(*r.build, 2.42, 1e-12);
    EXPECT_NEAR(*r.fill, 2.42 / 8.5, 1e-12);
    EXPECT_TRUE(r.fits);
    // Mean turn 1.1·1.1 mm out from a 22.5 × 27.5 tube.
    EXPECT_NEAR(*w.meanTurn, 100 + 2 * std::numbers::pi * 1.21, 1e-9);
    EXPECT_NEAR(*w.wireMetres, 100 * *w.meanTurn / 1000, 1e-12);
}

TEST(WindingBuildUp, SecondWindingStartsOnTheFirst)
{
    const BuildUp r = buildUp(WorkedSpace(), {{"I", 100, 0.5, 0.1, 0.2, {}, {}, kDefaultGrade}, {"II", 40, 1.2, 0, 0.1, 1.5, {}, kDefaultGrade}}, {0.5, 1.2});
    ASSERT_EQ(r.windings.size(), 2u);
    // Room 26.5: ⌊26.5 / 0.6⌋ = 44 a layer for the first, ⌊26.5 / 1.8⌋ = 14 for the second.
    EXPECT_EQ(r.windings[0].perLayer, 44);
    EXPECT_EQ(r.windings[1].perLayer, 14);
    EXPECT_EQ(r.windings[1].layers, 3);
    const double first = 3 * 0.6 + 2 * 0.1 + 0.2, second = 3 * 1.8 + 0.1;
    EXPECT_NEAR(*r.windings[1].meanTurn, 100 + 2 * std::numbers::pi * 1.2 * (first + second / 2), 1e-9);
    EXPECT_NEAR(*r.build, 1.2 * (first + second), 1e-12);
}

// 27.5 / (1.1 · 0.5) is 49.999… in doubles: it counts as 50.
TEST(WindingBuildUp, WholeNumberBoundary)
{
    const BuildUp r = buildUp(WorkedSpace(), {{"", 50, 0.5, 0, 0, 1.1, {}, kDefaultGrade}}, {});
    EXPECT_EQ(r.windings[0].perLayer, 50);
    EXPECT_EQ(r.windings[0].layers, 1);
}

// Where a computed value comes to its boundary but for rounding, it is on it.
TEST(WindingBuildUp, BoundariesMetWithinRounding)
{
    // L 31.5 − 2, D 11: 330 turns of 0.8 mm (k 1.1) lie 33 a layer in 10
    // layers, δ = 10·0.88 + 9·0.1 + 0.3 = 10, Δ = 1.1·10 = 11: exactly D.
    const Space deep{1, 29.5, 11, 22.5, 42.5};
    const BuildUp exact = buildUp(deep, {{"", 330, 0.8, 0.1, 0.3, {}, {}, kDefaultGrade}}, {});
    EXPECT_EQ(exact.windings[0].layers, 10);
    EXPECT_TRUE(exact.fits) << *exact.build - 11;
    EXPECT_FALSE(buildUp(deep, {{"", 330, 0.8, 0.1, 0.31, {}, {}, kDefaultGrade}}, {}).fits);

    // L = 14.6 − 2·2 = 10.6, one turn of 10 mm at k 1.06 a layer.
    calc::DrawingTexts texts = Worked();
    texts["Edit15"] = "2";
    texts["Edit7"] = "14,6";
    const Space narrow = *spaceOf(texts);
    const BuildUp one = buildUp(narrow, {{"", 3, 10, 0, 0, 1.06, {}, kDefaultGrade}}, {});
    EXPECT_FALSE(one.windings[0].problem);
    EXPECT_EQ(one.windings[0].perLayer, 1);
    EXPECT_EQ(buildUp(narrow, {{"", 3, 10, 0, 0, 1.07, {}, kDefaultGrade}}, {}).windings[0].problem, Problem::WiderThanLength);

    // Margins of half the length or more leave nothing: the margin is at fault.
    for (const double margin : {5.3, 5.3 + 1e-12, 6.0})
        EXPECT_EQ(buildUp(narrow, {{"", 3, 1, 0, 0, {}, {}, kDefaultGrade}}, {margin, 1.1}).factorProblem,
                  FactorProblem::MarginTakesLength)
            << margin;
    EXPECT_FALSE(buildUp(narrow, {{"", 3, 1, 0, 0, {}, {}, kDefaultGrade}}, {5.29, 1.1}).factorProblem);
}

// 935 turns of 0.5 mm wire at k 1: 17 layers of 55, 8.5 mm, the whole depth;
// one turn more needs an 18th layer.
TEST(WindingBuildUp, FitsExactlyAtTheLimit)
{
    const BuildUp at = buildUp(WorkedSpace(), {{"", 935, 0.5, 0, 0, 1, {}, kDefaultGrade}}, {0, 1});
    EXPECT_DOUBLE_EQ(*at.build, 8.5);
    EXPECT_DOUBLE_EQ(*at.fill, 1);
    EXPECT_TRUE(at.fits);
    const BuildUp over = buildUp(WorkedSpace(), {{"", 936, 0.5, 0, 0, 1, {}, kDefaultGrade}}, {0, 1});
    EXPECT_DOUBLE_EQ(*over.build, 9);
    EXPECT_FALSE(over.fits);
}

TEST(WindingBuildUp, BadValuesMarkTheirWindingOnly)
{
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const struct {
        Winding winding;
        Factors factors;
        Problem problem;
    } cases[] = {
        {{"", 0, 0.5, 0, 0, {}, {}, kDefaultGrade}, {}, Problem::Turns},
        {{"", kMaxTurns + 1, 0.5, 0, 0, {}, {}, kDefaultGrade}, {}, Problem::Turns},
        {{"", 10, 0.01, 0, 0, {}, {}, kDefaultGrade}, {}, Problem::Wire},
        {{"", 10, kNaN, 0, 0, {}, {}, kDefaultGrade}, {}, Problem::Wire},
        {{"", 10, 0.5, -0.1, 0, {}, {}, kDefaultGrade}, {}, Problem::Between},
        {{"", 10, 0.5, 0, 5.1, {}, {}, kDefaultGrade}, {}, Problem::Over},
        {{"", 10, 0.5, 0, 0, 2.5, {}, kDefaultGrade}, {}, Problem::LayerFactor},
        // 10 mm at k 2 leaves not one turn in 27.5 − 2·5 mm.
        {{"", 10, 10, 0, 0, 2, {}, kDefaultGrade}, {5, 1.1}, Problem::WiderThanLength},
    };
    for (const auto& c : cases) {
        const BuildUp r = buildUp(WorkedSpace(), {{"I", 10, 0.3, 0, 0, {}, {}, kDefaultGrade}, c.winding, {"III", 10, 0.3, 0, 0, {}, {}, kDefaultGrade}}, c.factors);
        ASSERT_EQ(r.windings.size(), 3u);
        EXPECT_EQ(r.windings[1].problem, c.problem);
        // The others are still built; what lies above the bad one has no mean turn.
        EXPECT_FALSE(r.windings[0].problem);
        EXPECT_TRUE(r.windings[0].meanTurn.has_value());
        EXPECT_FALSE(r.windings[2].problem);
        EXPECT_GT(r.windings[2].build, 0);
        EXPECT_FALSE(r.windings[2].meanTurn.has_value());
        EXPECT_FALSE(r.build.has_value());
        EXPECT_FALSE(r.fits);
    }
    EXPECT_EQ(buildUp(WorkedSpace(), {}, {-1, 1.1}).factorProblem, FactorProblem::Margin);
    EXPECT_EQ(buildUp(WorkedSpace(), {}, {0, 0.9}).factorProblem, FactorProblem::Bulge);
}

// The textbook table, where a thicker wire past a step keeps the thinner
// side's pitch until its own factor comes up to it.
TEST(WindingBuildUp, LayerFactorByWire)
{
    const std::pair<double, double> table[] = {{0.149, 1.3},  {0.15, 1.3},  {0.157, 1.25},
                                               {0.349, 1.25}, {0.35, 1.25}, {0.365, 1.2},
                                               {0.509, 1.2},  {0.51, 1.2},  {0.5563, 0.612 / 0.5563},
                                               {0.5564, 1.1}, {1.0, 1.1},   {1.01, 1.1 / 1.01},
                                               {1.048, 1.05}};
    for (const auto& [wire, factor] : table)
        EXPECT_DOUBLE_EQ(defaultLayerFactor(wire), factor) << wire;
}

// A wire's pitch k·d never falls below a thinner wire's.
TEST(WindingBuildUp, DefaultPitchNeverFalls)
{
    double before = 0;
    for (int thousandths = 20; thousandths <= 2500; ++thousandths) {
        const double wire = thousandths / 1000.0, pitch = defaultLayerFactor(wire) * wire;
        EXPECT_GE(pitch, before * (1 - 1e-12)) << wire;
        before = pitch;
    }
}

// A winding known by its copper: d from the table unless given, its
// resistance and copper from its own length; what cannot be used is named.
TEST(WindingBuildUp, ByCopper)
{
    struct Case {
        std::optional<double> wire, copper;
        int grade;
        std::optional<Problem> problem;
        double used;  // d
    };
    const Case cases[] = {
        {{}, 0.5, 2, {}, 0.566},  // the table's grade 2
        {0.6, 0.5, 2, {}, 0.6},  // d as given
        {0.6, 0.5, 9, {}, 0.6},  // the grade is not needed
        {{}, 0.5, 9, Problem::Grade, 0},
        {0.6, 2.6, 2, Problem::Copper, 0},  // off the table even with d
        {{}, {}, 2, Problem::NoWire, 0},
    };
    for (const Case& c : cases) {
        const Winding w{"I", 100, c.wire, 0, 0, {}, c.copper, c.grade};
        const BuildUp r = buildUp(WorkedSpace(), {w, w}, {0, 1.1, 120});
        const WindingBuild& b = r.windings[0];
        EXPECT_EQ(b.problem, c.problem) << c.copper.value_or(0) << ' ' << c.grade;
        if (c.problem)
            continue;
        EXPECT_EQ(b.wire, c.used);
        // 100 turns of b.wireMetres: 1/58 Ω·mm²/m over 0.19635 mm², 1.393 times that at 120 °C.
        const double cold = *b.wireMetres / 58 / 0.19634954;
        EXPECT_NEAR(*b.ohmsCold, cold, 1e-6 * cold);
        EXPECT_NEAR(*b.ohmsWarm, cold * 1.393, 1e-6 * cold);
        EXPECT_NEAR(*b.copperGrams, 8.89e-3 * 0.19634954 * *b.wireMetres * 1000, 1e-6);
        EXPECT_DOUBLE_EQ(*r.copperGrams, *b.copperGrams + *r.windings[1].copperGrams);
    }
    const BuildUp hot = buildUp(WorkedSpace(), {{"I", 100, 0.5, 0, 0, {}, {}, 2}}, {0, 1.1, 180.5});
    EXPECT_EQ(hot.factorProblem, FactorProblem::Temperature);
    EXPECT_FALSE(buildUp(WorkedSpace(), {{"I", 100, 0.5, 0, 0, {}, {}, 2}}, {}).copperGrams);
}

}  // namespace
}  // namespace vintorp::windings
