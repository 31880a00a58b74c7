#include "print/picturepaint.h"

#include "print/pagecanvas.h"

#include <QPainter>
#include <QRegion>
#include <QTransform>
#include <QWidget>

namespace vintorp::print {

void paintPicture(QPainter& target, QWidget& window, const QRect& area, const PrintSize& size)
{
    if (area.isEmpty() || size.width <= 0 || size.height <= 0)
        return;
    const QTransform toTarget = QTransform::fromScale(static_cast<qreal>(size.width) / area.width(),
                                                      static_cast<qreal>(size.height) / area.height())
                                * target.transform();
    PageCanvas canvas(target, area.size(), toTarget, window.logicalDpiX(), window.logicalDpiY());
    QPainter painter(&canvas);
    window.render(&painter, QPoint(), QRegion(area), QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

}  // namespace vintorp::print
