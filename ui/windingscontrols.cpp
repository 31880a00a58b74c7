// The windings window's controls: what each one is, says and does, and
// where it sits.
#include "decimalseparator.h"
#include "separatorspinbox.h"
#include "windingsdelegate.h"
#include "windingsection.h"
#include "windingstable.h"
#include "windingswindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vintorp::ui {
namespace {

QLabel* makeLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

QPushButton* makeButton(const char* name, const QString& text, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    return button;
}

}  // namespace

void WindingsWindow::buildControls()
{
    lbSpace = makeLabel("lbSpace", this);

    twWindings = new WindingsTable(this);
    twWindings->setObjectName(QStringLiteral("twWindings"));
    twWindings->setAccessibleName(tr("Обмотки"));
    twWindings->setModel(model_);
    twWindings->setItemDelegate(new WindingsDelegate(twWindings));
    twWindings->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                | QAbstractItemView::AnyKeyPressed);
    twWindings->setSelectionBehavior(QAbstractItemView::SelectItems);
    twWindings->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the next control; the arrows move in it.
    twWindings->setTabKeyNavigation(false);
    twWindings->setWordWrap(false);
    // Every column as wide as its texts, names too, whatever the font; the
    // last takes what room is left.
    twWindings->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    twWindings->horizontalHeader()->setStretchLastSection(true);
    twWindings->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    twWindings->installEventFilter(this);
    twWindings->setToolTip(tr("Ввод или F2 — изменить, Insert — добавить обмотку, Delete — удалить, "
                              "Ctrl+↑/↓ — переместить"));
    connect(twWindings->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &WindingsWindow::updateButtons);

    btAddWinding = makeButton("btAddWinding", tr("Добавить"), tr("Добавить обмотку (Insert)"), this);
    btRemoveWinding = makeButton("btRemoveWinding", tr("Удалить"), tr("Удалить обмотку (Delete)"), this);
    btWindingUp
        = makeButton("btWindingUp", tr("Выше"), tr("Переместить обмотку ближе к трубке (Ctrl+↑)"), this);
    btWindingDown
        = makeButton("btWindingDown", tr("Ниже"), tr("Переместить обмотку дальше от трубки (Ctrl+↓)"), this);
    btFromVoltages
        = makeButton("btFromVoltages", tr("Из напряжений…"),
                     tr("Рассчитать трансформатор по напряжениям и токам и заполнить таблицу"), this);
    connect(btFromVoltages, &QPushButton::clicked, this, &WindingsWindow::openFromVoltages);
    connect(btAddWinding, &QPushButton::clicked, this, &WindingsWindow::addWinding);
    connect(btRemoveWinding, &QPushButton::clicked, this, &WindingsWindow::removeWinding);
    connect(btWindingUp, &QPushButton::clicked, this, [this] { moveWinding(-1); });
    connect(btWindingDown, &QPushButton::clicked, this, [this] { moveWinding(1); });

    seBulge = new SeparatorSpinBox(this);
    seBulge->setObjectName(QStringLiteral("seBulge"));
    seBulge->setRange(windings::kMinFactor, windings::kMaxFactor);
    seBulge->setDecimals(2);
    seBulge->setSingleStep(0.05);
    seBulge->setValue(windings::Factors{}.bulge);
    seBulge->setToolTip(
        tr("Во сколько раз катушка толще суммы обмоток: неплотная намотка, %1")
            .arg(rangeText(windings::kMinFactor, windings::kMaxFactor, {}, decimalSeparator())));
    seMargin = new SeparatorSpinBox(this);
    seMargin->setObjectName(QStringLiteral("seMargin"));
    seMargin->setRange(0, windings::kMaxMargin);
    seMargin->setDecimals(2);
    seMargin->setSingleStep(0.5);
    seMargin->setSuffix(tr(" мм"));
    seMargin->setValue(windings::Factors{}.margin);
    seMargin->setToolTip(tr("Место, оставленное свободным у каждой щеки"));
    seTemperature = new SeparatorSpinBox(this);
    seTemperature->setObjectName(QStringLiteral("seTemperature"));
    seTemperature->setRange(windings::kMinTemperature, windings::kMaxTemperature);
    seTemperature->setDecimals(0);
    seTemperature->setSingleStep(5);
    seTemperature->setSuffix(tr(" °C"));
    seTemperature->setValue(windings::Factors{}.temperature);
    seTemperature->setToolTip(
        tr("Температура обмоток в работе, для их сопротивления в нагретом состоянии, %1")
            .arg(rangeText(windings::kMinTemperature, windings::kMaxTemperature, tr(" °C"),
                           decimalSeparator())));
    for (SeparatorSpinBox* box : {seBulge, seMargin, seTemperature}) {
        box->setKeyboardTracking(true);
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { model_->setFactors(boxFactors()); });
    }

    lbVerdict = makeLabel("lbVerdict", this);
    // Read-only text in the Tab chain, so that the keyboard reaches it and a
    // screen reader reads it there.
    lbVerdict->setFocusPolicy(Qt::StrongFocus);
    lbVerdict->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    lbVerdict->setAutoFillBackground(true);
    lbVerdict->setMargin(6);
    QFont bold = lbVerdict->font();
    bold.setBold(true);
    lbVerdict->setFont(bold);
    lbCopper = makeLabel("lbCopper", this);
    lbTransformerNote = makeLabel("lbTransformerNote", this);
    lbTransformerNote->setText(
        tr("Таблица изменена вручную и больше не совпадает с расчётом из напряжений."));
    lbTransformerNote->setVisible(false);
    lbWireNote = makeLabel("lbWireNote", this);
    lbWireNote->setText(wireNote());

    btModel = makeButton("btModel", tr("Как считается?"), tr("Показать или скрыть описание расчёта"), this);
    btModel->setCheckable(true);
    lbModel = makeLabel("lbModel", this);
    lbModel->setTextFormat(Qt::PlainText);
    lbModel->setText(tr(
        "Витков в слое n = ⌊(L − 2e) / (k·d)⌋, слоёв m = ⌈N / n⌉, толщина обмотки δ = m·k·d + (m − 1)·t + u. "
        "Здесь L — длина намотки между щеками, e — зазор у каждой щеки, N — число витков, d — диаметр "
        "провода "
        "с изоляцией, k — коэффициент укладки (пусто — по диаметру провода), t — изоляция между слоями, "
        "u — изоляция поверх обмотки. Катушка вспучивается: Δ = k_в·Σδ; она помещается, если Δ ≤ D (глубина "
        "окна "
        "от трубки до края щеки), заполнение Δ / D. Средний виток l = 2(a + b) + 2π·x, где a × b — трубка "
        "снаружи, "
        "x = k_в·(толщина обмоток под ней + δ/2); длина провода N·l, без выводов.\n"
        "Провод, заданный диаметром меди d₀ и классом изоляции, имеет d по таблице IEC 60317-0-1 "
        "(наибольший наружный диаметр; между размерами таблицы прибавка изоляции к меди берётся линейно); "
        "диаметр с изоляцией, введённый поверх, считается как введён. Сопротивление "
        "R = ρ₂₀·(1 + 0,00393·(θ − 20))·длина / (π·d₀²/4), ρ₂₀ = 1/58 Ом·мм²/м, θ — рабочая температура "
        "(при 20 °C множитель равен 1); масса меди = 8,89 г/см³ · π·d₀²/4 · длина.\n"
        "Коэффициент укладки по умолчанию — по таблице из учебников (1,3 тоньше 0,15 мм, 1,25 тоньше 0,35, "
        "1,2 тоньше 0,51, 1,1 до 1,0, 1,05 толще), но шаг витка k·d у более толстого провода никогда не "
        "меньше, чем у более тонкого: за ступенью таблицы шаг остаётся шагом её тонкой стороны, пока "
        "табличный не догонит его (0,51 мм — 1,2, пока 1,1·d не дойдёт до 0,612 мм при 0,5564 мм). "
        "Введённый коэффициент берётся как введён."));
    // The transformer from voltages (transformerdialog.h) after the build-up.
    lbModel->setText(
        lbModel->text() + u'\n'
        + tr("Из напряжений (A, B, C, H — как введены в главном окне; ток холостого хода не учитывается):\n"
             "сечение стали S = A·B·kₛ;\n"
             "витков на вольт w = 10⁶ / (4,44·f·B·S);\n"
             "ρθ = (1/58)·(1 + 0,00393·(θ − 20)) Ом·мм²/м;\n"
             "мощность нагрузки P₂ = Σ Uᵢ·Iᵢ; сначала R = 0, I₁ = P₂ / U₁;\n"
             "N₁ = ⌊w·(U₁ − I₁·R₁) + 0,5⌋, Nᵢ = ⌈w·(Uᵢ + Iᵢ·Rᵢ)⌉; на сердечнике ПЛ (П) N — до чётного, "
             "на каждой из двух катушек N/2;\n"
             "медь d — наименьший стандартный диаметр с π·d²/4 ≥ I / j, провод — её наибольший "
             "наружный диаметр для класса изоляции;\n"
             "средний виток l — по намотке одной катушки (первичная первой), R = ρθ·N·l / 1000 / (π·d²/4);\n"
             "I₁ = Σ Iᵢ·Nᵢ / N₁; всё повторяется, пока витки и провод не перестанут меняться "
             "(не более 50 раз);\n"
             "напряжение холостого хода Uᵢ₀ = U₁·Nᵢ / N₁, изменение напряжения (Uᵢ₀ − Uᵢ) / Uᵢ;\n"
             "потери в меди I₁²·R₁ + Σ Iᵢ²·Rᵢ (при θ);\n"
             "объём сердечника ШЛ (Ш) B·((2A + 2C)·(H + A) − 2·C·H), ПЛ (П) "
             "B·((2A + C)·(H + 2A) − C·H) мм³;\n"
             "масса сердечника m = 7,65·10⁻⁶ · объём · kₛ кг, потери в стали p·m;\n"
             "КПД η = P₂ / (P₂ + потери в меди + потери в стали)."));
    lbModel->setVisible(false);
    connect(btModel, &QPushButton::toggled, lbModel, &QWidget::setVisible);

    wsSection = new WindingSection(this);
    btPrintWindings = makeButton("btPrintWindings", tr("Печать…"),
                                 tr("Напечатать таблицу и сечение на одной странице"), this);
    connect(btPrintWindings, &QPushButton::clicked, this, &WindingsWindow::printWindings);
    btOpenDesign = makeButton("btOpenDesign", tr("Открыть…"), tr("Открыть проект (Ctrl+O)"), this);
    btSaveDesign = makeButton("btSaveDesign", tr("Сохранить"),
                              tr("Сохранить размеры, обмотки и настройки шаблона в проект (Ctrl+S)"), this);
    btSaveDesignAs = makeButton("btSaveDesignAs", tr("Сохранить как…"),
                                tr("Сохранить проект в другой файл (Ctrl+Shift+S)"), this);
    connect(btOpenDesign, &QPushButton::clicked, this, &WindingsWindow::openRequested);
    connect(btSaveDesign, &QPushButton::clicked, this, &WindingsWindow::saveRequested);
    connect(btSaveDesignAs, &QPushButton::clicked, this, &WindingsWindow::saveAsRequested);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {btAddWinding, btRemoveWinding, btWindingUp, btWindingDown})
        buttons->addWidget(button);
    buttons->addSpacing(12);
    buttons->addWidget(btFromVoltages);
    buttons->addStretch();
    auto* tableRow = new QHBoxLayout;
    tableRow->addWidget(twWindings, 1);
    tableRow->addLayout(buttons);

    auto* factors = new QFormLayout;
    factors->addRow(tr("Коэффициент &вспучивания:"), seBulge);
    factors->addRow(tr("&Зазор у щеки:"), seMargin);
    factors->addRow(tr("Рабочая &температура:"), seTemperature);
    auto* left = new QVBoxLayout;
    left->addLayout(factors);
    left->addWidget(lbVerdict);
    left->addWidget(lbCopper);
    left->addWidget(lbTransformerNote);
    left->addWidget(lbWireNote);
    left->addWidget(btModel, 0, Qt::AlignLeft);
    left->addWidget(lbModel);
    left->addStretch();
    // Across the window's foot, where they take no width from the section.
    auto* files = new QHBoxLayout;
    for (QPushButton* button : {btOpenDesign, btSaveDesign, btSaveDesignAs, btPrintWindings})
        files->addWidget(button);
    files->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(left, 2);
    bottom->addWidget(wsSection, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbSpace);
    layout->addLayout(tableRow, 1);
    layout->addLayout(bottom, 1);
    layout->addLayout(files);

    // Tab goes from the table to its buttons, «Из напряжений…», the factors, the
    // verdict and the print.
    QWidget* order[] = {twWindings,     btAddWinding, btRemoveWinding, btWindingUp,    btWindingDown,
                        btFromVoltages, seBulge,      seMargin,        seTemperature,  lbVerdict,
                        btModel,        btOpenDesign, btSaveDesign,    btSaveDesignAs, btPrintWindings};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    wsSection->setFocusPolicy(Qt::NoFocus);
}

QString WindingsWindow::wireNote()
{
    return tr("Длина провода — без выводов. Толщина обмоток в таблице — без вспучивания.");
}

}  // namespace vintorp::ui
