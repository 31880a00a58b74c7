// The window fonts. The windows ask for Tahoma and MS Sans Serif at 11 px;
// where those are missing, metric-close substitutes take their place so that
// every label still fits in front of its field. Which family stands in is
// settled once, the first time a font is asked for (after the application
// object is made).
#pragma once

#include <QFont>

class QApplication;

namespace vintorp::ui {

// Tahoma, 11 pixels: the font of both windows and their fields.
QFont windowFont();

// MS Sans Serif, 11 pixels: the labels of the drawing window.
QFont labelFont(bool bold = false);

// Registers the substitutes and sets the application font.
void installFonts(QApplication& app);

}  // namespace vintorp::ui
