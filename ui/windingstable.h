// The windings window's table: a table view whose columns, sized to their
// contents, are measured from the widths of the cells as they were when last
// measured. Qt measures every cell of such a column again whenever any cell
// changes, which at a thousand windings takes a keystroke 50 ms; here only
// the cells reported changed are measured again, and a text once measured in
// a column is not laid out again. A cell whose kRunsAcrossRole is true is
// measured as the first cell of a span to the row's end, whether or not the
// span is set yet.
#pragma once

#include <QHash>
#include <QTableView>

#include <vector>

namespace vintorp::ui {

class WindingsTable final : public QTableView {
    Q_OBJECT
public:
    explicit WindingsTable(QWidget* parent = nullptr) : QTableView(parent) { }

    void setModel(QAbstractItemModel* model) override;
    // As QTableView's (the delegate's widest cell, a span's first cell less
    // its other columns, plus the grid line), over every row.
    int sizeHintForColumn(int column) const override;
    // Every column as wide as its contents and header (the name's for a name
    // of a few words), and a few rows: in the table's font.
    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void forget(int firstRow, int lastRow, int firstColumn, int lastColumn);
    void forgetAll();

    std::vector<QMetaObject::Connection> watching_;
    struct Cell {
        int width = -1;  // -1: to be measured
        bool runsAcross = false;
    };
    // [column][row]
    mutable std::vector<std::vector<Cell>> cells_;
    // [column]: the width of each text measured in it.
    mutable std::vector<QHash<QString, int>> byText_;
};

}  // namespace vintorp::ui
