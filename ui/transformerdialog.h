// «Из напряжений…»: the transformer worked out from its mains voltage and
// its secondaries' voltages and currents on the core the drawing was
// calculated for, built up on this bobbin (windings/transformer.h).
//
// A dialog of the windings window, not modal: the inputs on the left (the
// mains, the core's steel, the windings' wire and insulation, and one to
// eight secondaries, each a row of a name, a voltage under load and a
// current), the figures of the whole transformer beside them (turns per
// volt, the iron's section, the losses, the efficiency, the coil against the
// bobbin's depth) and below them a row per winding, worked again as the user
// types; or why there is none.
// «Заполнить таблицу» asks the window to fill its table with the result.
#pragma once

#include "windings/transformer.h"

#include <QDialog>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace vintorp::ui {

class SeparatorSpinBox;

// What the dialog opens with before the user types: the defaults of
// windings/transformer.h and one secondary, «II», 12 V at 1 A.
windings::TransformerInputs defaultTransformerInputs();

class TransformerDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TransformerDialog(QWidget* parent);

    // The inputs as the fields hold them, and as if typed (one to eight
    // secondaries are shown).
    windings::TransformerInputs inputs() const;
    void setInputs(const windings::TransformerInputs& inputs);
    // What the transformer is worked out on: the core as typed, the
    // bobbin's winding space (nothing: the drawing has no result) and the
    // windings window's margin and bulge.
    void setBobbin(const windings::Core& core, const std::optional<windings::Space>& space,
                   const windings::Factors& factors);
    // The last result; nothing while the drawing has none.
    const std::optional<windings::Transformer>& result() const { return result_; }

signals:
    // A field changed: the inputs and the result are new.
    void inputsChanged();
    // «Заполнить таблицу», with a result to fill it with.
    void fillRequested();

private:
    static constexpr std::size_t kRows = windings::kMaxSecondaries;
    struct SecondaryRow {
        QLabel* number = nullptr;
        QLineEdit* name = nullptr;
        SeparatorSpinBox* volts = nullptr;
        SeparatorSpinBox* amps = nullptr;
    };

    void buildControls();
    // A spin box for a decimal input that works the result again as it is typed.
    SeparatorSpinBox* makeBox(QWidget* parent, const char* name, double low, double high, int decimals,
                              double step, const QString& unit, const QString& spoken, const QString& tip);
    // The mains, the core's steel and the wire: two groups, one above the other.
    QWidget* buildInputs();
    QWidget* buildSecondaries();
    QWidget* buildFigures();
    QWidget* buildTable();
    void chainTabOrder();
    void setSecondaryCount(std::size_t count);
    void addSecondary();
    void removeSecondary();
    // The user changed a field.
    void typed();
    void recalculate();
    void showResult();
    void showWindings(const windings::Transformer& t);
    void showSummary(const windings::Transformer& t);
    void clearResult(const QString& why);

    windings::Core core_;
    std::optional<windings::Space> space_;
    windings::Factors factors_;
    std::optional<windings::Transformer> result_;
    windings::TransformerInputs resultInputs_;  // what result_ was worked out from
    std::size_t secondaries_ = 1;  // rows shown

    SeparatorSpinBox* seMains = nullptr;
    SeparatorSpinBox* seFrequency = nullptr;
    SeparatorSpinBox* seFlux = nullptr;
    SeparatorSpinBox* seStacking = nullptr;
    SeparatorSpinBox* seCoreLoss = nullptr;
    SeparatorSpinBox* seDensity = nullptr;
    QSpinBox* sbGrade = nullptr;
    SeparatorSpinBox* seWindingTemperature = nullptr;
    SeparatorSpinBox* seBetween = nullptr;
    SeparatorSpinBox* seOver = nullptr;
    std::array<SecondaryRow, kRows> rows_{};
    QPushButton* btAddSecondary = nullptr;
    QPushButton* btRemoveSecondary = nullptr;

    // The figures of the whole transformer, in the order shown.
    enum Summary : int {
        SumTurnsPerVolt,
        SumCoreArea,
        SumPrimaryCurrent,
        SumLoadPower,
        SumCopperLoss,
        SumCoreMass,
        SumCoreLoss,
        SumEfficiency,
        SumCoil,  // the coil's build against the bobbin's depth
        SummaryCount
    };
    // Shows `value` in a figure's label, and says it with the figure's name.
    void showFigure(Summary figure, const QString& value);

    std::array<QLabel*, SummaryCount> figures_{};
    std::array<QString, SummaryCount> figureNames_;
    QTableWidget* twTransformer = nullptr;
    // What the table's columns were last sized to: each column's longest
    // text in characters, and the header's texts (digits are all one width,
    // so the same lengths need no measuring again).
    QStringList sizedFor_;
    QLabel* lbFailure = nullptr;
    QLabel* lbHalves = nullptr;  // on a U-type core: the table takes half the turns
    QPushButton* btFillTable = nullptr;
    QPushButton* btClose = nullptr;
};

}  // namespace vintorp::ui
