// How the windings table edits its cells: every key typed reaches the table
// at once (so the results follow the typing), Escape puts back the text the
// cell had before, and an empty layer factor shows, greyed, the factor the
// wire takes by default.
#pragma once

#include <QStyledItemDelegate>

namespace vintorp::ui {

class WindingsDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit WindingsDelegate(int factorColumn, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), factorColumn_(factorColumn)
    {
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    int factorColumn_;
};

}  // namespace vintorp::ui
