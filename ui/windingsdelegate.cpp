#include "windingsdelegate.h"

#include <QLineEdit>

namespace vintorp::ui {

QWidget* WindingsDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setObjectName(QStringLiteral("cellEditor"));
        auto* self = const_cast<WindingsDelegate*>(this);
        connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
    }
    return editor;
}

void WindingsDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // The table writes the cell's marks while the user types in it: the text
    // is then the editor's own, and the cursor stays where it is.
    if (auto* line = qobject_cast<QLineEdit*>(editor);
        line && line->text() == index.data(Qt::EditRole).toString())
        return;
    QStyledItemDelegate::setEditorData(editor, index);
}

void WindingsDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.column() == factorColumn_ && option->text.isEmpty()) {
        option->text = index.data(kDefaultFactorRole).toString();
        option->font.setItalic(true);
        option->palette.setColor(QPalette::Text, option->palette.color(QPalette::PlaceholderText));
    }
}

}  // namespace vintorp::ui
