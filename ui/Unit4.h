// The drawing window: the bobbin drawing with fourteen read-only number
// fields on its dimension lines, the notes and the Print button.
#pragma once

#include "print/drawingprinter.h"
#include "windowplacement.h"

#include <QHash>
#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;

namespace vintorp::ui {

class VectorPicture;
class FitLineEdit;

class TForm4 : public QWidget {
    Q_OBJECT
public:
    // chooser: how btPrint asks for a printer; by default Qt's print dialog.
    explicit TForm4(std::unique_ptr<print::PrinterChooser> chooser = {}, QWidget* parent = nullptr);
    ~TForm4() override;

    // The text of a drawing field by its name; a name that is not one of the
    // fields is a programming error and throws std::out_of_range.
    void setFieldText(const QString& name, const QString& text);
    QString fieldText(const QString& name) const;

    // Shows the window (or brings it to the front) with the focus on btPrint.
    void showResults();

    void btPrintClick();

protected:
    void showEvent(QShowEvent* event) override;
    // Enter presses the button that has the focus, as in the input window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildFields();
    void buildLabels();
    FitLineEdit& field(const QString& name) const;

    FirstShowCentring placement_;
    print::DrawingPrinter printer_;
    VectorPicture* Image1 = nullptr;
    QHash<QString, FitLineEdit*> fields_;
    QPushButton* btPrint = nullptr;
};

}  // namespace vintorp::ui
