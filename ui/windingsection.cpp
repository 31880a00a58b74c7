#include "windingsection.h"

#include "windingstext.h"
#include "windings/tolerance.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace vintorp::ui {
namespace {

// Room around the picture for the dimensions, in pixels.
constexpr double kSideRoom = 8;
constexpr double kTopRoom = 18;
constexpr double kBottomRoom = 18;
// Right of the section: at least this much, more where its figures need it.
constexpr double kRightRoom = 64;
// Between the right cheek and the depth's and the coil's figures.
constexpr double kRightGap = 4;
// Below this height a winding's layers are drawn as one band.
constexpr double kMinLayerPixels = 3;

// Millimetres of the section to the widget's pixels: x along the tube from
// the left cheek's inner face, y outward from the tube's outer face.
class Mapping {
public:
    // rightRoom: what the figures right of the section take.
    Mapping(const QRectF& area, const windings::Space& space, double top, double rightRoom)
    {
        const double wide = space.length + 2 * space.thickness;
        const double high = space.thickness + top;
        const double w = std::max(1.0, area.width() - 2 * kSideRoom - rightRoom);
        const double h = std::max(1.0, area.height() - kTopRoom - kBottomRoom);
        scale_ = std::min(w / wide, h / high);
        left_ = area.left() + kSideRoom + (w - wide * scale_) / 2 + space.thickness * scale_;
        const double bottom = area.bottom() - kBottomRoom - (h - high * scale_) / 2;
        face_ = bottom - space.thickness * scale_;
    }
    double x(double mm) const { return left_ + mm * scale_; }
    double y(double mm) const { return face_ - mm * scale_; }
    // The rectangle from (x0, y0) to (x1, y1) in millimetres.
    QRectF rect(double x0, double y0, double x1, double y1) const
    {
        return QRectF(QPointF(x(x0), y(y1)), QPointF(x(x1), y(y0)));
    }

private:
    double scale_ = 1;
    double left_ = 0;
    double face_ = 0;
};

// The coil as drawn: the builds of the windings that have no problem,
// before and after the bulge, and whether it passes the cheeks' edge (as
// the verdict decides).
struct Coil {
    double below = 0;
    double coil = 0;
    bool overflows = false;
};

Coil coilOf(const SectionContent& content)
{
    const windings::BuildUp& r = content.result;
    Coil c;
    for (const windings::WindingBuild& b : r.windings)
        if (!b.problem)
            c.below += b.build;
    c.coil = (r.factorProblem ? 1.0 : content.factors.bulge) * c.below;
    c.overflows = content.space && !windings::atMost(c.coil, content.space->depth);
    return c;
}

}  // namespace

QString sectionDescription(const SectionContent& content)
{
    if (!content.space)
        return QCoreApplication::translate("Windings", "Нет размеров каркаса");
    if (content.result.noRoom)
        return QCoreApplication::translate("Windings", "Нет места для обмоток");
    const QString& sep = content.separator;
    const windings::Space& s = *content.space;
    const Coil c = coilOf(content);
    QString text = QCoreApplication::translate("Windings", "Глубина окна D %1 мм, длина намотки L %2 мм")
                       .arg(fixedText(s.depth, 2, sep), fixedText(s.length, 2, sep));
    if (c.overflows)
        return text
               + QCoreApplication::translate("Windings",
                                             "; катушка Δ %1 мм выходит за край на %2 мм (красным)")
                     .arg(fixedText(c.coil, 2, sep), fixedText(c.coil - s.depth, 2, sep));
    if (c.below > 0)
        return text
               + QCoreApplication::translate("Windings", "; катушка Δ %1 мм помещается")
                     .arg(fixedText(c.coil, 2, sep));
    return text + QCoreApplication::translate("Windings", "; обмоток на сечении нет");
}

QColor wallColour()
{
    return {0x8c, 0x7a, 0x5a};
}

QColor insulationColour()
{
    return {0xf2, 0xe2, 0x9a};
}

QColor freeRoomColour()
{
    return {0xdc, 0xf0, 0xdc};
}

QColor overflowColour()
{
    return {0xe0, 0x10, 0x10};
}

QColor windingColour(int winding, int layer)
{
    // Copper, blue, green, violet, teal, brown, grey-blue, olive: told apart
    // in print and on screen, none of them red.
    static constexpr std::array<QRgb, 8> kColours
        = {0xc8742c, 0x3a6fc4, 0x3c9a46, 0x8a4fb0, 0x2a9c9c, 0x9a6a3a, 0x5a6a8a, 0x8a8a2a};
    const QColor colour = QColor::fromRgb(kColours[std::size_t(winding) % kColours.size()]);
    return layer % 2 ? colour.darker(125) : colour;
}

void paintSection(QPainter& painter, const QRectF& area, const SectionContent& content)
{
    painter.save();
    painter.fillRect(area, Qt::white);
    if (!content.space || content.result.noRoom) {
        painter.setPen(Qt::darkGray);
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                         content.space ? QCoreApplication::translate("Windings", "Нет места для обмоток")
                                       : QCoreApplication::translate("Windings", "Нет размеров каркаса"));
        painter.restore();
        return;
    }
    const windings::Space& s = *content.space;
    const windings::BuildUp& r = content.result;
    const double bulge = r.factorProblem ? 1.0 : content.factors.bulge;
    const auto [below, coil, overflows] = coilOf(content);
    // The figures right of the section: the depth, and what the coil takes
    // or how far it passes the cheeks' edge; the section leaves them the
    // room they take ("D 11.00 mm" in English takes more than the least).
    QFont font = painter.font();
    font.setPixelSize(11);
    const QString& sep = content.separator;
    const QString depthText
        = QCoreApplication::translate("Windings", "D %1 мм").arg(fixedText(s.depth, 2, sep));
    const QString coilText = overflows   ? QStringLiteral("+%1").arg(fixedText(coil - s.depth, 2, sep))
                             : below > 0 ? QStringLiteral("Δ %1").arg(fixedText(coil, 2, sep))
                                         : QString();
    const QFontMetricsF metrics(font, painter.device());
    const double figures
        = std::max(metrics.horizontalAdvance(depthText), metrics.horizontalAdvance(coilText));
    const double rightRoom = std::max(kRightRoom, kRightGap + std::ceil(figures) + 1);
    const Mapping m(area, s, std::max(s.depth, coil), rightRoom);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);

    // The room between the cheeks, free until a winding takes it.
    painter.fillRect(m.rect(0, 0, s.length, s.depth), freeRoomColour());
    // The coil: each layer of wire, the insulation between the layers and
    // over the winding, all swollen by the bulge factor alike.
    const double margin = std::clamp(content.factors.margin, 0.0, s.length / 2);
    double base = 0;
    for (std::size_t i = 0; i < r.windings.size() && i < content.windings.size(); ++i) {
        const windings::WindingBuild& b = r.windings[i];
        if (b.problem)
            continue;
        const windings::Winding& w = content.windings[i];
        const double layer = bulge * b.layerFactor * b.wire;
        const double gap = bulge * w.between;
        const double wound = bulge * (b.build - w.over);
        const double x0 = margin;
        const double x1 = s.length - margin;
        painter.fillRect(m.rect(x0, base, x1, base + bulge * b.build), insulationColour());
        if (m.y(0) - m.y(layer + gap) < kMinLayerPixels) {
            painter.fillRect(m.rect(x0, base, x1, base + wound), windingColour(int(i)));
        } else {
            for (long j = 0; j < b.layers; ++j) {
                const double y0 = base + double(j) * (layer + gap);
                painter.fillRect(m.rect(x0, y0, x1, y0 + layer), windingColour(int(i), int(j % 2)));
            }
        }
        base += bulge * b.build;
    }
    // What does not fit: everything beyond the cheeks' edge, red, with a
    // white line where one winding ends and the next begins.
    if (overflows) {
        painter.fillRect(m.rect(margin, s.depth, s.length - margin, coil), overflowColour());
        double top = 0;
        for (const windings::WindingBuild& b : r.windings) {
            if (b.problem)
                continue;
            top += bulge * b.build;
            if (top > s.depth && top < coil)
                painter.fillRect(QRectF(m.x(margin), m.y(top), m.x(s.length - margin) - m.x(margin), 1),
                                 Qt::white);
        }
    }
    // The tube's wall and the cheeks.
    const double t = s.thickness;
    painter.fillRect(m.rect(-t, -t, s.length + t, 0), wallColour());
    painter.fillRect(m.rect(-t, -t, 0, s.depth), wallColour());
    painter.fillRect(m.rect(s.length, -t, s.length + t, s.depth), wallColour());

    // Dimensions, outside the coil.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double right = m.x(s.length + t) + kRightGap;
    const double textRoom = rightRoom - kRightGap;
    painter.drawText(QRectF(right, m.y(s.depth) - 7, textRoom, 14), Qt::AlignLeft | Qt::AlignVCenter,
                     depthText);
    painter.drawText(QRectF(m.x(0), m.y(-t) + 2, m.x(s.length) - m.x(0), kBottomRoom - 2),
                     Qt::AlignHCenter | Qt::AlignTop,
                     QCoreApplication::translate("Windings", "L %1 мм").arg(fixedText(s.length, 2, sep)));
    if (!coilText.isEmpty()) {
        painter.setPen(overflows ? overflowColour() : QColor(Qt::darkGreen));
        painter.drawText(QRectF(right, m.y(coil) - 7, textRoom, 14), Qt::AlignLeft | Qt::AlignVCenter,
                         coilText);
    }
    painter.restore();
}

WindingSection::WindingSection(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("wsSection"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(QCoreApplication::translate("Windings", "Сечение окна каркаса"));
}

void WindingSection::setContent(SectionContent content)
{
    content_ = std::move(content);
    setAccessibleDescription(sectionDescription(content_));
    update();
}

void WindingSection::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintSection(painter, QRectF(rect()), content_);
}

}  // namespace vintorp::ui
