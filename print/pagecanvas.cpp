#include "print/pagecanvas.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QRegion>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace vintorp::print {

// Keeps the painter state as the canvas's painter reports it and applies it
// to the target before each drawing operation. Clips arrive in the
// coordinates of the transform current at that moment; they are kept in
// canvas coordinates and always intersected with the canvas rectangle and
// the engine's system clip (the part of the widget being painted).
class ForwardingEngine final : public QPaintEngine {
    enum class Outline { None, Pen };

public:
    ForwardingEngine(QPainter& target, QSize size, const QTransform& toTarget)
        : QPaintEngine(QPaintEngine::AllFeatures), target_(target), toTarget_(toTarget)
    {
        bounds_.addRect(QRectF(QPointF(0, 0), QSizeF(size)));
    }

    bool begin(QPaintDevice*) override
    {
        target_.save();
        resetState();
        return true;
    }

    bool end() override
    {
        target_.restore();
        return true;
    }

    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override
    {
        const DirtyFlags flags = state.state();
        if (flags & DirtyTransform)
            world_ = state.transform();
        if (flags & DirtyPen)
            pen_ = state.pen();
        if (flags & DirtyBrush)
            brush_ = state.brush();
        if (flags & DirtyBrushOrigin)
            brushOrigin_ = state.brushOrigin();
        if (flags & DirtyFont)
            font_ = state.font();
        if (flags & DirtyBackground)
            background_ = state.backgroundBrush();
        if (flags & DirtyBackgroundMode)
            backgroundMode_ = state.backgroundMode();
        if (flags & DirtyHints)
            hints_ = state.renderHints();
        if (flags & DirtyCompositionMode)
            composition_ = state.compositionMode();
        if (flags & DirtyOpacity)
            opacity_ = state.opacity();
        if (flags & DirtyClipEnabled)
            clipEnabled_ = state.isClipEnabled();
        if (flags & DirtyClipRegion) {
            QPainterPath path;
            path.addRegion(state.clipRegion());
            applyClip(path, state.clipOperation());
        }
        if (flags & DirtyClipPath)
            applyClip(state.clipPath(), state.clipOperation());
    }

    void drawPath(const QPainterPath& path) override
    {
        if (prepare(path.controlPointRect(), Outline::Pen))
            target_.drawPath(path);
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        if (!prepare(QPolygonF(QList<QPointF>(points, points + count)).boundingRect(), Outline::Pen))
            return;
        switch (mode) {
        case PolylineMode: target_.drawPolyline(points, count); break;
        case WindingMode: target_.drawPolygon(points, count, Qt::WindingFill); break;
        case ConvexMode: target_.drawConvexPolygon(points, count); break;
        case OddEvenMode: target_.drawPolygon(points, count, Qt::OddEvenFill); break;
        }
    }

    void drawLines(const QLineF* lines, int count) override
    {
        QRectF bounds;
        for (int i = 0; i < count; ++i)
            bounds |= QRectF(lines[i].p1(), lines[i].p2()).normalized();
        if (prepare(bounds, Outline::Pen))
            target_.drawLines(lines, count);
    }

    void drawRects(const QRectF* rects, int count) override
    {
        QRectF bounds;
        for (int i = 0; i < count; ++i)
            bounds |= rects[i].normalized();
        if (prepare(bounds, Outline::Pen))
            target_.drawRects(rects, count);
    }

    void drawEllipse(const QRectF& rect) override
    {
        if (prepare(rect.normalized(), Outline::Pen))
            target_.drawEllipse(rect);
    }

    void drawPoints(const QPointF* points, int count) override
    {
        if (prepare(QPolygonF(QList<QPointF>(points, points + count)).boundingRect(), Outline::Pen))
            target_.drawPoints(points, count);
    }

    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& source) override
    {
        if (prepare(r.normalized(), Outline::None))
            target_.drawPixmap(r, pixmap, source);
    }

    void drawTiledPixmap(const QRectF& r, const QPixmap& pixmap, const QPointF& offset) override
    {
        if (prepare(r.normalized(), Outline::None))
            target_.drawTiledPixmap(r, pixmap, offset);
    }

    void drawImage(const QRectF& r, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags) override
    {
        if (prepare(r.normalized(), Outline::None))
            target_.drawImage(r, image, source, flags);
    }

    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        prepare(QRectF(), Outline::None);
        target_.drawTextItem(p, item);
    }

private:
    void resetState()
    {
        world_ = QTransform();
        pen_ = QPen();
        brush_ = QBrush();
        brushOrigin_ = QPointF();
        font_ = QFont();
        background_ = QBrush();
        backgroundMode_ = Qt::TransparentMode;
        hints_ = {};
        composition_ = QPainter::CompositionMode_SourceOver;
        opacity_ = 1.0;
        clipEnabled_ = false;
        clip_.reset();
    }

    void applyClip(const QPainterPath& path, Qt::ClipOperation op)
    {
        switch (op) {
        case Qt::NoClip: clip_.reset(); break;
        case Qt::ReplaceClip: clip_ = world_.map(path); break;
        case Qt::IntersectClip:
            clip_ = clip_ ? clip_->intersected(world_.map(path)) : world_.map(path);
            break;
        }
    }

    QPainterPath effectiveClip() const
    {
        QPainterPath clip = bounds_;
        if (clipEnabled_ && clip_)
            clip = clip.intersected(*clip_);
        const QRegion system = systemClip();
        if (!system.isEmpty()) {
            QPainterPath systemPath;
            systemPath.addRegion(system);
            clip = clip.intersected(systemPath);
        }
        return clip;
    }

    // The pen's width in canvas pixels (a zero-width pen draws one pixel).
    qreal penWidthOnCanvas() const
    {
        const qreal width = pen_.widthF() > 0 ? pen_.widthF() : 1.0;
        return pen_.isCosmetic() ? width : width * std::sqrt(std::abs(world_.determinant()));
    }

    // A cosmetic pen is as wide on the target as it was on the canvas, not
    // one pixel of a much finer device.
    QPen targetPen() const
    {
        if (!pen_.isCosmetic())
            return pen_;
        QPen pen = pen_;
        const qreal scale = std::sqrt(std::abs(world_.determinant()));
        pen.setCosmetic(false);
        pen.setWidthF(scale > 0 ? penWidthOnCanvas() / scale : penWidthOnCanvas());
        return pen;
    }

    // Sets the target up for the next operation, which covers `bounds` (in
    // the painter's current coordinates; a null rectangle when unknown),
    // widened by the pen where `outline` says so. Returns false, and sets
    // nothing, when the operation covers no area of the canvas inside the
    // clip: a shape that only touches the clip's edge from outside is
    // dropped, because a printer's rasteriser may ink a line of device
    // pixels for it just outside the picture.
    bool prepare(const QRectF& bounds, Outline outline)
    {
        const QPainterPath clip = effectiveClip();
        if (!bounds.isNull()) {
            QRectF covered = world_.mapRect(bounds);
            if (outline == Outline::Pen && pen_.style() != Qt::NoPen) {
                const qreal reach = penWidthOnCanvas() * std::max<qreal>(1, pen_.miterLimit());
                covered.adjust(-reach, -reach, reach, reach);
            }
            if (covered.width() > 0 && covered.height() > 0 && !covered.intersects(clip.boundingRect()))
                return false;
        }
        target_.setTransform(toTarget_);
        target_.setClipPath(clip, Qt::ReplaceClip);
        target_.setTransform(world_ * toTarget_);
        target_.setPen(targetPen());
        target_.setBrush(brush_);
        target_.setBrushOrigin(brushOrigin_);
        target_.setFont(font_);
        target_.setBackground(background_);
        target_.setBackgroundMode(backgroundMode_);
        target_.setRenderHints(~QPainter::RenderHints(), false);
        target_.setRenderHints(hints_, true);
        target_.setCompositionMode(composition_);
        target_.setOpacity(opacity_);
        return true;
    }

    QPainter& target_;
    QTransform toTarget_;
    QPainterPath bounds_;
    QTransform world_;
    QPen pen_;
    QBrush brush_;
    QPointF brushOrigin_;
    QFont font_;
    QBrush background_;
    Qt::BGMode backgroundMode_ = Qt::TransparentMode;
    QPainter::RenderHints hints_;
    QPainter::CompositionMode composition_ = QPainter::CompositionMode_SourceOver;
    qreal opacity_ = 1.0;
    bool clipEnabled_ = false;
    std::optional<QPainterPath> clip_;
};

PageCanvas::PageCanvas(QPainter& target, QSize size, const QTransform& toTarget, int dpiX, int dpiY)
    : size_(size), dpiX_(dpiX), dpiY_(dpiY),
      engine_(std::make_unique<ForwardingEngine>(target, size, toTarget))
{
}

PageCanvas::~PageCanvas() = default;

QPaintEngine* PageCanvas::paintEngine() const
{
    return engine_.get();
}

int PageCanvas::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return size_.width();
    case PdmHeight: return size_.height();
    case PdmWidthMM: return qRound(size_.width() * 25.4 / dpiX_);
    case PdmHeightMM: return qRound(size_.height() * 25.4 / dpiY_);
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmPhysicalDpiX: return dpiX_;
    case PdmDpiY:
    case PdmPhysicalDpiY: return dpiY_;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    default: return 0;
    }
}

}  // namespace vintorp::print
