#include "windingstable.h"

#include "windingsrows.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace vintorp::ui {
namespace {

// A column's texts kept measured; more are forgotten and measured again.
constexpr qsizetype kTextsKept = 4096;

// What decides a cell's width within its column: the text it shows. The
// table's cells differ in no font, icon size or check of their own; an
// empty input cell shows what it stands for in italics.
QString shownKey(const QModelIndex& index)
{
    QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty())
        return text;
    const QString fallback = index.data(kShownWhenEmptyRole).toString();
    return fallback.isEmpty() ? QString() : QChar(u'\x1') + fallback;
}

}  // namespace

void WindingsTable::setModel(QAbstractItemModel* model)
{
    for (const QMetaObject::Connection& connection : watching_)
        disconnect(connection);
    watching_.clear();
    // Connected before the view's own: the widths are forgotten before the
    // view asks for them again.
    if (model) {
        const auto all = [this] { forgetAll(); };
        watching_ = {connect(model, &QAbstractItemModel::dataChanged, this,
                             [this](const QModelIndex& from, const QModelIndex& to) {
                                 forget(from.row(), to.row(), from.column(), to.column());
                             }),
                     connect(model, &QAbstractItemModel::rowsInserted, this, all),
                     connect(model, &QAbstractItemModel::rowsRemoved, this, all),
                     connect(model, &QAbstractItemModel::rowsMoved, this, all),
                     connect(model, &QAbstractItemModel::columnsInserted, this, all),
                     connect(model, &QAbstractItemModel::columnsRemoved, this, all),
                     connect(model, &QAbstractItemModel::columnsMoved, this, all),
                     connect(model, &QAbstractItemModel::layoutChanged, this, all),
                     connect(model, &QAbstractItemModel::modelReset, this, all)};
    }
    forgetAll();
    QTableView::setModel(model);
}

int WindingsTable::sizeHintForColumn(int column) const
{
    const QAbstractItemModel* m = model();
    if (!m || column < 0 || column >= m->columnCount())
        return -1;
    ensurePolished();
    const int rows = m->rowCount();
    const int columns = m->columnCount();
    if (cells_.size() != std::size_t(columns)) {
        cells_.assign(std::size_t(columns), {});
        byText_.assign(std::size_t(columns), {});
    }
    std::vector<Cell>& cells = cells_[std::size_t(column)];
    if (cells.size() != std::size_t(rows))
        cells.assign(std::size_t(rows), {});
    QHash<QString, int>& byText = byText_[std::size_t(column)];
    if (byText.size() > kTextsKept)
        byText.clear();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int others = 0;  // what the columns after this one take
    for (int c = column + 1; c < columns; ++c)
        others += columnWidth(c);
    int hint = 0;
    for (int row = 0; row < rows; ++row) {
        Cell& cell = cells[std::size_t(row)];
        if (cell.width < 0) {
            const QModelIndex index = m->index(row, column);
            const QString key = shownKey(index);
            auto known = byText.constFind(key);
            if (known == byText.constEnd())
                known = byText.insert(key, itemDelegateForIndex(index)->sizeHint(option, index).width());
            cell = {*known, index.data(kRunsAcrossRole).toBool()};
        }
        // As in QTableView, a span gives its first column only what its
        // other columns leave.
        hint = std::max(hint, cell.runsAcross ? cell.width - others : cell.width);
    }
    return showGrid() ? hint + 1 : hint;
}

QSize WindingsTable::sizeHint() const
{
    constexpr int kRowsShown = 8;
    constexpr int kNameCharacters = 20;
    const QHeaderView* header = horizontalHeader();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    int width = 2 * frameWidth() + verticalHeader()->sizeHint().width() + scrollBar;
    for (int c = 0; c < header->count(); ++c) {
        int column = std::max(sizeHintForColumn(c), header->sectionSizeHint(c));
        if (c == ColName)
            column = std::max(column, fontMetrics().averageCharWidth() * kNameCharacters);
        width += column;
    }
    const int height = 2 * frameWidth() + header->sizeHint().height()
                       + kRowsShown * verticalHeader()->defaultSectionSize() + scrollBar;
    return {width, height};
}

void WindingsTable::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        byText_.clear();
        forgetAll();
    }
    QTableView::changeEvent(event);
}

void WindingsTable::forget(int firstRow, int lastRow, int firstColumn, int lastColumn)
{
    for (int column = std::max(firstColumn, 0); column <= lastColumn && std::size_t(column) < cells_.size();
         ++column) {
        std::vector<Cell>& cells = cells_[std::size_t(column)];
        for (int row = std::max(firstRow, 0); row <= lastRow && std::size_t(row) < cells.size(); ++row)
            cells[std::size_t(row)].width = -1;
    }
}

void WindingsTable::forgetAll()
{
    for (std::vector<Cell>& cells : cells_)
        std::fill(cells.begin(), cells.end(), Cell{});
}

}  // namespace vintorp::ui
