// The parts at true size: outlines in millimetres for the worked examples,
// read from the texts calc::calculate writes, and every value that makes no part.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "calc/bobbin.h"
#include "fake_view.h"
#include "template/parts/cutparts.h"

namespace vintorp::cut {
namespace {

using calc::test::FakeView;

constexpr double kExact = 1e-9;

calc::DrawingTexts Calculated(std::array<std::string, 6> inputs, int coreType, const char* sep)
{
    FakeView view(std::move(inputs), coreType);
    EXPECT_EQ(calc::calculate(view, sep), calc::CalcOutcome::Shown);
    return calc::DrawingTexts(view.fields().begin(), view.fields().end());
}

calc::DrawingTexts WorkedE(const char* sep = ",")
{
    return Calculated({"20", "25", "10", "30", "0", "1"}, calc::ETypeCore, sep);
}

calc::DrawingTexts WorkedU()
{
    return Calculated({"20", "25", "10", "30", "2", "1"}, calc::UTypeCore, ",");
}

const CutPart& First(const CutSet& set, PartKind kind)
{
    return *std::find_if(set.parts.begin(), set.parts.end(),
                         [&](const CutPart& p) { return p.kind == kind; });
}

// The corners of a polygon outline, in order.
std::vector<std::pair<double, double>> Corners(const Outline& outline)
{
    std::vector<std::pair<double, double>> points;
    for (const PathStep& step : outline) {
        EXPECT_NE(step.kind, PathStep::Kind::Arc);
        points.emplace_back(step.to.x, step.to.y);
    }
    return points;
}

void ExpectCorners(const Outline& outline, const std::vector<std::pair<double, double>>& expected)
{
    const auto corners = Corners(outline);
    ASSERT_EQ(corners.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(corners[i].first, expected[i].first, kExact) << "corner " << i;
        EXPECT_NEAR(corners[i].second, expected[i].second, kExact) << "corner " << i;
    }
}

// Every step of an outline starts where the one before ended and the last
// ends at the first point; arcs end on their circle at start + sweep.
void ExpectClosedAndConsistent(const Outline& outline)
{
    ASSERT_FALSE(outline.empty());
    EXPECT_EQ(outline.front().kind, PathStep::Kind::Move);
    for (const PathStep& step : outline) {
        if (step.kind != PathStep::Kind::Arc)
            continue;
        const double end = (step.startDegrees + step.sweepDegrees) * std::numbers::pi / 180;
        EXPECT_NEAR(step.to.x, step.centre.x + step.radius * std::cos(end), kExact);
        EXPECT_NEAR(step.to.y, step.centre.y - step.radius * std::sin(end), kExact);
    }
    EXPECT_NEAR(outline.back().to.x, outline.front().to.x, kExact);
    EXPECT_NEAR(outline.back().to.y, outline.front().to.y, kExact);
}

TEST(CutParts, WorkedETypeCheek)
{
    const CutSet set = makeCutSet(calc::readDrawingNumbers(WorkedE(), ","), 1);
    ASSERT_EQ(set.parts.size(), 6u);
    const CutPart& cheek = First(set, PartKind::Cheek);
    EXPECT_DOUBLE_EQ(cheek.width, 39.5);
    EXPECT_DOUBLE_EQ(cheek.height, 44);
    ASSERT_EQ(cheek.cuts.size(), 2u);
    ExpectClosedAndConsistent(cheek.cuts[0]);
    // Rounded corners of a twelfth of the width: four arcs of 39.5 / 12.
    int arcs = 0;
    for (const PathStep& step : cheek.cuts[0]) {
        if (step.kind == PathStep::Kind::Arc) {
            ++arcs;
            EXPECT_NEAR(step.radius, 39.5 / 12, kExact);
            EXPECT_DOUBLE_EQ(step.sweepDegrees, -90);
        }
    }
    EXPECT_EQ(arcs, 4);
    // The window: 22.5 x 27.5, centred, square corners.
    ExpectCorners(cheek.cuts[1], {{8.5, 8.25}, {31, 8.25}, {31, 35.75}, {8.5, 35.75}, {8.5, 8.25}});
    // Four holes above and four below, the first over the window's left edge,
    // the fourth over its right edge, each row falling to the right from a
    // hole's margin (1.5 mm from its edge) below the cheek's edge to one above
    // the window's.
    ASSERT_EQ(cheek.holes.size(), 8u);
    EXPECT_FALSE(cheek.holesLeftOut);
    for (int row = 0; row < 2; ++row) {
        const double bandTop = row == 0 ? 0 : 35.75;
        for (int i = 0; i < 4; ++i) {
            const Hole& hole = cheek.holes[std::size_t(row * 4 + i)];
            EXPECT_DOUBLE_EQ(hole.diameter, 1.5);
            EXPECT_NEAR(hole.centre.x, 8.5 + 7.5 * i, kExact);
            EXPECT_NEAR(hole.centre.y, bandTop + 2.25 + 1.25 * i, kExact);
        }
    }
    EXPECT_EQ(cheek.crossLines.size(), 16u);
    EXPECT_TRUE(cheek.foldLines.empty());
    EXPECT_TRUE(cheek.referenceLines.empty());
}

TEST(CutParts, WorkedETypeWalls)
{
    const CutSet set = makeCutSet(calc::readDrawingNumbers(WorkedE(), ","), 1);
    // Tabbed wall: 38 high, tab lines 29.5 apart (tabs 4.25), middle 9 high;
    // tabs and middle 22.5 wide, the sections between 20.5.
    const CutPart& tabbed = First(set, PartKind::TabbedWall);
    EXPECT_DOUBLE_EQ(tabbed.width, 22.5);
    EXPECT_DOUBLE_EQ(tabbed.height, 38);
    ExpectCorners(tabbed.cuts.at(0),
                  {{0, 0},       {22.5, 0},    {22.5, 4.25},  {21.5, 4.25},  {21.5, 14.5}, {22.5, 14.5},
                   {22.5, 23.5}, {21.5, 23.5}, {21.5, 33.75}, {22.5, 33.75}, {22.5, 38},   {0, 38},
                   {0, 33.75},   {1, 33.75},   {1, 23.5},     {0, 23.5},     {0, 14.5},    {1, 14.5},
                   {1, 4.25},    {0, 4.25},    {0, 0}});
    // The tabs fold along the tab lines; the section lines are for reference.
    // Both run across the narrow width.
    const struct {
        const std::vector<Segment>& lines;
        std::vector<double> ys;
    } kinds[] = {{tabbed.foldLines, {4.25, 33.75}}, {tabbed.referenceLines, {14.5, 23.5}}};
    for (const auto& kind : kinds) {
        ASSERT_EQ(kind.lines.size(), kind.ys.size());
        for (std::size_t i = 0; i < kind.ys.size(); ++i) {
            EXPECT_DOUBLE_EQ(kind.lines[i].from.y, kind.ys[i]);
            EXPECT_DOUBLE_EQ(kind.lines[i].from.x, 1);
            EXPECT_DOUBLE_EQ(kind.lines[i].to.x, 21.5);
        }
    }
    // Plain wall: 29.5 high, 27.5 wide above and below, 25.5 wide and 9 high in the middle.
    const CutPart& plain = First(set, PartKind::PlainWall);
    EXPECT_DOUBLE_EQ(plain.width, 27.5);
    EXPECT_DOUBLE_EQ(plain.height, 29.5);
    ExpectCorners(plain.cuts.at(0), {{0, 0},
                                     {27.5, 0},
                                     {27.5, 10.25},
                                     {26.5, 10.25},
                                     {26.5, 19.25},
                                     {27.5, 19.25},
                                     {27.5, 29.5},
                                     {0, 29.5},
                                     {0, 19.25},
                                     {1, 19.25},
                                     {1, 10.25},
                                     {0, 10.25},
                                     {0, 0}});
    EXPECT_TRUE(plain.foldLines.empty());
    EXPECT_EQ(plain.referenceLines.size(), 2u);
}

TEST(CutParts, WorkedUTypeWithClamp)
{
    const CutSet set
        = makeCutSet(calc::readDrawingNumbers(WorkedU(), ","), defaultBobbinCount(calc::UTypeCore));
    // Two bobbins: four of each part, numbered.
    ASSERT_EQ(set.parts.size(), 12u);
    EXPECT_EQ(set.parts[3].kind, PartKind::Cheek);
    EXPECT_EQ(set.parts[3].number, 4);
    EXPECT_EQ(set.parts[3].count, 4);
    const CutPart& cheek = First(set, PartKind::Cheek);
    EXPECT_DOUBLE_EQ(cheek.width, 29.5);
    EXPECT_DOUBLE_EQ(cheek.height, 33);
    ExpectCorners(cheek.cuts[1], {{2.5, 2.75}, {27, 2.75}, {27, 30.25}, {2.5, 30.25}, {2.5, 2.75}});
    // Bands of 2.75 mm are too narrow for the lead holes.
    EXPECT_TRUE(cheek.holesLeftOut);
    EXPECT_TRUE(cheek.holes.empty());
    const CutPart& tabbed = First(set, PartKind::TabbedWall);
    EXPECT_DOUBLE_EQ(tabbed.width, 24.5);
    EXPECT_NEAR(Corners(tabbed.cuts[0])[3].first, 23.5, kExact);  // (24.5 + 22.5) / 2
}

TEST(CutParts, SeparatorOfTheTexts)
{
    const CutSet comma = makeCutSet(calc::readDrawingNumbers(WorkedE(","), ","), 1);
    const CutSet dot = makeCutSet(calc::readDrawingNumbers(WorkedE("."), "."), 1);
    EXPECT_DOUBLE_EQ(comma.parts[0].width, dot.parts[0].width);
    EXPECT_THROW(makeCutSet(calc::readDrawingNumbers(WorkedE(","), "."), 1), CutPartsError);
}

TEST(CutParts, DefaultBobbins)
{
    EXPECT_EQ(defaultBobbinCount(calc::ETypeCore), 1);
    EXPECT_EQ(defaultBobbinCount(calc::UTypeCore), 2);
    EXPECT_EQ(defaultBobbinCount(-1), 1);
}

TEST(CutParts, CornerRadiusKeepsClearOfTheWindow)
{
    // A twelfth of the width where the bands allow it, the wider band otherwise.
    EXPECT_DOUBLE_EQ(cheekCornerRadius(120, 130, 60, 70), 10);
    EXPECT_DOUBLE_EQ(cheekCornerRadius(120, 130, 116, 124), 3);
}

// A lead hole of the diameter asked for keeps that diameter, and at least
// the sheet's thickness, of material to every edge of the cheek and of its
// window, or the holes are left out; its centre cross stays inside it, kerf
// and all.
TEST(CutParts, LeadHolesKeepTheirMargin)
{
    const struct {
        const char* thickness;
        double hole, kerf, margin;
        bool holes;
    } cases[] = {{"1", 1.5, 0, 1.5, true},    {"2", 1.5, 0, 2, true}, {"3", 1.5, 0, 3, true},
                 {"3,5", 1.5, 0, 3.5, false}, {"1", 0.5, 0, 1, true}, {"1", 2.5, 0.3, 2.5, true},
                 {"1", 3, 0, 3, false}};
    for (const auto& c : cases) {
        calc::DrawingTexts texts = WorkedE();
        texts["Edit15"] = c.thickness;
        const CutSet set = makeCutSet(calc::readDrawingNumbers(texts, ","), 1, {0, c.kerf, c.hole});
        const CutPart& cheek = First(set, PartKind::Cheek);
        EXPECT_EQ(cheek.holesLeftOut, !c.holes) << c.thickness << ", " << c.hole;
        ASSERT_EQ(cheek.holes.size(), c.holes ? 8u : 0u) << c.thickness << ", " << c.hole;
        ASSERT_EQ(cheek.crossLines.size(), 2 * cheek.holes.size());
        // The cheek is 39.5 x 44 with a 22.5 x 27.5 window at (8.5, 8.25), all moved by half the kerf.
        const double half = c.kerf / 2;
        for (std::size_t i = 0; i < cheek.holes.size(); ++i) {
            const Hole& h = cheek.holes[i];
            EXPECT_NEAR(h.diameter, c.hole - c.kerf, kExact);
            const double x = h.centre.x - half, y = h.centre.y - half, edge = c.hole / 2 + c.margin - kExact;
            EXPECT_GE(std::min({x, y, 39.5 - x, 44 - y}), edge) << c.thickness << " at " << x << ", " << y;
            const double dx = std::max({8.5 - x, 0.0, x - 31}), dy = std::max({8.25 - y, 0.0, y - 35.75});
            EXPECT_GE(std::hypot(dx, dy), edge) << c.thickness << " at " << x << ", " << y;
            for (const Segment& arm : {cheek.crossLines[2 * i], cheek.crossLines[2 * i + 1]}) {
                for (const Point& end : {arm.from, arm.to})
                    EXPECT_LT(std::hypot(end.x - h.centre.x, end.y - h.centre.y), h.diameter / 2);
            }
        }
    }
}

// A folded tab lies on the cheek from the window's edge: past the cheek's
// edge by what it is longer than the band beside the window.
TEST(CutParts, TabOverhang)
{
    const struct {
        const char* thickness;
        int coreType;
        double clearance, overhang;
    } cases[] = {{"1", calc::ETypeCore, 0, 0},
                 {"3", calc::ETypeCore, 0, 6},  // tab 12.25, band 6.25
                 {"1", calc::UTypeCore, 0, 1.5},
                 {"1", calc::UTypeCore, 0.5, 2},
                 {"3", calc::UTypeCore, 0, 11.5}};
    for (const auto& c : cases) {
        const calc::DrawingTexts texts
            = Calculated({"20", "25", "10", "30", "2", c.thickness}, c.coreType, ",");
        const CutSet set = makeCutSet(calc::readDrawingNumbers(texts, ","), 1, {c.clearance, 0});
        EXPECT_DOUBLE_EQ(tabOverhang(set), c.overhang) << c.thickness << ", " << c.coreType;
    }
}

// The window's clearance widens it on every side; the kerf moves outer
// outlines out and windows and holes in by half of it, so the parts come out
// at their drawn sizes; out-of-range values make no part.
TEST(CutParts, Allowances)
{
    const CutSet plain = makeCutSet(calc::readDrawingNumbers(WorkedE(), ","), 1);
    const struct {
        double clearance, kerf;
    } cases[] = {{0.25, 0}, {0, 0.2}, {0.5, 1}};
    for (const auto& c : cases) {
        const CutSet set = makeCutSet(calc::readDrawingNumbers(WorkedE(), ","), 1, {c.clearance, c.kerf});
        const double half = c.kerf / 2;
        for (std::size_t i = 0; i < set.parts.size(); i += 2) {
            const CutPart& before = plain.parts[i];
            const CutPart& after = set.parts[i];
            EXPECT_NEAR(after.width, before.width + c.kerf, kExact);
            EXPECT_NEAR(after.height, before.height + c.kerf, kExact);
            // Straight corners of the outer outline move half the kerf both ways.
            for (std::size_t k = 0; k < before.cuts[0].size(); ++k) {
                const PathStep& was = before.cuts[0][k];
                const PathStep& is = after.cuts[0][k];
                EXPECT_NEAR(is.radius, was.radius == 0 ? 0 : was.radius + half, kExact);
                const Outline& o = before.cuts[0];
                const bool byArc = was.kind == PathStep::Kind::Arc || (k == 0 && o.back().kind == PathStep::Kind::Arc)
                                   || (k + 1 < o.size() && o[k + 1].kind == PathStep::Kind::Arc);
                if (byArc)
                    continue;  // a rounded corner's end moves along the edge's normal only
                EXPECT_NEAR(std::abs(is.to.x - was.to.x - half), half, kExact) << i << " corner " << k;
                EXPECT_NEAR(std::abs(is.to.y - was.to.y - half), half, kExact) << i << " corner " << k;
            }
            for (std::size_t h = 0; h < after.holes.size(); ++h)
                EXPECT_NEAR(after.holes[h].diameter, 1.5 - c.kerf, kExact);
        }
        // The window: 22.5 x 27.5 at (8.5, 8.25), widened, then narrowed by the kerf.
        const CutPart& cheek = First(set, PartKind::Cheek);
        const double grow = c.clearance - half;
        ExpectCorners(cheek.cuts[1], {{8.5 - grow + half, 8.25 - grow + half},
                                      {31 + grow + half, 8.25 - grow + half},
                                      {31 + grow + half, 35.75 + grow + half},
                                      {8.5 - grow + half, 35.75 + grow + half},
                                      {8.5 - grow + half, 8.25 - grow + half}});
    }
    const struct {
        CutAllowances allowances;
        CutProblem problem;
        const char* setting;
    } bad[] = {{{-0.1, 0}, CutProblem::BadAllowance, "clearance"},
               {{0, 1.5}, CutProblem::BadAllowance, "kerf"},
               {{std::nan(""), 0}, CutProblem::BadAllowance, "clearance"},
               {{0, 0, 0.4}, CutProblem::BadAllowance, "hole"},
               {{0, 0, 5.5}, CutProblem::BadAllowance, "hole"},
               {{0, 1, 1}, CutProblem::HoleWithinKerf, ""}};
    for (const auto& b : bad) {
        try {
            makeCutSet(calc::readDrawingNumbers(WorkedE(), ","), 1, b.allowances);
            ADD_FAILURE() << "accepted " << b.allowances.windowClearance << ", " << b.allowances.kerf;
        } catch (const CutPartsError& e) {
            EXPECT_EQ(e.problem(), b.problem);
            EXPECT_EQ(e.field(), b.setting);
        }
    }
}

struct BadCase {
    const char* name;
    const char* field;
    const char* text;
    int bobbins;
    CutProblem problem;
    const char* reportedField;
};

class BadValues : public ::testing::TestWithParam<BadCase> { };

TEST_P(BadValues, MakeNoPart)
{
    const BadCase& c = GetParam();
    calc::DrawingTexts texts = WorkedE();
    if (*c.field)
        texts[c.field] = c.text;
    try {
        makeCutSet(calc::readDrawingNumbers(texts, ","), c.bobbins);
        FAIL() << "accepted";
    } catch (const CutPartsError& e) {
        EXPECT_EQ(e.problem(), c.problem);
        EXPECT_EQ(e.field(), c.reportedField);
    }
}

INSTANTIATE_TEST_SUITE_P(
    CutParts, BadValues,
    ::testing::Values(BadCase{"zero", "Edit4", "0", 1, CutProblem::NotPositive, "Edit4"},
                      BadCase{"negative", "Edit9", "-20,5", 1, CutProblem::NotPositive, "Edit9"},
                      BadCase{"negativeThickness", "Edit15", "-1", 1, CutProblem::NotPositive, "Edit15"},
                      BadCase{"exponent", "Edit3", "1E15", 1, CutProblem::ExponentForm, "Edit3"},
                      BadCase{"exponentSmall", "Edit6", "1e-5", 1, CutProblem::ExponentForm, "Edit6"},
                      BadCase{"text", "Edit16", "abc", 1, CutProblem::NotANumber, "Edit16"},
                      BadCase{"empty", "Edit12", "", 1, CutProblem::NotANumber, "Edit12"},
                      BadCase{"overTwoMetres", "Edit8", "2000,5", 1, CutProblem::TooLarge, "Edit8"},
                      BadCase{"windowWide", "Edit5", "39,5", 1, CutProblem::WindowTooLarge, ""},
                      BadCase{"windowTall", "Edit2", "44", 1, CutProblem::WindowTooLarge, ""},
                      BadCase{"noTabs", "Edit7", "38", 1, CutProblem::TabsTooShort, "Edit7"},
                      BadCase{"tabbedMiddle", "Edit6", "29,5", 1, CutProblem::MiddleTooTall, "Edit6"},
                      BadCase{"plainMiddle", "Edit11", "29,5", 1, CutProblem::MiddleTooTall, "Edit11"},
                      BadCase{"noBobbin", "", "", 0, CutProblem::BadBobbinCount, ""},
                      BadCase{"fiveBobbins", "", "", 5, CutProblem::BadBobbinCount, ""}),
    [](const ::testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });

// With two bad fields the thickness is reported first, then the fields in
// the drawing's tab order, whichever is named first in the texts.
TEST(CutParts, TwoBadFieldsReportTheFirstRead)
{
    struct Case {
        std::pair<const char*, const char*> first, second;
        const char* reported;
    };
    const Case cases[] = {
        {{"Edit4", "x"}, {"Edit15", "0"}, "Edit15"},
        {{"Edit16", "x"}, {"Edit3", "-1"}, "Edit3"},
        {{"Edit2", "1E3"}, {"Edit14", "x"}, "Edit2"},
        {{"Edit12", "3000"}, {"Edit6", "x"}, "Edit6"},
    };
    for (const Case& c : cases) {
        calc::DrawingTexts texts = WorkedE();
        texts[c.first.first] = c.first.second;
        texts[c.second.first] = c.second.second;
        try {
            makeCutSet(calc::readDrawingNumbers(texts, ","), 1);
            ADD_FAILURE() << "accepted with " << c.first.first << " and " << c.second.first;
        } catch (const CutPartsError& e) {
            EXPECT_EQ(e.field(), c.reported);
        }
    }
}

TEST(CutParts, TwoMetresExactlyIsAccepted)
{
    calc::DrawingTexts texts = WorkedE();
    texts["Edit8"] = "2000";
    EXPECT_DOUBLE_EQ(makeCutSet(calc::readDrawingNumbers(texts, ","), 1).parts[2].height, 2000);
}

}  // namespace
}  // namespace vintorp::cut
