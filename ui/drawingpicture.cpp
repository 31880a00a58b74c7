#include "drawingpicture.h"

#include "assets/artwork.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

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
    // Only a raster target at the screen's own scale gets the ready image;
    // printers and other devices get the vector source.
    const bool screenLike = painter.paintEngine()->type() == QPaintEngine::Raster;
    if (!screenLike || device.isRotating() || !qFuzzyCompare(scale, devicePixelRatioF())) {
        art::paintBobbinDrawing(painter, QRectF(rect()));
        return;
    }
    if (cache_.isNull() || !qFuzzyCompare(cache_.devicePixelRatio(), scale))
        cache_ = art::bobbinDrawing(scale);
    painter.drawImage(QPoint(0, 0), cache_);
}

}  // namespace vintorp::ui
