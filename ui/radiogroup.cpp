#include "radiogroup.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace vintorp::ui {
namespace {
constexpr int kItemLeft = 8;
constexpr int kFirstItemTop = 17;
constexpr int kItemPitch = 21;
constexpr int kItemHeight = 19;
}  // namespace

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this))
{
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(QStringLiteral("item%1").arg(i));
        button->adjustSize();
        button->setGeometry(kItemLeft, kFirstItemTop + i * kItemPitch, button->width(), kItemHeight);
        buttons_->addButton(button, i);
    }
    connect(buttons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit itemIndexChanged(id);
    });
}

int RadioGroup::itemIndex() const
{
    return buttons_->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (index == itemIndex())
        return;
    if (QAbstractButton* button = buttons_->button(index)) {
        button->setChecked(true);
        return;
    }
    // No item: an exclusive group will not let its last button go.
    buttons_->setExclusive(false);
    if (QAbstractButton* checked = buttons_->checkedButton())
        checked->setChecked(false);
    buttons_->setExclusive(true);
    emit itemIndexChanged(-1);
}

}  // namespace vintorp::ui
