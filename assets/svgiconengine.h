// An icon drawn from an SVG source only when a size of it is asked for, so
// that setting a window icon costs nothing until the desktop wants pixels.
#pragma once

#include <QIconEngine>
#include <QList>
#include <QSize>
#include <QString>

namespace vintorp::art {

class SvgIconEngine final : public QIconEngine {
public:
    SvgIconEngine(QString source, QList<QSize> sizes);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    QString source_;
    QList<QSize> sizes_;
};

}  // namespace vintorp::art
