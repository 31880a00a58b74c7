#include "svgiconengine.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace vintorp::art {

SvgIconEngine::SvgIconEngine(QString source, QList<QSize> sizes)
    : source_(std::move(source)), sizes_(std::move(sizes))
{
}

// The icon looks the same in every mode and state: it is the application's
// icon, shown by the desktop, never a disabled button's.
QPixmap SvgIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State state)
{
    const QString cacheKey
        = QStringLiteral("vintorp-icon:%1:%2x%3").arg(source_).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (QPixmapCache::find(cacheKey, &pixmap))
        return pixmap;

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        paint(&painter, QRect(QPoint(0, 0), size), QIcon::Normal, state);
    }
    pixmap = QPixmap::fromImage(std::move(image));
    QPixmapCache::insert(cacheKey, pixmap);
    return pixmap;
}

void SvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State)
{
    QSvgRenderer renderer(source_);
    renderer.render(painter, QRectF(rect));
}

QList<QSize> SvgIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    return sizes_;
}

QSize SvgIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    return size;
}

QIconEngine* SvgIconEngine::clone() const
{
    return new SvgIconEngine(source_, sizes_);
}

QString SvgIconEngine::key() const
{
    return QStringLiteral("vintorp-svg");
}

}  // namespace vintorp::art
