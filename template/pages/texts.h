// The words of the cut template: labels, page header, the note beside the
// ruler. Russian source texts in the translation context "CutTemplate"; its
// errors are worded by kind in lang/messages.cpp.
#pragma once

#include "template/parts/cutparts.h"
#include "template/pages/layout.h"

#include <QString>
#include <QStringList>

namespace vintorp::cut {

QString templateTitle();

// A length in millimetres with the set's decimal separator: "0,25".
QString millimetres(const cut::CutSet& set, double value);

// The label under a part or a piece of it: which part, how many to cut, its
// main sizes and the material thickness, and for a piece how to join it.
QStringList pieceLabel(const cut::CutSet& set, const cut::CutPart& part, const PlacedPiece& piece);

// "Шаблон каркаса … лист 1 из 2 …"
QString pageHeader(const cut::CutSet& set, int page, int pages);

// The two lines over the ruler: print at 100 % and check the ruler.
QStringList scaleNote();

// The assembly block: its title, the captions of its two views, and the
// steps, each one or more lines split by '\n'; the step that folds the tabs
// says how far they reach past the cheeks' edges, where they do.
QString assemblyTitle();
QString frontViewCaption();
QString sectionCaption();
QStringList assemblySteps(const cut::CutSet& set);

// The kerf the file's outlines allow for, and its units.
QString kerfNote(const cut::CutSet& set);

// Where a tile's neighbour lies, written at the seam: "лист 8 →".
enum class Side { Left, Right, Top, Bottom };
QString neighbourNote(Side side, int page);

// The legend's rows: cut lines, fold lines, reference lines, waste, the
// lead holes' drill, the tiles' alignment marks.
QStringList legendLines(const cut::CutSet& set);

}  // namespace vintorp::cut
