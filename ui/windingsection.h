// The cross-section of one side of the winding window, to scale: the tube's
// wall below, a cheek at either end, the windings outward from the tube as
// bands in their own colours with their layers and insulation, the room left
// free, and whatever of the coil does not fit in red beyond the cheeks'
// edge. Drawn with flat fills and no smoothing, so every edge is sharp at any
// device pixel ratio and every band has exactly its colour.
#pragma once

#include "windings/buildup.h"

#include <QColor>
#include <QWidget>

#include <optional>
#include <vector>

class QPainter;

namespace vintorp::ui {

struct SectionContent {
    std::optional<windings::Space> space;  // nothing: the drawing has no result
    windings::Factors factors;
    std::vector<windings::Winding> windings;
    windings::BuildUp result;  // of the windings above
    QString separator = QStringLiteral(",");
};

// The colours, for the legend and for the tests that measure the picture.
QColor wallColour();
QColor insulationColour();
QColor freeRoomColour();
QColor overflowColour();
// Winding i's layers alternate between its two colours.
QColor windingColour(int winding, int layer = 0);

void paintSection(QPainter& painter, const QRectF& area, const SectionContent& content);
// What the section shows, in words, for a screen reader: D, L, the coil Δ
// and by how much it does not fit.
QString sectionDescription(const SectionContent& content);

class WindingSection final : public QWidget {
    Q_OBJECT
public:
    explicit WindingSection(QWidget* parent = nullptr);

    void setContent(SectionContent content);
    const SectionContent& content() const { return content_; }

    QSize sizeHint() const override { return {360, 240}; }
    QSize minimumSizeHint() const override { return {240, 160}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SectionContent content_;
};

}  // namespace vintorp::ui
