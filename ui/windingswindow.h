// The windings window: do the windings fit this bobbin? A table of the
// windings (name, turns, wire by its copper or its outer diameter,
// insulation, layer factor), the bulge factor, the margin at the cheeks and
// the working temperature; the build-up of each winding, the total
// against the window's depth and the verdict, recalculated as the user
// types; and the cross-section of the winding window to scale.
//
// The drawing window owns it and hands it the winding space of every new
// result (windings/space.h); the windings stay as they are. The windings,
// the factors and the build-up live in the table's model (windingsmodel.h),
// which reads the texts with the program's decimal separator (a point is
// read too); a cell that cannot be read, or whose value is out of its range,
// is marked with the reason, and every other winding still shows its
// results. The window shows the model and says what it holds; its controls
// are built in windingscontrols.cpp.
#pragma once

#include "print/printerchooser.h"
#include "print/sharedprinter.h"
#include "windings/buildup.h"
#include "windings/transformer.h"
#include "windingsmodel.h"
#include "windingsprinter.h"
#include "windowplacement.h"

#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QTableView;

namespace vintorp::ui {

class SeparatorSpinBox;
class TransformerDialog;
class WindingSection;
struct SectionContent;
struct WindingsPage;

class WindingsWindow final : public QWidget {
    Q_OBJECT
public:
    // printer: the run's one printer; chooser: how btPrintWindings asks for
    // it, by default Qt's print dialog.
    explicit WindingsWindow(print::SharedPrinter& printer, QWidget* parent = nullptr,
                            std::unique_ptr<print::PrinterChooser> chooser = {});
    ~WindingsWindow() override;

    // The winding space of the drawing's result; nothing: it has none.
    void setSpace(std::optional<windings::Space> space);
    void setPrinterChooser(std::unique_ptr<print::PrinterChooser> chooser);

    const windings::BuildUp& result() const { return model_->result(); }

    // The windings as read from the table, and the factors.
    const std::vector<windings::Winding>& windings() const { return model_->windings(); }
    const windings::Factors& factors() const { return model_->factors(); }
    // Why the table cannot be kept in a design: the first winding with a
    // cell that cannot be read or a value out of its range; empty when it can.
    QString unsavedReason() const { return model_->unsavedReason(); }
    // Replaces the table and the factors, as if typed.
    void setWindings(const std::vector<windings::Winding>& windings, const windings::Factors& factors);
    // The core the drawing's result was calculated for, as typed in the
    // input window: «Из напряжений…» works the transformer out on it.
    void setCore(const windings::Core& core);
    // What «Из напряжений…» works from, as typed there (or set here): what a
    // design keeps of it.
    const windings::TransformerInputs& transformerInputs() const { return transformerInputs_; }
    // As if typed into the dialog; the table stays as it is.
    void setTransformerInputs(const windings::TransformerInputs& inputs);
    // Opens «Из напряжений…» (or brings it to the front); it is not modal.
    void openFromVoltages();
    // The open design's file name in the title; empty: none.
    void setDesignName(const QString& name);

    void addWinding();
    void removeWinding();
    // Moves the current winding `by` rows up (negative) or down.
    void moveWinding(int by);
    void printWindings();

signals:
    // The table, a factor or the transformer's inputs changed.
    void changed();
    // The transformer's inputs changed (changed() follows).
    void transformerInputsChanged();
    // The design buttons; the program's design keeper answers them.
    void openRequested();
    void saveRequested();
    void saveAsRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter presses the button that has the focus, as in the other windows.
    void keyPressEvent(QKeyEvent* event) override;
    // The window it was opened from gets the focus back.
    void closeEvent(QCloseEvent* event) override;
    // The first time: sized to its font and contents within the screen, and
    // centred. Every time: the focus, shown, on the table, or on «Добавить»
    // while the table is empty.
    void showEvent(QShowEvent* event) override;

private:
    struct Verdict {
        QString text;
        bool good = false;  // the windings fit
    };

    void buildControls();  // windingscontrols.cpp
    // Replaces the table and the factors, as if typed, and selects the first cell.
    void replaceWindings(const std::vector<windings::Winding>& windings, const windings::Factors& factors);
    // Fills the table with the dialog's transformer and takes its working temperature.
    void fillFromTransformer();
    // The dialog follows the bobbin, the core and the factors.
    void updateTransformerDialog();
    // Shows what the model holds after it worked the build-up again.
    void showResult();
    // Spans the results of rows first to last whose winding has a problem
    // (its text goes across them), and only those.
    void spanProblems(int first, int last);
    void updateButtons();
    void selectCell(int row, int column);
    // Whether a cell of the table is being edited.
    bool editing() const;
    QString spaceText() const;
    // The factors as the boxes hold them, rounded to their places.
    windings::Factors boxFactors() const;
    // The windings' copper in all, if any winding's copper is known; empty if none.
    QString copperText() const;
    Verdict verdict() const;
    static QString wireNote();
    SectionContent sectionContent() const;
    WindingsPage page() const;

    WindingsModel* model_ = nullptr;  // owned by this window
    WindingsPrinter printer_;
    QString title_;  // without the mark of a changed design
    windings::Core core_;
    windings::TransformerInputs transformerInputs_;
    // The windings as the table read them when the transformer filled it;
    // nothing: it did not, or the windings were set since.
    std::optional<std::vector<windings::Winding>> filled_;
    TransformerDialog* transformerDialog_ = nullptr;  // a child, made on first use
    FirstShowCentring placement_;
    bool sized_ = false;

    QLabel* lbSpace = nullptr;
    QTableView* twWindings = nullptr;
    QPushButton* btAddWinding = nullptr;
    QPushButton* btRemoveWinding = nullptr;
    QPushButton* btWindingUp = nullptr;
    QPushButton* btWindingDown = nullptr;
    QPushButton* btFromVoltages = nullptr;
    SeparatorSpinBox* seBulge = nullptr;
    SeparatorSpinBox* seMargin = nullptr;
    SeparatorSpinBox* seTemperature = nullptr;
    QLabel* lbVerdict = nullptr;
    QLabel* lbCopper = nullptr;  // the copper's total mass
    QLabel* lbTransformerNote = nullptr;  // the table no longer is the transformer's
    QLabel* lbWireNote = nullptr;
    QPushButton* btModel = nullptr;
    QLabel* lbModel = nullptr;
    WindingSection* wsSection = nullptr;
    QPushButton* btPrintWindings = nullptr;
    QPushButton* btOpenDesign = nullptr;
    QPushButton* btSaveDesign = nullptr;
    QPushButton* btSaveDesignAs = nullptr;
};

}  // namespace vintorp::ui
