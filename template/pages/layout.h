// Where the template's parts go on the pages: packed onto as few sheets as
// the paper allows, each with a label below it; a part larger than a sheet is
// split into pieces that overlap so they can be glued together. All lengths
// are millimetres on the paper, y downwards.
#pragma once

#include "template/parts/cutparts.h"

#include <QRectF>
#include <QStringList>

#include <functional>
#include <vector>

namespace vintorp::cut {

inline constexpr double kPartGap = 3;  // between the blocks of part and label
inline constexpr double kTileOverlap = 10;
inline constexpr double kLabelEm = 2.5;  // font size of the labels, 7.1 pt
inline constexpr double kLabelLine = 3.1;  // line spacing of the labels
inline constexpr double kLabelGap = 1.5;  // from a part down to its label
inline constexpr double kHeaderHeight = 6;
inline constexpr double kFooterHeight = 17;
inline constexpr int kMaxSheets = 50;

// One piece of a part on a page: the whole part, or one tile of it.
struct PlacedPiece {
    int part = 0;  // index into CutSet::parts
    QRectF clip;  // what of the part's frame this piece shows
    int column = 0, row = 0, columns = 1, rows = 1;  // the tile, when split
    QStringList label;
    int page = 0;
    QPointF origin;  // where clip's top-left corner lies on the page
    // Turned a quarter clockwise on the page (whole parts only): the part's
    // left edge lies along the top. Parts turn only when that saves a sheet.
    bool turned = false;
    bool tiled() const { return columns * rows > 1; }
    // What the piece covers of the page, from origin.
    QSizeF footprint() const { return turned ? clip.size().transposed() : clip.size(); }
    // A point of the part's own frame on the page.
    QPointF onPage(QPointF p) const
    {
        return turned ? origin + QPointF(clip.height() - p.y(), p.x()) : origin + (p - clip.topLeft());
    }
};

enum class Paging {
    Sheets,  // pages of `paper`; parts larger than a page are tiled
    OneCanvas,  // one page as long as it needs to be, never tiled
    CutterSheets,  // sheets of material for a cutter: parts only, never tiled
};

// Where the parts may go: the paper, the area inside it that holds header,
// parts and ruler (a cutter's sheet: the parts only), how the pages run, and
// the room between parts.
struct PageSetup {
    QSizeF paper;
    QRectF printable;
    Paging paging = Paging::Sheets;
    double gap = kPartGap;
    bool labels = true;  // false: the parts without their labels (a cutter's sheets)
};

inline constexpr double kTestSquare = 10;  // mm, the cutter's calibration square
inline constexpr double kSmallestSheet = design::kSmallestSheet;  // mm, either side of a cutter's sheet
inline constexpr double kMaxCutterGap = design::kMaxCutterGap;  // mm
inline constexpr double kLargestSheet = design::kLargestSheet;  // mm, either side of a cutter's sheet

struct TemplateLayout {
    QSizeF paper;
    QRectF printable;  // header, parts and footer lie inside it
    QRectF area;  // where the parts go
    Paging paging = Paging::Sheets;
    int pageCount = 0;
    std::vector<PlacedPiece> pieces;
    // A cutter's sheets are pages of the sheet's size, each a file of its
    // own; the 10 mm calibration square goes on one of them.
    QRectF testSquare;
    int testSquarePage = 0;
    // On printed sheets: how the bobbin goes together, below the parts of the
    // first page when there is room, else on a page of its own at the end.
    struct {
        int page = -1;
        QRectF rect;
    } assembly;
};

inline constexpr double kAssemblyHeight = 92;  // mm
// How much lower the block may be to stay on the first page: it loses spare
// room between its views and its steps, not a sheet's worth of paper.
inline constexpr double kAssemblySlack = 4;  // mm

// The width of a label line, in millimetres at kLabelEm.
using TextWidth = std::function<double(const QString&)>;
// The label lines of a part, or of one tile of it.
using PieceLabel = std::function<QStringList(const cut::CutPart&, const PlacedPiece&)>;

// Throws TemplateError when the printable area cannot hold the header, the
// ruler and a part's label, or when the parts need more than kMaxSheets.
// On sheets, parts are turned a quarter when that takes fewer sheets.
TemplateLayout layoutTemplate(const cut::CutSet& set, const PageSetup& setup, const TextWidth& width,
                              const PieceLabel& label);

// Alignment mark centres shared by a tile and its neighbours, in the part's frame.
std::vector<QPointF> alignmentMarks(const PlacedPiece& piece);

}  // namespace vintorp::cut
