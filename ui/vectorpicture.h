// A picture drawn from its vector source: centred in the widget, rendered
// once for the screen's pixel ratio and again whenever that changes, so it is
// sharp at any screen scale. Painted anywhere else (a printout), it draws
// straight from the vector source when it has a painter for that.
#pragma once

#include <QImage>
#include <QWidget>

class QPainter;

namespace vintorp::ui {

class VectorPicture : public QWidget {
    Q_OBJECT
public:
    using Render = QImage (*)(qreal devicePixelRatio);
    using PaintVector = void (*)(QPainter& painter, const QRectF& target);

    VectorPicture(QSize pictureSize, Render render, PaintVector paintVector = nullptr,
                  QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the picture stands: centred in the widget.
    QRect pictureRect() const;

    QSize pictureSize_;
    Render render_;
    PaintVector paintVector_;
    QImage cache_;
};

}  // namespace vintorp::ui
