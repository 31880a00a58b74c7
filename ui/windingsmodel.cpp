#include "windingsmodel.h"

#include "decimalseparator.h"
#include "windingsection.h"
#include "windingstext.h"

#include <QBrush>

#include <algorithm>

namespace vintorp::ui {
namespace {

const QColor kResultBackground{0xf2, 0xf2, 0xf2};

bool sameBuild(const windings::WindingBuild* a, const windings::WindingBuild* b)
{
    if (!a || !b)
        return a == b;
    return a->problem == b->problem && a->layerFactor == b->layerFactor && a->perLayer == b->perLayer
           && a->layers == b->layers && a->build == b->build && a->meanTurn == b->meanTurn
           && a->wireMetres == b->wireMetres && a->wire == b->wire && a->ohmsCold == b->ohmsCold
           && a->ohmsWarm == b->ohmsWarm && a->copperGrams == b->copperGrams;
}

// The outer diameter of a winding's wire by the table, when its copper and
// grade are in it.
std::optional<double> tableOuter(const windings::Winding& w)
{
    if (!w.copper)
        return std::nullopt;
    const windings::TableWire table = windings::outerDiameter(*w.copper, w.grade);
    return table.error ? std::nullopt : std::optional<double>(table.outer);
}

// Ohms and grams with about three significant digits.
QString resultText(double value, const QString& separator)
{
    return fixedText(value, value < 1 ? 3 : value < 100 ? 2 : 1, separator);
}

bool sameSpace(const windings::Space& a, const windings::Space& b)
{
    return a.thickness == b.thickness && a.length == b.length && a.depth == b.depth
           && a.tubeWidth == b.tubeWidth && a.tubeHeight == b.tubeHeight
           && a.windowInsideCheek == b.windowInsideCheek;
}

}  // namespace

QColor faultBackground()
{
    return {0xff, 0xc8, 0xc8};
}

WindingsModel::WindingsModel(QObject* parent)
    : QAbstractTableModel(parent), separator_(decimalSeparator()),
      headers_(columnHeaders(factors_.temperature)), headerTips_(columnToolTips())
{
}

int WindingsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int WindingsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const windings::WindingBuild* WindingsModel::build(int row) const
{
    return std::size_t(row) < result_.windings.size() ? &result_.windings[std::size_t(row)] : nullptr;
}

QString WindingsModel::reason(int row, int column) const
{
    if (const QString& unread = rows_[std::size_t(row)].unread[std::size_t(column)]; !unread.isEmpty())
        return unread;
    if (const windings::WindingBuild* b = build(row); b && b->problem) {
        CellFault fault = problemFault(*b->problem, separator_);
        if (fault.column == column)
            return std::move(fault.reason);
    }
    return {};
}

QVariant WindingsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    const int column = index.column();
    if (column >= kInputColumns)
        return resultData(row, column, role);
    switch (role) {
    case Qt::DisplayRole: {
        // A number typed with a point shows with the program's separator, as
        // the results do; the typed text itself stays as it is.
        const Row& r = rows_[std::size_t(row)];
        const QString& text = r.texts[std::size_t(column)];
        if (column == ColName || !r.unread[std::size_t(column)].isEmpty())
            return text;
        return QString(text).replace(QLatin1Char('.'), separator_);
    }
    case Qt::EditRole: return rows_[std::size_t(row)].texts[std::size_t(column)];
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
    case Qt::BackgroundRole:
    case Qt::ForegroundRole: {
        QString why = reason(row, column);
        if (why.isEmpty())
            return {};
        if (role == Qt::ToolTipRole)
            return why;
        // A reader speaks the description with the cell. Qt 6.4 has no
        // invalid-entry state to give it (QAccessible::State's bit is left
        // out, and its AT-SPI bridge maps none), so the word says it.
        if (role == Qt::AccessibleDescriptionRole)
            return tr("Ошибка: %1").arg(why);
        // Black on the light mark whatever the palette.
        return role == Qt::BackgroundRole ? QBrush(faultBackground()) : QBrush(Qt::black);
    }
    case Qt::TextAlignmentRole:
        return column == ColName ? QVariant() : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::DecorationRole:
        // The winding's colour in the section, beside its name.
        return column == ColName ? QVariant(windingColour(row)) : QVariant();
    case Qt::AccessibleTextRole: {
        // An empty cell is read as what it shows greyed.
        QString text = rows_[std::size_t(row)].texts[std::size_t(column)];
        return text.isEmpty() ? data(index, kShownWhenEmptyRole) : QVariant(text);
    }
    case kShownWhenEmptyRole: {
        const windings::Winding& w = windings_[std::size_t(row)];
        switch (column) {
        case ColLayerFactor: {
            const double wire = w.wire ? *w.wire : tableOuter(w).value_or(0);
            return wire >= windings::kMinWire && wire <= windings::kMaxWire
                       ? tr("%1 (авто)").arg(fixedText(windings::defaultLayerFactor(wire), 2, separator_))
                       : tr("авто");
        }
        case ColWire:
            if (const std::optional<double> outer = tableOuter(w); outer && !w.wire)
                return tr("%1 (по таблице)").arg(fixedText(*outer, 3, separator_));
            return {};
        case ColGrade: return QString::number(windings::kDefaultGrade);
        default: return {};
        }
    }
    default: return {};
    }
}

QVariant WindingsModel::resultData(int row, int column, int role) const
{
    const windings::WindingBuild* b = build(row);
    const bool problem = b && b->problem;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (!b)
            return QString();
        if (problem)  // said once, across the results
            return column == ColPerLayer ? problemText(*b->problem) : QString();
        switch (column) {
        case ColPerLayer: return QString::number(b->perLayer);
        case ColLayers: return QString::number(b->layers);
        case ColBuild: return fixedText(b->build, 2, separator_);
        case ColWireLength:
            return b->wireMetres ? fixedText(*b->wireMetres, 1, separator_) : QStringLiteral("—");
        case ColOhmsCold: return b->ohmsCold ? resultText(*b->ohmsCold, separator_) : QStringLiteral("—");
        case ColOhmsWarm: return b->ohmsWarm ? resultText(*b->ohmsWarm, separator_) : QStringLiteral("—");
        default: return b->copperGrams ? resultText(*b->copperGrams, separator_) : QStringLiteral("—");
        }
    case Qt::AccessibleDescriptionRole:
        return problem ? tr("Ошибка: %1").arg(problemFault(*b->problem, separator_).reason) : QVariant();
    case Qt::ToolTipRole:
        if (problem)
            return problemFault(*b->problem, separator_).reason;
        if (b && !b->wireMetres)
            return tr(
                "Длину провода можно будет посчитать, когда будут исправлены обмотки, намотанные под этой");
        if (b && column > ColWireLength && !b->copperGrams)
            return tr("Сопротивление и масса меди — когда задан диаметр меди");
        return {};
    case Qt::BackgroundRole: return QBrush(kResultBackground);
    case Qt::ForegroundRole: return QBrush(problem ? Qt::darkRed : Qt::black);
    case Qt::TextAlignmentRole: return int((problem ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    case kRunsAcrossRole: return problem && column == ColPerLayer;
    default: return {};
    }
}

bool WindingsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || index.column() >= kInputColumns
        || (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    const int row = index.row();
    QString& text = rows_[std::size_t(row)].texts[std::size_t(index.column())];
    const QString typed = value.toString();
    if (typed == text)
        return true;
    text = typed;
    const bool all = readAgainIfSeparatorChanged();
    read(row);
    const auto [first, last] = work();
    // The row's texts, its marks and its default layer factor.
    emit dataChanged(this->index(row, 0), this->index(row, kInputColumns - 1));
    announce(first, last, all);
    return true;
}

Qt::ItemFlags WindingsModel::flags(const QModelIndex& index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return index.column() < kInputColumns ? shown | Qt::ItemIsEditable : shown;
}

QVariant WindingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section >= 0 && section < ColumnCount) {
        if (role == Qt::DisplayRole)
            return headers_[section];
        if (role == Qt::ToolTipRole)
            return headerTips_[section];
    }
    return QAbstractTableModel::headerData(section, orientation, role);  // rows numbered from 1
}

bool WindingsModel::insertRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || row > rowCount() || count < 1)
        return false;
    const bool all = readAgainIfSeparatorChanged();
    beginInsertRows({}, row, row + count - 1);
    Row fresh;
    fresh.texts[ColBetween] = QStringLiteral("0");
    fresh.texts[ColOver] = QStringLiteral("0");
    rows_.insert(rows_.begin() + row, std::size_t(count), fresh);
    windings_.insert(windings_.begin() + row, std::size_t(count), windings::Winding{});
    for (int r = row; r < row + count; ++r)
        read(r);
    const auto [first, last] = work();
    endInsertRows();
    announce(first, last, all);
    return true;
}

bool WindingsModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount())
        return false;
    const bool all = readAgainIfSeparatorChanged();
    beginRemoveRows({}, row, row + count - 1);
    rows_.erase(rows_.begin() + row, rows_.begin() + row + count);
    windings_.erase(windings_.begin() + row, windings_.begin() + row + count);
    const auto [first, last] = work();
    endRemoveRows();
    announce(first, last, all);
    return true;
}

bool WindingsModel::moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                             const QModelIndex& destinationParent, int destinationChild)
{
    if (sourceParent.isValid() || destinationParent.isValid() || sourceRow < 0 || count < 1
        || sourceRow + count > rowCount() || destinationChild < 0 || destinationChild > rowCount()
        || !beginMoveRows({}, sourceRow, sourceRow + count - 1, {}, destinationChild))
        return false;
    const auto move = [&](auto& list) {
        const auto from = list.begin() + sourceRow;
        const auto to = from + count;
        if (destinationChild < sourceRow)
            std::rotate(list.begin() + destinationChild, from, to);
        else
            std::rotate(from, to, list.begin() + destinationChild);
    };
    move(rows_);
    move(windings_);
    const bool all = readAgainIfSeparatorChanged();
    const auto [first, last] = work();
    endMoveRows();
    announce(first, last, all);
    return true;
}

void WindingsModel::setSpace(const std::optional<windings::Space>& space)
{
    // A calculation writes the drawing's fields one by one: only the space
    // it ends with (or its loss) calls for the windings to be worked again.
    if (space.has_value() == space_.has_value() && (!space || sameSpace(*space, *space_)))
        return;
    space_ = space;
    const bool all = readAgainIfSeparatorChanged();
    const auto [first, last] = work();
    // A winding's marks follow its build: the problem of a wire wider than the room.
    announce(first, last, all, 0);
}

void WindingsModel::setFactors(const windings::Factors& factors)
{
    const bool warmer = factors.temperature != factors_.temperature;
    factors_ = factors;
    if (warmer) {
        headers_ = columnHeaders(factors_.temperature);
        emit headerDataChanged(Qt::Horizontal, ColOhmsWarm, ColOhmsWarm);
    }
    const bool all = readAgainIfSeparatorChanged();
    const auto [first, last] = work();
    announce(first, last, all, 0);
}

void WindingsModel::setWindings(const std::vector<windings::Winding>& windings,
                                const windings::Factors& factors)
{
    beginResetModel();
    separator_ = decimalSeparator();
    rows_.assign(windings.size(), Row{});
    windings_.assign(windings.size(), windings::Winding{});
    for (std::size_t r = 0; r < windings.size(); ++r) {
        const windings::Winding& w = windings[r];
        RowTexts& texts = rows_[r].texts;
        texts[ColName] = QString::fromStdString(w.name);
        texts[ColTurns] = QString::number(w.turns);
        texts[ColCopper] = w.copper ? plainText(*w.copper, separator_) : QString();
        texts[ColGrade] = w.grade == windings::kDefaultGrade ? QString() : QString::number(w.grade);
        texts[ColWire] = w.wire ? plainText(*w.wire, separator_) : QString();
        texts[ColBetween] = plainText(w.between, separator_);
        texts[ColOver] = plainText(w.over, separator_);
        texts[ColLayerFactor] = w.layerFactor ? plainText(*w.layerFactor, separator_) : QString();
        read(int(r));
    }
    factors_ = factors;
    headers_ = columnHeaders(factors_.temperature);
    work();
    endResetModel();
    emit recalculated();
}

QString WindingsModel::unsavedReason() const
{
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const RowTexts& unread = rows_[r].unread;
        const auto first
            = std::find_if(unread.cbegin(), unread.cend(), [](const QString& why) { return !why.isEmpty(); });
        QString why;
        if (first != unread.cend())
            why = *first;
        else if (const std::optional<windings::Problem> problem = windings::rangeProblem(windings_[r]))
            why = problemFault(*problem, separator_).reason;
        if (!why.isEmpty())
            return tr("обмотка %1: %2").arg(int(r) + 1).arg(why);
    }
    return {};
}

void WindingsModel::read(int row)
{
    Row& r = rows_[std::size_t(row)];
    ReadRow read = readRow(r.texts, separator_);
    r.unread = {};
    for (CellFault& fault : read.faults)
        r.unread[std::size_t(fault.column)] = std::move(fault.reason);
    windings_[std::size_t(row)] = std::move(read.winding);
}

bool WindingsModel::readAgainIfSeparatorChanged()
{
    QString separator = decimalSeparator();
    if (separator == separator_)
        return false;
    separator_ = std::move(separator);
    for (int r = 0; r < rowCount(); ++r)
        read(r);
    return true;
}

std::pair<int, int> WindingsModel::work()
{
    windings::BuildUp before = std::move(result_);
    result_ = space_ ? windings::buildUp(*space_, windings_, factors_) : windings::BuildUp{};
    faultyRows_ = 0;
    int first = rowCount();
    int last = -1;
    for (int r = 0; r < rowCount(); ++r) {
        const windings::WindingBuild* now = build(r);
        const RowTexts& unread = rows_[std::size_t(r)].unread;
        if ((now && now->problem)
            || std::any_of(unread.cbegin(), unread.cend(), [](const QString& why) { return !why.isEmpty(); }))
            ++faultyRows_;
        const windings::WindingBuild* was
            = std::size_t(r) < before.windings.size() ? &before.windings[std::size_t(r)] : nullptr;
        if (!sameBuild(was, now)) {
            first = std::min(first, r);
            last = r;
        }
    }
    return {first, last};
}

void WindingsModel::announce(int first, int last, bool all, int fromColumn)
{
    if (all && rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    else if (first <= last)
        emit dataChanged(index(first, fromColumn), index(last, ColumnCount - 1));
    emit recalculated();
}

}  // namespace vintorp::ui
