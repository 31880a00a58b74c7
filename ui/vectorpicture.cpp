#include "vectorpicture.h"

#include "assets/artwork.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vintorp::ui {

VectorPicture::VectorPicture(QSize pictureSize, Render render, PaintVector paintVector, QWidget* parent)
    : QWidget(parent), pictureSize_(pictureSize), render_(render), paintVector_(paintVector)
{
}

QRect VectorPicture::pictureRect() const
{
    return {art::centredOffset(size(), pictureSize_), pictureSize_};
}

void VectorPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect target = pictureRect();
    const QTransform& device = painter.deviceTransform();
    const qreal scale = std::max(std::abs(device.m11()), std::abs(device.m22()));
    // Raster targets (the screen, a grab) get an image made for their scale;
    // printers and other devices get the vector source where there is one.
    const bool raster = painter.paintEngine()->type() == QPaintEngine::Raster;
    if (paintVector_ && (!raster || device.isRotating())) {
        paintVector_(painter, QRectF(target));
        return;
    }
    if (cache_.isNull() || !qFuzzyCompare(cache_.devicePixelRatio(), scale))
        cache_ = render_(scale);
    painter.drawImage(target.topLeft(), cache_);
}

}  // namespace vintorp::ui
