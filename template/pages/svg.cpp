#include "template/pages/svg.h"

#include "template/pages/paint.h"
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

QString outlineData(const cut::Outline& outline, QPointF shift)
{
    QString d;
    for (const cut::PathStep& step : outline) {
        const QPointF to = QPointF(step.to.x, step.to.y) + shift;
        switch (step.kind) {
        case cut::PathStep::Kind::Move: d += u'M' + point(to); break;
        case cut::PathStep::Kind::Line: d += u'L' + point(to); break;
        case cut::PathStep::Kind::Arc:
            // Sweep flag 1 runs clockwise on the page, as a negative sweep does here.
            d += QStringLiteral("A%1 %1 0 0 %2 %3")
                     .arg(mm(step.radius), step.sweepDegrees < 0 ? QStringLiteral("1") : QStringLiteral("0"),
                          point(to));
            break;
        }
    }
    return d + u'Z';
}

QString segmentData(QPointF from, QPointF to)
{
    return u'M' + point(from) + u'L' + point(to);
}

QString textElement(QPointF at, const QString& text, double em, const char* anchor = "start")
{
    return QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"%3\" text-anchor=\"%4\">%5</text>\n")
        .arg(mm(at.x()), mm(at.y()), mm(em), QString::fromLatin1(anchor), escaped(text));
}

QString partGroup(const cut::CutPart& part, const PlacedPiece& piece)
{
    const QPointF shift = piece.origin;
    QString g = QStringLiteral("<g id=\"%1\">\n").arg(partId(part));
    g += QStringLiteral("<g class=\"cut\" fill=\"none\" stroke=\"%1\" stroke-width=\"%2\">\n")
             .arg(colour(kCutColour), mm(kCutLineWidth));
    for (const cut::Outline& outline : part.cuts)
        g += QStringLiteral("<path d=\"%1\"/>\n").arg(outlineData(outline, shift));
    g += QStringLiteral("</g>\n");
    if (!part.holes.empty() || !part.dashedLines.empty()) {
        g += QStringLiteral("<g class=\"marks\" fill=\"none\" stroke=\"%1\" stroke-width=\"%2\">\n")
                 .arg(colour(kMarkColour), mm(kMarkLineWidth));
        for (const cut::Hole& hole : part.holes)
            g += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\"/>\n")
                     .arg(mm(hole.centre.x + shift.x()), mm(hole.centre.y + shift.y()),
                          mm(hole.diameter / 2));
        for (const cut::Segment& s : part.crossLines)
            g += QStringLiteral("<path d=\"%1\"/>\n")
                     .arg(segmentData(QPointF(s.from.x, s.from.y) + shift, QPointF(s.to.x, s.to.y) + shift));
        for (const cut::Segment& s : part.dashedLines)
            g += QStringLiteral("<path stroke-dasharray=\"%1 %1\" d=\"%2\"/>\n")
                     .arg(mm(kMarkDash),
                          segmentData(QPointF(s.from.x, s.from.y) + shift, QPointF(s.to.x, s.to.y) + shift));
        g += QStringLiteral("</g>\n");
    }
    g += QStringLiteral("<g class=\"label\" fill=\"%1\">\n").arg(colour(kTextColour));
    double baseline = shift.y() + piece.clip.height() + kLabelGap + kLabelEm * 0.8;
    for (const QString& line : piece.label) {
        g += textElement(QPointF(shift.x(), baseline), line, kLabelEm);
        baseline += kLabelLine;
    }
    g += QStringLiteral("</g>\n</g>\n");
    return g;
}

// The 100 mm ruler and the 10 mm square, in the colour of the words.
QString scaleGroup(const QRectF& printable)
{
    const double x0 = printable.left();
    const double bottom = printable.bottom();
    const double y = bottom - 5;
    QString d = segmentData(QPointF(x0, y), QPointF(x0 + 100, y));
    for (int n = 0; n <= 100; ++n) {
        const double length = n % 10 == 0 ? 4 : n % 5 == 0 ? 3 : 1.5;
        d += segmentData(QPointF(x0 + n, y), QPointF(x0 + n, y + length));
    }
    QString g = QStringLiteral("<g id=\"scale-check\" fill=\"%1\">\n").arg(colour(kTextColour));
    g += QStringLiteral("<path fill=\"none\" stroke=\"%1\" stroke-width=\"0.1\" d=\"%2\"/>\n")
             .arg(colour(kTextColour), d);
    g += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"10\" height=\"10\" fill=\"none\" stroke=\"%3\" "
                        "stroke-width=\"0.1\"/>\n")
             .arg(mm(x0 + 108), mm(bottom - 11), colour(kTextColour));
    for (int cm = 0; cm <= 10; ++cm)
        g += textElement(QPointF(x0 + 10 * cm, y - 0.8), QString::number(cm), 2.0, "middle");
    g += textElement(QPointF(x0 + 113, bottom - 12.2), CutTemplate::tr("10 × 10 мм"), 2.0, "middle");
    const QStringList note = scaleNote();
    g += textElement(QPointF(x0, y - 8), note.value(0), kLabelEm);
    g += textElement(QPointF(x0, y - 4.6), note.value(1), kLabelEm);
    return g + QStringLiteral("</g>\n");
}

}  // namespace

QString partId(const cut::CutPart& part)
{
    switch (part.kind) {
    case cut::PartKind::Cheek: return QStringLiteral("cheek-%1").arg(part.number);
    case cut::PartKind::TabbedWall: return QStringLiteral("tabbed-wall-%1").arg(part.number);
    case cut::PartKind::PlainWall: return QStringLiteral("plain-wall-%1").arg(part.number);
    }
    return {};
}

QByteArray templateSvg(const cut::CutSet& set, const TemplateLayout& layout)
{
    const QSizeF size = layout.paper;
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" "
                                 "width=\"%1mm\" height=\"%2mm\" viewBox=\"0 0 %1 %2\" font-family=\"%3\">\n")
                      .arg(mm(size.width()), mm(size.height()), templateFontFamilies());
    svg += QStringLiteral("<title>%1</title>\n").arg(escaped(templateTitle()));
    svg += QStringLiteral("<g id=\"header\" fill=\"%1\">\n").arg(colour(kTextColour))
           + textElement(QPointF(layout.printable.left(), layout.printable.top() + 2.8),
                         pageHeader(set, 0, 1), 2.8)
           + QStringLiteral("</g>\n");
    for (const PlacedPiece& piece : layout.pieces)
        svg += partGroup(set.parts[std::size_t(piece.part)], piece);
    svg += scaleGroup(layout.printable);
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

}  // namespace vintorp::cut
