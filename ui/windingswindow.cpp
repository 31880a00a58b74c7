#include "windingswindow.h"

#include "decimalseparator.h"
#include "errorreport.h"
#include "focusreturn.h"
#include "fonts.h"
#include "separatorspinbox.h"
#include "transformerdialog.h"
#include "windingspage.h"
#include "windingsection.h"
#include "windingstext.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>

#include <algorithm>

namespace vintorp::ui {
namespace {

const QColor kFitsBackground{0xcc, 0xee, 0xcc};

bool sameWinding(const windings::Winding& a, const windings::Winding& b)
{
    return a.name == b.name && a.turns == b.turns && a.wire == b.wire && a.between == b.between
           && a.over == b.over && a.layerFactor == b.layerFactor && a.copper == b.copper
           && a.grade == b.grade;
}

}  // namespace

WindingsWindow::WindingsWindow(print::SharedPrinter& printer, QWidget* parent,
                               std::unique_ptr<print::PrinterChooser> chooser)
    : QWidget(parent, Qt::Window), model_(new WindingsModel(this)), printer_(printer, std::move(chooser)),
      transformerInputs_(defaultTransformerInputs())
{
    setObjectName(QStringLiteral("WindingsWindow"));
    setFont(desktopFont(this));
    buildControls();
    connect(model_, &WindingsModel::recalculated, this, &WindingsWindow::showResult);
    connect(model_, &WindingsModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                if (to.column() >= ColPerLayer)
                    spanProblems(from.row(), to.row());
            });
    // Rows that moved take their spans along only in part: all are set anew.
    const auto spanAll = [this] { spanProblems(0, model_->rowCount() - 1); };
    connect(model_, &WindingsModel::rowsInserted, this, spanAll);
    connect(model_, &WindingsModel::rowsRemoved, this, spanAll);
    connect(model_, &WindingsModel::rowsMoved, this, spanAll);
    connect(model_, &WindingsModel::modelReset, this, [this, spanAll] {
        twWindings->clearSpans();
        spanAll();
    });
    setDesignName({});
    showResult();
}

WindingsWindow::~WindingsWindow() = default;

void WindingsWindow::setSpace(std::optional<windings::Space> space)
{
    model_->setSpace(space);
}

void WindingsWindow::setPrinterChooser(std::unique_ptr<print::PrinterChooser> chooser)
{
    printer_.setChooser(std::move(chooser));
}

void WindingsWindow::setWindings(const std::vector<windings::Winding>& windings,
                                 const windings::Factors& factors)
{
    filled_.reset();
    replaceWindings(windings, factors);
}

void WindingsWindow::replaceWindings(const std::vector<windings::Winding>& windings,
                                     const windings::Factors& factors)
{
    for (SeparatorSpinBox* box : {seBulge, seMargin, seTemperature})
        box->blockSignals(true);
    seBulge->setValue(factors.bulge);
    seMargin->setValue(factors.margin);
    seTemperature->setValue(factors.temperature);
    for (SeparatorSpinBox* box : {seBulge, seMargin, seTemperature})
        box->blockSignals(false);
    model_->setWindings(windings, boxFactors());
    if (!windings.empty())
        selectCell(0, ColName);
}

void WindingsWindow::setCore(const windings::Core& core)
{
    core_ = core;
    updateTransformerDialog();
}

void WindingsWindow::setTransformerInputs(const windings::TransformerInputs& inputs)
{
    transformerInputs_ = inputs;
    if (transformerDialog_)
        transformerDialog_->setInputs(inputs);
    emit transformerInputsChanged();
    emit changed();
}

void WindingsWindow::openFromVoltages()
{
    if (!transformerDialog_) {
        transformerDialog_ = new TransformerDialog(this);  // a child: this window owns it
        transformerDialog_->setInputs(transformerInputs_);
        updateTransformerDialog();
        connect(transformerDialog_, &TransformerDialog::inputsChanged, this, [this] {
            transformerInputs_ = transformerDialog_->inputs();
            emit transformerInputsChanged();
            emit changed();
        });
        connect(transformerDialog_, &TransformerDialog::fillRequested, this,
                &WindingsWindow::fillFromTransformer);
    }
    transformerDialog_->show();
    transformerDialog_->raise();
    transformerDialog_->activateWindow();
}

void WindingsWindow::updateTransformerDialog()
{
    if (transformerDialog_)
        transformerDialog_->setBobbin(core_, model_->space(), model_->factors());
}

void WindingsWindow::fillFromTransformer()
{
    const std::optional<windings::Transformer>& transformer = transformerDialog_->result();
    if (!transformer || transformer->failure)
        return;
    windings::Factors factors = boxFactors();
    factors.temperature = transformerInputs_.temperature;
    // The table's build-up at θ, as the transformer's.
    filled_.reset();
    replaceWindings(windings::tableWindings(*transformer, transformerInputs_), factors);
    filled_ = model_->windings();
    showResult();
}

void WindingsWindow::setDesignName(const QString& name)
{
    title_ = name.isEmpty() ? tr("Обмотки") : tr("Обмотки — %1").arg(name);
    setWindowTitle(title_ + QStringLiteral("[*]"));
}

windings::Factors WindingsWindow::boxFactors() const
{
    return {seMargin->value(), seBulge->value(), seTemperature->value()};
}

QString WindingsWindow::copperText() const
{
    const std::optional<double> grams = model_->result().copperGrams;
    return grams ? tr("Медь обмоток с диаметром меди: %1 г.").arg(fixedText(*grams, 1, model_->separator()))
                 : QString();
}

void WindingsWindow::showResult()
{
    lbSpace->setText(spaceText());
    lbCopper->setText(copperText());
    lbCopper->setVisible(!lbCopper->text().isEmpty());
    const Verdict v = verdict();
    if (v.text != lbVerdict->text()) {
        lbVerdict->setText(v.text);
        // Said by a screen reader wherever the focus is.
        QAccessibleEvent said(lbVerdict, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&said);
    }
    QPalette colours = lbVerdict->palette();
    colours.setColor(QPalette::Window, v.good ? kFitsBackground : faultBackground());
    colours.setColor(QPalette::WindowText, Qt::black);  // on its light colour whatever the palette
    lbVerdict->setPalette(colours);
    wsSection->setContent(sectionContent());
    const std::vector<windings::Winding>& now = model_->windings();
    lbTransformerNote->setVisible(
        filled_ && !std::equal(filled_->cbegin(), filled_->cend(), now.cbegin(), now.cend(), sameWinding));
    updateButtons();
    updateTransformerDialog();
    emit changed();
}

void WindingsWindow::spanProblems(int first, int last)
{
    const std::vector<windings::WindingBuild>& builds = model_->result().windings;
    for (int row = std::max(first, 0); row <= last; ++row) {
        const bool problem = std::size_t(row) < builds.size() && builds[std::size_t(row)].problem;
        if (problem != (twWindings->columnSpan(row, ColPerLayer) > 1))
            twWindings->setSpan(row, ColPerLayer, 1, problem ? ColumnCount - ColPerLayer : 1);
    }
}

QString WindingsWindow::spaceText() const
{
    const QString& sep = model_->separator();
    const std::optional<windings::Space>& space = model_->space();
    if (!space)
        return tr("Чертёж не рассчитан: введите размеры и нажмите «Рассчитать» в главном окне.");
    return tr("Окно каркаса: длина намотки L %1 мм, глубина D %2 мм (от трубки до края щеки), "
              "трубка %3 × %4 мм.")
        .arg(fixedText(space->length, 2, sep), fixedText(space->depth, 2, sep),
             fixedText(space->tubeWidth, 2, sep), fixedText(space->tubeHeight, 2, sep));
}

WindingsWindow::Verdict WindingsWindow::verdict() const
{
    const QString& sep = model_->separator();
    const std::optional<windings::Space>& space = model_->space();
    const windings::BuildUp& result = model_->result();
    if (!space)
        return {tr("Нет результата чертежа: проверить нечего.")};
    if (result.noRoom)
        return {tr("У каркаса нет места для обмоток: длина намотки L %1 мм, глубина D %2 мм.")
                    .arg(fixedText(space->length, 2, sep), fixedText(space->depth, 2, sep))};
    if (result.factorProblem) {
        switch (*result.factorProblem) {
        case windings::FactorProblem::Bulge:
            return {tr("Коэффициент вспучивания: %1.")
                        .arg(rangeText(windings::kMinFactor, windings::kMaxFactor, {}, sep))};
        case windings::FactorProblem::Temperature:
            return {
                tr("Рабочая температура: %1.")
                    .arg(rangeText(windings::kMinTemperature, windings::kMaxTemperature, tr(" °C"), sep))};
        case windings::FactorProblem::Margin:
            return {tr("Зазор у щеки: %1.").arg(rangeText(0, windings::kMaxMargin, tr(" мм"), sep))};
        case windings::FactorProblem::MarginTakesLength:
            return {tr("Зазор у щеки %1 мм — не меньше половины длины намотки L %2 мм: виткам не остаётся "
                       "места.")
                        .arg(fixedText(model_->factors().margin, 2, sep), fixedText(space->length, 2, sep))};
        }
    }
    if (model_->rowCount() == 0)
        return {tr("Добавьте обмотку (Insert).")};
    if (model_->faultyRows() > 0 || !result.build)
        return {tr("Исправьте отмеченные ячейки (обмоток с ошибкой: %1).").arg(model_->faultyRows())};
    const double build = *result.build;
    const double depth = space->depth;
    const QString fill = fixedText(*result.fill * 100, 1, sep);
    if (result.fits)
        return {tr("Помещается: катушка %1 мм из %2 мм (%3 %), остаётся %4 мм.")
                    .arg(fixedText(build, 2, sep), fixedText(depth, 2, sep), fill,
                         fixedText(depth - build, 2, sep)),
                true};
    return {
        tr("Не помещается: катушка %1 мм при глубине %2 мм (%3 %), не хватает %4 мм.")
            .arg(fixedText(build, 2, sep), fixedText(depth, 2, sep), fill, fixedText(build - depth, 2, sep))};
}

void WindingsWindow::updateButtons()
{
    const int row = twWindings->currentIndex().row();
    const int rows = model_->rowCount();
    btRemoveWinding->setEnabled(row >= 0 && row < rows);
    btWindingUp->setEnabled(row > 0 && row < rows);
    btWindingDown->setEnabled(row >= 0 && row + 1 < rows);
}

void WindingsWindow::selectCell(int row, int column)
{
    twWindings->setCurrentIndex(model_->index(row, column));
}

void WindingsWindow::addWinding()
{
    const int row = model_->rowCount();
    model_->insertRows(row, 1);
    model_->setData(model_->index(row, ColName), tr("Обмотка %1").arg(row + 1));
    selectCell(row, ColName);
    twWindings->setFocus();
}

void WindingsWindow::removeWinding()
{
    const QModelIndex current = twWindings->currentIndex();
    if (!current.isValid())
        return;
    model_->removeRows(current.row(), 1);
    if (model_->rowCount() > 0)
        selectCell(std::min(current.row(), model_->rowCount() - 1), std::max(current.column(), 0));
}

void WindingsWindow::moveWinding(int by)
{
    const QModelIndex current = twWindings->currentIndex();
    const int row = current.row();
    const int to = row + by;
    if (!current.isValid() || to < 0 || to >= model_->rowCount())
        return;
    model_->moveRows({}, row, 1, {}, by > 0 ? to + 1 : to);
    // The current cell moved with its winding; the table shows it where it went.
    selectCell(to, std::max(current.column(), 0));
    twWindings->scrollTo(twWindings->currentIndex());
}

void WindingsWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted() && parentWidget())
        FocusReturn::returnFocus(parentWidget()->window());
}

void WindingsWindow::showEvent(QShowEvent* event)
{
    if (!sized_) {
        sized_ = true;
        QSize size = sizeHint();
        if (const QScreen* on = screen()) {
            // Room for the window manager's title bar and borders.
            const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) + 4;
            const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
            size = size.boundedTo(on->availableGeometry().size() - QSize(2 * border, title + 2 * border));
        }
        resize(size.expandedTo(minimumSizeHint()));
    }
    placement_.placeOnShow(*this);
    QWidget::showEvent(event);
    // The styles draw the focus as after Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
    if (model_->rowCount() == 0) {
        btAddWinding->setFocus(Qt::TabFocusReason);
    } else if (!focusWidget() || focusWidget() == btAddWinding) {
        if (!twWindings->currentIndex().isValid())
            selectCell(0, ColName);
        twWindings->setFocus(Qt::TabFocusReason);
    }
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

SectionContent WindingsWindow::sectionContent() const
{
    return {model_->space(), model_->factors(), model_->windings(), model_->result(), model_->separator()};
}

WindingsPage WindingsWindow::page() const
{
    const QString& sep = model_->separator();
    WindingsPage p;
    p.title = title_;
    p.space = spaceText();
    for (int c = 0; c < ColumnCount; ++c)
        p.headers << model_->headerData(c, Qt::Horizontal).toString();
    for (int r = 0; r < model_->rowCount(); ++r) {
        QStringList texts;
        for (int c = 0; c < ColumnCount; ++c) {
            const QModelIndex cell = model_->index(r, c);
            QString text = cell.data().toString();
            if (text.isEmpty())
                text = cell.data(kShownWhenEmptyRole).toString();
            texts << text;
        }
        p.rows << texts;
        p.colours << windingColour(r);
    }
    p.factors
        = tr("Коэффициент вспучивания %1, зазор у щеки %2 мм, рабочая температура %3 °C. %4")
              .arg(fixedText(model_->factors().bulge, 2, sep), fixedText(model_->factors().margin, 2, sep),
                   fixedText(model_->factors().temperature, 0, sep), wireNote());
    p.verdict = verdict().text;
    p.copper = copperText();
    p.section = sectionContent();
    return p;
}

void WindingsWindow::printWindings()
{
    const FocusReturn focus(*this);
    runReportingErrors(this, [this] { printer_.print(*this, page()); });
}

}  // namespace vintorp::ui
