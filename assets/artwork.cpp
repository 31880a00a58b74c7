#include "artwork.h"

#include "svgiconengine.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <array>
#include <cmath>

namespace vintorp::art {
namespace {

constexpr char kBobbinSource[] = ":/vintorp/bobbin-drawing.svg";
constexpr char kECoreSource[] = ":/vintorp/e-core.svg";
constexpr char kUCoreSource[] = ":/vintorp/u-core.svg";

// The sizes of the installed bitmaps, from the build.
constexpr std::array kIconSizes{VINTORP_ICON_SIZES};

qreal sanitisedRatio(qreal ratio)
{
    return (std::isfinite(ratio) && ratio > 0) ? ratio : 1.0;
}

// Renders an SVG resource onto white at logical size times ratio.
QImage render(const char* source, QSize logical, qreal ratio)
{
    ratio = sanitisedRatio(ratio);
    const QSize device(static_cast<int>(std::ceil(logical.width() * ratio - 1e-9)),
                       static_cast<int>(std::ceil(logical.height() * ratio - 1e-9)));
    QImage image(device, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer{QString::fromLatin1(source)};
    Q_ASSERT(renderer.isValid());
    {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(0, 0), device));
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace

QImage bobbinDrawing(qreal devicePixelRatio)
{
    return render(kBobbinSource, kBobbinDrawingSize, devicePixelRatio);
}

QImage eCorePicture(qreal devicePixelRatio)
{
    return render(kECoreSource, kECorePictureSize, devicePixelRatio);
}

QImage uCorePicture(qreal devicePixelRatio)
{
    return render(kUCoreSource, kUCorePictureSize, devicePixelRatio);
}

void paintBobbinDrawing(QPainter& painter, const QRectF& target)
{
    if (target.isEmpty())
        return;
    QSvgRenderer renderer{QString::fromLatin1(kBobbinSource)};
    painter.save();
    painter.fillRect(target, Qt::white);
    renderer.render(&painter, target);
    painter.restore();
}

QPoint centredOffset(QSize box, QSize picture)
{
    return {(box.width() - picture.width()) / 2, (box.height() - picture.height()) / 2};
}

QIcon appIcon()
{
    QList<QSize> sizes;
    for (const int size : kIconSizes)
        sizes.append(QSize(size, size));
    // QIcon owns its engine.
    return QIcon(new SvgIconEngine(QString::fromLatin1(kAppIconSource), sizes));
}

}  // namespace vintorp::art
