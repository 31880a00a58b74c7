#include "template/pages/paint.h"

#include "template/pages/texts.h"
#include "template/pages/templateerror.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>

namespace vintorp::cut {
namespace {

constexpr double kHeaderEm = 2.8;
constexpr double kRulerEm = 2.0;
constexpr double kMarkRadius = 2.0;  // alignment marks: a circle and a cross over it
constexpr double kMarkArm = 3.0;

double dotsPerMm(const QPainter& painter)
{
    return painter.device()->logicalDpiX() / 25.4;
}

QPainterPath toPath(const cut::Outline& outline)
{
    QPainterPath path;
    for (const cut::PathStep& step : outline) {
        switch (step.kind) {
        case cut::PathStep::Kind::Move: path.moveTo(step.to.x, step.to.y); break;
        case cut::PathStep::Kind::Line: path.lineTo(step.to.x, step.to.y); break;
        case cut::PathStep::Kind::Arc:
            path.arcTo(QRectF(step.centre.x - step.radius, step.centre.y - step.radius, 2 * step.radius,
                              2 * step.radius),
                       step.startDegrees, step.sweepDegrees);
            break;
        }
    }
    path.closeSubpath();
    return path;
}

QPen pen(const QColor& colour, double width, bool dashed = false)
{
    QPen p(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (dashed)
        p.setDashPattern({kMarkDash / width, kMarkDash / width});
    return p;
}

// Text with its baseline's left end at `at` (mm), `em` millimetres high.
void drawText(QPainter& painter, QPointF at, const QString& text, double em,
              Qt::Alignment alignment = Qt::AlignLeft)
{
    const double s = dotsPerMm(painter);
    QFont font = templateFont();
    font.setPointSizeF(em * 72 / 25.4);
    painter.save();
    painter.resetTransform();
    painter.setFont(font);
    painter.setPen(kTextColour);
    double x = at.x() * s;
    if (alignment & Qt::AlignHCenter)
        x -= QFontMetricsF(font, painter.device()).horizontalAdvance(text) / 2;
    painter.drawText(QPointF(x, at.y() * s), text);
    painter.restore();
}

// The part's own outline and marks, in its frame; the painter is in mm.
void paintPart(QPainter& painter, const cut::CutPart& part)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen(kCutColour, kCutLineWidth));
    for (const cut::Outline& outline : part.cuts)
        painter.drawPath(toPath(outline));
    painter.setPen(pen(kMarkColour, kMarkLineWidth));
    for (const cut::Hole& hole : part.holes)
        painter.drawEllipse(QPointF(hole.centre.x, hole.centre.y), hole.diameter / 2, hole.diameter / 2);
    for (const cut::Segment& s : part.crossLines)
        painter.drawLine(QPointF(s.from.x, s.from.y), QPointF(s.to.x, s.to.y));
    painter.setPen(pen(kMarkColour, kMarkLineWidth, true));
    for (const cut::Segment& s : part.dashedLines)
        painter.drawLine(QPointF(s.from.x, s.from.y), QPointF(s.to.x, s.to.y));
}

// A piece's clip, widened where it is the part's own edge so that the
// outline's stroke stays whole.
QRectF strokeClip(const PlacedPiece& piece, const cut::CutPart& part)
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

void paintPiece(QPainter& painter, const cut::CutSet& set, const PlacedPiece& piece)
{
    const cut::CutPart& part = set.parts[std::size_t(piece.part)];
    const double s = dotsPerMm(painter);
    painter.save();
    painter.scale(s, s);
    painter.translate(piece.origin - piece.clip.topLeft());
    painter.save();
    if (piece.tiled())
        painter.setClipRect(strokeClip(piece, part));
    paintPart(painter, part);
    painter.restore();
    if (piece.tiled()) {
        // The sheet's edges inside the part, and the marks the neighbours share.
        painter.setPen(pen(kTextColour, kMarkLineWidth, true));
        const QRectF& c = piece.clip;
        if (c.left() > 0)
            painter.drawLine(c.topLeft(), c.bottomLeft());
        if (c.right() < part.width)
            painter.drawLine(c.topRight(), c.bottomRight());
        if (c.top() > 0)
            painter.drawLine(c.topLeft(), c.topRight());
        if (c.bottom() < part.height)
            painter.drawLine(c.bottomLeft(), c.bottomRight());
        painter.setPen(pen(kMarkColour, kMarkLineWidth));
        for (const QPointF& m : alignmentMarks(piece)) {
            painter.drawEllipse(m, kMarkRadius, kMarkRadius);
            painter.drawLine(m - QPointF(kMarkArm, 0), m + QPointF(kMarkArm, 0));
            painter.drawLine(m - QPointF(0, kMarkArm), m + QPointF(0, kMarkArm));
        }
    }
    painter.restore();
    double baseline = piece.origin.y() + piece.clip.height() + kLabelGap + kLabelEm * 0.8;
    for (const QString& line : piece.label) {
        drawText(painter, QPointF(piece.origin.x(), baseline), line, kLabelEm);
        baseline += kLabelLine;
    }
}

void paintRuler(QPainter& painter, const QRectF& printable)
{
    const double s = dotsPerMm(painter);
    const double x0 = printable.left();
    const double bottom = printable.bottom();
    const double y = bottom - 5;
    painter.save();
    painter.scale(s, s);
    painter.setPen(pen(kCutColour, 0.1));
    painter.drawLine(QPointF(x0, y), QPointF(x0 + 100, y));
    for (int mm = 0; mm <= 100; ++mm) {
        const double length = mm % 10 == 0 ? 4 : mm % 5 == 0 ? 3 : 1.5;
        painter.drawLine(QPointF(x0 + mm, y), QPointF(x0 + mm, y + length));
    }
    const QRectF square(x0 + 108, bottom - 11, 10, 10);
    painter.drawRect(square);
    painter.restore();
    for (int cm = 0; cm <= 10; ++cm)
        drawText(painter, QPointF(x0 + 10 * cm, y - 0.8), QString::number(cm), kRulerEm, Qt::AlignHCenter);
    drawText(painter, QPointF(square.center().x(), square.top() - 1.2), CutTemplate::tr("10 × 10 мм"),
             kRulerEm, Qt::AlignHCenter);
    const QStringList note = scaleNote();
    drawText(painter, QPointF(x0, y - 8), note.value(0), kLabelEm);
    drawText(painter, QPointF(x0, y - 4.6), note.value(1), kLabelEm);
}

}  // namespace

QFont templateFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString templateFontFamilies()
{
    return QStringLiteral("'Liberation Sans', Arial, 'DejaVu Sans', sans-serif");
}

double labelTextWidth(const QString& text)
{
    // Measured large, so that hinting has no say, and scaled down.
    constexpr int kProbe = 100;
    QFont font = templateFont();
    font.setPixelSize(kProbe);
    return QFontMetricsF(font).horizontalAdvance(text) * kLabelEm / kProbe;
}

void paintTemplatePage(QPainter& painter, const cut::CutSet& set, const TemplateLayout& layout, int page)
{
    painter.setRenderHint(QPainter::Antialiasing);
    drawText(painter, QPointF(layout.printable.left(), layout.printable.top() + kHeaderEm),
             pageHeader(set, page, layout.pageCount), kHeaderEm);
    for (const PlacedPiece& piece : layout.pieces) {
        if (piece.page == page)
            paintPiece(painter, set, piece);
    }
    paintRuler(painter, layout.printable);
}

void paintTemplate(QPagedPaintDevice& device, const cut::CutSet& set, const TemplateLayout& layout)
{
    QPainter painter;
    if (!painter.begin(&device))
        throw TemplateError(CutTemplate::tr("Не удалось начать вывод шаблона."));
    for (int page = 0; page < layout.pageCount; ++page) {
        if (page > 0 && !device.newPage())
            throw TemplateError(CutTemplate::tr("Не удалось начать новый лист."));
        paintTemplatePage(painter, set, layout, page);
    }
    painter.end();
}

}  // namespace vintorp::cut
