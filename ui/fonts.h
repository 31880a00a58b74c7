// The window fonts. The windows ask for Tahoma and MS Sans Serif at 11 px;
// where those are missing, metric-close substitutes take their place so that
// every label still fits in front of its field. Which family stands in is
// settled once, the first time a font is asked for (after the application
// object is made).
#pragma once

#include <QFont>

class QApplication;
class QWidget;

namespace vintorp::ui {

// Tahoma, 11 pixels: the font of both windows and their fields.
QFont windowFont();

// MS Sans Serif, 11 pixels: the labels of the drawing window.
QFont labelFont(bool bold = false);

// Registers the substitutes and sets the application font; the windings
// window keeps the desktop's (desktopFont()).
void installFonts(QApplication& app);

// The desktop's font as it was before installFonts(), for `window` to set as
// its own (its controls take it from it); the application font where
// installFonts() was not called.
QFont desktopFont(const QWidget* window);

}  // namespace vintorp::ui
