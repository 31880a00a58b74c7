#include "template/pages/svg.h"

#include "template/pages/lettering.h"
#include "template/pages/texts.h"
#include "template/pages/templateerror.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace vintorp::cut {
namespace {

// A length in millimetres, to a ten-thousandth, without trailing zeros.
QString mm(double v)
{
    if (std::abs(v) < 5e-5)
        v = 0;
    QString text = QString::number(v, 'f', 4);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString point(QPointF p)
{
    return mm(p.x()) + u' ' + mm(p.y());
}

QString colour(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

// The characters XML 1.0 can hold, escaped or not.
bool isXmlCharacter(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
           || (c >= 0x10000 && c <= 0x10FFFF);
}

// Throws TemplateError for a character that no SVG file can hold.
QString escaped(const QString& text)
{
    for (const char32_t c : text.toUcs4()) {
        if (!isXmlCharacter(c))
            throw TemplateError(unwritableCharacterMessage(c));
    }
    return text.toHtmlEscaped();
}

QString outlineData(const Outline& outline, QPointF shift)
{
    QString d;
    for (const PathStep& step : outline) {
        const QPointF to = QPointF(step.to.x, step.to.y) + shift;
        switch (step.kind) {
        case PathStep::Kind::Move: d += u'M' + point(to); break;
        case PathStep::Kind::Line: d += u'L' + point(to); break;
        case PathStep::Kind::Arc:
            // Sweep flag 1 runs clockwise on the page, as a negative sweep does here.
            d += QStringLiteral("A%1 %1 0 0 %2 %3")
                     .arg(mm(step.radius), step.sweepDegrees < 0 ? QStringLiteral("1") : QStringLiteral("0"),
                          point(to));
            break;
        }
    }
    return d + u'Z';
}

QString shapeElement(const Shape& shape)
{
    return std::visit(
        [](const auto& s) {
            using S = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<S, Contour>) {
                return QStringLiteral("<path d=\"%1\"/>\n").arg(outlineData(s.outline, s.shift));
            } else if constexpr (std::is_same_v<S, Line>) {
                const QString d = u'M' + point(s.from) + u'L' + point(s.to);
                if (s.dashed)
                    return QStringLiteral("<path stroke-dasharray=\"%1 %1\" d=\"%2\"/>\n").arg(mm(kDash), d);
                return QStringLiteral("<path d=\"%1\"/>\n").arg(d);
            } else if constexpr (std::is_same_v<S, Circle>) {
                return QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\"/>\n")
                    .arg(mm(s.centre.x()), mm(s.centre.y()), mm(s.radius));
            } else {
                return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"/>\n")
                    .arg(mm(s.rect.x()), mm(s.rect.y()), mm(s.rect.width()), mm(s.rect.height()));
            }
        },
        shape);
}

QString wordsElement(const Words& w)
{
    return QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"%3\" text-anchor=\"%4\">%5</text>\n")
        .arg(mm(w.at.x()), mm(w.at.y()), mm(w.em),
             w.centred ? QStringLiteral("middle") : QStringLiteral("start"), escaped(w.text));
}

// A layer of lines is stroked and never filled, a layer of words filled.
// `clips` counts the clip paths of the document, for their ids.
QString layerGroup(const Layer& layer, int& clips)
{
    QString g;
    QString clipAttribute;
    if (layer.clip) {
        const QString id = QStringLiteral("clip-%1").arg(++clips);
        const QRectF& c = *layer.clip;
        g += QStringLiteral(
                 "<clipPath id=\"%1\"><rect x=\"%2\" y=\"%3\" width=\"%4\" height=\"%5\"/></clipPath>\n")
                 .arg(id, mm(c.x()), mm(c.y()), mm(c.width()), mm(c.height()));
        clipAttribute = QStringLiteral(" clip-path=\"url(#%1)\"").arg(id);
    }
    if (!layer.shapes.empty()) {
        g += QStringLiteral("<g class=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"%3\"%4>\n")
                 .arg(layer.name, colour(inkColour(layer.ink)), mm(kLineWidth), clipAttribute);
        for (const Shape& shape : layer.shapes)
            g += shapeElement(shape);
        g += QStringLiteral("</g>\n");
    }
    if (!layer.words.empty()) {
        g += QStringLiteral("<g class=\"%1\" fill=\"%2\">\n").arg(layer.name, colour(inkColour(layer.ink)));
        for (const Words& w : layer.words)
            g += wordsElement(w);
        g += QStringLiteral("</g>\n");
    }
    return g;
}

}  // namespace

QByteArray templateSvg(const TemplateDrawing& drawing, const QString& title)
{
    const QSizeF size = drawing.paper;
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" "
                                 "width=\"%1mm\" height=\"%2mm\" viewBox=\"0 0 %1 %2\" font-family=\"%3\">\n")
                      .arg(mm(size.width()), mm(size.height()), templateFontFamilies());
    svg += QStringLiteral("<title>%1</title>\n").arg(escaped(title));
    int clips = 0;
    for (const PageDrawing& page : drawing.pages) {
        for (const Group& group : page.groups) {
            svg += QStringLiteral("<g id=\"%1\">\n").arg(group.id);
            for (const Layer& layer : group.layers)
                svg += layerGroup(layer, clips);
            svg += QStringLiteral("</g>\n");
        }
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

}  // namespace vintorp::cut
