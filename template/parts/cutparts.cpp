#include "template/parts/cutparts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/bobbin.h"
#include "calc/drawingfields.h"

namespace vintorp::cut {
namespace {

std::string problemText(CutProblem problem)
{
    switch (problem) {
    case CutProblem::NotANumber: return "not a number";
    case CutProblem::ExponentForm: return "a number in exponent form";
    case CutProblem::NotPositive: return "zero or negative";
    case CutProblem::TooLarge: return "larger than " + std::to_string(int(kLargestPart / 1000)) + " m";
    case CutProblem::WindowTooLarge: return "the window does not fit in the cheek";
    case CutProblem::TabsTooShort: return "the tab lines are not inside the wall";
    case CutProblem::MiddleTooTall: return "the middle section is not shorter than the wall";
    case CutProblem::BadBobbinCount:
        return "the number of bobbins is not 1 to " + std::to_string(kMaxBobbins);
    case CutProblem::BadAllowance: return "out of its range";
    case CutProblem::HoleWithinKerf: return "the lead holes are no wider than the kerf";
    }
    return "unknown problem";
}

// The value of one field as the drawing shows it.
double fieldValue(const calc::DrawingNumbers& numbers, std::string_view name)
{
    const calc::DrawingNumber& number = numbers[name];
    if (number.text.find_first_of("eE") != std::string::npos)
        throw CutPartsError(CutProblem::ExponentForm, name);
    if (!number.value)
        throw CutPartsError(CutProblem::NotANumber, name);
    const double value = *number.value;
    if (!(value > 0))
        throw CutPartsError(CutProblem::NotPositive, name);
    if (value > kLargestPart)
        throw CutPartsError(CutProblem::TooLarge, name);
    return value;
}

struct Sizes {
    double thickness;
    double cheekWidth, cheekHeight, windowWidth, windowHeight;
    double tabbedHeight, tabbedBetweenTabs, tabbedMiddle, tabbedNarrow, tabbedWide;
    double plainHeight, plainMiddle, plainNarrow, plainWide;
};

Sizes readSizes(const calc::DrawingNumbers& numbers)
{
    const auto get = [&](std::string_view name) { return fieldValue(numbers, name); };
    // The thickness first, then the parts' fields in the drawing's tab order
    // (calc/drawingfields.h): the first bad field read is the one reported.
    Sizes s{};
    s.thickness = get(calc::field::Thickness);
    s.windowHeight = get(calc::field::CheekWindowHeight);
    s.cheekHeight = get(calc::field::CheekHeight);
    s.cheekWidth = get(calc::field::CheekWidth);
    s.windowWidth = get(calc::field::CheekWindowWidth);
    s.tabbedMiddle = get(calc::field::TabbedWallMiddleHeight);
    s.tabbedBetweenTabs = get(calc::field::TabbedWallBetweenTabs);
    s.tabbedHeight = get(calc::field::TabbedWallHeight);
    s.tabbedNarrow = get(calc::field::TabbedWallNarrowWidth);
    s.tabbedWide = get(calc::field::TabbedWallWideWidth);
    s.plainMiddle = get(calc::field::PlainWallMiddleHeight);
    s.plainHeight = get(calc::field::PlainWallHeight);
    s.plainNarrow = get(calc::field::PlainWallNarrowWidth);
    s.plainWide = get(calc::field::PlainWallWideWidth);

    if (!calc::windowInsideCheek(s.cheekWidth, s.cheekHeight, s.windowWidth, s.windowHeight))
        throw CutPartsError(CutProblem::WindowTooLarge, {});
    if (s.tabbedBetweenTabs >= s.tabbedHeight)
        throw CutPartsError(CutProblem::TabsTooShort, calc::field::TabbedWallBetweenTabs);
    if (s.tabbedMiddle >= s.tabbedBetweenTabs)
        throw CutPartsError(CutProblem::MiddleTooTall, calc::field::TabbedWallMiddleHeight);
    if (s.plainMiddle >= s.plainHeight)
        throw CutPartsError(CutProblem::MiddleTooTall, calc::field::PlainWallMiddleHeight);
    return s;
}

PathStep move(double x, double y)
{
    return {PathStep::Kind::Move, {x, y}, {}, 0, 0, 0};
}

PathStep line(double x, double y)
{
    return {PathStep::Kind::Line, {x, y}, {}, 0, 0, 0};
}

// A clockwise quarter circle about (cx, cy) from `start` degrees.
PathStep quarterClockwise(double cx, double cy, double r, double start)
{
    const double end = (start - 90) * std::numbers::pi / 180;
    return {PathStep::Kind::Arc, {cx + r * std::cos(end), cy - r * std::sin(end)}, {cx, cy}, r, start, -90};
}

Outline rectangle(double left, double top, double width, double height)
{
    return {move(left, top), line(left + width, top), line(left + width, top + height),
            line(left, top + height), line(left, top)};
}

Outline roundedRectangle(double w, double h, double r)
{
    if (r <= 0)
        return rectangle(0, 0, w, h);
    return {move(r, 0),
            line(w - r, 0),
            quarterClockwise(w - r, r, r, 90),
            line(w, h - r),
            quarterClockwise(w - r, h - r, r, 0),
            line(r, h),
            quarterClockwise(r, h - r, r, -90),
            line(0, r),
            quarterClockwise(r, r, r, 180)};
}

// An axis-aligned rectangle by its edges.
struct Box {
    double left, top, right, bottom;
    // From a point outside (or on the edge) to the nearest point of the rectangle.
    double distanceTo(Point p) const
    {
        const double dx = std::max({left - p.x, 0.0, p.x - right});
        const double dy = std::max({top - p.y, 0.0, p.y - bottom});
        return std::hypot(dx, dy);
    }
};

// Whether p lies inside the rounded rectangle shrunk by `margin`.
bool insideRounded(Point p, double w, double h, double r, double margin)
{
    if (p.x < margin || p.y < margin || p.x > w - margin || p.y > h - margin)
        return false;
    const double cx = std::clamp(p.x, r, w - r);
    const double cy = std::clamp(p.y, r, h - r);
    if (cx == p.x || cy == p.y)
        return true;  // not in a corner's square
    return std::hypot(p.x - cx, p.y - cy) <= r - margin;
}

CutPart cheek(Sizes s, double clearance, double holeDiameter)
{
    s.windowWidth += 2 * clearance;
    s.windowHeight += 2 * clearance;
    if (!calc::windowInsideCheek(s.cheekWidth, s.cheekHeight, s.windowWidth, s.windowHeight))
        throw CutPartsError(CutProblem::WindowTooLarge, {});
    CutPart part;
    part.kind = PartKind::Cheek;
    part.width = s.cheekWidth;
    part.height = s.cheekHeight;
    const double left = (s.cheekWidth - s.windowWidth) / 2;
    const double band = (s.cheekHeight - s.windowHeight) / 2;
    const double r = cheekCornerRadius(s.cheekWidth, s.cheekHeight, s.windowWidth, s.windowHeight);
    part.cuts = {roundedRectangle(s.cheekWidth, s.cheekHeight, r),
                 rectangle(left, band, s.windowWidth, s.windowHeight)};

    // Four holes in each band, from over the window's left edge to over its
    // right edge, each row falling to the right from a quarter to three
    // quarters of its band, or less where that would bring a hole nearer to
    // an edge than its margin.
    const double margin = holeDiameter / 2 + leadHoleMargin(holeDiameter, s.thickness);  // centre to edge
    const double first = std::max(band / 4, margin);
    const double last = std::min(band * 3 / 4, band - margin);
    std::vector<Hole> holes;
    for (const double bandTop : {0.0, band + s.windowHeight}) {
        for (int i = 0; i < 4; ++i) {
            const Point c{left + s.windowWidth * i / 3, bandTop + first + (last - first) * i / 3};
            holes.push_back({c, holeDiameter});
        }
    }
    const Box window{left, band, left + s.windowWidth, band + s.windowHeight};
    const bool fit = first <= last && std::all_of(holes.begin(), holes.end(), [&](const Hole& h) {
        return insideRounded(h.centre, s.cheekWidth, s.cheekHeight, r, margin)
               && window.distanceTo(h.centre) >= margin;
    });
    if (!fit) {
        part.holesLeftOut = true;
        return part;
    }
    part.holes = holes;
    return part;
}

// A wall of three sections stacked from the top, each centred on one vertical
// axis, with optional tabs (as wide as the middle section) above and below.
// ys: the heights at which the width changes, from top to bottom.
CutPart wall(PartKind kind, const std::vector<double>& ys, const std::vector<double>& widths)
{
    CutPart part;
    part.kind = kind;
    part.width = *std::max_element(widths.begin(), widths.end());
    part.height = ys.back();
    const double cx = part.width / 2;
    // Down the right side, then up the left.
    Outline outline{move(cx - widths.front() / 2, 0)};
    double top = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        outline.push_back(line(cx + widths[i] / 2, top));
        outline.push_back(line(cx + widths[i] / 2, ys[i]));
        top = ys[i];
    }
    for (std::size_t i = widths.size(); i-- > 0;) {
        const double bottom = ys[i];
        const double upper = i == 0 ? 0 : ys[i - 1];
        outline.push_back(line(cx - widths[i] / 2, bottom));
        outline.push_back(line(cx - widths[i] / 2, upper));
    }
    part.cuts = {outline};
    // The lines between sections, where they lie inside the part: tabs fold
    // along theirs, the others mark where the width changes.
    const bool tabbed = kind == PartKind::TabbedWall;
    for (std::size_t i = 0; i + 1 < widths.size(); ++i) {
        const double half = std::min(widths[i], widths[i + 1]) / 2;
        const bool tabLine = tabbed && (i == 0 || i + 2 == widths.size());
        (tabLine ? part.foldLines : part.referenceLines).push_back({{cx - half, ys[i]}, {cx + half, ys[i]}});
    }
    return part;
}

CutPart tabbedWall(const Sizes& s)
{
    const double tab = (s.tabbedHeight - s.tabbedBetweenTabs) / 2;
    const double upper = tab + (s.tabbedBetweenTabs - s.tabbedMiddle) / 2;
    return wall(PartKind::TabbedWall,
                {tab, upper, upper + s.tabbedMiddle, tab + s.tabbedBetweenTabs, s.tabbedHeight},
                {s.tabbedWide, s.tabbedNarrow, s.tabbedWide, s.tabbedNarrow, s.tabbedWide});
}

CutPart plainWall(const Sizes& s)
{
    const double upper = (s.plainHeight - s.plainMiddle) / 2;
    return wall(PartKind::PlainWall, {upper, upper + s.plainMiddle, s.plainHeight},
                {s.plainWide, s.plainNarrow, s.plainWide});
}

}  // namespace

CutPartsError::CutPartsError(CutProblem problem, std::string_view field)
    : std::runtime_error(field.empty() ? problemText(problem)
                                       : std::string(field) + ": " + problemText(problem)),
      problem_(problem), field_(field)
{
}

double leadHoleMargin(double diameter, double thickness)
{
    return std::max(diameter, thickness);
}

double tabOverhang(const CutSet& set)
{
    const Sizes s = readSizes(set.numbers);
    const double tab = (s.tabbedHeight - s.tabbedBetweenTabs) / 2;
    const double band = (s.cheekHeight - s.windowHeight) / 2 - set.allowances.windowClearance;
    return std::max(0.0, std::round((tab - band) * 1000) / 1000);
}

int defaultBobbinCount(int coreType)
{
    return coreType == calc::UTypeCore ? 2 : 1;
}

double cheekCornerRadius(double width, double height, double windowWidth, double windowHeight)
{
    // Within the wider of the two bands the arc cannot reach the window.
    const double band = std::max(width - windowWidth, height - windowHeight) / 2;
    return std::max(0.0, std::min(width / 12, band));
}

namespace {

// The part as the cutter must cut it: outline out by half the kerf, window
// and holes in, and everything moved so that the frame starts at (0, 0) again.
void allowForKerf(CutPart& part, double kerf)
{
    if (kerf <= 0)
        return;
    const double half = kerf / 2;
    for (std::size_t i = 0; i < part.cuts.size(); ++i)
        part.cuts[i] = offsetOutline(part.cuts[i], i == 0 ? half : -half);
    for (Hole& h : part.holes)
        h.diameter -= kerf;
    const auto move = [half](Point& p) {
        p.x += half;
        p.y += half;
    };
    for (Outline& outline : part.cuts) {
        for (PathStep& step : outline) {
            move(step.to);
            move(step.centre);
        }
    }
    for (Hole& h : part.holes)
        move(h.centre);
    for (std::vector<Segment>* lines : {&part.crossLines, &part.foldLines, &part.referenceLines}) {
        for (Segment& l : *lines) {
            move(l.from);
            move(l.to);
        }
    }
    part.width += kerf;
    part.height += kerf;
}

bool inRange(double v, double low, double high)
{
    return v >= low && v <= high;  // false for NaN
}

// The centre cross of each hole as it is drawn, kerf and all.
void markCentres(CutPart& part)
{
    for (const Hole& h : part.holes) {
        const double arm = h.diameter * kHoleCrossShare / 2;
        part.crossLines.push_back({{h.centre.x - arm, h.centre.y}, {h.centre.x + arm, h.centre.y}});
        part.crossLines.push_back({{h.centre.x, h.centre.y - arm}, {h.centre.x, h.centre.y + arm}});
    }
}

struct Vec {
    double x, y;
};

Vec unitNormal(Point from, Point to, bool clockwise)
{
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length == 0)
        return {0, 0};
    return clockwise ? Vec{dy / length, -dx / length} : Vec{-dy / length, dx / length};
}

}  // namespace

Outline offsetOutline(const Outline& outline, double distance)
{
    const std::size_t n = outline.size();
    if (n < 3 || distance == 0)
        return outline;
    // Which way round it runs on the page (y down): by the shoelace sum of its corners.
    double twiceArea = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = outline[i].to, b = outline[(i + 1) % n].to;
        twiceArea += a.x * b.y - b.x * a.y;
    }
    const bool clockwise = twiceArea > 0;
    // Step i (1 to n - 1) runs from corner i - 1 to corner i; corner 0 is
    // where the outline starts and ends.
    const auto from = [&](std::size_t i) { return outline[i - 1].to; };
    const auto normal = [&](std::size_t i) { return unitNormal(from(i), outline[i].to, clockwise); };
    Outline moved = outline;
    for (std::size_t corner = 0; corner + 1 < n; ++corner) {
        const std::size_t before = corner == 0 ? n - 1 : corner, after = corner + 1;
        const bool arcBefore = outline[before].kind == PathStep::Kind::Arc;
        const bool arcAfter = outline[after].kind == PathStep::Kind::Arc;
        const Point p = outline[corner].to;
        Vec shift{0, 0};
        if (arcBefore && arcAfter) {
            // Two arcs meet along their common radius.
            const Point c = outline[after].centre;
            const double r = std::hypot(p.x - c.x, p.y - c.y);
            const double side = (outline[after].sweepDegrees < 0) == clockwise ? 1 : -1;
            shift = {side * distance * (p.x - c.x) / r, side * distance * (p.y - c.y) / r};
        } else if (arcBefore || arcAfter) {
            // An arc leaves a straight edge along it: the edge's normal is the arc's radius.
            const Vec nl = normal(arcBefore ? after : before);
            shift = {distance * nl.x, distance * nl.y};
        } else {
            // Two straight edges: where their moved lines cross.
            const Vec a = normal(before), b = normal(after);
            const double dot = a.x * b.x + a.y * b.y;
            const double k = dot > -1 + 1e-12 ? distance / (1 + dot) : distance;
            shift = {k * (a.x + b.x), k * (a.y + b.y)};
        }
        moved[corner].to = {p.x + shift.x, p.y + shift.y};
    }
    moved[n - 1].to = moved[0].to;
    for (std::size_t i = 1; i < n; ++i) {
        PathStep& step = moved[i];
        if (step.kind == PathStep::Kind::Arc)
            step.radius = std::hypot(step.to.x - step.centre.x, step.to.y - step.centre.y);
    }
    return moved;
}

CutSet makeCutSet(const calc::DrawingNumbers& numbers, int bobbins, CutAllowances allowances)
{
    if (bobbins < 1 || bobbins > kMaxBobbins)
        throw CutPartsError(CutProblem::BadBobbinCount, {});
    const struct {
        std::string_view key;
        double value, low, high;
    } settings[] = {{"clearance", allowances.windowClearance, 0, kMaxAllowance},
                    {"kerf", allowances.kerf, 0, kMaxAllowance},
                    {"hole", allowances.leadHole, design::kMinHole, design::kMaxHole}};
    for (const auto& setting : settings) {
        if (!inRange(setting.value, setting.low, setting.high))
            throw CutPartsError(CutProblem::BadAllowance, setting.key);
    }
    if (allowances.leadHole <= allowances.kerf)
        throw CutPartsError(CutProblem::HoleWithinKerf, {});
    const Sizes sizes = readSizes(numbers);
    CutSet set;
    set.numbers = numbers;
    set.bobbins = bobbins;
    set.allowances = allowances;
    const int count = 2 * bobbins;
    for (CutPart model : {cheek(sizes, allowances.windowClearance, allowances.leadHole), tabbedWall(sizes),
                          plainWall(sizes)}) {
        allowForKerf(model, allowances.kerf);
        markCentres(model);
        for (int i = 1; i <= count; ++i) {
            CutPart part = model;
            part.number = i;
            part.count = count;
            set.parts.push_back(std::move(part));
        }
    }
    return set;
}

}  // namespace vintorp::cut
