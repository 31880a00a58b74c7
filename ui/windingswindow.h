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
#include "windingsmodel.h"
#include "windingsprinter.h"

#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QTableView;

namespace vintorp::ui {

class SeparatorSpinBox;
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
    // The open design's file name in the title; empty: none.
    void setDesignName(const QString& name);

    void addWinding();
    void removeWinding();
    // Moves the current winding `by` rows up (negative) or down.
    void moveWinding(int by);
    void printWindings();

signals:
    // The table or a factor changed.
    void changed();
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

private:
    struct Verdict {
        QString text;
        bool good = false;  // the windings fit
    };

    void buildControls();  // windingscontrols.cpp
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

    QLabel* lbSpace = nullptr;
    QTableView* twWindings = nullptr;
    QPushButton* btAddWinding = nullptr;
    QPushButton* btRemoveWinding = nullptr;
    QPushButton* btWindingUp = nullptr;
    QPushButton* btWindingDown = nullptr;
    SeparatorSpinBox* seBulge = nullptr;
    SeparatorSpinBox* seMargin = nullptr;
    SeparatorSpinBox* seTemperature = nullptr;
    QLabel* lbVerdict = nullptr;
    QLabel* lbCopper = nullptr;  // the copper's total mass
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
