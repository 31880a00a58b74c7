#include "drawingpicture.h"

#include "assets/artwork.h"

#include <QPainter>

namespace vintorp::ui {

DrawingPicture::DrawingPicture(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QTransform& device = painter.deviceTransform();
    const qreal scale = std::max(std::abs(device.m11()), std::abs(device.m22()));
    if (device.isRotating() || !qFuzzyCompare(scale, devicePixelRatioF())) {
        art::paintBobbinDrawing(painter, QRectF(rect()));
        return;
    }
    if (cache_.isNull() || !qFuzzyCompare(cache_.devicePixelRatio(), scale))
        cache_ = art::bobbinDrawing(scale);
    painter.drawImage(QPoint(0, 0), cache_);
}

}  // namespace vintorp::ui
