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
    twWindings->setItemDelegate(new WindingsDelegate(ColLayerFactor, twWindings));
    twWindings->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                | QAbstractItemView::AnyKeyPressed);
    twWindings->setSelectionBehavior(QAbstractItemView::SelectItems);
    twWindings->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the next control; the arrows move in it.
    twWindings->setTabKeyNavigation(false);
    twWindings->setWordWrap(false);
    twWindings->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    twWindings->horizontalHeader()->setSectionResizeMode(ColName, QHeaderView::Stretch);
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
    seMargin->setToolTip(tr("Место, оставленное свободным у каждой щёчки"));
    for (SeparatorSpinBox* box : {seBulge, seMargin}) {
        box->setKeyboardTracking(true);
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] {
            model_->setFactors({seMargin->value(), seBulge->value()});
        });
    }

    lbVerdict = makeLabel("lbVerdict", this);
    lbVerdict->setAutoFillBackground(true);
    lbVerdict->setMargin(6);
    QFont bold = lbVerdict->font();
    bold.setBold(true);
    lbVerdict->setFont(bold);
    lbWireNote = makeLabel("lbWireNote", this);
    lbWireNote->setText(wireNote());

    btModel = makeButton("btModel", tr("Как считается?"), tr("Показать или скрыть описание расчёта"), this);
    btModel->setCheckable(true);
    lbModel = makeLabel("lbModel", this);
    lbModel->setTextFormat(Qt::PlainText);
    lbModel->setText(tr(
        "Витков в слое n = ⌊(L − 2e) / (k·d)⌋, слоёв m = ⌈N / n⌉, толщина обмотки δ = m·k·d + (m − 1)·t + u. "
        "Здесь L — длина намотки между щёчками, e — зазор у каждой щёчки, N — число витков, d — диаметр "
        "провода "
        "с изоляцией, k — коэффициент укладки (пусто — по диаметру провода), t — изоляция между слоями, "
        "u — изоляция поверх обмотки. Катушка вспучивается: Δ = k_в·Σδ; она помещается, если Δ ≤ D (глубина "
        "окна "
        "от трубки до края щёчки), заполнение Δ / D. Средний виток l = 2(a + b) + 2π·x, где a × b — трубка "
        "снаружи, "
        "x = k_в·(толщина обмоток под ней + δ/2); длина провода N·l, без выводов."));
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
    buttons->addStretch();
    auto* tableRow = new QHBoxLayout;
    tableRow->addWidget(twWindings, 1);
    tableRow->addLayout(buttons);

    auto* factors = new QFormLayout;
    factors->addRow(tr("Коэффициент &вспучивания:"), seBulge);
    factors->addRow(tr("&Зазор у щёчки:"), seMargin);
    auto* left = new QVBoxLayout;
    left->addLayout(factors);
    left->addWidget(lbVerdict);
    left->addWidget(lbWireNote);
    left->addWidget(btModel, 0, Qt::AlignLeft);
    left->addWidget(lbModel);
    left->addStretch();
    auto* files = new QHBoxLayout;
    for (QPushButton* button : {btOpenDesign, btSaveDesign, btSaveDesignAs, btPrintWindings})
        files->addWidget(button);
    files->addStretch();
    left->addLayout(files);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(left, 2);
    bottom->addWidget(wsSection, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbSpace);
    layout->addLayout(tableRow, 1);
    layout->addLayout(bottom, 1);

    // Tab goes from the table to its buttons, the factors and the print.
    QWidget* order[]
        = {twWindings, btAddWinding, btRemoveWinding, btWindingUp,  btWindingDown,  seBulge,
           seMargin,   btModel,      btOpenDesign,    btSaveDesign, btSaveDesignAs, btPrintWindings};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    wsSection->setFocusPolicy(Qt::NoFocus);
}

QString WindingsWindow::wireNote()
{
    return tr("Длина провода — без выводов. Толщина обмоток в таблице — без вспучивания.");
}

}  // namespace vintorp::ui
