#include "template/pages/drawing.h"

#include "template/pages/templateerror.h"
#include "template/pages/texts.h"

#include "calc/drawingfields.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

namespace vintorp::cut {
namespace {

constexpr double kHeaderEm = 2.8;

// The scale check, from the printable area's bottom-left corner: a 100 mm
// ruler with millimetre ticks (longer at 5 and 10) and centimetre numbers,
// a 10 mm square to its right, and the two lines of the note above it.
constexpr double kRulerLength = 100;
constexpr double kRulerAboveBottom = 5;
constexpr double kCentimetreTick = 4, kHalfTick = 3, kMillimetreTick = 1.5;
constexpr double kRulerEm = 2.5;
constexpr double kNumbersAboveRuler = 0.8;
constexpr double kSquareSide = 10;
constexpr double kSquareLeft = 108;  // from the ruler's start
constexpr double kSquareAboveBottom = 1;
constexpr double kSquareCaptionAbove = 1.2;
constexpr double kNoteLinesAboveRuler[] = {8, 4.6};

// Alignment marks of a tiled part: a diamond and a cross over it, unlike
// the round lead holes.
constexpr double kAlignmentArm = 3.0;

// The legend, from the printable area's left and bottom edges: two columns
// of three rows.
constexpr double kLegendLeft = 124;
constexpr double kLegendBottom = 1.5;
constexpr double kLegendRow = 2.7;
constexpr double kLegendSample = 8;
constexpr double kLegendMark = 1.1;  // the largest arm or radius of a mark's sample

// An alignment mark at `at`: a diamond of four lines and a cross over it.
std::array<std::pair<QPointF, QPointF>, 6> diamondLines(QPointF at, double arm)
{
    const QPointF n = at + QPointF(0, -arm), e = at + QPointF(arm, 0), s = at + QPointF(0, arm),
                  w = at + QPointF(-arm, 0);
    return {{{n, e}, {e, s}, {s, w}, {w, n}, {n, s}, {w, e}}};
}

// Hatching: lines rising at 45 degrees, this far apart.
constexpr double kHatchStep = 2.5;

// Lines rising to the right at 45 degrees across `r`, cut at its edges.
std::vector<Line> hatching(const QRectF& r)
{
    std::vector<Line> lines;
    // Each line is x + y = c; c runs from the top-left corner to the bottom-right.
    const double first = r.left() + r.top(), last = r.right() + r.bottom();
    for (double c = first + kHatchStep / 2; c < last; c += kHatchStep) {
        const QPointF from(std::max(r.left(), c - r.bottom()), 0), to(std::min(r.right(), c - r.top()), 0);
        lines.push_back(Line{QPointF(from.x(), c - from.x()), QPointF(to.x(), c - to.x())});
    }
    return lines;
}

Group header(const CutSet& set, const TemplateLayout& layout, int page)
{
    Layer words(Job::Labels);
    words.words.push_back({QPointF(layout.printable.left(), layout.printable.top() + kHeaderEm),
                           pageHeader(set, page, layout.pageCount), kHeaderEm});
    return {QStringLiteral("header"), {std::move(words)}};
}

Group scaleCheck(const QRectF& printable)
{
    const double x0 = printable.left();
    const double y = printable.bottom() - kRulerAboveBottom;
    Layer ruler(Job::Calibration);
    ruler.shapes.emplace_back(Line{QPointF(x0, y), QPointF(x0 + kRulerLength, y)});
    for (int mm = 0; mm <= int(kRulerLength); ++mm) {
        const double length = mm % 10 == 0 ? kCentimetreTick : mm % 5 == 0 ? kHalfTick : kMillimetreTick;
        ruler.shapes.emplace_back(Line{QPointF(x0 + mm, y), QPointF(x0 + mm, y + length)});
    }
    const QRectF square(x0 + kSquareLeft, printable.bottom() - kSquareAboveBottom - kSquareSide, kSquareSide,
                        kSquareSide);
    ruler.shapes.emplace_back(Frame{square});

    Layer words(Job::Labels);
    for (int cm = 0; cm * 10 <= int(kRulerLength); ++cm)
        words.words.push_back(
            {QPointF(x0 + 10 * cm, y - kNumbersAboveRuler), QString::number(cm), kRulerEm, true});
    words.words.push_back({QPointF(square.center().x(), square.top() - kSquareCaptionAbove),
                           CutTemplate::tr("10 × 10 мм"), kRulerEm, true});
    const QStringList note = scaleNote();
    for (int i = 0; i < int(std::size(kNoteLinesAboveRuler)); ++i)
        words.words.push_back({QPointF(x0, y - kNoteLinesAboveRuler[i]), note.value(i), kLabelEm});
    return {QStringLiteral("scale-check"), {std::move(ruler), std::move(words)}};
}

// A legend row's meaning with its line's colour: "линия реза (чёрный, ACI 7)".
QString legendRow(const QString& meaning, Job job)
{
    return CutTemplate::tr("%1 (%2, ACI %3)").arg(meaning, jobColourName(job)).arg(jobLook(job).colourIndex);
}

// What each kind of line and mark means, in the footer's right-hand part: a
// short sample and its meaning with its colour on each row, the lead hole
// with the drill's size, the diamond where the pieces of a tiled part meet.
Group legend(const CutSet& set, const QRectF& printable)
{
    Group group{QStringLiteral("legend"), {}};
    Layer words(Job::Labels);
    const QStringList meanings = legendLines(set);
    enum class Sample { Cut, Fold, Reference, Waste, Hole, Diamond };
    const Sample samples[]
        = {Sample::Cut, Sample::Fold, Sample::Reference, Sample::Waste, Sample::Hole, Sample::Diamond};
    // The layer whose colour each row names.
    const Job jobs[] = {Job::Cut, Job::Fold, Job::Reference, Job::Waste, Job::Holes, Job::Reference};
    // One column: a row's meaning with its colour takes the width two would.
    constexpr int kRows = int(std::size(samples));
    for (int row = 0; row < kRows; ++row) {
        const double x0 = printable.left() + kLegendLeft;
        const double y = printable.bottom() - kLegendBottom - kLegendRow * double(kRows - 1 - row);
        const QPointF from(x0, y - kLabelEm * 0.35), to(x0 + kLegendSample, y - kLabelEm * 0.35);
        const QPointF mid = (from + to) / 2;
        switch (samples[row]) {
        case Sample::Cut: group.layers.emplace_back(Job::Cut).shapes.emplace_back(Line{from, to}); break;
        case Sample::Fold:
            group.layers.emplace_back(Job::Fold).shapes.emplace_back(Line{from, to, Dash::DashDot});
            break;
        case Sample::Reference:
            group.layers.emplace_back(Job::Reference).shapes.emplace_back(Line{from, to, Dash::Dashed});
            break;
        case Sample::Waste: {
            Layer& waste = group.layers.emplace_back(Job::Waste);
            for (const Line& l : hatching(QRectF(from - QPointF(0, 1), to + QPointF(0, 1))))
                waste.shapes.emplace_back(l);
            break;
        }
        case Sample::Hole: {
            // As on the cheeks: the circle, and the cross inside it.
            const double r = std::min(set.allowances.leadHole / 2, kLegendMark);
            group.layers.emplace_back(Job::Holes).shapes.emplace_back(Circle{mid, r});
            Layer& cross = group.layers.emplace_back(Job::Centres);
            const double arm = r * kHoleCrossShare;
            cross.shapes.emplace_back(Line{mid - QPointF(arm, 0), mid + QPointF(arm, 0)});
            cross.shapes.emplace_back(Line{mid - QPointF(0, arm), mid + QPointF(0, arm)});
            break;
        }
        case Sample::Diamond: {
            Layer& diamond = group.layers.emplace_back(Job::Reference);
            for (const auto& [a, b] : diamondLines(mid, kLegendMark))
                diamond.shapes.emplace_back(Line{a, b});
            break;
        }
        }
        words.words.push_back({QPointF(to.x() + 2, y), legendRow(meanings.value(row), jobs[row]), kLabelEm});
    }
    group.layers.push_back(std::move(words));
    return group;
}

// An outline of the part's frame where the piece puts it on the page. A
// quarter turn clockwise takes a quarter from every angle.
Outline onPage(const Outline& outline, const PlacedPiece& piece)
{
    const auto on = [&piece](const Point& p) {
        const QPointF q = piece.onPage(QPointF(p.x, p.y));
        return Point{q.x(), q.y()};
    };
    Outline moved = outline;
    for (PathStep& step : moved) {
        step.to = on(step.to);
        if (step.kind == PathStep::Kind::Arc) {
            step.centre = on(step.centre);
            if (piece.turned)
                step.startDegrees -= 90;
        }
    }
    return moved;
}

// A tile's clip, widened where it is the part's own edge so that the
// outline's stroke stays whole.
QRectF strokeClip(const PlacedPiece& piece, const CutPart& part)
{
    QRectF clip = piece.clip;
    const double m = 1;
    if (clip.left() <= 0)
        clip.setLeft(-m);
    if (clip.top() <= 0)
        clip.setTop(-m);
    if (clip.right() >= part.width)
        clip.setRight(part.width + m);
    if (clip.bottom() >= part.height)
        clip.setBottom(part.height + m);
    return clip;
}

// The page of the tile `rows` and `columns` away from `piece`, or -1.
int neighbourPage(const TemplateLayout& layout, const PlacedPiece& piece, int rows, int columns)
{
    for (const PlacedPiece& other : layout.pieces) {
        if (other.part == piece.part && other.row == piece.row + rows && other.column == piece.column + columns)
            return other.page;
    }
    return -1;
}

// On each seam of a tile, in its overlap, the sheet its neighbour is on.
Layer neighbourNotes(const TemplateLayout& layout, const PlacedPiece& piece, QPointF shift)
{
    Layer notes(Job::Labels);
    const QRectF c = piece.clip.translated(shift);
    const double half = kTileOverlap / 2, raise = kLabelEm * 0.35;
    const struct {
        Side side;
        int rows, columns;
        QPointF at;
    } seams[] = {{Side::Left, 0, -1, QPointF(c.left() + half, c.center().y() + raise)},
                 {Side::Right, 0, 1, QPointF(c.right() - half, c.center().y() + raise)},
                 {Side::Top, -1, 0, QPointF(c.center().x(), c.top() + half + raise)},
                 {Side::Bottom, 1, 0, QPointF(c.center().x(), c.bottom() - half + raise)}};
    for (const auto& seam : seams) {
        const int page = neighbourPage(layout, piece, seam.rows, seam.columns);
        if (page >= 0)
            notes.words.push_back({seam.at, neighbourNote(seam.side, page), kLabelEm, true});
    }
    return notes;
}

Group pieceGroup(const CutPart& part, const PlacedPiece& piece, const TemplateLayout& layout)
{
    // From the part's own frame onto the page.
    const auto on = [&piece](const Point& p) { return piece.onPage(QPointF(p.x, p.y)); };
    const QPointF shift = piece.origin - piece.clip.topLeft();  // of a piece that is not turned
    std::optional<QRectF> clip;
    if (piece.tiled())
        clip = strokeClip(piece, part).translated(shift);

    Group group{partId(part), {}};
    // The window before the outer contour (part.cuts holds it first): a
    // cutter that follows the file frees the window while the part still holds.
    Layer cuts(Job::Cut, clip);
    for (auto outline = part.cuts.rbegin(); outline != part.cuts.rend(); ++outline)
        cuts.shapes.emplace_back(Contour{onPage(*outline, piece), {}});
    group.layers.push_back(std::move(cuts));

    // Every layer but the cuts is left out when it is empty.
    const auto add = [&group](Layer&& layer) {
        if (!layer.shapes.empty())
            group.layers.push_back(std::move(layer));
    };
    Layer waste(Job::Waste, clip);
    if (part.kind == PartKind::Cheek && part.cuts.size() > 1) {
        const Outline& window = part.cuts[1];
        const auto byX = [](const PathStep& a, const PathStep& b) { return a.to.x < b.to.x; };
        const auto byY = [](const PathStep& a, const PathStep& b) { return a.to.y < b.to.y; };
        const auto [left, right] = std::minmax_element(window.begin(), window.end(), byX);
        const auto [top, bottom] = std::minmax_element(window.begin(), window.end(), byY);
        const QRectF box = QRectF(on(Point{left->to.x, top->to.y}), on(Point{right->to.x, bottom->to.y})).normalized();
        for (const Line& l : hatching(box))
            waste.shapes.emplace_back(l);
    }
    add(std::move(waste));

    Layer folds(Job::Fold, clip);
    for (const Segment& s : part.foldLines)
        folds.shapes.emplace_back(Line{on(s.from), on(s.to), Dash::DashDot});
    add(std::move(folds));
    Layer references(Job::Reference, clip);
    for (const Segment& s : part.referenceLines)
        references.shapes.emplace_back(Line{on(s.from), on(s.to), Dash::Dashed});
    add(std::move(references));
    Layer holes(Job::Holes, clip);
    for (const Hole& hole : part.holes)
        holes.shapes.emplace_back(Circle{on(hole.centre), hole.diameter / 2});
    add(std::move(holes));
    Layer centres(Job::Centres, clip);
    for (const Segment& s : part.crossLines)
        centres.shapes.emplace_back(Line{on(s.from), on(s.to)});
    add(std::move(centres));

    if (piece.tiled()) {
        // The sheet's edges inside the part, and the marks the neighbours share.
        Layer edges(Job::Reference);
        const QRectF c = piece.clip.translated(shift);
        if (piece.clip.left() > 0)
            edges.shapes.emplace_back(Line{c.topLeft(), c.bottomLeft(), Dash::Dashed});
        if (piece.clip.right() < part.width)
            edges.shapes.emplace_back(Line{c.topRight(), c.bottomRight(), Dash::Dashed});
        if (piece.clip.top() > 0)
            edges.shapes.emplace_back(Line{c.topLeft(), c.topRight(), Dash::Dashed});
        if (piece.clip.bottom() < part.height)
            edges.shapes.emplace_back(Line{c.bottomLeft(), c.bottomRight(), Dash::Dashed});
        for (const QPointF& m : alignmentMarks(piece)) {
            for (const auto& [a, b] : diamondLines(m + shift, kAlignmentArm))
                edges.shapes.emplace_back(Line{a, b});
        }
        add(std::move(edges));
        group.layers.push_back(neighbourNotes(layout, piece, shift));
    }

    Layer label(Job::Labels);
    double baseline = piece.origin.y() + piece.footprint().height() + kLabelGap + kLabelEm * 0.8;
    for (const QString& line : piece.label) {
        label.words.push_back({QPointF(piece.origin.x(), baseline), line, kLabelEm});
        baseline += kLabelLine;
    }
    group.layers.push_back(std::move(label));
    return group;
}

// A value the drawing shows, in millimetres, as the parts were made from it.
double shown(const CutSet& set, std::string_view field)
{
    return set.numbers[field].value.value_or(0);
}

// How the bobbin goes together, drawn from its own sizes: the cheek from the
// front with the tube's four walls in its window, and a section along the
// tube with the cheeks on the tab lines and the tabs folded out over them;
// the numbered steps below.
Group assembly(const CutSet& set, const QRectF& block)
{
    namespace f = calc::field;
    const double cheekW = shown(set, f::CheekWidth), cheekH = shown(set, f::CheekHeight);
    const double windowW = shown(set, f::CheekWindowWidth) + 2 * set.allowances.windowClearance;
    const double windowH = shown(set, f::CheekWindowHeight) + 2 * set.allowances.windowClearance;
    const double t = shown(set, f::Thickness);
    const double length = shown(set, f::TabbedWallBetweenTabs);  // between the cheeks' outer faces
    const double tab = (shown(set, f::TabbedWallHeight) - length) / 2;

    Group group{QStringLiteral("assembly"), {}};
    Layer lines(Job::Cut), folds(Job::Fold), words(Job::Labels);
    const QStringList steps = assemblySteps(set);
    const double stepsHeight = kLabelLine * double(steps.join(u'\n').count(u'\n') + steps.size()) + kLabelLine;
    const double top = block.top() + kHeaderEm + 2;
    // The views' height: above their captions, which stay clear of the steps.
    const double room = std::max(10.0, block.bottom() - stepsHeight - (top + 2) - 2 * kLabelLine);
    words.words.push_back({QPointF(block.left(), block.top() + kHeaderEm), assemblyTitle(), kHeaderEm});
    // Drawn no larger than true size, and never so thin that a wall vanishes.
    const auto wall = [](double v) { return std::max(v, 0.4); };

    // From the front, as the walls pass the cheek: the plain walls 2 and 4
    // with their wide ends the window's full height along its sides, the
    // tabbed walls 1 and 3 with their narrow sections between them along its
    // top and bottom.
    const double s1 = std::min({1.0, room / cheekH, (block.width() / 2 - 10) / cheekW});
    const QRectF cheek(block.left() + 4, top + 2, cheekW * s1, cheekH * s1);
    const QRectF window(cheek.center() - QPointF(windowW, windowH) * s1 / 2, QSizeF(windowW, windowH) * s1);
    lines.shapes.emplace_back(Frame{cheek});
    lines.shapes.emplace_back(Frame{window});
    const double w = wall(t * s1);
    const QRectF walls[]
        = {{QPointF(window.left() + w, window.top()), QSizeF(window.width() - 2 * w, w)},
           {QPointF(window.right() - w, window.top()), QSizeF(w, window.height())},
           {QPointF(window.left() + w, window.bottom() - w), QSizeF(window.width() - 2 * w, w)},
           {window.topLeft(), QSizeF(w, window.height())}};
    const QPointF numberAt[] = {{window.center().x(), window.top() + w + kLabelEm},
                                {window.right() - w - kLabelEm * 0.6, window.center().y() + kLabelEm * 0.35},
                                {window.center().x(), window.bottom() - w - kLabelEm * 0.3},
                                {window.left() + w + kLabelEm * 0.6, window.center().y() + kLabelEm * 0.35}};
    for (int i = 0; i < 4; ++i) {
        lines.shapes.emplace_back(Frame{walls[i]});
        words.words.push_back({numberAt[i], QString::number(i + 1), kLabelEm, true});
    }
    words.words.push_back({QPointF(cheek.center().x(), cheek.bottom() + kLabelLine), frontViewCaption(), kLabelEm, true});

    // Along the tube, cut through walls 1 and 3: the cheeks stand with their
    // outer faces on the tab lines, and the tabs fold out over them.
    const double spanW = length + 2 * (tab + t), spanH = std::max(cheekH, windowH + 2 * tab);
    const double s2 = std::min({1.0, room / spanH, (block.width() / 2 - 10) / spanW});
    const double x0 = block.center().x() + 6 + (tab + t) * s2;  // the left cheek's outer face
    const double yc = top + 2 + spanH * s2 / 2;  // the tube's axis
    const double ct = wall(t * s2);
    for (const double face : {x0, x0 + length * s2}) {
        const bool left = face == x0;
        const double x = left ? face : face - ct;  // the cheek lies inside its face
        const double band = (cheekH - windowH) / 2 * s2;
        lines.shapes.emplace_back(Frame{QRectF(x, yc - cheekH * s2 / 2, ct, band)});
        lines.shapes.emplace_back(Frame{QRectF(x, yc + windowH * s2 / 2, ct, band)});
        // The tabs, bent out along the outer face.
        const double out = left ? face - ct : face;
        folds.shapes.emplace_back(Frame{QRectF(out, yc - windowH * s2 / 2 - tab * s2, ct, tab * s2 + ct)});
        folds.shapes.emplace_back(Frame{QRectF(out, yc + windowH * s2 / 2 - ct, ct, tab * s2 + ct)});
    }
    for (const double y : {yc - windowH * s2 / 2, yc + windowH * s2 / 2 - ct})
        lines.shapes.emplace_back(Frame{QRectF(x0, y, length * s2, ct)});
    words.words.push_back({QPointF(x0 + length * s2 / 2, yc - windowH * s2 / 2 + ct + kLabelEm), QStringLiteral("1"), kLabelEm, true});
    words.words.push_back({QPointF(x0 + length * s2 / 2, yc + windowH * s2 / 2 - ct - kLabelEm * 0.3), QStringLiteral("3"), kLabelEm, true});
    words.words.push_back({QPointF(x0 + length * s2 / 2, top + 2 + spanH * s2 + kLabelLine), sectionCaption(), kLabelEm, true});

    // The steps, numbered, each of one or more lines.
    double baseline = block.bottom() - stepsHeight + kLabelLine;
    for (int i = 0; i < steps.size(); ++i) {
        const QStringList stepLines = steps[i].split(u'\n');
        for (int k = 0; k < stepLines.size(); ++k) {
            const QString prefix = k == 0 ? QStringLiteral("%1. ").arg(i + 1) : QStringLiteral("    ");
            words.words.push_back({QPointF(block.left(), baseline), prefix + stepLines[k], kLabelEm});
            baseline += kLabelLine;
        }
    }
    group.layers.push_back(std::move(lines));
    group.layers.push_back(std::move(folds));
    group.layers.push_back(std::move(words));
    return group;
}

// A cutter's sheet: its outline for reference, and the calibration square
// on the sheet that has it.
Group cutterSheet(const TemplateLayout& layout, int page)
{
    Layer sheet(Job::Reference);
    sheet.shapes.emplace_back(Frame{QRectF(QPointF(0, 0), layout.paper)});
    Layer square(Job::Calibration);
    if (page == layout.testSquarePage)
        square.shapes.emplace_back(Frame{layout.testSquare});
    return {QStringLiteral("sheet"), {std::move(sheet), std::move(square)}};
}

}  // namespace

constexpr std::array<JobLook, 8> kJobLooks = {{
    {Job::Holes, "holes", 94, 0x007f00, QT_TRANSLATE_NOOP("CutTemplate", "тёмно-зелёный")},
    {Job::Cut, "cut", 7, 0x000000, QT_TRANSLATE_NOOP("CutTemplate", "чёрный")},
    {Job::Fold, "fold", 1, 0xff0000, QT_TRANSLATE_NOOP("CutTemplate", "красный")},
    {Job::Reference, "reference", 5, 0x0000ff, QT_TRANSLATE_NOOP("CutTemplate", "синий")},
    {Job::Centres, "centres", 212, 0xa500a5, QT_TRANSLATE_NOOP("CutTemplate", "фиолетовый")},
    {Job::Waste, "waste", 140, 0x00bfff, QT_TRANSLATE_NOOP("CutTemplate", "голубой")},
    {Job::Calibration, "calibration", 52, 0xa5a500, QT_TRANSLATE_NOOP("CutTemplate", "оливковый")},
    {Job::Labels, "labels", 8, 0x808080, QT_TRANSLATE_NOOP("CutTemplate", "серый")},
}};

constexpr std::array<Job, 8> kJobs = [] {
    std::array<Job, 8> jobs{};
    for (std::size_t i = 0; i < jobs.size(); ++i)
        jobs[i] = kJobLooks[i].job;
    return jobs;
}();

const JobLook& jobLook(Job job)
{
    for (const JobLook& look : kJobLooks) {
        if (look.job == job)
            return look;
    }
    throw std::logic_error("a job without its look");
}

QColor jobColour(Job job)
{
    return QColor::fromRgb(QRgb(jobLook(job).rgb));
}

QString jobName(Job job)
{
    return QLatin1String(jobLook(job).name);
}

QString jobColourName(Job job)
{
    return CutTemplate::tr(jobLook(job).colour);
}

QString partId(const CutPart& part)
{
    switch (part.kind) {
    case PartKind::Cheek: return QStringLiteral("cheek-%1").arg(part.number);
    case PartKind::TabbedWall: return QStringLiteral("tabbed-wall-%1").arg(part.number);
    case PartKind::PlainWall: return QStringLiteral("plain-wall-%1").arg(part.number);
    }
    return {};
}

TemplateDrawing drawTemplate(const CutSet& set, const TemplateLayout& layout)
{
    TemplateDrawing drawing{layout.paper, std::vector<PageDrawing>(std::size_t(layout.pageCount)), {}};
    drawing.notes << kerfNote(set);
    if (layout.paging == Paging::CutterSheets) {
        for (int page = 0; page < layout.pageCount; ++page)
            drawing.pages[std::size_t(page)].groups.push_back(cutterSheet(layout, page));
        for (const PlacedPiece& piece : layout.pieces)
            drawing.pages[std::size_t(piece.page)].groups.push_back(
                pieceGroup(set.parts[std::size_t(piece.part)], piece, layout));
        return drawing;
    }
    for (int page = 0; page < layout.pageCount; ++page)
        drawing.pages[std::size_t(page)].groups.push_back(header(set, layout, page));
    for (const PlacedPiece& piece : layout.pieces)
        drawing.pages[std::size_t(piece.page)].groups.push_back(
            pieceGroup(set.parts[std::size_t(piece.part)], piece, layout));
    if (layout.assembly.page >= 0)
        drawing.pages[std::size_t(layout.assembly.page)].groups.push_back(assembly(set, layout.assembly.rect));
    for (PageDrawing& page : drawing.pages) {
        page.groups.push_back(scaleCheck(layout.printable));
        page.groups.push_back(legend(set, layout.printable));
    }
    return drawing;
}

}  // namespace vintorp::cut
