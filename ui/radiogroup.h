// A captioned frame of mutually exclusive items, addressed by item index:
// 0, 1, ... for the chosen item and -1 when no item is chosen.
#pragma once

#include <QGroupBox>

class QButtonGroup;

namespace vintorp::ui {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);

signals:
    // The chosen item changed, by the user or by setItemIndex.
    void itemIndexChanged(int index);

private:
    QButtonGroup* buttons_;
};

}  // namespace vintorp::ui
