// How the windings table edits its cells: every key typed reaches the table
// at once (so the results follow the typing), Escape puts back the text the
// cell had before, and an empty input cell shows, greyed, what it stands for
// (kShownWhenEmptyRole): the layer factor the wire takes by default, the
// outer diameter by the wire table, the default grade.
#pragma once

#include <QStyledItemDelegate>

namespace vintorp::ui {

class WindingsDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace vintorp::ui
