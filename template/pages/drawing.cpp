#include "template/pages/drawing.h"

#include "template/pages/templateerror.h"
#include "template/pages/texts.h"

namespace vintorp::cut {
namespace {

constexpr double kHeaderEm = 2.8;

// The scale check, from the printable area's bottom-left corner: a 100 mm
// ruler with millimetre ticks (longer at 5 and 10) and centimetre numbers,
// a 10 mm square to its right, and the two lines of the note above it.
constexpr double kRulerLength = 100;
constexpr double kRulerAboveBottom = 5;
constexpr double kCentimetreTick = 4, kHalfTick = 3, kMillimetreTick = 1.5;
constexpr double kRulerEm = 2.0;
constexpr double kNumbersAboveRuler = 0.8;
constexpr double kSquareSide = 10;
constexpr double kSquareLeft = 108;  // from the ruler's start
constexpr double kSquareAboveBottom = 1;
constexpr double kSquareCaptionAbove = 1.2;
constexpr double kNoteLinesAboveRuler[] = {8, 4.6};

// Alignment marks of a tiled part: a circle and a cross over it.
constexpr double kAlignmentRadius = 2.0;
constexpr double kAlignmentArm = 3.0;

Group header(const CutSet& set, const TemplateLayout& layout, int page)
{
    Layer words(QStringLiteral("words"), Ink::Words);
    words.words.push_back({QPointF(layout.printable.left(), layout.printable.top() + kHeaderEm),
                           pageHeader(set, page, layout.pageCount), kHeaderEm});
    return {QStringLiteral("header"), {std::move(words)}};
}

Group scaleCheck(const QRectF& printable)
{
    const double x0 = printable.left();
    const double y = printable.bottom() - kRulerAboveBottom;
    Layer ruler(QStringLiteral("ruler"), Ink::Words);
    ruler.shapes.emplace_back(Line{QPointF(x0, y), QPointF(x0 + kRulerLength, y)});
    for (int mm = 0; mm <= int(kRulerLength); ++mm) {
        const double length = mm % 10 == 0 ? kCentimetreTick : mm % 5 == 0 ? kHalfTick : kMillimetreTick;
        ruler.shapes.emplace_back(Line{QPointF(x0 + mm, y), QPointF(x0 + mm, y + length)});
    }
    const QRectF square(x0 + kSquareLeft, printable.bottom() - kSquareAboveBottom - kSquareSide, kSquareSide,
                        kSquareSide);
    ruler.shapes.emplace_back(Frame{square});

    Layer words(QStringLiteral("words"), Ink::Words);
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

Group pieceGroup(const CutPart& part, const PlacedPiece& piece)
{
    // From the part's own frame onto the page.
    const QPointF shift = piece.origin - piece.clip.topLeft();
    const auto on = [&shift](const Point& p) { return QPointF(p.x, p.y) + shift; };
    std::optional<QRectF> clip;
    if (piece.tiled())
        clip = strokeClip(piece, part).translated(shift);

    Group group{partId(part), {}};
    Layer cuts(QStringLiteral("cut"), Ink::Cut, clip);
    for (const Outline& outline : part.cuts)
        cuts.shapes.emplace_back(Contour{outline, shift});
    group.layers.push_back(std::move(cuts));

    Layer marks(QStringLiteral("marks"), Ink::Mark, clip);
    for (const Hole& hole : part.holes)
        marks.shapes.emplace_back(Circle{on(hole.centre), hole.diameter / 2});
    for (const Segment& s : part.crossLines)
        marks.shapes.emplace_back(Line{on(s.from), on(s.to)});
    for (const Segment& s : part.dashedLines)
        marks.shapes.emplace_back(Line{on(s.from), on(s.to), true});
    if (!marks.shapes.empty())
        group.layers.push_back(std::move(marks));

    if (piece.tiled()) {
        // The sheet's edges inside the part, and the marks the neighbours share.
        Layer edges(QStringLiteral("sheet-edges"), Ink::Words);
        const QRectF c = piece.clip.translated(shift);
        if (piece.clip.left() > 0)
            edges.shapes.emplace_back(Line{c.topLeft(), c.bottomLeft(), true});
        if (piece.clip.right() < part.width)
            edges.shapes.emplace_back(Line{c.topRight(), c.bottomRight(), true});
        if (piece.clip.top() > 0)
            edges.shapes.emplace_back(Line{c.topLeft(), c.topRight(), true});
        if (piece.clip.bottom() < part.height)
            edges.shapes.emplace_back(Line{c.bottomLeft(), c.bottomRight(), true});
        group.layers.push_back(std::move(edges));

        Layer alignment(QStringLiteral("alignment"), Ink::Mark);
        for (const QPointF& m : alignmentMarks(piece)) {
            const QPointF at = m + shift;
            alignment.shapes.emplace_back(Circle{at, kAlignmentRadius});
            alignment.shapes.emplace_back(
                Line{at - QPointF(kAlignmentArm, 0), at + QPointF(kAlignmentArm, 0)});
            alignment.shapes.emplace_back(
                Line{at - QPointF(0, kAlignmentArm), at + QPointF(0, kAlignmentArm)});
        }
        group.layers.push_back(std::move(alignment));
    }

    Layer label(QStringLiteral("label"), Ink::Words);
    double baseline = piece.origin.y() + piece.clip.height() + kLabelGap + kLabelEm * 0.8;
    for (const QString& line : piece.label) {
        label.words.push_back({QPointF(piece.origin.x(), baseline), line, kLabelEm});
        baseline += kLabelLine;
    }
    group.layers.push_back(std::move(label));
    return group;
}

}  // namespace

QColor inkColour(Ink ink)
{
    switch (ink) {
    case Ink::Cut: return QColor(0, 0, 0);
    case Ink::Mark: return QColor(0, 0, 255);
    case Ink::Words: return QColor(0x55, 0x55, 0x55);
    }
    return {};
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
    TemplateDrawing drawing{layout.paper, std::vector<PageDrawing>(std::size_t(layout.pageCount))};
    for (int page = 0; page < layout.pageCount; ++page)
        drawing.pages[std::size_t(page)].groups.push_back(header(set, layout, page));
    for (const PlacedPiece& piece : layout.pieces)
        drawing.pages[std::size_t(piece.page)].groups.push_back(
            pieceGroup(set.parts[std::size_t(piece.part)], piece));
    for (PageDrawing& page : drawing.pages)
        page.groups.push_back(scaleCheck(layout.printable));
    return drawing;
}

}  // namespace vintorp::cut
