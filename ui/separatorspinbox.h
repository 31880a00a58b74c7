// A spin box for a decimal value that shows and reads the program's decimal
// separator (a point is read too), whatever the widget's locale says.
#pragma once

#include <QDoubleSpinBox>

namespace vintorp::ui {

class SeparatorSpinBox final : public QDoubleSpinBox {
    Q_OBJECT
public:
    using QDoubleSpinBox::QDoubleSpinBox;

protected:
    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    // The text without the prefix and the suffix.
    QString number(const QString& text) const;
};

}  // namespace vintorp::ui
