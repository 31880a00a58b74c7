// A read-only one-line field that never shows its number cut: when the text
// is wider than the field, it is drawn in a smaller pixel size, just small
// enough to show it whole. Texts that fit keep the field's own font.
#pragma once

#include <QFont>
#include <QLineEdit>

namespace vintorp::ui {

class FitLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FitLineEdit(const QFont& font, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitText();

    QFont baseFont_;
};

}  // namespace vintorp::ui
