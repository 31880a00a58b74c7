// The windings on one printed page: the title, the winding space, the table
// as it stands, the verdict, the copper's mass and the cross-section below them.
#pragma once

#include "windingsection.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

class QPainter;

namespace vintorp::ui {

struct WindingsPage {
    QString title;
    QString space;  // the winding space, one line
    QStringList headers;
    QList<QStringList> rows;  // the cells' texts as the table shows them
    QList<QColor> colours;  // each row's colour in the section
    QString factors;  // the bulge factor and margin, one line
    QString verdict;
    QString copper;  // the copper's total mass, one line; empty: none known
    SectionContent section;
};

// Paints the page into `page` (device pixels of the painter's device).
void paintWindingsPage(QPainter& painter, const QRectF& page, const WindingsPage& content);

}  // namespace vintorp::ui
