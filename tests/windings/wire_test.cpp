// The wire table against its CSV file, read here on its own, and the copper
// figures against hand-worked ones.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "windings/wire.h"

namespace vintorp::windings {
namespace {

struct CsvRow {
    double nominal;
    double outer[3];
};

std::vector<CsvRow> readCsv()
{
    std::ifstream in(VINTORP_WIRE_CSV);
    std::string line;
    std::getline(in, line);  // the column names
    std::vector<CsvRow> rows;
    while (std::getline(in, line)) {
        CsvRow r{};
        char comma = 0;
        std::istringstream fields(line);
        fields >> r.nominal >> comma >> r.outer[0] >> comma >> r.outer[1] >> comma >> r.outer[2];
        EXPECT_TRUE(fields) << line;
        rows.push_back(r);
    }
    return rows;
}

TEST(WireTable, EveryTableSizeAsInTheFile)
{
    const std::vector<CsvRow> rows = readCsv();
    ASSERT_GT(rows.size(), 40u);
    EXPECT_EQ(copperRange().smallest, rows.front().nominal);
    EXPECT_EQ(copperRange().largest, rows.back().nominal);
    for (const CsvRow& r : rows)
        for (int grade = 1; grade <= 3; ++grade) {
            const TableWire w = outerDiameter(r.nominal, grade);
            EXPECT_FALSE(w.error) << r.nominal;
            EXPECT_EQ(w.outer, r.outer[grade - 1]) << r.nominal << " grade " << grade;
        }
}

TEST(WireTable, BetweenSizesTheIncreaseIsInterpolated)
{
    const struct {
        double copper;
        int grade;
        double outer;
    } cases[] = {
        {0.021, 3, 0.021 + (0.010 + 0.011) / 2},  // 0.020 and 0.022
        {0.475, 2, 0.475 + (0.063 + 0.066) / 2},  // 0.45 and 0.50
        {0.85, 1, 0.85 + (0.055 + 0.059) / 2},  // 0.80 and 0.90
    };
    for (const auto& c : cases)
        EXPECT_NEAR(outerDiameter(c.copper, c.grade).outer, c.outer, 1e-12) << c.copper;
}

TEST(WireTable, OutsideTheTable)
{
    using Value = OutsideTable::Value;
    const struct {
        double copper;
        int grade;
        Value value;
        double smallest, largest;
    } cases[] = {
        {0.0199, 2, Value::Copper, 0.02, 2.5},
        {2.501, 2, Value::Copper, 0.02, 2.5},
        {std::numeric_limits<double>::quiet_NaN(), 2, Value::Copper, 0.02, 2.5},
        {0.5, 0, Value::Grade, 1, 3},
        {0.5, 4, Value::Grade, 1, 3},
    };
    for (const auto& c : cases) {
        const TableWire w = outerDiameter(c.copper, c.grade);
        ASSERT_TRUE(w.error) << c.copper << ' ' << c.grade;
        EXPECT_EQ(w.error->value, c.value);
        EXPECT_DOUBLE_EQ(w.error->smallest, c.smallest);
        EXPECT_DOUBLE_EQ(w.error->largest, c.largest);
    }
}

TEST(WireTable, SmallestStandardCopperForASection)
{
    EXPECT_EQ(smallestStandardCopper(0), 0.02);
    EXPECT_EQ(smallestStandardCopper(copperSection(0.5)), 0.5);
    EXPECT_EQ(smallestStandardCopper(copperSection(0.5) * 1.001), 0.56);
    EXPECT_EQ(smallestStandardCopper(copperSection(0.41)), 0.45);
    EXPECT_EQ(smallestStandardCopper(copperSection(2.5) * 1.001), std::nullopt);
}

// 100 m of 0.5 mm: 0.19635 mm², 100 / (58 · 0.19635) = 8.7810 Ω, at 75 °C
// × 1.21615 = 10.679 Ω, 8.89e-3 · 0.19635 · 100 000 = 174.55 g.
// 30 m of 1 mm: 0.78540 mm², 0.65857 Ω, at 120 °C × 1.393 = 0.91739 Ω, 209.47 g.
TEST(Copper, ResistanceAndMassByHand)
{
    const struct {
        double copper, metres, celsius, ohm20, ohmHot, grams;
    } cases[] = {{0.5, 100, 75, 8.7810, 10.679, 174.55}, {1, 30, 120, 0.65857, 0.91739, 209.47}};
    for (const auto& c : cases) {
        EXPECT_NEAR(copperResistance(c.copper, c.metres, 20), c.ohm20, c.ohm20 * 5e-5) << c.copper;
        EXPECT_NEAR(copperResistance(c.copper, c.metres, c.celsius), c.ohmHot, c.ohmHot * 5e-5) << c.copper;
        EXPECT_NEAR(copperMass(c.copper, c.metres), c.grams, c.grams * 5e-5) << c.copper;
    }
}

}  // namespace
}  // namespace vintorp::windings
