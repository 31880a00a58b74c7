// The drawing window: the bobbin drawing with fourteen read-only number
// fields on its dimension lines, the notes, the Print button, the cut
// template's button and the windings window's button.
//
// Names (see inputwindow.h for the windows'): the fields keep their numbered names
// Edit2 ... Edit16, with no Edit1 or Edit13, because Calculate, the batch
// tool's output and the tests find them by these names; what each one
// measures is in calc/drawingfields.h. Image1 is the drawing, btPrint the
// Print button, Label1 ... Label7 the texts.
//
// The window is made at start-up but stays hidden until the first
// calculation, so its controls are made only when it is first polished: on
// its first showing, or when a field is first set or read (ensurePolished()
// makes them too). The window owns the run's one printer, which the Print
// button, the template and the windings window share; it is made on the
// first print. The windings window is made when btWindings first opens it,
// and follows every new result from then on.
#pragma once

#include "print/printerchooser.h"
#include "print/sharedprinter.h"
#include "template/command/templatecommand.h"
#include "windings/transformer.h"
#include "windowplacement.h"

#include <QHash>
#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;

namespace vintorp::print {
class DrawingPrinter;
}

namespace vintorp::ui {

class VectorPicture;
class FitLineEdit;
class WindingsWindow;

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

    // What btPrint puts on the page: the full client width above the strip
    // that holds the notes and the Print button.
    QRect pictureArea() const;

    void btPrintClick();
    // The cut template of the values shown, for the core type calculated last.
    void btTemplateClick();
    void setCoreType(int coreType)
    {
        coreType_ = coreType;
        if (btTemplate)
            updateTemplateButton();
    }
    // The core the values shown were calculated for, as typed in the input
    // window; the windings window, if open, gets it (its transformer is
    // worked out on it).
    void setCore(const windings::Core& core);
    // How btTemplate asks the user; by default the program's dialogs.
    void setTemplateDialogs(std::unique_ptr<cut::TemplateDialogs> dialogs);
    // Opens the windings window (or brings it to the front) for the values
    // shown; it is not modal.
    void btWindingsClick();
    // The windings window once btWindings has opened it; else null.
    WindingsWindow* windingsWindow() const { return windings_; }
    // The windings window, made now if it was not, but not shown.
    WindingsWindow& makeWindingsWindow();

    // What the template's dialog opens with.
    const design::TemplateSettings& templateSettings() const { return template_.settings(); }
    void setTemplateSettings(const design::TemplateSettings& settings);

signals:
    void windingsWindowMade(WindingsWindow& window);
    // The user changed a setting in the template's dialog.
    void templateSettingsChanged();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Enter presses the button that has the focus, as in the input window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void buildFields();
    void buildLabels();
    // btTemplate is enabled while every field holds a value other than "0"
    // and the values make the parts; else lbTemplateNote and the button's
    // tool tip say why not.
    void updateTemplateButton();
    // Shows the reason the template cannot be made, whole.
    void showTemplateNote();
    // Whether every field holds a value other than "0".
    bool holdsResult() const;
    // btWindings is enabled while the fields hold a result; the windings
    // window, if open, gets the winding space of the values shown.
    void updateWindings();
    // The fields' texts, read with the decimal separator in force.
    calc::DrawingNumbers drawingNumbers() const;
    FitLineEdit& field(const QString& name) const;

    FirstShowCentring placement_;
    print::SharedPrinter printer_;  // before the two commands that print on it
    std::unique_ptr<print::DrawingPrinter> drawingPrinter_;
    VectorPicture* Image1 = nullptr;
    QHash<QString, FitLineEdit*> fields_;
    QPushButton* btPrint = nullptr;
    QPushButton* btTemplate = nullptr;
    QPushButton* btWindings = nullptr;
    WindingsWindow* windings_ = nullptr;  // a child window, made on first use
    QLabel* lbTemplateNote = nullptr;
    cut::TemplateCommand template_{printer_};
    int coreType_ = 0;
    windings::Core core_;
};

}  // namespace vintorp::ui
