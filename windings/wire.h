// Round enamelled copper wire known by its copper diameter: the diameter over
// its insulation by grade, from the table of IEC 60317-0-1 that the build
// reads from windings/data/wire_iec60317.csv (its sources in the .md beside
// it), and the copper's resistance and mass after IEC 60028.
//
// Any copper diameter from the table's smallest to its largest may be given:
// at a table size the outer diameter is the table's figure, between two sizes
// the grade's increase over the copper (maximum overall − nominal) is taken
// linearly in the copper diameter.
#pragma once

#include <optional>

namespace vintorp::windings {

inline constexpr int kMinGrade = 1, kMaxGrade = 3, kDefaultGrade = 2;  // insulation grades

// Annealed copper (IEC 60028).
inline constexpr double kCopperReferenceTemperature = 20;  // °C
inline constexpr double kCopperResistivity = 1.0 / 58;  // ρ₂₀, Ω·mm²/m at 20 °C
inline constexpr double kCopperTemperatureCoefficient = 0.00393;  // /K, from 20 °C
inline constexpr double kCopperDensity = 8.89e-3;  // g/mm³

// The table's smallest and largest copper diameter, mm.
struct CopperRange {
    double smallest;
    double largest;
};
CopperRange copperRange();

// A value the table does not hold, and the range it may take.
struct OutsideTable {
    enum class Value { Copper, Grade } value;
    double smallest;
    double largest;
};

struct TableWire {
    std::optional<OutsideTable> error;
    double outer = 0;  // mm, the maximum overall diameter; set only without an error
};

// The outer diameter of `copper` mm of copper in insulation grade `grade`.
TableWire outerDiameter(double copper, int grade);

// π·d²/4, mm², of a copper diameter d in mm.
double copperSection(double copper);

// The smallest copper diameter of the table whose section is at least `area`
// mm² (one within windings/tolerance.h of it is); nothing when the largest's
// is smaller, or for NaN.
std::optional<double> smallestStandardCopper(double area);

// R = ρ₂₀·(1 + α·(θ − 20))·length / section, Ω, of `metres` of wire of
// `copper` mm at `celsius` °C.
double copperResistance(double copper, double metres, double celsius);

// The copper's mass, g, of `metres` of wire of `copper` mm.
double copperMass(double copper, double metres);

}  // namespace vintorp::windings
