// A window laid out like the drawing window, for the print tests and the
// benchmark: a coloured drawing child overlapping the client edges, the
// fourteen read-only fields of the drawing's field table with known texts,
// the labels, the notes and a Print button.
#pragma once

#include "calc/drawingfields.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

namespace vintorp::print::testing {

QString fieldName(const calc::DrawingField& field);

// What the stand-in's field shows: its number ("Edit7" shows 7), with ",5"
// where the field is as wide as most, so every text differs and fits.
QString standInText(const calc::DrawingField& field);

// The field's rectangle in the window.
QRect fieldRect(const calc::DrawingField& field);

inline constexpr const char* kUnitsNote = "Все размеры в мм.";
// The start of the thickness line; its end runs on under the thickness field.
inline constexpr const char* kThicknessLabel = "Толщина";
inline constexpr const char* kNotesTitle = "Примечание:";
inline constexpr const char* kPrintCaption = "Печать";

// Fill colour of the drawing child; it covers the client area from (-1, -2)
// to (458, 406), so any part of it outside the picture area shows.
inline const QColor kDrawingFill{170, 200, 255};

class StandInWindow : public QWidget {
public:
    StandInWindow();

    // What the print command is handed: the client area above the notes strip.
    static constexpr QRect kPictureArea{0, 0, 457, 400};

    // Called at the start of every paint of the drawing child.
    std::function<void()> onDrawingPaint;
};

}  // namespace vintorp::print::testing
