// The template's lettering: one font for every writer, and the width of a
// label line, which the layout needs before anything is drawn.
#pragma once

#include <QFont>
#include <QString>

namespace vintorp::cut {

// Its family is looked up by the font system.
QFont templateFont();
// The same, as an SVG or CSS font list.
QString templateFontFamilies();

// The width of a line of label text at kLabelEm, in millimetres.
double labelTextWidth(const QString& text);
// The height of a capital letter of the labels, in millimetres.
double labelCapHeight();

}  // namespace vintorp::cut
