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
            throw TemplateError(TemplateErrorKind::SvgCharacter, {std::to_string(c)});
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

// The stroke of a line of `job`, on the element itself as well as on its
// groups, for programs that read only an element's own attributes; and as a
// style too, which some exporters read instead (Inkscape's DXF export).
QString strokeAttributes(Job job, Dash dash)
{
    QString a = QStringLiteral(" stroke=\"%1\" style=\"stroke:%1\"").arg(colour(jobColour(job)));
    switch (dash) {
    case Dash::None: break;
    case Dash::Dashed: a += QStringLiteral(" stroke-dasharray=\"%1 %1\"").arg(mm(kDash)); break;
    case Dash::DashDot:
        a += QStringLiteral(" stroke-dasharray=\"%1 %2 %3 %2\"").arg(mm(kLongDash), mm(kDash), mm(kLineWidth));
        break;
    }
    return a;
}

QString shapeElement(Job job, const Shape& shape)
{
    return std::visit(
        [job](const auto& s) {
            using S = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<S, Contour>) {
                return QStringLiteral("<path%1 d=\"%2\"/>\n")
                    .arg(strokeAttributes(job, Dash::None), outlineData(s.outline, s.shift));
            } else if constexpr (std::is_same_v<S, Line>) {
                return QStringLiteral("<path%1 d=\"M%2L%3\"/>\n")
                    .arg(strokeAttributes(job, s.dash), point(s.from), point(s.to));
            } else if constexpr (std::is_same_v<S, Circle>) {
                return QStringLiteral("<circle%1 cx=\"%2\" cy=\"%3\" r=\"%4\"/>\n")
                    .arg(strokeAttributes(job, Dash::None), mm(s.centre.x()), mm(s.centre.y()), mm(s.radius));
            } else {
                return QStringLiteral("<rect%1 x=\"%2\" y=\"%3\" width=\"%4\" height=\"%5\"/>\n")
                    .arg(strokeAttributes(job, Dash::None), mm(s.rect.x()), mm(s.rect.y()), mm(s.rect.width()),
                         mm(s.rect.height()));
            }
        },
        shape);
}

QString wordsElement(Job job, const Words& w)
{
    return QStringLiteral("<text fill=\"%1\" style=\"fill:%1\" x=\"%2\" y=\"%3\" font-size=\"%4\" "
                          "text-anchor=\"%5\">%6</text>\n")
        .arg(colour(jobColour(job)), mm(w.at.x()), mm(w.at.y()), mm(w.em),
             w.centred ? QStringLiteral("middle") : QStringLiteral("start"), escaped(w.text));
}

// One group's things of one layer: lines are stroked and never filled, words
// filled. `clips` counts the clip paths of the document, for their ids.
QString layerGroup(const QString& groupId, const Layer& layer, int& clips)
{
    if (layer.shapes.empty() && layer.words.empty())
        return {};
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
    const QString colourName = colour(jobColour(layer.job));
    g += QStringLiteral("<g class=\"%1\"").arg(groupId);
    if (!layer.shapes.empty())
        g += QStringLiteral(" fill=\"none\" stroke=\"%1\" stroke-width=\"%2\" "
                            "style=\"fill:none;stroke:%1;stroke-width:%2\"")
                 .arg(colourName, mm(kLineWidth));
    else
        g += QStringLiteral(" fill=\"%1\" style=\"fill:%1\"").arg(colourName);
    g += clipAttribute + QStringLiteral(">\n");
    for (const Shape& shape : layer.shapes)
        g += shapeElement(layer.job, shape);
    for (const Words& w : layer.words)
        g += wordsElement(layer.job, w);
    return g + QStringLiteral("</g>\n");
}

}  // namespace

QByteArray templateSvg(const TemplateDrawing& drawing, const QString& title)
{
    const QSizeF size = drawing.paper;
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                 "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" version=\"1.1\" "
                                 "width=\"%1mm\" height=\"%2mm\" viewBox=\"0 0 %1 %2\" font-family=\"%3\">\n")
                      .arg(mm(size.width()), mm(size.height()), templateFontFamilies());
    svg += QStringLiteral("<title>%1</title>\n").arg(escaped(title));
    if (!drawing.notes.isEmpty())
        svg += QStringLiteral("<desc>%1</desc>\n").arg(escaped(drawing.notes.join(u'\n')));
    // One top-level layer per job, as a drawing program shows layers; in each
    // the things of every part, header and scale check, grouped by their owner.
    int clips = 0;
    for (const Job job : kJobs) {
        QString content;
        for (const PageDrawing& page : drawing.pages) {
            for (const Group& group : page.groups) {
                for (const Layer& layer : group.layers) {
                    if (layer.job == job)
                        content += layerGroup(group.id, layer, clips);
                }
            }
        }
        if (content.isEmpty())
            continue;
        svg += QStringLiteral("<g id=\"%1\" inkscape:groupmode=\"layer\" inkscape:label=\"%1\">\n")
                   .arg(jobName(job));
        svg += content + QStringLiteral("</g>\n");
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

}  // namespace vintorp::cut
