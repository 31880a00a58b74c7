#include "transformerdialog.h"

#include "decimalseparator.h"
#include "separatorspinbox.h"
#include "transformerwords.h"
#include "windingsrows.h"
#include "windingstext.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vintorp::ui {
namespace {

// The columns of the results' table, a row per winding.
enum ResultColumn : int {
    ResVolts,
    ResTurns,
    ResPerBobbin,  // shown on a U-type core only
    ResCopper,
    ResWire,
    ResAmps,
    ResDensity,
    ResOhmsCold,
    ResOhmsWarm,
    ResWireLength,
    ResCopperGrams,
    ResNoLoad,  // a secondary's
    ResRegulation,  // a secondary's
    ResultColumns
};

// The secondaries' names as added: II, III, … IX.
QString romanName(std::size_t secondary)
{
    static const char* const names[] = {"II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
    return QString::fromLatin1(names[std::min(secondary, std::size(names) - 1)]);
}

// Ohms with about three significant digits, as the windings table shows them.
QString ohmsText(double value, const QString& separator)
{
    return fixedText(value, value < 1 ? 3 : value < 100 ? 2 : 1, separator);
}

QLabel* makeFigure(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

windings::TransformerInputs defaultTransformerInputs()
{
    windings::TransformerInputs inputs;
    inputs.secondaries.push_back({"II", 12, 1});
    return inputs;
}

TransformerDialog::TransformerDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgFromVoltages"));
    setWindowTitle(tr("Трансформатор из напряжений"));
    buildControls();
    setInputs(defaultTransformerInputs());
}

void TransformerDialog::buildControls()
{
    auto* top = new QHBoxLayout;
    top->addWidget(buildInputs());
    top->addWidget(buildSecondaries(), 1);
    top->addWidget(buildFigures());

    auto* note
        = new QLabel(tr("Ток холостого хода не учитывается: ток первичной обмотки — только ток нагрузки, "
                        "приведённый к ней."),
                     this);
    note->setObjectName(QStringLiteral("lbNoLoadNote"));
    note->setWordWrap(true);

    btFillTable = new QPushButton(tr("Заполнить т&аблицу"), this);
    btFillTable->setObjectName(QStringLiteral("btFillTable"));
    btFillTable->setToolTip(tr("Записать обмотки в таблицу окна обмоток (первичная «I», затем вторичные) и "
                               "поставить в нём рабочую температуру θ"));
    btFillTable->setDefault(true);
    btClose = new QPushButton(tr("Закрыть"), this);
    btClose->setObjectName(QStringLiteral("btCloseFromVoltages"));
    btClose->setToolTip(tr("Закрыть (Esc); введённое остаётся до следующего открытия"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(btFillTable, QDialogButtonBox::ApplyRole);
    buttons->addButton(btClose, QDialogButtonBox::RejectRole);
    connect(btFillTable, &QPushButton::clicked, this, [this] {
        if (result_ && !result_->failure)
            emit fillRequested();
    });
    connect(btClose, &QPushButton::clicked, this, &QDialog::reject);

    lbFailure = new QLabel(this);
    lbFailure->setObjectName(QStringLiteral("lbTransformerFailure"));
    lbFailure->setWordWrap(true);
    lbFailure->setTextFormat(Qt::PlainText);
    QFont bold = lbFailure->font();
    bold.setBold(true);
    lbFailure->setFont(bold);
    lbHalves = new QLabel(tr("Сердечник ПЛ (П): две катушки, на каждой половина витков каждой обмотки; "
                             "в таблицу окна идёт N/2."),
                          this);
    lbHalves->setObjectName(QStringLiteral("lbHalves"));
    lbHalves->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lbFailure);
    layout->addWidget(buildTable(), 1);
    layout->addWidget(lbHalves);
    layout->addWidget(note);
    layout->addWidget(buttons);
    chainTabOrder();
}

SeparatorSpinBox* TransformerDialog::makeBox(QWidget* parent, const char* name, double low, double high,
                                             int decimals, double step, const QString& unit,
                                             const QString& spoken, const QString& tip)
{
    auto* box = new SeparatorSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(decimals);
    box->setRange(low, high);
    box->setSingleStep(step);
    box->setSuffix(unit);
    box->setKeyboardTracking(true);
    box->setAccessibleName(spoken);
    box->setToolTip(tr("%1, %2").arg(tip, rangeText(low, high, unit, decimalSeparator())));
    connect(box, &QDoubleSpinBox::valueChanged, this, &TransformerDialog::typed);
    return box;
}

QWidget* TransformerDialog::buildInputs()
{
    auto* panel = new QWidget(this);
    const QString sep = decimalSeparator();
    const auto box = [&](const char* name, double low, double high, int decimals, double step,
                         const QString& unit, const QString& spoken, const QString& tip) {
        return makeBox(panel, name, low, high, decimals, step, unit, spoken, tip);
    };
    namespace w = windings;
    seMains = box("seMains", w::kMinMains, w::kMaxMains, 1, 1, tr(" В"), tr("Напряжение сети U₁"),
                  tr("Действующее напряжение сети на первичной обмотке"));
    seFrequency = box("seFrequency", w::kMinFrequency, w::kMaxFrequency, 1, 10, tr(" Гц"),
                      tr("Частота сети f"), tr("Частота сети"));
    seFlux = box("seFlux", w::kMinFlux, w::kMaxFlux, 2, 0.05, tr(" Тл"), tr("Индукция B"),
                 tr("Амплитуда магнитной индукции в стали: 1,2–1,4 Тл для обычной трансформаторной стали"));
    seStacking = box("seStacking", w::kMinStacking, w::kMaxStacking, 2, 0.01, {},
                     tr("Коэффициент заполнения стали kₛ"),
                     tr("Доля стали в наборе пластин (остальное — изоляция и зазоры)"));
    seCoreLoss
        = box("seCoreLoss", w::kMinCoreLoss, w::kMaxCoreLoss, 2, 0.1, tr(" Вт/кг"),
              tr("Удельные потери в стали p"), tr("Потери на килограмм стали при этих индукции и частоте"));
    seDensity = box("seDensity", w::kMinDensity, w::kMaxDensity, 2, 0.5, tr(" А/мм²"), tr("Плотность тока j"),
                    tr("Допустимая плотность тока в меди: из неё выбирается провод"));
    sbGrade = new QSpinBox(panel);
    sbGrade->setObjectName(QStringLiteral("sbGrade"));
    sbGrade->setRange(w::kMinGrade, w::kMaxGrade);
    sbGrade->setAccessibleName(tr("Класс изоляции провода"));
    sbGrade->setToolTip(tr("Класс изоляции эмалированного провода по IEC 60317, %1")
                            .arg(rangeText(w::kMinGrade, w::kMaxGrade, {}, sep)));
    connect(sbGrade, &QSpinBox::valueChanged, this, &TransformerDialog::typed);
    seWindingTemperature
        = box("seWindingTemperature", w::kMinTemperature, w::kMaxTemperature, 0, 5, tr(" °C"),
              tr("Рабочая температура обмоток θ"), tr("Температура обмоток в работе, для их сопротивления"));
    seBetween = box("seBetween", 0, w::kMaxInsulation, 2, 0.01, tr(" мм"), tr("Изоляция между слоями t"),
                    tr("Толщина изоляции между слоями каждой обмотки"));
    seOver = box("seOver", 0, w::kMaxInsulation, 2, 0.05, tr(" мм"), tr("Изоляция поверх обмотки u"),
                 tr("Толщина изоляции поверх каждой обмотки"));

    auto* mains = new QGroupBox(tr("Сеть и сердечник"), panel);
    auto* mainsForm = new QFormLayout(mains);
    mainsForm->addRow(tr("&Напряжение сети U₁:"), seMains);
    mainsForm->addRow(tr("&Частота f:"), seFrequency);
    mainsForm->addRow(tr("&Индукция B:"), seFlux);
    mainsForm->addRow(tr("Коэффициент &заполнения kₛ:"), seStacking);
    mainsForm->addRow(tr("&Удельные потери p:"), seCoreLoss);
    auto* wire = new QGroupBox(tr("Провод и изоляция"), panel);
    auto* wireForm = new QFormLayout(wire);
    wireForm->addRow(tr("&Плотность тока j:"), seDensity);
    wireForm->addRow(tr("&Класс изоляции:"), sbGrade);
    wireForm->addRow(tr("Рабочая &температура θ:"), seWindingTemperature);
    wireForm->addRow(tr("Изоляция между &слоями t:"), seBetween);
    wireForm->addRow(tr("Изоляция п&оверх обмотки u:"), seOver);
    // One column of fields down both groups: each group's labels as wide as
    // the widest of either.
    int labelWidth = 0;
    for (const QFormLayout* form : {mainsForm, wireForm})
        for (int row = 0; row < form->rowCount(); ++row)
            labelWidth = std::max(labelWidth, form->itemAt(row, QFormLayout::LabelRole)->sizeHint().width());
    for (const QFormLayout* form : {mainsForm, wireForm})
        for (int row = 0; row < form->rowCount(); ++row)
            form->itemAt(row, QFormLayout::LabelRole)->widget()->setMinimumWidth(labelWidth);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins({});
    layout->addWidget(mains);
    layout->addWidget(wire);
    layout->addStretch();
    return panel;
}

QWidget* TransformerDialog::buildSecondaries()
{
    namespace w = windings;
    auto* secondaries = new QGroupBox(tr("Вторичные обмотки"), this);
    auto* grid = new QGridLayout(secondaries);
    const QString headers[] = {tr("№"), tr("Название"), tr("Под нагрузкой"), tr("Ток")};
    for (int c = 0; c < int(std::size(headers)); ++c)
        grid->addWidget(new QLabel(headers[c], secondaries), 0, c);
    for (std::size_t i = 0; i < kRows; ++i) {
        SecondaryRow& row = rows_[i];
        const QString n = QString::number(i + 1);
        const int r = int(i) + 1;
        row.number = new QLabel(n, secondaries);
        row.name = new QLineEdit(secondaries);
        row.name->setObjectName(QStringLiteral("edSecondaryName") + n);
        row.name->setMaxLength(int(w::kMaxName));
        row.name->setAccessibleName(tr("Вторичная обмотка %1: название").arg(n));
        row.name->setToolTip(tr("Название обмотки, как оно встанет в таблицу"));
        connect(row.name, &QLineEdit::textEdited, this, &TransformerDialog::typed);
        row.volts = makeBox(secondaries, "", w::kMinVolts, w::kMaxVolts, 2, 1, tr(" В"),
                            tr("Вторичная обмотка %1: напряжение под нагрузкой").arg(n),
                            tr("Напряжение обмотки под нагрузкой током, заданным справа"));
        row.volts->setObjectName(QStringLiteral("seSecondaryVolts") + n);
        row.amps = makeBox(secondaries, "", w::kMinAmps, w::kMaxAmps, 2, 0.1, tr(" А"),
                           tr("Вторичная обмотка %1: ток").arg(n), tr("Ток нагрузки обмотки (действующий)"));
        row.amps->setObjectName(QStringLiteral("seSecondaryAmps") + n);
        grid->addWidget(row.number, r, 0);
        grid->addWidget(row.name, r, 1);
        grid->addWidget(row.volts, r, 2);
        grid->addWidget(row.amps, r, 3);
    }
    grid->setColumnStretch(1, 1);
    btAddSecondary = new QPushButton(tr("&Добавить"), secondaries);
    btAddSecondary->setObjectName(QStringLiteral("btAddSecondary"));
    btAddSecondary->setToolTip(tr("Добавить вторичную обмотку (до %1)").arg(kRows));
    btRemoveSecondary = new QPushButton(tr("Уда&лить последнюю"), secondaries);
    btRemoveSecondary->setObjectName(QStringLiteral("btRemoveSecondary"));
    btRemoveSecondary->setToolTip(tr("Удалить последнюю вторичную обмотку"));
    for (QPushButton* button : {btAddSecondary, btRemoveSecondary})
        button->setAutoDefault(false);
    connect(btAddSecondary, &QPushButton::clicked, this, &TransformerDialog::addSecondary);
    connect(btRemoveSecondary, &QPushButton::clicked, this, &TransformerDialog::removeSecondary);
    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(btAddSecondary);
    rowButtons->addWidget(btRemoveSecondary);
    rowButtons->addStretch();
    grid->addLayout(rowButtons, int(kRows) + 1, 0, 1, 4);

    grid->setRowStretch(int(kRows) + 2, 1);
    return secondaries;
}

QWidget* TransformerDialog::buildFigures()
{
    auto* group = new QGroupBox(tr("Результат"), this);
    figureNames_ = {tr("Витков на вольт w"),    tr("Сечение стали S"), tr("Ток первичной обмотки I₁"),
                    tr("Мощность нагрузки P₂"), tr("Потери в меди"),   tr("Масса сердечника"),
                    tr("Потери в стали"),       tr("КПД η"),           tr("Катушка")};
    const char* const names[]
        = {"lbTurnsPerVolt", "lbCoreArea", "lbPrimaryCurrent", "lbLoadPower", "lbCopperLoss",
           "lbCoreMass",     "lbCoreLoss", "lbEfficiency",     "lbCoil"};
    const QString tips[]
        = {tr("w = 10⁶ / (4,44·f·B·S): витков на вольт"),
           tr("S = A·B·kₛ, A и B — как введены в главном окне"),
           tr("I₁ = Σ Iᵢ·Nᵢ / N₁, без тока холостого хода"),
           tr("P₂ = Σ Uᵢ·Iᵢ"),
           tr("P = I₁²·R₁ + Σ Iᵢ²·Rᵢ, сопротивления при рабочей температуре θ"),
           tr("m = 7,65 г/см³ · объём сердечника · kₛ"),
           tr("P = p·m"),
           tr("η = P₂ / (P₂ + потери в меди + потери в стали)"),
           tr("Толщина катушки со вспучиванием против глубины окна каркаса: помещается ли она")};
    auto* form = new QFormLayout(group);
    // As wide as the coil's longest line, whatever the result.
    const int valueWidth = QFontMetrics(font()).horizontalAdvance(
        tr("%1 мм из %2 мм (%3 %)")
            .arg(QStringLiteral("99,99"), QStringLiteral("99,99"), QStringLiteral("999,9")));
    for (int f = 0; f < SummaryCount; ++f) {
        figures_[f] = makeFigure(names[f], group);
        figures_[f]->setToolTip(tips[f]);
        figures_[f]->setMinimumWidth(valueWidth);
        auto* label = new QLabel(figureNames_[f] + u':', group);
        label->setToolTip(tips[f]);
        form->addRow(label, figures_[f]);
    }
    return group;
}

QWidget* TransformerDialog::buildTable()
{
    twTransformer = new QTableWidget(0, ResultColumns, this);
    twTransformer->setObjectName(QStringLiteral("twTransformer"));
    twTransformer->setAccessibleName(tr("Обмотки трансформатора"));
    twTransformer->setEditTriggers(QAbstractItemView::NoEditTriggers);
    twTransformer->setTabKeyNavigation(false);
    twTransformer->setSelectionMode(QAbstractItemView::SingleSelection);
    twTransformer->setWordWrap(false);
    // Sized to the contents once a result is shown (showWindings), not at
    // each of its cells' changes.
    twTransformer->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    twTransformer->setToolTip(tr("По строке на обмотку: первичная «I», затем вторичные"));
    const QString columns[][2] = {
        {tr("Напряжение,\nВ"), tr("Первичной — напряжение сети U₁, вторичной — напряжение под нагрузкой Uᵢ")},
        {tr("Витков\nN"), tr("N₁ = ⌊w·(U₁ − I₁·R₁) + 0,5⌋, Nᵢ = ⌈w·(Uᵢ + Iᵢ·Rᵢ)⌉; на сердечнике ПЛ (П) — "
                             "до чётного")},
        {tr("На\nкатушку"), tr("На сердечнике ПЛ (П) две катушки, на каждой N/2 витков: это число идёт в "
                               "таблицу")},
        {tr("Медь,\nмм"), tr("Наименьший стандартный диаметр меди d с π·d²/4 ≥ I / j")},
        {tr("⌀ с изоляцией,\nмм"), tr("Наибольший наружный диаметр провода для класса изоляции, по таблице")},
        {tr("Ток,\nА"), tr("Первичной — I₁ = Σ Iᵢ·Nᵢ / N₁ (без тока холостого хода), вторичной — заданный")},
        {tr("Плотность тока,\nА/мм²"), tr("I / (π·d²/4) в выбранном проводе")},
        {tr("R при 20 °C,\nОм"), tr("Сопротивление обмотки при 20 °C по её среднему витку на этом каркасе")},
        {tr("R при θ,\nОм"), tr("Сопротивление при рабочей температуре θ: ρ = (1/58)·(1 + 0,00393·(θ − 20)) "
                                "Ом·мм²/м")},
        {tr("Длина\nпровода, м"), tr("N·l, l — средний виток на этом каркасе; без выводов")},
        {tr("Медь,\nг"), tr("8,89 г/см³ · π·d²/4 · длина провода")},
        {tr("Без нагрузки,\nВ"), tr("Напряжение холостого хода Uᵢ₀ = U₁·Nᵢ / N₁")},
        {tr("Изменение\nнапряжения, %"), tr("(Uᵢ₀ − Uᵢ) / Uᵢ: на сколько напряжение без нагрузки выше, чем "
                                            "под нагрузкой")},
    };
    for (int c = 0; c < ResultColumns; ++c) {
        auto* header = new QTableWidgetItem(columns[c][0]);
        header->setToolTip(columns[c][1]);
        twTransformer->setHorizontalHeaderItem(c, header);
    }
    return twTransformer;
}

void TransformerDialog::chainTabOrder()
{
    std::vector<QWidget*> order{seMains, seFrequency,          seFlux,    seStacking, seCoreLoss, seDensity,
                                sbGrade, seWindingTemperature, seBetween, seOver};
    for (const SecondaryRow& row : rows_)
        order.insert(order.end(), {row.name, row.volts, row.amps});
    order.insert(order.end(), {btAddSecondary, btRemoveSecondary, twTransformer, btFillTable, btClose});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

windings::TransformerInputs TransformerDialog::inputs() const
{
    windings::TransformerInputs in;
    in.mains = seMains->value();
    in.frequency = seFrequency->value();
    in.flux = seFlux->value();
    in.stacking = seStacking->value();
    in.density = seDensity->value();
    in.grade = sbGrade->value();
    in.temperature = seWindingTemperature->value();
    in.coreLoss = seCoreLoss->value();
    in.between = seBetween->value();
    in.over = seOver->value();
    for (std::size_t i = 0; i < secondaries_; ++i)
        in.secondaries.push_back(
            {rows_[i].name->text().trimmed().toStdString(), rows_[i].volts->value(), rows_[i].amps->value()});
    return in;
}

void TransformerDialog::setInputs(const windings::TransformerInputs& in)
{
    const QList<QWidget*> fields = findChildren<QWidget*>();
    for (QWidget* field : fields)
        field->blockSignals(true);
    seMains->setValue(in.mains);
    seFrequency->setValue(in.frequency);
    seFlux->setValue(in.flux);
    seStacking->setValue(in.stacking);
    seDensity->setValue(in.density);
    sbGrade->setValue(in.grade);
    seWindingTemperature->setValue(in.temperature);
    seCoreLoss->setValue(in.coreLoss);
    seBetween->setValue(in.between);
    seOver->setValue(in.over);
    for (std::size_t i = 0; i < kRows; ++i) {
        const windings::Secondary given = i < in.secondaries.size()
                                              ? in.secondaries[i]
                                              : windings::Secondary{romanName(i).toStdString(), 12, 1};
        rows_[i].name->setText(QString::fromStdString(given.name));
        rows_[i].volts->setValue(given.volts);
        rows_[i].amps->setValue(given.amps);
    }
    for (QWidget* field : fields)
        field->blockSignals(false);
    setSecondaryCount(std::clamp(in.secondaries.size(), windings::kMinSecondaries, kRows));
    recalculate();
}

void TransformerDialog::setBobbin(const windings::Core& core, const std::optional<windings::Space>& space,
                                  const windings::Factors& factors)
{
    core_ = core;
    space_ = space;
    factors_ = factors;
    recalculate();
}

void TransformerDialog::setSecondaryCount(std::size_t count)
{
    secondaries_ = count;
    for (std::size_t i = 0; i < kRows; ++i)
        for (QWidget* field :
             std::initializer_list<QWidget*>{rows_[i].number, rows_[i].name, rows_[i].volts, rows_[i].amps})
            field->setVisible(i < count);
    btAddSecondary->setEnabled(count < kRows);
    btRemoveSecondary->setEnabled(count > windings::kMinSecondaries);
}

void TransformerDialog::addSecondary()
{
    if (secondaries_ >= kRows)
        return;
    // A new row starts as the first one did.
    SecondaryRow& row = rows_[secondaries_];
    row.name->setText(romanName(secondaries_));
    for (SeparatorSpinBox* box : {row.volts, row.amps})
        box->blockSignals(true);
    row.volts->setValue(12);
    row.amps->setValue(1);
    for (SeparatorSpinBox* box : {row.volts, row.amps})
        box->blockSignals(false);
    setSecondaryCount(secondaries_ + 1);
    row.name->setFocus();
    row.name->selectAll();
    typed();
}

void TransformerDialog::removeSecondary()
{
    if (secondaries_ <= windings::kMinSecondaries)
        return;
    setSecondaryCount(secondaries_ - 1);
    if (!btRemoveSecondary->isEnabled())
        btAddSecondary->setFocus();
    typed();
}

void TransformerDialog::typed()
{
    recalculate();
    emit inputsChanged();
}

void TransformerDialog::recalculate()
{
    resultInputs_ = inputs();
    if (!space_) {
        result_.reset();
        clearResult(tr("Чертёж не рассчитан: введите размеры и нажмите «Рассчитать» в главном окне."));
        return;
    }
    // The model builds at the inputs' own working temperature.
    result_ = windings::designTransformer(resultInputs_, core_, *space_, factors_);
    showResult();
}

void TransformerDialog::showFigure(Summary figure, const QString& value)
{
    figures_[figure]->setText(value);
    figures_[figure]->setAccessibleName(figureNames_[figure] + QStringLiteral(": ")
                                        + QString(value).replace(u'\n', QStringLiteral(", ")));
}

void TransformerDialog::clearResult(const QString& why)
{
    lbFailure->setText(tr("Нет результата. %1").arg(why));
    lbFailure->show();
    for (int f = 0; f < SummaryCount; ++f)
        showFigure(Summary(f), QStringLiteral("—"));
    twTransformer->setRowCount(0);
    lbHalves->setVisible(core_.uType);
    btFillTable->setEnabled(false);
}

void TransformerDialog::showResult()
{
    const windings::Transformer& t = *result_;
    if (t.failure) {
        clearResult(transformerFailureText(*t.failure, resultInputs_, t.build, decimalSeparator()));
        return;
    }
    lbFailure->hide();
    lbFailure->clear();
    showSummary(t);
    showWindings(t);
    lbHalves->setVisible(core_.uType);
    btFillTable->setEnabled(!t.windings.empty());
}

void TransformerDialog::showSummary(const windings::Transformer& t)
{
    const QString sep = decimalSeparator();
    showFigure(SumTurnsPerVolt, fixedText(t.turnsPerVolt, 2, sep));
    showFigure(SumCoreArea, tr("%1 мм²").arg(fixedText(t.coreArea, 1, sep)));
    showFigure(SumPrimaryCurrent, tr("%1 А").arg(fixedText(t.windings.front().amps, 3, sep)));
    showFigure(SumLoadPower, tr("%1 Вт").arg(fixedText(t.secondaryPower, 1, sep)));
    showFigure(SumCopperLoss, tr("%1 Вт").arg(fixedText(t.copperLoss, 2, sep)));
    showFigure(SumCoreMass, tr("%1 кг").arg(fixedText(t.coreKg, 3, sep)));
    showFigure(SumCoreLoss, tr("%1 Вт").arg(fixedText(t.coreLoss, 2, sep)));
    showFigure(SumEfficiency, tr("%1 %").arg(fixedText(t.efficiency * 100, 1, sep)));
    QString coil = QStringLiteral("—");
    if (t.build.build && t.build.fill && space_) {
        const QString sizes = tr("%1 мм из %2 мм (%3 %)")
                                  .arg(fixedText(*t.build.build, 2, sep), fixedText(space_->depth, 2, sep),
                                       fixedText(*t.build.fill * 100, 1, sep));
        coil = (t.build.fits ? tr("помещается") : tr("не помещается")) + u'\n' + sizes;
    }
    showFigure(SumCoil, coil);
}

void TransformerDialog::showWindings(const windings::Transformer& t)
{
    const QString sep = decimalSeparator();
    const int count = int(t.windings.size());
    twTransformer->setRowCount(count);
    twTransformer->horizontalHeaderItem(ResOhmsWarm)
        ->setText(tr("R при %1 °C,\nОм").arg(fixedText(resultInputs_.temperature, 0, sep)));
    twTransformer->setColumnHidden(ResPerBobbin, !core_.uType);
    for (int r = 0; r < count; ++r) {
        const windings::TransformerWinding& w = t.windings[std::size_t(r)];
        const QString name = QString::fromStdString(w.name);
        auto* header = twTransformer->verticalHeaderItem(r);
        if (!header) {
            header = new QTableWidgetItem;
            twTransformer->setVerticalHeaderItem(r, header);
        }
        header->setText(name);
        header->setToolTip(r == 0 ? tr("Первичная обмотка") : tr("Вторичная обмотка %1").arg(r));
        const QString values[ResultColumns] = {
            fixedText(w.volts, 2, sep),
            QString::number(w.turns),
            QString::number(w.turnsPerBobbin),
            fixedText(w.copper, 3, sep),
            fixedText(w.wire, 3, sep),
            fixedText(w.amps, 3, sep),
            fixedText(w.density, 2, sep),
            ohmsText(w.ohmsCold, sep),
            ohmsText(w.ohmsWarm, sep),
            fixedText(w.wireMetres, 1, sep),
            fixedText(w.copperGrams, 1, sep),
            w.voltsNoLoad ? fixedText(*w.voltsNoLoad, 2, sep) : QStringLiteral("—"),
            w.regulation ? fixedText(*w.regulation * 100, 1, sep) : QStringLiteral("—"),
        };
        for (int c = 0; c < ResultColumns; ++c) {
            QTableWidgetItem* item = twTransformer->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                twTransformer->setItem(r, c, item);
            }
            const QTableWidgetItem* column = twTransformer->horizontalHeaderItem(c);
            item->setText(values[c]);
            item->setToolTip(
                tr("«%1», %2: %3").arg(name, column->text().replace(u'\n', u' '), column->toolTip()));
        }
    }
    // Sized again only when a column's longest text or a header changed:
    // measuring every cell takes longer than working the transformer out.
    QStringList sizes;
    for (int c = 0; c < ResultColumns; ++c) {
        qsizetype longest = 0;
        for (int r = 0; r < count; ++r)
            longest = std::max(longest, twTransformer->item(r, c)->text().size());
        sizes << twTransformer->horizontalHeaderItem(c)->text() + u'\t' + QString::number(longest);
    }
    sizes << QString::number(count);
    if (sizes != sizedFor_) {
        twTransformer->resizeColumnsToContents();
        twTransformer->resizeRowsToContents();
        sizedFor_ = sizes;
    }
}

}  // namespace vintorp::ui
