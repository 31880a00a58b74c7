// The input window: the core type, the core's sizes and the thicknesses,
// and the buttons that calculate and close.
//
// Names: the windows keep the names they were first designed under, a class
// T<object name>: TForm1 (object Form1) here and TForm4 (Form4) for the
// drawing; there never was a Form2 or Form3. The files are named for what
// they hold.
// Controls are named by role (ed_A, edMater, btShow, rgType, img_SHL) or keep
// their numbered default names (Button1, GroupBox2, Label16), gaps and all.
// The names stay because tests and callers find the controls by them.
//
// Flow of a calculation: btShow -> btShowClick -> calc::calculate through a
// BobbinView that reads this window's fields and writes the drawing window's
// (TForm4); rejections show a plain message, errors the general error report.
#pragma once

#include "calc/bobbin.h"
#include "windowplacement.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QKeyEvent;

namespace vintorp::ui {

class RadioGroup;
class VectorPicture;
class TForm4;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // The calculation writes into drawing, which must outlive this window.
    explicit TForm1(TForm4& drawing, QWidget* parent = nullptr);

    void btShowClick();
    void rgTypeClick();
    void Button1Click();

    // What Calculate reads: the text of an input field and the core type.
    QString inputText(calc::InputField field) const;
    int coreType() const;
    // As if typed or chosen; a calculation is not started.
    void setInputText(calc::InputField field, const QString& text);
    void setCoreType(int coreType);

signals:
    // A field's text or the core type changed.
    void inputsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    // The key filter for a key on its way to focus; returns true when the
    // key is consumed here.
    bool FormKeyPress(QWidget* focus, QKeyEvent* key);
    void buildControls();
    // Focus order: the core sizes, Calculate, the thicknesses, the core type, Close.
    void chainTabOrder();
    QLineEdit* edit(calc::InputField field) const;

    TForm4& drawing_;
    FirstShowCentring placement_;

    RadioGroup* rgType = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    VectorPicture* img_SHL = nullptr;
    VectorPicture* IMG_PL = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label16 = nullptr;
    QLineEdit* edMater = nullptr;
    QLabel* Label25 = nullptr;
    QLineEdit* edPLKrep = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* ed_A = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* ed_B = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* ed_C = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* ed_H = nullptr;
    QPushButton* btShow = nullptr;
    QPushButton* Button1 = nullptr;
};

}  // namespace vintorp::ui
