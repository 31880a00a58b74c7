#include "windingswindow.h"

#include "decimalseparator.h"
#include "errorreport.h"
#include "separatorspinbox.h"
#include "windingsdelegate.h"
#include "windingspage.h"
#include "windingsection.h"
#include "windingstext.h"

#include <QAbstractButton>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vintorp::ui {
namespace {

const QColor kFaultBackground{0xff, 0xc8, 0xc8};
const QColor kResultBackground{0xf2, 0xf2, 0xf2};
const QColor kFitsBackground{0xcc, 0xee, 0xcc};

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

// Columns sized to their contents are measured again at every cell written
// into a shown table, which makes writing a table of twenty windings take a
// tenth of a second; while one of these lives they are measured once, when it
// ends.
class ColumnsMeasuredOnce {
public:
    explicit ColumnsMeasuredOnce(QHeaderView& header) : header_(header)
    {
        for (int c = 0; c < header_.count(); ++c) {
            modes_.push_back(header_.sectionResizeMode(c));
            header_.setSectionResizeMode(c, QHeaderView::Fixed);
        }
    }
    ~ColumnsMeasuredOnce()
    {
        for (int c = 0; c < int(modes_.size()); ++c)
            header_.setSectionResizeMode(c, modes_[std::size_t(c)]);
    }
    ColumnsMeasuredOnce(const ColumnsMeasuredOnce&) = delete;
    ColumnsMeasuredOnce& operator=(const ColumnsMeasuredOnce&) = delete;

private:
    QHeaderView& header_;
    std::vector<QHeaderView::ResizeMode> modes_;
};

}  // namespace

WindingsWindow::WindingsWindow(print::SharedPrinter& printer, QWidget* parent,
                               std::unique_ptr<print::PrinterChooser> chooser)
    : QWidget(parent, Qt::Window), printer_(printer, std::move(chooser))
{
    setObjectName(QStringLiteral("WindingsWindow"));
    buildControls();
    setDesignName({});
    resize(860, 600);
    recalculate();
}

WindingsWindow::~WindingsWindow() = default;

void WindingsWindow::buildControls()
{
    lbSpace = makeLabel("lbSpace", this);

    twWindings = new QTableWidget(0, ColumnCount, this);
    twWindings->setObjectName(QStringLiteral("twWindings"));
    twWindings->setAccessibleName(tr("Обмотки"));
    twWindings->setHorizontalHeaderLabels(columnHeaders());
    const QStringList tips = columnToolTips();
    for (int c = 0; c < ColumnCount; ++c)
        twWindings->horizontalHeaderItem(c)->setToolTip(tips[c]);
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
    connect(twWindings, &QTableWidget::itemChanged, this, [this] {
        if (!filling_)
            recalculate();
    });
    connect(twWindings, &QTableWidget::currentCellChanged, this, &WindingsWindow::updateButtons);

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
    seBulge->setToolTip(tr("Во сколько раз катушка толще суммы обмоток: неплотная намотка, от 1 до 2"));
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
        connect(box, &QDoubleSpinBox::valueChanged, this, &WindingsWindow::recalculate);
    }

    lbVerdict = makeLabel("lbVerdict", this);
    lbVerdict->setAutoFillBackground(true);
    lbVerdict->setMargin(6);
    QFont bold = lbVerdict->font();
    bold.setBold(true);
    lbVerdict->setFont(bold);
    lbWireNote = makeLabel("lbWireNote", this);
    lbWireNote->setText(tr("Длина провода — без выводов. Толщина обмоток в таблице — без вспучивания."));

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
    btSaveDesignAs
        = makeButton("btSaveDesignAs", tr("Сохранить как…"), tr("Сохранить проект в другой файл (Ctrl+Shift+S)"), this);
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
    QWidget* order[] = {twWindings, btAddWinding, btRemoveWinding, btWindingUp,    btWindingDown,
                        seBulge,    seMargin,     btModel,         btOpenDesign,   btSaveDesign,
                        btSaveDesignAs, btPrintWindings};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    wsSection->setFocusPolicy(Qt::NoFocus);
}

void WindingsWindow::setSpace(std::optional<windings::Space> space)
{
    // A calculation writes the drawing's fields one by one: only the space
    // it ends with (or its loss) calls for the windings to be worked again.
    const auto same = [](const windings::Space& a, const windings::Space& b) {
        return a.thickness == b.thickness && a.length == b.length && a.depth == b.depth
               && a.tubeWidth == b.tubeWidth && a.tubeHeight == b.tubeHeight
               && a.windowInsideCheek == b.windowInsideCheek;
    };
    if (space.has_value() == space_.has_value() && (!space || same(*space, *space_)))
        return;
    space_ = space;
    recalculate();
}

void WindingsWindow::setPrinterChooser(std::unique_ptr<print::PrinterChooser> chooser)
{
    printer_.setChooser(std::move(chooser));
}

QTableWidgetItem& WindingsWindow::cell(int row, int column)
{
    QTableWidgetItem* item = twWindings->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        if (column >= kInputColumns) {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setBackground(kResultBackground);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        } else if (column != ColName) {
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        twWindings->setItem(row, column, item);  // the table owns it
    }
    return *item;
}

void WindingsWindow::recalculate()
{
    const QString sep = decimalSeparator();
    const ColumnsMeasuredOnce once(*twWindings->horizontalHeader());
    filling_ = true;
    const int rows = twWindings->rowCount();
    std::vector<std::vector<CellFault>> faults(static_cast<std::size_t>(rows));
    windings_.clear();
    unsavedReason_.clear();
    for (int r = 0; r < rows; ++r) {
        RowTexts texts;
        for (int c = 0; c < kInputColumns; ++c)
            texts[std::size_t(c)] = cell(r, c).text();
        ReadRow read = readRow(texts, sep);
        if (unsavedReason_.isEmpty()) {
            const std::optional<windings::Problem> problem = windings::rangeProblem(read.winding);
            const QString reason = !read.faults.empty() ? read.faults.front().reason
                                   : problem            ? problemFault(*problem, sep).reason
                                                        : QString();
            if (!reason.isEmpty())
                unsavedReason_ = tr("обмотка %1: %2").arg(r + 1).arg(reason);
        }
        windings_.push_back(std::move(read.winding));
        faults[std::size_t(r)] = std::move(read.faults);
    }
    const windings::Factors factors = this->factors();
    result_ = space_ ? windings::buildUp(*space_, windings_, factors) : windings::BuildUp{};
    twWindings->clearSpans();
    int faulty = 0;
    for (int r = 0; r < rows; ++r) {
        const windings::WindingBuild* build
            = std::size_t(r) < result_.windings.size() ? &result_.windings[std::size_t(r)] : nullptr;
        if (!faults[std::size_t(r)].empty() || (build && build->problem))
            ++faulty;
        showRow(r, faults[std::size_t(r)], build);
    }
    filling_ = false;
    showSpace();
    showVerdict(faulty);
    wsSection->setContent({space_, factors, windings_, result_, sep});
    updateButtons();
    emit changed();
}

windings::Factors WindingsWindow::factors() const
{
    return {seMargin->value(), seBulge->value()};
}

void WindingsWindow::setWindings(const std::vector<windings::Winding>& windings, const windings::Factors& factors)
{
    const QString sep = decimalSeparator();
    const ColumnsMeasuredOnce once(*twWindings->horizontalHeader());
    filling_ = true;
    twWindings->setRowCount(0);
    twWindings->setRowCount(int(windings.size()));
    for (int r = 0; r < int(windings.size()); ++r) {
        const windings::Winding& w = windings[std::size_t(r)];
        cell(r, ColName).setText(QString::fromStdString(w.name));
        cell(r, ColTurns).setText(QString::number(w.turns));
        cell(r, ColWire).setText(plainText(w.wire, sep));
        cell(r, ColBetween).setText(plainText(w.between, sep));
        cell(r, ColOver).setText(plainText(w.over, sep));
        cell(r, ColLayerFactor).setText(w.layerFactor ? plainText(*w.layerFactor, sep) : QString());
    }
    for (SeparatorSpinBox* box : {seBulge, seMargin})
        box->blockSignals(true);
    seBulge->setValue(factors.bulge);
    seMargin->setValue(factors.margin);
    for (SeparatorSpinBox* box : {seBulge, seMargin})
        box->blockSignals(false);
    filling_ = false;
    if (!windings.empty())
        twWindings->setCurrentCell(0, ColName);
    recalculate();
}

void WindingsWindow::setDesignName(const QString& name)
{
    title_ = name.isEmpty() ? tr("Обмотки") : tr("Обмотки — %1").arg(name);
    setWindowTitle(title_ + QStringLiteral("[*]"));
}

void WindingsWindow::showRow(int row, const std::vector<CellFault>& faults,
                             const windings::WindingBuild* build)
{
    const QString sep = decimalSeparator();
    std::array<QString, kInputColumns> reasons;
    for (const CellFault& fault : faults)
        reasons[std::size_t(fault.column)] = fault.reason;
    if (build && build->problem) {
        const CellFault fault = problemFault(*build->problem, sep);
        if (reasons[std::size_t(fault.column)].isEmpty())
            reasons[std::size_t(fault.column)] = fault.reason;
    }
    for (int c = 0; c < kInputColumns; ++c) {
        QTableWidgetItem& item = cell(row, c);
        const QString& reason = reasons[std::size_t(c)];
        item.setBackground(reason.isEmpty() ? QBrush() : QBrush(kFaultBackground));
        item.setForeground(reason.isEmpty() ? QBrush() : QBrush(Qt::black));  // dark palettes too
        item.setToolTip(reason);
    }
    // The winding's colour in the section, beside its name.
    cell(row, ColName).setData(Qt::DecorationRole, windingColour(row));
    const windings::Winding& w = windings_[std::size_t(row)];
    const bool wireRead = w.wire >= windings::kMinWire && w.wire <= windings::kMaxWire;
    cell(row, ColLayerFactor)
        .setData(kDefaultFactorRole,
                 wireRead ? tr("%1 (авто)").arg(fixedText(windings::defaultLayerFactor(w.wire), 2, sep))
                          : tr("авто"));

    std::array<QString, ColumnCount - kInputColumns> results;
    QString resultTip;
    if (build && build->problem) {
        results[0] = problemText(*build->problem);
        resultTip = problemFault(*build->problem, sep).reason;
        twWindings->setSpan(row, ColPerLayer, 1, ColumnCount - ColPerLayer);
    } else if (build) {
        results[ColPerLayer - kInputColumns] = QString::number(build->perLayer);
        results[ColLayers - kInputColumns] = QString::number(build->layers);
        results[ColBuild - kInputColumns] = fixedText(build->build, 2, sep);
        if (build->wireMetres)
            results[ColWireLength - kInputColumns] = fixedText(*build->wireMetres, 1, sep);
        else {
            results[ColWireLength - kInputColumns] = QStringLiteral("—");
            resultTip = tr("Длина провода — когда исправлены обмотки под этой");
        }
    }
    for (int c = kInputColumns; c < ColumnCount; ++c) {
        QTableWidgetItem& item = cell(row, c);
        item.setText(results[std::size_t(c - kInputColumns)]);
        item.setToolTip(resultTip);
        item.setForeground(build && build->problem ? QBrush(Qt::darkRed) : QBrush(Qt::black));
        item.setTextAlignment((build && build->problem ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
}

void WindingsWindow::showSpace()
{
    const QString sep = decimalSeparator();
    if (!space_) {
        lbSpace->setText(tr("Чертёж не рассчитан: введите размеры и нажмите «Рассчитать» в главном окне."));
        return;
    }
    lbSpace->setText(tr("Окно каркаса: длина намотки L %1 мм, глубина D %2 мм (от трубки до края щёчки), "
                        "трубка %3 × %4 мм.")
                         .arg(fixedText(space_->length, 2, sep), fixedText(space_->depth, 2, sep),
                              fixedText(space_->tubeWidth, 2, sep), fixedText(space_->tubeHeight, 2, sep)));
}

void WindingsWindow::showVerdict(int faultyRows)
{
    const QString sep = decimalSeparator();
    QString text;
    bool good = false;
    if (!space_) {
        text = tr("Нет результата чертежа: проверить нечего.");
    } else if (result_.noRoom) {
        text = tr("У каркаса нет места для обмоток: длина намотки L %1 мм, глубина D %2 мм.")
                   .arg(fixedText(space_->length, 2, sep), fixedText(space_->depth, 2, sep));
    } else if (result_.factorProblem) {
        switch (*result_.factorProblem) {
        case windings::FactorProblem::Bulge: text = tr("Коэффициент вспучивания: от 1 до 2."); break;
        case windings::FactorProblem::Margin: text = tr("Зазор у щёчки: от 0 до 50 мм."); break;
        case windings::FactorProblem::MarginTakesLength:
            text = tr("Зазор у щёчки %1 мм — не меньше половины длины намотки L %2 мм: виткам не остаётся "
                      "места.")
                       .arg(fixedText(seMargin->value(), 2, sep), fixedText(space_->length, 2, sep));
            break;
        }
    } else if (twWindings->rowCount() == 0) {
        text = tr("Добавьте обмотку (Insert).");
    } else if (faultyRows > 0 || !result_.build) {
        text = tr("Исправьте отмеченные ячейки (обмоток с ошибкой: %1).").arg(faultyRows);
    } else {
        const double build = *result_.build;
        const double depth = space_->depth;
        const QString fill = fixedText(*result_.fill * 100, 1, sep);
        good = result_.fits;
        text = result_.fits ? tr("Помещается: катушка %1 мм из %2 мм (%3 %), остаётся %4 мм.")
                                  .arg(fixedText(build, 2, sep), fixedText(depth, 2, sep), fill,
                                       fixedText(depth - build, 2, sep))
                            : tr("Не помещается: катушка %1 мм при глубине %2 мм (%3 %), не хватает %4 мм.")
                                  .arg(fixedText(build, 2, sep), fixedText(depth, 2, sep), fill,
                                       fixedText(build - depth, 2, sep));
    }
    lbVerdict->setText(text);
    QPalette colours = lbVerdict->palette();
    colours.setColor(QPalette::Window, good ? kFitsBackground : kFaultBackground);
    colours.setColor(QPalette::WindowText, Qt::black);  // on its light colour whatever the palette
    lbVerdict->setPalette(colours);
}

void WindingsWindow::updateButtons()
{
    const int row = twWindings->currentRow();
    const int rows = twWindings->rowCount();
    btRemoveWinding->setEnabled(row >= 0 && row < rows);
    btWindingUp->setEnabled(row > 0 && row < rows);
    btWindingDown->setEnabled(row >= 0 && row + 1 < rows);
}

void WindingsWindow::addWinding()
{
    const int row = twWindings->rowCount();
    filling_ = true;
    twWindings->insertRow(row);
    cell(row, ColName).setText(tr("Обмотка %1").arg(row + 1));
    cell(row, ColBetween).setText(QStringLiteral("0"));
    cell(row, ColOver).setText(QStringLiteral("0"));
    filling_ = false;
    twWindings->setCurrentCell(row, ColName);
    twWindings->setFocus();
    recalculate();
}

void WindingsWindow::removeWinding()
{
    const int row = twWindings->currentRow();
    if (row < 0)
        return;
    const int column = twWindings->currentColumn();
    twWindings->removeRow(row);
    if (twWindings->rowCount() > 0)
        twWindings->setCurrentCell(std::min(row, twWindings->rowCount() - 1), std::max(column, 0));
    recalculate();
}

void WindingsWindow::moveWinding(int by)
{
    const int row = twWindings->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= twWindings->rowCount())
        return;
    const int column = twWindings->currentColumn();
    filling_ = true;
    for (int c = 0; c < kInputColumns; ++c) {
        QTableWidgetItem* a = twWindings->takeItem(row, c);
        QTableWidgetItem* b = twWindings->takeItem(to, c);
        twWindings->setItem(row, c, b);
        twWindings->setItem(to, c, a);
    }
    filling_ = false;
    twWindings->setCurrentCell(to, std::max(column, 0));
    recalculate();
}

void WindingsWindow::keyPressEvent(QKeyEvent* event)
{
    // A focused button ignores Enter and passes it up to the window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget())) {
            button->click();
            return;
        }
    }
    // Escape closes the window as it would a dialog (a cell's editor takes
    // it first); the windings stay for its next opening.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool WindingsWindow::editing() const
{
    const QList<QLineEdit*> editors = twWindings->findChildren<QLineEdit*>(QStringLiteral("cellEditor"));
    return std::any_of(editors.cbegin(), editors.cend(),
                       [](const QLineEdit* editor) { return editor->isVisible(); });
}

bool WindingsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == twWindings && event->type() == QEvent::KeyPress && !editing()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool ctrl = key->modifiers() & Qt::ControlModifier;
        switch (key->key()) {
        case Qt::Key_Insert: addWinding(); return true;
        case Qt::Key_Delete: removeWinding(); return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (ctrl) {
                moveWinding(key->key() == Qt::Key_Up ? -1 : 1);
                return true;
            }
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (twWindings->currentIndex().isValid()) {
                twWindings->edit(twWindings->currentIndex());
                return true;
            }
            break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

WindingsPage WindingsWindow::page() const
{
    const QString sep = decimalSeparator();
    WindingsPage p;
    p.title = title_;
    p.space = lbSpace->text();
    p.headers = columnHeaders();
    for (int r = 0; r < twWindings->rowCount(); ++r) {
        QStringList texts;
        for (int c = 0; c < ColumnCount; ++c) {
            const QTableWidgetItem* item = twWindings->item(r, c);
            QString text = item ? item->text() : QString();
            if (c == ColLayerFactor && text.isEmpty() && item)
                text = item->data(kDefaultFactorRole).toString();
            texts << text;
        }
        p.rows << texts;
        p.colours << windingColour(r);
    }
    p.factors = tr("Коэффициент вспучивания %1, зазор у щёчки %2 мм. %3")
                    .arg(fixedText(seBulge->value(), 2, sep), fixedText(seMargin->value(), 2, sep),
                         lbWireNote->text());
    p.verdict = lbVerdict->text();
    p.section = wsSection->content();
    return p;
}

void WindingsWindow::printWindings()
{
    runReportingErrors(this, [this] { printer_.print(*this, page()); });
}

}  // namespace vintorp::ui
