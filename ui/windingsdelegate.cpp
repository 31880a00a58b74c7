#include "windingsdelegate.h"

#include "contrast.h"
#include "windings/buildup.h"
#include "windingsrows.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace vintorp::ui {
namespace {

// The editor's property that keeps the cell's text from before the edit.
constexpr char kBefore[] = "textBeforeEdit";

}  // namespace

QWidget* WindingsDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setObjectName(QStringLiteral("cellEditor"));
        // Read as its column and its winding.
        QString winding = index.siblingAtColumn(ColName).data().toString();
        if (winding.isEmpty())
            winding = tr("обмотка %1").arg(index.row() + 1);
        line->setAccessibleName(
            tr("%1, %2").arg(index.model()->headerData(index.column(), Qt::Horizontal).toString(), winding));
        // A design keeps a name of up to so many characters.
        if (index.column() == ColName)
            line->setMaxLength(int(windings::kMaxName));
        auto* self = const_cast<WindingsDelegate*>(this);
        connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
    }
    return editor;
}

void WindingsDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (!editor->property(kBefore).isValid())
        editor->setProperty(kBefore, text);
    // The table writes the cell's marks while the user types in it: the text
    // is then the editor's own, and the cursor stays where it is.
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && line->text() == text)
        return;
    QStyledItemDelegate::setEditorData(editor, index);
}

bool WindingsDelegate::eventFilter(QObject* object, QEvent* event)
{
    // The table already holds what was typed: Escape writes the old text
    // back before the editor closes.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        if (auto* line = qobject_cast<QLineEdit*>(object); line && line->property(kBefore).isValid()) {
            line->setText(line->property(kBefore).toString());
            emit commitData(line);
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

void WindingsDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const bool hint = option->text.isEmpty();
    if (hint) {
        option->text = index.data(kShownWhenEmptyRole).toString();
        option->font.setItalic(true);
    }
    // A marked cell has its own colours.
    if (!index.data(Qt::ForegroundRole).isValid())
        makeCellTextReadable(option->palette, hint);
}

}  // namespace vintorp::ui
