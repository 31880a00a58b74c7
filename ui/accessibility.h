// What a screen reader says for the windows' controls that show no words of
// their own: the drawing's fields (what each measures), the input fields
// (the dimension each takes) and the pictures. In the interface language.
#pragma once

#include <QString>

namespace vintorp::ui {

// A drawing field as it is read, with what it measures
// (lang::drawingFieldMeaning): "overall width of the flange: 39,5 mm".
QString spokenDrawingField(const QString& meaning, const QString& value);

// The input window's fields, by object name ("ed_A" ... "edPLKrep"), and its
// pictures ("img_SHL", "IMG_PL"); empty for other names.
QString inputControlName(QStringView objectName);
// What the input fields take, in words: the unit.
QString inputFieldDescription();

// The drawing window's picture.
QString drawingPictureName();

// Makes the program's own windows (the input, drawing and windings windows)
// known to screen readers as windows, and its pictures as pictures: Qt
// presents a plain widget as a client area (AT-SPI's "filler"), which a
// reader announces as neither. Called once at start.
void presentWindowsAndPictures();

}  // namespace vintorp::ui
