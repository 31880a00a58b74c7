// The bobbin's parts at true size: outlines in millimetres, from the
// drawing's numbers (the texts the drawing fields show, as read), so that
// what the maker reads on the drawing is what the template cuts.
//
// Each part has its own frame: origin at the top-left corner of its bounding
// box, x to the right, y downwards. Per bobbin: two cheeks, two tabbed walls
// (walls 1 and 3) and two plain walls (walls 2 and 4).
#pragma once

#include "calc/drawingnumbers.h"
#include "design/templatesettings.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vintorp::cut {

struct Point {
    double x = 0;
    double y = 0;
};

// One step of a closed outline. Angles are in degrees from the +x axis,
// counted anticlockwise as seen on the page (y downwards); a negative sweep
// runs clockwise.
struct PathStep {
    enum class Kind { Move, Line, Arc };
    Kind kind = Kind::Line;
    Point to;  // where the step ends
    Point centre;  // Arc only
    double radius = 0;  // Arc only
    double startDegrees = 0;  // Arc only
    double sweepDegrees = 0;  // Arc only
};

// A closed outline: a Move, then Lines and Arcs back to the start.
using Outline = std::vector<PathStep>;

struct Hole {
    Point centre;
    double diameter = 0;
};

struct Segment {
    Point from;
    Point to;
};

enum class PartKind { Cheek, TabbedWall, PlainWall };

struct CutPart {
    PartKind kind = PartKind::Cheek;
    int number = 1;  // 1-based among the parts of its kind
    int count = 1;  // how many of its kind to cut
    double width = 0;  // bounding box, from (0, 0)
    double height = 0;
    std::vector<Outline> cuts;  // the outer contour first, then the window
    std::vector<Hole> holes;  // lead holes
    std::vector<Segment> crossLines;  // the centre cross of each hole
    std::vector<Segment> foldLines;  // where a tab bends: the tab lines
    std::vector<Segment> referenceLines;  // where a wall changes width
    bool holesLeftOut = false;  // the bands above and below the window are too narrow
};

inline constexpr double kLeadHoleDiameter = design::TemplateSettings::kHole;  // the default

// What the maker may change from the drawing's sizes, in millimetres: the
// clearance and the kerf each from 0 to kMaxAllowance, the lead holes from
// design::kMinHole to design::kMaxHole.
struct CutAllowances {
    // Added on every side of the cheek's window, for a tube that is not
    // quite true.
    double windowClearance = 0;
    // The width the cutter's beam takes: outer outlines move out by half of
    // it, windows and holes in, so that the finished parts have the drawn
    // sizes. Files for a cutter only; a printed template has none.
    double kerf = 0;
    // The lead holes' diameter as drilled: a cutter's file cuts them the
    // kerf smaller, and so needs them wider than the kerf.
    double leadHole = kLeadHoleDiameter;
};
inline constexpr double kMaxAllowance = design::kMaxAllowance;

struct CutSet {
    calc::DrawingNumbers numbers;  // what the parts were made from
    int bobbins = 1;
    CutAllowances allowances;
    std::vector<CutPart> parts;
};

// The least material between a lead hole's edge and any edge of its cheek:
// the hole's own diameter, and no less than the sheet is thick.
double leadHoleMargin(double diameter, double thickness);
// A hole's centre cross, as a share of the hole's diameter as drawn: it
// stays inside the circle.
inline constexpr double kHoleCrossShare = 0.8;
inline constexpr double kLargestPart = 2000;  // mm
inline constexpr int kMaxBobbins = design::kMaxBobbins;

// Why the field texts make no physical part.
enum class CutProblem {
    NotANumber,  // field: a text parseNumber rejects (or an empty one)
    ExponentForm,  // field: a text like "1E5"
    NotPositive,  // field: zero or negative
    TooLarge,  // field: more than kLargestPart
    WindowTooLarge,  // the cheek's window is not smaller than the cheek
    TabsTooShort,  // the tab lines are not closer together than the wall is high
    MiddleTooTall,  // field: a middle section not shorter than its wall
    BadBobbinCount,  // not 1 to kMaxBobbins
    BadAllowance,  // field: the setting ("clearance", "kerf", "hole") out of its range
    HoleWithinKerf,  // the lead holes are no wider than the kerf
};

class CutPartsError : public std::runtime_error {
public:
    CutPartsError(CutProblem problem, std::string_view field);
    CutProblem problem() const { return problem_; }
    // The drawing field at fault (a BadAllowance: the setting's key), or empty.
    const std::string& field() const { return field_; }

private:
    CutProblem problem_;
    std::string field_;
};

// The default number of bobbins: one for an E-type core, two for a U-type
// core (it needs two bobbins).
int defaultBobbinCount(int coreType);

// All parts for `bobbins` bobbins, cheeks first, then the tabbed and the
// plain walls. Throws CutPartsError.
CutSet makeCutSet(const calc::DrawingNumbers& numbers, int bobbins, CutAllowances allowances = {});

// How far the tabs, folded out onto a cheek, reach past its edge; 0 where
// they stay on it. A tab lies on the cheek from the window's edge outwards,
// as long as it is from its fold line.
double tabOverhang(const CutSet& set);

// The outline moved `distance` outward along its normals (inward when
// negative). Its straight edges may run any way; its arcs must meet their
// neighbours tangentially, as rounded corners do.
Outline offsetOutline(const Outline& outline, double distance);

// The corner radius of a cheek: a twelfth of its width, less where the
// window comes nearer to the corner than that.
double cheekCornerRadius(double width, double height, double windowWidth, double windowHeight);

}  // namespace vintorp::cut
