#include "artwork.h"

#include "svgiconengine.h"

#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QSvgRenderer>

#include <array>
#include <cmath>

namespace vintorp::art {
namespace {

constexpr char kBobbinSource[] = ":/vintorp/bobbin-drawing.svg";
constexpr char kECoreSource[] = ":/vintorp/e-core.svg";
constexpr char kUCoreSource[] = ":/vintorp/u-core.svg";
// The E core, the picture the input window opens with, rendered from its
// source by the build for screens at 1x and 2x.
constexpr char kECore1x[] = ":/vintorp/e-core@1x.rgb";
constexpr char kECore2x[] = ":/vintorp/e-core@2x.rgb";

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

// A picture the build rendered from its source, as render() would make it;
// null when the resource is missing or not the size it should be. The
// resource holds bare 8-bit RGB rows, top to bottom.
QImage prerendered(const char* resource, QSize logical, qreal ratio)
{
    const QSize device = logical * ratio;
    const QByteArray rows = QResource(QString::fromLatin1(resource)).uncompressedData();
    const qsizetype rowBytes = qsizetype(device.width()) * 3;
    if (device.isEmpty() || rows.size() != rowBytes * device.height())
        return {};
    // The wrapper borrows rows; the conversion makes an image of its own.
    const QImage borrowed(reinterpret_cast<const uchar*>(rows.constData()), device.width(), device.height(),
                          rowBytes, QImage::Format_RGB888);
    QImage image = borrowed.convertToFormat(QImage::Format_RGB32);
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
    const qreal ratio = sanitisedRatio(devicePixelRatio);
    if (const char* file = ratio == 1.0 ? kECore1x : ratio == 2.0 ? kECore2x : nullptr) {
        if (QImage image = prerendered(file, kECorePictureSize, ratio); !image.isNull())
            return image;
    }
    return render(kECoreSource, kECorePictureSize, ratio);
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
