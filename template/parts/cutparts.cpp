#include "template/parts/cutparts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/bobbin.h"
#include "calc/drawingfields.h"
#include "calc/errors.h"
#include "calc/numtext.h"

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
    }
    return "unknown problem";
}

// The value of one field as the drawing shows it.
double fieldValue(const FieldTexts& texts, std::string_view name, std::string_view sep)
{
    const auto it = texts.find(name);
    if (it == texts.end())
        throw CutPartsError(CutProblem::NotANumber, name);
    const std::string& text = it->second;
    if (text.find_first_of("eE") != std::string::npos)
        throw CutPartsError(CutProblem::ExponentForm, name);
    double value = 0;
    try {
        value = static_cast<double>(calc::ParseNumber(text, sep));
    } catch (const calc::CalcError&) {
        throw CutPartsError(CutProblem::NotANumber, name);
    }
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

Sizes readSizes(const FieldTexts& texts, std::string_view sep)
{
    const auto get = [&](std::string_view name) { return fieldValue(texts, name, sep); };
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

    if (s.windowWidth >= s.cheekWidth || s.windowHeight >= s.cheekHeight)
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

CutPart cheek(const Sizes& s)
{
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
    const double clearance = kLeadHoleDiameter / 2 + leadHoleMargin(s.thickness);  // centre to edge
    const double first = std::max(band / 4, clearance);
    const double last = std::min(band * 3 / 4, band - clearance);
    std::vector<Hole> holes;
    for (const double bandTop : {0.0, band + s.windowHeight}) {
        for (int i = 0; i < 4; ++i) {
            const Point c{left + s.windowWidth * i / 3, bandTop + first + (last - first) * i / 3};
            holes.push_back({c, kLeadHoleDiameter});
        }
    }
    const Box window{left, band, left + s.windowWidth, band + s.windowHeight};
    const bool fit = first <= last && std::all_of(holes.begin(), holes.end(), [&](const Hole& h) {
        return insideRounded(h.centre, s.cheekWidth, s.cheekHeight, r, clearance)
               && window.distanceTo(h.centre) >= clearance;
    });
    if (!fit) {
        part.holesLeftOut = true;
        return part;
    }
    part.holes = holes;
    const double arm = kHoleCrossLength / 2;
    for (const Hole& h : holes) {
        part.crossLines.push_back({{h.centre.x - arm, h.centre.y}, {h.centre.x + arm, h.centre.y}});
        part.crossLines.push_back({{h.centre.x, h.centre.y - arm}, {h.centre.x, h.centre.y + arm}});
    }
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

double leadHoleMargin(double thickness)
{
    return std::max(kLeadHoleDiameter, thickness);
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

CutSet makeCutSet(const FieldTexts& texts, std::string_view sep, int bobbins)
{
    if (bobbins < 1 || bobbins > kMaxBobbins)
        throw CutPartsError(CutProblem::BadBobbinCount, {});
    const Sizes sizes = readSizes(texts, sep);
    CutSet set;
    set.texts = texts;
    set.bobbins = bobbins;
    const int count = 2 * bobbins;
    for (const CutPart& model : {cheek(sizes), tabbedWall(sizes), plainWall(sizes)}) {
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
