#include "windingspage.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace vintorp::ui {

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

    // The table: columns as wide as their widest text, shrunk to the page.
    const QFont cellFont = font(8, false);
    const QFont headFont = font(8, true);
    const QFontMetricsF cells(cellFont);
    const QFontMetricsF heads(headFont);
    const int columns = int(content.headers.size());
    QList<double> widths(columns, 0);
    for (int c = 0; c < columns; ++c) {
        widths[c] = heads.horizontalAdvance(content.headers[c]);
        for (const QStringList& row : content.rows)
            if (c < row.size())
                widths[c] = std::max(widths[c], cells.horizontalAdvance(row[c]));
    }
    const double pad = cells.height() * 0.3;
    // The first column leaves room for the winding's colour.
    const double swatch = cells.height() * 0.7;
    if (columns > 0)
        widths[0] += swatch + pad;
    const double total = std::accumulate(widths.cbegin(), widths.cend(), 0.0) + 2 * pad * columns;
    const double shrink = total > page.width() ? page.width() / total : 1.0;
    const double rowHeight = cells.height() + pad;
    painter.setPen(QPen(Qt::black, std::max(1.0, dpi / 300)));
    const auto drawRow = [&](const QStringList& texts, const QFont& f, const QColor& colour) {
        painter.setFont(f);
        double x = page.left();
        for (int c = 0; c < columns; ++c) {
            const double w = (widths[c] + 2 * pad) * shrink;
            const QRectF cell(x, y, w, rowHeight);
            painter.drawRect(cell);
            QRectF inside = cell.adjusted(pad * shrink, 0, -pad * shrink, 0);
            if (c == 0 && colour.isValid()) {
                const double side = swatch * shrink;
                const QRectF mark(inside.left(), cell.center().y() - side / 2, side, side);
                painter.fillRect(mark, colour);
                inside.setLeft(mark.right() + pad * shrink);
            }
            const QString text = c < texts.size() ? texts[c] : QString();
            painter.drawText(inside, Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight),
                             QFontMetricsF(f).elidedText(text, Qt::ElideRight, inside.width()));
            x += w;
        }
        y += rowHeight;
    };
    drawRow(content.headers, headFont, QColor());
    for (qsizetype r = 0; r < content.rows.size(); ++r)
        drawRow(content.rows[r], cellFont, r < content.colours.size() ? content.colours[r] : QColor());
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
