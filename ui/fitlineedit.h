// A read-only one-line field that shows a text wider than itself in a
// smaller pixel size, just small enough to show it whole, down to a size
// that can still be read (8 px); a text too wide even then is clipped and
// shows from its start. Texts that fit keep the field's own font. A shrunk
// or clipped text is whole in the tooltip (and copies whole). Given what it
// measures, the tooltip says that, and the field reads to a screen reader as
// that and its value. Its room for the text is the same under every style:
// a style that polishes line edits with text margins of its own (Adwaita's
// 8 px on each side) has them taken off again.
#pragma once

#include <QFont>
#include <QLineEdit>

namespace vintorp::ui {

class FitLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FitLineEdit(const QFont& font, QWidget* parent = nullptr);

    // What the value measures: the tooltip, and the accessible name as
    // "meaning: text mm" (the tooltip too while the text is shrunk).
    void setMeaning(const QString& meaning);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitText();
    void nameForScreenReaders();

    QFont baseFont_;
    QString meaning_;
};

}  // namespace vintorp::ui
