#include "template/pages/paint.h"

#include "template/pages/lettering.h"
#include "template/pages/templateerror.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPaintEngine>

#include <new>

namespace vintorp::cut {
namespace {

double dotsPerMm(const QPainter& painter)
{
    return painter.device()->logicalDpiX() / 25.4;
}

QPainterPath toPath(const Outline& outline)
{
    QPainterPath path;
    for (const PathStep& step : outline) {
        switch (step.kind) {
        case PathStep::Kind::Move: path.moveTo(step.to.x, step.to.y); break;
        case PathStep::Kind::Line: path.lineTo(step.to.x, step.to.y); break;
        case PathStep::Kind::Arc:
            path.arcTo(QRectF(step.centre.x - step.radius, step.centre.y - step.radius, 2 * step.radius,
                              2 * step.radius),
                       step.startDegrees, step.sweepDegrees);
            break;
        }
    }
    path.closeSubpath();
    return path;
}

QPen pen(Job job, Dash dash)
{
    QPen p(jobColour(job), kLineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    // Dash patterns are in units of the pen's width.
    const double unit = 1 / kLineWidth;
    switch (dash) {
    case Dash::None: break;
    case Dash::Dashed: p.setDashPattern({kDash * unit, kDash * unit}); break;
    case Dash::DashDot: p.setDashPattern({kLongDash * unit, kDash * unit, 1, kDash * unit}); break;
    }
    return p;
}

// The painter is in millimetres.
void paintShape(QPainter& painter, Job job, const Shape& shape)
{
    std::visit(
        [&](const auto& s) {
            using S = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<S, Contour>) {
                painter.setPen(pen(job, Dash::None));
                painter.drawPath(toPath(s.outline).translated(s.shift));
            } else if constexpr (std::is_same_v<S, Line>) {
                painter.setPen(pen(job, s.dash));
                painter.drawLine(s.from, s.to);
            } else if constexpr (std::is_same_v<S, Circle>) {
                painter.setPen(pen(job, Dash::None));
                painter.drawEllipse(s.centre, s.radius, s.radius);
            } else {
                painter.setPen(pen(job, Dash::None));
                painter.drawRect(s.rect);
            }
        },
        shape);
}

// Text at the device's own resolution, so that it is laid out at its size.
void paintWords(QPainter& painter, Job job, const Words& words)
{
    const double s = dotsPerMm(painter);
    QFont font = templateFont();
    font.setPointSizeF(words.em * 72 / 25.4);
    painter.setFont(font);
    painter.setPen(jobColour(job));
    double x = words.at.x() * s;
    if (words.centred)
        x -= QFontMetricsF(font, painter.device()).horizontalAdvance(words.text) / 2;
    painter.drawText(QPointF(x, words.at.y() * s), words.text);
}

void paintLayer(QPainter& painter, const Layer& layer)
{
    const double s = dotsPerMm(painter);
    painter.save();
    painter.scale(s, s);
    painter.setBrush(Qt::NoBrush);
    if (layer.clip)
        painter.setClipRect(*layer.clip);
    for (const Shape& shape : layer.shapes)
        paintShape(painter, layer.job, shape);
    painter.restore();
    for (const Words& words : layer.words)
        paintWords(painter, layer.job, words);
}

}  // namespace

void paintTemplatePage(QPainter& painter, const PageDrawing& page)
{
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Group& group : page.groups) {
        for (const Layer& layer : group.layers)
            paintLayer(painter, layer);
    }
}

void paintTemplatePages(QPainter& painter, QPagedPaintDevice& device, const TemplateDrawing& drawing)
{
    for (std::size_t page = 0; page < drawing.pages.size(); ++page) {
        if (page > 0 && !device.newPage())
            throw TemplateError(TemplateErrorKind::PageNotStarted);
        paintTemplatePage(painter, drawing.pages[page]);
    }
}

void paintTemplate(QPagedPaintDevice& device, const TemplateDrawing& drawing)
{
    QPainter painter;
    if (!painter.begin(&device))
        throw TemplateError(TemplateErrorKind::OutputNotStarted);
    try {
        paintTemplatePages(painter, device, drawing);
        painter.end();
    } catch (const std::bad_alloc&) {
        // A painter still active when destroyed finishes the output, which
        // needs memory again, and a second failure there, in a destructor,
        // would end the program. The output is lost anyway: the engine is
        // told it is done, so that the painter lets go of it without writing.
        if (QPaintEngine* engine = painter.paintEngine())
            engine->setActive(false);
        throw;
    }
}

}  // namespace vintorp::cut
