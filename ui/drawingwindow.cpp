#include "drawingwindow.h"

#include "accessibility.h"
#include "assets/artwork.h"
#include "calc/drawingfields.h"
#include "calc/drawingnumbers.h"
#include "decimalseparator.h"
#include "errorreport.h"
#include "fitlineedit.h"
#include "focusreturn.h"
#include "fonts.h"
#include "lang/messages.h"
#include "print/drawingprinter.h"
#include "template/pages/cuttemplate.h"
#include "template/pages/templateerror.h"
#include "keyfilter.h"
#include "lang/fields/fieldnames.h"
#include "vectorpicture.h"
#include "windings/space.h"
#include "windingswindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <stdexcept>

namespace vintorp::ui {
namespace {

constexpr int kClientWidth = 457;
// The picture and the notes take 475 rows; the third button of the column
// at the right needs 25 more below them.
constexpr int kClientHeight = 500;
// Under the last note, up to the button column: why no part can be cut.
constexpr QRect kTemplateNote{8, 459, 365, 15};
// The button column: btTemplate, btPrint and, below them, btWindings.
constexpr QRect kWindingsButton{380, 462, 70, 20};
// The bottom rows, from the notes down, hold the notes and the buttons.
constexpr int kNotesStripHeight = 100;

struct LabelPlace {
    const char* name;
    QPoint position;
    const char* text;  // translated in the context of TForm4
    bool bold;
};

constexpr std::array<LabelPlace, 6> kLabels = {{
    {"Label1", {328, 14}, QT_TRANSLATE_NOOP("vintorp::ui::TForm4", "Все размеры в мм."), true},
    {"Label7", {4, 375}, QT_TRANSLATE_NOOP("vintorp::ui::TForm4", "Толщина материала - "), false},
    {"Label3", {5, 412}, QT_TRANSLATE_NOOP("vintorp::ui::TForm4", "Примечание:"), true},
    {"Label4",
     {86, 413},
     QT_TRANSLATE_NOOP("vintorp::ui::TForm4", "1. Если обмоток много, то целесообразно увеличить"),
     false},
    {"Label5",
     {7, 428},
     QT_TRANSLATE_NOOP("vintorp::ui::TForm4", "размер X, что бы не было проблем с размещением их выводов."),
     false},
    {"Label6",
     {8, 444},
     QT_TRANSLATE_NOOP("vintorp::ui::TForm4", "2. Для П и ПЛ необходимо изготовить два таких каркаса."),
     false},
}};

QString fieldName(const calc::DrawingField& place)
{
    return QString::fromLatin1(place.name.data(), qsizetype(place.name.size()));
}

}  // namespace

TForm4::TForm4(std::unique_ptr<print::PrinterChooser> chooser, QWidget* parent)
    : QWidget(parent), drawingPrinter_(std::make_unique<print::DrawingPrinter>(printer_, std::move(chooser)))
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Чертёж катушки"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(windowFont());
    // Black on white paper whatever the desktop's palette; the buttons keep it.
    QPalette paper = palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    setPalette(paper);
    setAutoFillBackground(true);
}

TForm4::~TForm4() = default;

bool TForm4::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::PolishRequest:
        // Qt asks every new widget to polish itself as soon as the event
        // loop runs; this window waits until it is shown or a field is used.
        return true;
    case QEvent::Polish:
        if (!Image1)
            buildControls();
        break;
    default: break;
    }
    return QWidget::event(event);
}

void TForm4::buildControls()
{
    Image1 = new VectorPicture(art::kBobbinDrawingSize, art::bobbinDrawing, art::paintBobbinDrawing, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(drawingPictureName());
    Image1->setGeometry(-1, -2, 460, 409);

    buildLabels();
    buildFields();

    btPrint = new QPushButton(tr("Печать"), this);
    btPrint->setObjectName(QStringLiteral("btPrint"));
    btPrint->setGeometry(396, 437, 54, 20);
    connect(btPrint, &QPushButton::clicked, this, &TForm4::btPrintClick);

    btTemplate = new QPushButton(QCoreApplication::translate("CutTemplate", "Шаблон…"), this);
    btTemplate->setObjectName(QStringLiteral("btTemplate"));
    btTemplate->setGeometry(380, 412, 70, 20);
    btTemplate->setToolTip(
        QCoreApplication::translate("CutTemplate", "Детали в натуральную величину: печать, PDF, SVG или DXF"));
    connect(btTemplate, &QPushButton::clicked, this, &TForm4::btTemplateClick);

    btWindings = new QPushButton(tr("Обмотки…"), this);
    btWindings->setObjectName(QStringLiteral("btWindings"));
    btWindings->setGeometry(kWindingsButton);
    btWindings->setToolTip(tr("Поместятся ли обмотки на этот каркас"));
    connect(btWindings, &QPushButton::clicked, this, &TForm4::btWindingsClick);

    // Below the notes: why no part can be cut from the values shown, if so.
    lbTemplateNote = new QLabel(this);
    lbTemplateNote->setObjectName(QStringLiteral("lbTemplateNote"));
    lbTemplateNote->setGeometry(kTemplateNote);
    lbTemplateNote->setFont(labelFont(false));
    lbTemplateNote->hide();
    // A reason too long for the line ends in a link that shows it whole.
    connect(lbTemplateNote, &QLabel::linkActivated, this, &TForm4::showTemplateNote);
    // Focused, it is framed, as a focused button shows its focus.
    lbTemplateNote->setStyleSheet(QStringLiteral("QLabel:focus { border: 1px dotted palette(text); }"));

    // The table is in tab order, with the Print button before the thickness.
    QWidget* previous = nullptr;
    for (const calc::DrawingField& place : calc::kDrawingFieldTable) {
        QWidget* field = fields_.value(fieldName(place));
        if (place.name == calc::field::Thickness) {
            QWidget::setTabOrder(previous, btPrint);
            QWidget::setTabOrder(btPrint, btTemplate);
            QWidget::setTabOrder(btTemplate, btWindings);
            previous = btWindings;
        }
        if (previous)
            QWidget::setTabOrder(previous, field);
        previous = field;
    }
    updateTemplateButton();
    updateWindings();
}

void TForm4::buildFields()
{
    const auto makeField = [this](const calc::DrawingField& place, Qt::Alignment alignment) {
        auto* field = new FitLineEdit(windowFont(), this);
        field->setObjectName(fieldName(place));
        const calc::PixelRect& r = place.place;
        field->setGeometry(r.left, r.top, r.width, r.height);
        field->setFrame(false);
        field->setReadOnly(true);
        field->setAlignment(alignment | Qt::AlignVCenter);
        field->setMeaning(lang::drawingFieldMeaning(place.name));
        field->setText(QStringLiteral("0"));
        fields_.insert(field->objectName(), field);
    };
    // The dimension fields are centred on their lines; the thickness follows its label.
    for (const calc::DrawingField& place : calc::kDrawingFieldTable) {
        if (place.onDimensionLine)
            makeField(place, Qt::AlignHCenter);
        else
            makeField(place, Qt::AlignLeft);
    }
}

void TForm4::buildLabels()
{
    for (const LabelPlace& place : kLabels) {
        auto* label = new QLabel(tr(place.text), this);
        label->setObjectName(QString::fromLatin1(place.name));
        label->setFont(labelFont(place.bold));
        label->setAutoFillBackground(true);
        label->move(place.position);
        label->adjustSize();
    }
    // The note names X and Z, which only the drawing shows: said in words.
    const QString marks = tr("X на чертеже — полоса щеки между её окном и верхним краем, глубина места "
                             "для обмоток; Z — полоса щеки сбоку от окна до её края.");
    for (const char* note : {"Label4", "Label5"})
        findChild<QLabel*>(QString::fromLatin1(note))->setAccessibleDescription(marks);
    // The first note follows the title "Notes" as closely as in Russian when
    // a translation makes the title shorter.
    constexpr int kNoteAfterTitle = 10;
    const auto* title = findChild<QLabel*>(QStringLiteral("Label3"));
    auto* firstNote = findChild<QLabel*>(QStringLiteral("Label4"));
    const int follows = title->geometry().right() + 1 + kNoteAfterTitle;
    if (follows < firstNote->x())
        firstNote->move(follows, firstNote->y());
}

FitLineEdit& TForm4::field(const QString& name) const
{
    FitLineEdit* field = fields_.value(name);
    if (!field)
        throw std::out_of_range("no drawing field " + name.toStdString());
    return *field;
}

void TForm4::setFieldText(const QString& name, const QString& text)
{
    ensurePolished();
    field(name).setText(text);
    updateTemplateButton();
    updateWindings();
}

bool TForm4::holdsResult() const
{
    return std::none_of(fields_.cbegin(), fields_.cend(), [](const FitLineEdit* field) { return field->text() == u"0"; });
}

void TForm4::updateWindings()
{
    const bool filled = holdsResult();
    btWindings->setEnabled(filled);
    if (windings_) {
        windings_->setCore(core_);
        windings_->setSpace(filled ? windings::spaceFromDrawing(drawingNumbers()) : std::nullopt);
    }
}

void TForm4::setCore(const windings::Core& core)
{
    core_ = core;
    if (windings_)
        windings_->setCore(core_);
}

WindingsWindow& TForm4::makeWindingsWindow()
{
    ensurePolished();  // the window's own controls first
    if (!windings_) {
        windings_ = new WindingsWindow(printer_, this);  // a child window: this window owns it
        updateWindings();
        emit windingsWindowMade(*windings_);
    }
    return *windings_;
}

void TForm4::btWindingsClick()
{
    makeWindingsWindow();
    windings_->show();
    windings_->raise();
    windings_->activateWindow();
}

void TForm4::updateTemplateButton()
{
    const bool filled = holdsResult();
    QString problem;
    if (filled) {
        try {
            cut::makeTemplateParts(drawingNumbers(), cut::defaultBobbinCount(coreType_));
        } catch (const cut::TemplateError& e) {
            problem = lang::messageText(e.failure());
        }
    }
    btTemplate->setEnabled(filled && problem.isEmpty());
    btTemplate->setToolTip(problem.isEmpty() ? QCoreApplication::translate(
                                                   "CutTemplate", "Детали в натуральную величину: печать, PDF, SVG или DXF")
                                             : problem);
    lbTemplateNote->setVisible(!problem.isEmpty());
    const QString note = QStringLiteral("3. ") + problem;
    const QFontMetrics metrics = lbTemplateNote->fontMetrics();
    const bool whole = metrics.horizontalAdvance(note) <= kTemplateNote.width();
    if (whole) {
        lbTemplateNote->setTextFormat(Qt::PlainText);
        lbTemplateNote->setText(note);
    } else {
        // Cut short, and followed by a link that a keyboard reaches too.
        const QString why = tr("почему?");
        const int room = kTemplateNote.width() - metrics.horizontalAdvance(u' ' + why);
        lbTemplateNote->setTextFormat(Qt::RichText);
        lbTemplateNote->setText(metrics.elidedText(note, Qt::ElideRight, room).toHtmlEscaped()
                                + QStringLiteral(" <a href=\"#why\">%1</a>").arg(why));
    }
    lbTemplateNote->setTextInteractionFlags(whole ? Qt::NoTextInteraction : Qt::LinksAccessibleByKeyboard
                                                                                | Qt::LinksAccessibleByMouse);
    lbTemplateNote->setFocusPolicy(whole ? Qt::NoFocus : Qt::TabFocus);
    lbTemplateNote->setToolTip(problem);
    lbTemplateNote->setAccessibleName(problem.isEmpty() ? QString() : note);
}

void TForm4::showTemplateNote()
{
    showPlainMessage(lbTemplateNote->toolTip(), this);
}

calc::DrawingNumbers TForm4::drawingNumbers() const
{
    calc::DrawingTexts texts;
    for (const calc::DrawingField& place : calc::kDrawingFieldTable)
        texts.emplace(std::string(place.name), fieldText(fieldName(place)).toStdString());
    return calc::readDrawingNumbers(texts, decimalSeparator().toStdString());
}

QString TForm4::fieldText(const QString& name) const
{
    ensurePolished();
    return field(name).text();
}

void TForm4::showResults()
{
    show();
    raise();
    activateWindow();
    btPrint->setFocus();
}

QRect TForm4::pictureArea() const
{
    return {0, 0, width(), std::max(0, height() - kNotesStripHeight)};
}

void TForm4::btPrintClick()
{
    const FocusReturn focus(*this);
    runReportingErrors(this, [this] { drawingPrinter_->print(*this, pictureArea()); });
}

void TForm4::btTemplateClick()
{
    const design::TemplateSettings before = template_.settings();
    const FocusReturn focus(*this);
    runReportingErrors(this, [this] { template_.run(this, drawingNumbers(), coreType_); });
    if (!(template_.settings() == before))
        emit templateSettingsChanged();
}

void TForm4::setTemplateSettings(const design::TemplateSettings& settings)
{
    template_.setSettings(settings);
}

void TForm4::setTemplateDialogs(std::unique_ptr<cut::TemplateDialogs> dialogs)
{
    template_.setDialogs(std::move(dialogs));
}

void TForm4::showEvent(QShowEvent* event)
{
    placement_.placeOnShow(*this);
    QWidget::showEvent(event);
}

void TForm4::keyPressEvent(QKeyEvent* event)
{
    // A focused button ignores Enter and passes it up to the window.
    if (typedCharacter(*event) == kEnter) {
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget())) {
            button->click();
            return;
        }
        // So does the template's note, focused as a whole: it follows its link.
        if (focusWidget() == lbTemplateNote) {
            showTemplateNote();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

}  // namespace vintorp::ui
