#include "template/pages/layout.h"

#include "template/pages/templateerror.h"
#include "template/pages/texts.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <optional>
#include <string_view>

namespace vintorp::cut {
namespace {

// The narrowest printable area: the 100 mm ruler and its square beside it.
constexpr double kNarrowestArea = 120;
// The lowest: header, footer and room for a tile with its label.
constexpr double kLowestArea = 100;

double labelHeight(const QStringList& lines)
{
    return lines.isEmpty() ? 0 : kLabelGap + kLabelLine * double(lines.size());
}

double labelWidth(const QStringList& lines, const TextWidth& width)
{
    double widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, width(line));
    return widest;
}

// Start and end of each tile along one side of a part.
std::vector<std::pair<double, double>> tileSpans(double length, double room)
{
    if (length <= room)
        return {{0, length}};
    const double step = room - kTileOverlap;
    const int count = int(std::ceil((length - kTileOverlap) / step - 1e-9));
    std::vector<std::pair<double, double>> spans;
    for (int i = 0; i < count; ++i)
        spans.emplace_back(i * step, std::min(length, i * step + room));
    return spans;
}

struct Shelf {
    int page;
    double top;
    double height;
    double used;
};

class Packer {
public:
    Packer(QSizeF room, bool paged, double gap) : room_(room), paged_(paged), gap_(gap) { }

    using Place = std::pair<int, QPointF>;  // the page, and the block's top-left corner

    // On a shelf or a page already open, when the block fits there.
    std::optional<Place> placeOpen(QSizeF size)
    {
        for (Shelf& shelf : shelves_) {
            const double x = shelf.used + gap_;
            if (size.height() <= shelf.height && x + size.width() <= room_.width()) {
                shelf.used = x + size.width();
                return Place{shelf.page, {x, shelf.top}};
            }
        }
        for (int page = 0; page < int(pageBottoms_.size()); ++page) {
            const double top = pageBottoms_[page] + gap_;
            if (!paged_ || top + size.height() <= room_.height())
                return open(page, top, size);
        }
        return std::nullopt;
    }

    Place placeOnNewPage(QSizeF size)
    {
        pageBottoms_.push_back(-gap_);
        return open(int(pageBottoms_.size()) - 1, 0, size);
    }

    int pages() const { return int(pageBottoms_.size()); }
    double bottom() const { return pageBottoms_.empty() ? 0 : pageBottoms_.back(); }

private:
    Place open(int page, double top, QSizeF size)
    {
        shelves_.push_back({page, top, size.height(), size.width()});
        pageBottoms_[page] = top + size.height();
        return {page, {0, top}};
    }

    QSizeF room_;
    bool paged_;
    double gap_;
    std::vector<Shelf> shelves_;
    std::vector<double> pageBottoms_;
};

// How the pieces may turn while they are packed.
enum class Turning {
    Never,
    IntoOpenRoom,  // a piece turns when only so it fits on a page already open
    Upright,  // every piece taller than wide turns, where it then fits
    LowestNewShelf,  // as IntoOpenRoom, and a new page starts with the lower way
};

struct Packing {
    std::vector<PlacedPiece> pieces;
    int pages = 0;
    double bottom = 0;
};

// A piece's block: the part (or its tile) and the label below it.
struct Block {
    PlacedPiece piece;
    double labelWidth = 0;
    QSizeF size(bool turned) const
    {
        const QSizeF part = turned ? piece.clip.size().transposed() : piece.clip.size();
        return {std::max(part.width(), labelWidth), part.height() + labelHeight(piece.label)};
    }
};

Packing pack(std::vector<Block> blocks, QSizeF room, bool paged, double gap, Turning turning)
{
    // Whether the part and the label's height fit a sheet; a label wider
    // than the sheet gets a shelf of its own and decides nothing.
    const auto fits = [&](const Block& b, bool turned) {
        const QSizeF part = turned ? b.piece.clip.size().transposed() : b.piece.clip.size();
        return !paged || (part.width() <= room.width() && b.size(turned).height() <= room.height());
    };
    const auto mayTurn = [&](const Block& b) { return turning != Turning::Never && !b.piece.tiled() && fits(b, true); };
    for (Block& b : blocks) {
        // A part that fits a sheet only turned is turned whatever the way of packing.
        const bool mustTurn = !b.piece.tiled() && !fits(b, false) && fits(b, true);
        b.piece.turned = mustTurn
                         || (turning == Turning::Upright && mayTurn(b) && b.piece.clip.height() > b.piece.clip.width());
    }
    // Tallest first.
    std::stable_sort(blocks.begin(), blocks.end(), [](const Block& a, const Block& b) {
        return a.size(a.piece.turned).height() > b.size(b.piece.turned).height();
    });
    Packer packer(room, paged, gap);
    Packing packing;
    for (Block& b : blocks) {
        PlacedPiece& piece = b.piece;
        const bool eitherWay = fits(b, false) && mayTurn(b);
        std::optional<Packer::Place> place = packer.placeOpen(b.size(piece.turned));
        if (!place && (turning == Turning::IntoOpenRoom || turning == Turning::LowestNewShelf) && eitherWay) {
            place = packer.placeOpen(b.size(!piece.turned));
            if (place)
                piece.turned = !piece.turned;
        }
        if (!place) {
            if (turning == Turning::LowestNewShelf && eitherWay)
                piece.turned = b.size(true).height() < b.size(false).height();
            place = packer.placeOnNewPage(b.size(piece.turned));
        }
        piece.page = place->first;
        piece.origin = place->second;
        packing.pieces.push_back(piece);
        if (paged && packer.pages() > kMaxSheets)
            break;
    }
    packing.pages = packer.pages();
    packing.bottom = packer.bottom();
    return packing;
}

}  // namespace

TemplateLayout layoutTemplate(const cut::CutSet& set, const PageSetup& setup, const TextWidth& width,
                              const PieceLabel& label)
{
    const Paging paging = setup.paging;
    const bool paged = paging != Paging::OneCanvas;
    const bool cutter = paging == Paging::CutterSheets;
    const QRectF& printable = setup.printable;
    TemplateLayout layout;
    layout.paper = setup.paper;
    layout.printable = printable;
    layout.paging = paging;
    // A cutter's sheet is all parts: no header, no footer.
    const double header = cutter ? 0 : kHeaderHeight, footer = cutter ? 0 : kFooterHeight;
    const double areaHeight = paged ? printable.height() - header - footer : 1e9;
    layout.area = QRectF(printable.left(), printable.top() + header, printable.width(), areaHeight);
    if (!cutter && (printable.width() < kNarrowestArea || (paged && printable.height() < kLowestArea)))
        throw TemplateError(TemplateErrorKind::AreaTooSmall,
                            {numberArgument(kNarrowestArea), numberArgument(kLowestArea)});
    // A cutter's sheet itself, its gap on its own, and what is left between the gaps.
    if (cutter) {
        const struct {
            std::string_view key;
            double value, low, high;
        } settings[] = {{"sheet_width", setup.paper.width(), kSmallestSheet, kLargestSheet},
                        {"sheet_height", setup.paper.height(), kSmallestSheet, kLargestSheet},
                        {"gap", setup.gap, 0, kMaxCutterGap}};
        for (const auto& s : settings) {
            if (!(s.value >= s.low && s.value <= s.high))
                throw TemplateError(settingOutOfRange(s.key, s.value, s.low, s.high, set.numbers.sep));
        }
    }
    if (cutter && !(printable.width() >= kTestSquare && printable.height() >= kTestSquare))
        throw TemplateError(TemplateErrorKind::NoRoomBetweenGaps, {numberArgument(kTestSquare)});

    // Every piece of every part with its label, tallest first.
    std::vector<PlacedPiece> pieces;
    for (int index = 0; index < int(set.parts.size()); ++index) {
        const cut::CutPart& part = set.parts[std::size_t(index)];
        PlacedPiece whole;
        whole.part = index;
        whole.clip = QRectF(0, 0, part.width, part.height);
        const double labelRoom = labelHeight(label(part, whole));
        const auto fitsAs = [&](double w, double h) { return w <= layout.area.width() && h + labelRoom <= areaHeight; };
        // Turned a quarter if only so it fits: see pack().
        const bool fits = !paged || fitsAs(part.width, part.height) || fitsAs(part.height, part.width);
        if (cutter && !fits)
            // A cutter's sheet is not glued together from pieces.
            throw TemplateError(TemplateErrorKind::PartTooLarge,
                                {millimetres(set, part.width).toStdString(),
                                 millimetres(set, part.height).toStdString(),
                                 millimetres(set, setup.paper.width()).toStdString(),
                                 millimetres(set, setup.paper.height()).toStdString()});
        if (fits || cutter) {
            whole.label = label(part, whole);
            pieces.push_back(whole);
            continue;
        }
        PlacedPiece probe = whole;
        probe.columns = probe.rows = 2;
        const double tileLabelRoom = labelHeight(label(part, probe));
        const auto columns = tileSpans(part.width, layout.area.width());
        const auto rows = tileSpans(part.height, areaHeight - tileLabelRoom);
        for (int r = 0; r < int(rows.size()); ++r) {
            for (int c = 0; c < int(columns.size()); ++c) {
                PlacedPiece tile = whole;
                tile.column = c;
                tile.row = r;
                tile.columns = int(columns.size());
                tile.rows = int(rows.size());
                const auto [x0, x1] = columns[std::size_t(c)];
                const auto [y0, y1] = rows[std::size_t(r)];
                tile.clip = QRectF(x0, y0, x1 - x0, y1 - y0);
                tile.label = label(part, tile);
                pieces.push_back(tile);
            }
        }
    }
    std::vector<Block> blocks;
    for (PlacedPiece& piece : pieces)
        blocks.push_back({piece, labelWidth(piece.label, width)});
    if (cutter) {
        // The 10 mm square for calibrating the cutter goes with the parts.
        PlacedPiece square;
        square.part = -1;
        square.clip = QRectF(0, 0, kTestSquare, kTestSquare);
        blocks.push_back({square, 0});
    }
    const double widest = std::accumulate(blocks.begin(), blocks.end(), layout.area.width(),
                                          [](double w, const Block& b) { return std::max(w, b.size(false).width()); });
    // On sheets the parts stay within the area: a block with a label wider
    // than that has a shelf to itself. The canvas is as wide as the widest,
    // and there nothing turns.
    const QSizeF room(paged ? layout.area.width() : widest, areaHeight);
    Packing best = pack(blocks, room, paged, setup.gap, Turning::Never);
    if (paged && best.pages > 1) {
        for (const Turning turning : {Turning::IntoOpenRoom, Turning::Upright, Turning::LowestNewShelf}) {
            Packing other = pack(blocks, room, paged, setup.gap, turning);
            if (other.pages < best.pages)
                best = std::move(other);
        }
    }
    if (paged && best.pages > kMaxSheets)
        throw TemplateError(TemplateErrorKind::TooManySheets, {std::to_string(kMaxSheets)});
    for (PlacedPiece& piece : best.pieces)
        piece.origin += layout.area.topLeft();
    layout.pageCount = best.pages;
    if (paging == Paging::Sheets) {
        double firstBottom = 0;
        for (const PlacedPiece& piece : best.pieces) {
            if (piece.page == 0)
                firstBottom = std::max(firstBottom, piece.origin.y() + piece.footprint().height()
                                                        + labelHeight(piece.label) - layout.area.top());
        }
        const double height = std::min(kAssemblyHeight, areaHeight);
        const double below = areaHeight - firstBottom - kPartGap;  // the room left under the parts
        if (below >= height - kAssemblySlack) {
            const double fitted = std::min(height, below);
            layout.assembly
                = {0, QRectF(layout.area.left(), layout.area.bottom() - fitted, layout.area.width(), fitted)};
        } else {
            layout.assembly = {layout.pageCount, QRectF(layout.area.topLeft(), QSizeF(layout.area.width(), height))};
            ++layout.pageCount;
        }
    }
    if (cutter) {
        // Each sheet a page, its top-left corner the origin.
        const auto square = std::find_if(best.pieces.begin(), best.pieces.end(),
                                         [](const PlacedPiece& p) { return p.part < 0; });
        layout.testSquare = QRectF(square->origin, square->clip.size());
        layout.testSquarePage = square->page;
        best.pieces.erase(square);
        layout.printable = layout.area = QRectF(QPointF(0, 0), layout.paper);
    }
    layout.pieces = std::move(best.pieces);
    if (!paged) {
        // One canvas that holds everything, with the ruler below the parts.
        layout.area.setWidth(widest);
        layout.area.setHeight(best.bottom);
        layout.printable.setSize(QSizeF(widest, kHeaderHeight + best.bottom + kPartGap + kFooterHeight));
        layout.paper = QSizeF(layout.printable.right() + printable.left(),
                              layout.printable.bottom() + printable.top());
    }
    return layout;
}

std::vector<QPointF> alignmentMarks(const PlacedPiece& piece)
{
    std::vector<QPointF> marks;
    if (!piece.tiled())
        return marks;
    const QRectF& clip = piece.clip;
    const auto across = [](double from, double length) {
        return std::array<double, 2>{from + length / 4, from + length * 3 / 4};
    };
    const double half = kTileOverlap / 2;
    // A seam lies in the overlap at the start of every tile but the first.
    if (piece.column > 0)
        for (double y : across(clip.top(), clip.height()))
            marks.emplace_back(clip.left() + half, y);
    if (piece.column + 1 < piece.columns)
        for (double y : across(clip.top(), clip.height()))
            marks.emplace_back(clip.right() - half, y);
    if (piece.row > 0)
        for (double x : across(clip.left(), clip.width()))
            marks.emplace_back(x, clip.top() + half);
    if (piece.row + 1 < piece.rows)
        for (double x : across(clip.left(), clip.width()))
            marks.emplace_back(x, clip.bottom() - half);
    return marks;
}

}  // namespace vintorp::cut
