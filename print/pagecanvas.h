// A paint device that passes everything painted on it on to another painter,
// through a fixed transform and clipped to the device's own rectangle.
//
// Widgets rendered onto it keep their painting as vector operations (paths,
// text, pixmaps at their own resolution), so the target can be a printer at
// any resolution. Rendering a widget straight onto a printer would instead go
// through one raster image of the whole scaled area.
#pragma once

#include <QPaintDevice>
#include <QSize>
#include <QTransform>

#include <memory>

class QPainter;

namespace vintorp::print {

class ForwardingEngine;

class PageCanvas final : public QPaintDevice {
public:
    // size: the device's rectangle in its own pixels; toTarget maps them into
    // the target painter's current coordinates; dpiX and dpiY are the logical
    // resolution fonts are measured at (the screen's, to keep the layout).
    // The target painter must stay active while anything paints here; its
    // state is saved when painting starts and restored when it ends.
    PageCanvas(QPainter& target, QSize size, const QTransform& toTarget, int dpiX, int dpiY);
    ~PageCanvas() override;

    PageCanvas(const PageCanvas&) = delete;
    PageCanvas& operator=(const PageCanvas&) = delete;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize size_;
    int dpiX_;
    int dpiY_;
    std::unique_ptr<ForwardingEngine> engine_;
};

}  // namespace vintorp::print
