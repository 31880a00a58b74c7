#include "windingspage.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace vintorp::ui {
namespace {

// The table's type is made no smaller than this to fit the page.
constexpr double kSmallestTablePoints = 5;

struct HeaderLines {
    double width;  // of the wider line
    int lines;
};

// A header on one line, or broken between two words into the two lines
// whose wider one is the narrowest.
HeaderLines headerLines(const QString& header, const QFontMetricsF& metrics)
{
    HeaderLines best{metrics.horizontalAdvance(header), 1};
    for (qsizetype at = header.indexOf(u' '); at > 0; at = header.indexOf(u' ', at + 1)) {
        const double wider = std::max(metrics.horizontalAdvance(header.left(at)),
                                      metrics.horizontalAdvance(header.mid(at + 1)));
        if (wider < best.width)
            best = {wider, 2};
    }
    return best;
}

}  // namespace

void paintWindingsPage(QPainter& painter, const QRectF& page, const WindingsPage& content)
{
    painter.save();
    // Text is set in points of the painter's device.
    const double dpi = painter.device()->logicalDpiY();
    const auto font = [&](double points, bool bold) {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(std::max(1, int(points * dpi / 72)));
        f.setBold(bold);
        return f;
    };
    double y = page.top();
    const auto line = [&](const QString& text, const QFont& f) {
        painter.setFont(f);
        const QFontMetricsF metrics(f);
        const QRectF box(page.left(), y, page.width(), metrics.height() * 3);
        const QRectF used = painter.boundingRect(box, Qt::TextWordWrap, text);
        painter.drawText(box, Qt::TextWordWrap, text);
        y += used.height() + metrics.height() * 0.4;
    };
    painter.setPen(Qt::black);
    line(content.title, font(14, true));
    line(content.space, font(10, false));

    // The table: each column as wide as its widest cell or its header set on
    // at most two lines; when that is wider than the page, the table's type
    // is made smaller until it fits, so that no header is cut short.
    const int columns = int(content.headers.size());
    struct Layout {
        QFont cellFont, headFont;
        QList<double> widths;
        double pad = 0, swatch = 0, total = 0;
        int headLines = 1;
    };
    const auto layout = [&](double points) {
        Layout l{font(points, false), font(points, true), QList<double>(columns, 0)};
        const QFontMetricsF cells(l.cellFont);
        const QFontMetricsF heads(l.headFont);
        for (int c = 0; c < columns; ++c) {
            const HeaderLines head = headerLines(content.headers[c], heads);
            l.widths[c] = head.width;
            l.headLines = std::max(l.headLines, head.lines);
            for (const QStringList& row : content.rows)
                if (c < row.size())
                    l.widths[c] = std::max(l.widths[c], cells.horizontalAdvance(row[c]));
        }
        l.pad = cells.height() * 0.3;
        // The first column leaves room for the winding's colour.
        l.swatch = cells.height() * 0.7;
        if (columns > 0)
            l.widths[0] += l.swatch + l.pad;
        l.total = std::accumulate(l.widths.cbegin(), l.widths.cend(), 0.0) + 2 * l.pad * columns;
        return l;
    };
    double points = 8;
    Layout table = layout(points);
    while (table.total > page.width() && points > kSmallestTablePoints) {
        points = std::max(kSmallestTablePoints, points * std::min(0.95, page.width() / table.total));
        table = layout(points);
    }
    // Below the smallest type the columns themselves are narrowed, and their
    // texts cut short.
    const double shrink = table.total > page.width() ? page.width() / table.total : 1.0;
    const QFont& cellFont = table.cellFont;
    const QFont& headFont = table.headFont;
    const double pad = table.pad;
    const double swatch = table.swatch;
    const QList<double>& widths = table.widths;
    const double rowHeight = QFontMetricsF(cellFont).height() + pad;
    painter.setPen(QPen(Qt::black, std::max(1.0, dpi / 300)));
    const auto drawRow = [&](const QStringList& texts, const QFont& f, const QColor& colour, int lines) {
        painter.setFont(f);
        const QFontMetricsF metrics(f);
        const double height = rowHeight + metrics.height() * (lines - 1);
        double x = page.left();
        for (int c = 0; c < columns; ++c) {
            const double w = (widths[c] + 2 * pad) * shrink;
            const QRectF cell(x, y, w, height);
            painter.drawRect(cell);
            QRectF inside = cell.adjusted(pad * shrink, 0, -pad * shrink, 0);
            if (c == 0 && colour.isValid()) {
                const double side = swatch * shrink;
                const QRectF mark(inside.left(), cell.center().y() - side / 2, side, side);
                painter.fillRect(mark, colour);
                inside.setLeft(mark.right() + pad * shrink);
            }
            const QString text = c < texts.size() ? texts[c] : QString();
            const Qt::Alignment align = Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight);
            if (lines > 1 && metrics.horizontalAdvance(text) > inside.width())
                painter.drawText(inside, align | Qt::TextWordWrap, text);
            else
                painter.drawText(inside, align, metrics.elidedText(text, Qt::ElideRight, inside.width()));
            x += w;
        }
        y += height;
    };
    drawRow(content.headers, headFont, QColor(), table.headLines);
    for (qsizetype r = 0; r < content.rows.size(); ++r)
        drawRow(content.rows[r], cellFont, r < content.colours.size() ? content.colours[r] : QColor(), 1);
    y += rowHeight * 0.5;
    line(content.factors, font(10, false));
    line(content.verdict, font(11, true));
    if (!content.copper.isEmpty())
        line(content.copper, font(10, false));

    // The section is laid out in screen pixels (96 to the inch), as in the
    // window, then scaled to the device.
    const double height = std::min(page.bottom() - y, page.width() * 0.6);
    if (height > 0) {
        const double k = dpi / 96;
        painter.translate(page.left(), y);
        painter.scale(k, k);
        paintSection(painter, QRectF(0, 0, page.width() / k, height / k), content.section);
    }
    painter.restore();
}

}  // namespace vintorp::ui
