// The windings as typed into the windings window's table, one row each, and
// their build-up on the bobbin: the model the table shows, the verdict, the
// section, the printout and the design file read.
//
// A row keeps the texts as typed (what the table shows and edits) and the
// winding read from them with the program's decimal separator; a cell that
// cannot be read, or whose value is out of its range, gives its reason as
// the cell's tool tip and a marked background. The results columns hold the
// last build-up. An edit reads its own row again and works the build-up
// anew (it takes microseconds at the largest table), then reports changed
// only the cells whose shown data changed.
#pragma once

#include "windings/buildup.h"
#include "windingsrows.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace vintorp::ui {

// The background of a cell that cannot be read, and of a verdict that does
// not fit: a light red under black text.
QColor faultBackground();

class WindingsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit WindingsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Takes the text of an input cell (Qt::EditRole) and works the build-up again.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // New windings hold no insulation ("0") and nothing else.
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;
    bool moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                  const QModelIndex& destinationParent, int destinationChild) override;

    // The winding space of the drawing's result; nothing: it has none.
    void setSpace(const std::optional<windings::Space>& space);
    const std::optional<windings::Space>& space() const { return space_; }
    void setFactors(const windings::Factors& factors);
    const windings::Factors& factors() const { return factors_; }
    // Replaces the windings and the factors, as if typed.
    void setWindings(const std::vector<windings::Winding>& windings, const windings::Factors& factors);

    // The windings as read from the texts, and their build-up.
    const std::vector<windings::Winding>& windings() const { return windings_; }
    const windings::BuildUp& result() const { return result_; }
    // Windings with a cell that cannot be read or a problem in the build-up.
    int faultyRows() const { return faultyRows_; }
    // Why the windings cannot be kept in a design: the first winding with a
    // cell that cannot be read or a value out of its range; empty when they can.
    QString unsavedReason() const;
    // The decimal separator of the last reading and of the results' texts.
    const QString& separator() const { return separator_; }

signals:
    // The build-up was worked again, after any change of a winding, the
    // space or the factors.
    void recalculated();

private:
    struct Row {
        RowTexts texts;
        RowTexts unread;  // per input column: why its text cannot be read
    };

    // Reads row `row`'s texts into its winding.
    void read(int row);
    // Reads every row again if the program's separator is no longer the one
    // they were read with; whether it did.
    bool readAgainIfSeparatorChanged();
    // Works the build-up again; the first and last rows whose results
    // changed (none: first > last).
    std::pair<int, int> work();
    // Reports the cells of rows first to last from column fromColumn on
    // changed (every cell: all), then the new build-up.
    void announce(int first, int last, bool all, int fromColumn = ColPerLayer);
    const windings::WindingBuild* build(int row) const;
    QString reason(int row, int column) const;
    QVariant resultData(int row, int column, int role) const;

    std::vector<Row> rows_;
    std::vector<windings::Winding> windings_;  // read from rows_, one each
    std::optional<windings::Space> space_;
    windings::Factors factors_;
    windings::BuildUp result_;
    int faultyRows_ = 0;
    QString separator_;
    QStringList headers_;
    QStringList headerTips_;
};

}  // namespace vintorp::ui
