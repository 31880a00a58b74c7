#include "inputwindow.h"

#include "drawingwindow.h"
#include "accessibility.h"
#include "assets/artwork.h"
#include "calcbridge.h"
#include "decimalseparator.h"
#include "errorreport.h"
#include "keyfilter.h"
#include "radiogroup.h"
#include "vectorpicture.h"
#include "windowplacement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vintorp::ui {
namespace {

constexpr int kClientWidth = 325;
constexpr int kClientHeight = 220;

QLabel* makeLabel(const QString& text, QWidget* parent, const char* name, int left, int top)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

// An input field, named and as long as the calculation knows it.
QLineEdit* makeEdit(calc::InputField field, const QString& text, QWidget* parent, QRect geometry)
{
    auto* edit = new QLineEdit(parent);
    const std::string_view name = calc::inputFieldName(field);
    edit->setObjectName(QString::fromLatin1(name.data(), qsizetype(name.size())));
    edit->setMaxLength(int(calc::inputFieldLength(field)));
    edit->setText(text);
    edit->setGeometry(geometry);
    return edit;
}

QGroupBox* makeFrame(const QString& caption, QWidget* parent, const char* name, QRect geometry)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    return frame;
}

QPushButton* makeButton(const QString& caption, QWidget* parent, const char* name, QRect geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

VectorPicture* makeCorePicture(QSize size, VectorPicture::Render render, QWidget* parent, const char* name)
{
    auto* picture = new VectorPicture(size, render, nullptr, parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setGeometry(QRect(QPoint(2, 7), art::kCorePictureBoxSize));
    return picture;
}

}  // namespace

TForm1::TForm1(TForm4& drawing, QWidget* parent) : QWidget(parent), drawing_(drawing)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vintorp v." VINTORP_CAPTION_VERSION));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(art::appIcon());
    setFixedSize(kClientWidth, kClientHeight);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    // Frames with their caption set into the top line, so that controls sit
    // at the same offsets from a frame's top edge whatever the style.
    setStyleSheet(
        QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: 6px; }"
                       "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                       " left: 7px; padding: 0 1px; }"));

    buildControls();
    chainTabOrder();
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    FormCreate();
}

void TForm1::buildControls()
{
    rgType = new RadioGroup(tr("Тип сердечника"), {tr("ШЛ, Ш"), tr("ПЛ, П")}, this);
    rgType->setObjectName(QStringLiteral("rgType"));
    rgType->setGeometry(4, 4, 157, 64);
    rgType->setItemIndex(0);

    GroupBox1 = makeFrame(QString(), this, "GroupBox1", {4, 69, 156, 148});
    img_SHL = makeCorePicture(art::kECorePictureSize, art::eCorePicture, GroupBox1, "img_SHL");
    IMG_PL = makeCorePicture(art::kUCorePictureSize, art::uCorePicture, GroupBox1, "IMG_PL");
    IMG_PL->hide();

    GroupBox3 = makeFrame(tr("Толщина (мм)"), this, "GroupBox3", {164, 4, 158, 65});
    Label16 = makeLabel(tr("Материал =>"), GroupBox3, "Label16", 8, 19);
    edMater = makeEdit(calc::InputField::T, QStringLiteral("1"), GroupBox3, {99, 16, 51, 21});
    Label25 = makeLabel(tr("Стяжка (ПЛ) =>"), GroupBox3, "Label25", 7, 42);
    edPLKrep = makeEdit(calc::InputField::K, QStringLiteral("0"), GroupBox3, {99, 38, 51, 21});

    GroupBox2 = makeFrame(tr("Размеры сердечника (мм)"), this, "GroupBox2", {164, 69, 158, 115});
    const auto dimensionLabel = [this](QChar letter) { return tr("\" %1 \"   => ").arg(letter); };
    Label1 = makeLabel(dimensionLabel(u'A'), GroupBox2, "Label1", 9, 21);
    ed_A = makeEdit(calc::InputField::A, QStringLiteral("0"), GroupBox2, {99, 18, 51, 21});
    Label2 = makeLabel(dimensionLabel(u'B'), GroupBox2, "Label2", 9, 44);
    ed_B = makeEdit(calc::InputField::B, QStringLiteral("0"), GroupBox2, {99, 40, 51, 21});
    Label3 = makeLabel(dimensionLabel(u'C'), GroupBox2, "Label3", 9, 65);
    ed_C = makeEdit(calc::InputField::C, QStringLiteral("0"), GroupBox2, {99, 62, 51, 21});
    Label4 = makeLabel(dimensionLabel(u'H'), GroupBox2, "Label4", 8, 87);
    ed_H = makeEdit(calc::InputField::H, QStringLiteral("0"), GroupBox2, {99, 84, 51, 21});

    btShow = makeButton(tr("Рассчитать"), this, "btShow", {168, 189, 72, 24});
    Button1 = makeButton(tr("Закрыть"), this, "Button1", {244, 189, 72, 24});

    // The fields read as the dimension they take, the pictures as what they show.
    for (QLineEdit* edit : {ed_A, ed_B, ed_C, ed_H, edMater, edPLKrep}) {
        edit->setAccessibleName(inputControlName(edit->objectName()));
        edit->setAccessibleDescription(inputFieldDescription());
    }
    for (VectorPicture* picture : {img_SHL, IMG_PL})
        picture->setAccessibleName(inputControlName(picture->objectName()));

    connect(rgType, &RadioGroup::itemIndexChanged, this, &TForm1::rgTypeClick);
    connect(btShow, &QPushButton::clicked, this, &TForm1::btShowClick);
    connect(rgType, &RadioGroup::itemIndexChanged, this, &TForm1::inputsChanged);
    for (QLineEdit* field : {ed_A, ed_B, ed_C, ed_H, edPLKrep, edMater})
        connect(field, &QLineEdit::textChanged, this, &TForm1::inputsChanged);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
}

void TForm1::chainTabOrder()
{
    GroupBox1->setFocusPolicy(Qt::NoFocus);
    const QList<QWidget*> chain = {ed_A, ed_B, ed_C, ed_H, btShow, edMater, edPLKrep};
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    QWidget* previous = edPLKrep;
    for (QRadioButton* item : rgType->findChildren<QRadioButton*>()) {
        QWidget::setTabOrder(previous, item);
        previous = item;
    }
    QWidget::setTabOrder(previous, Button1);
    QWidget::setTabOrder(Button1, ed_A);
    // Typing at start replaces the "0", as in a field reached by Tab or Enter.
    ed_A->setFocus();
    ed_A->selectAll();
}

void TForm1::FormCreate()
{
    rgTypeClick();
}

void TForm1::rgTypeClick()
{
    switch (rgType->itemIndex()) {
    case calc::ETypeCore:
        img_SHL->show();
        IMG_PL->hide();
        edPLKrep->setEnabled(false);
        break;
    case calc::UTypeCore:
        img_SHL->hide();
        IMG_PL->show();
        edPLKrep->setEnabled(true);
        break;
    default: break;
    }
}

void TForm1::btShowClick()
{
    runReportingErrors(this, [this] {
        CalcBridge bridge(*this, drawing_);
        calc::calculate(bridge, decimalSeparator().toStdString());
    });
}

void TForm1::Button1Click()
{
    close();
}

QLineEdit* TForm1::edit(calc::InputField field) const
{
    switch (field) {
    case calc::InputField::A: return ed_A;
    case calc::InputField::B: return ed_B;
    case calc::InputField::C: return ed_C;
    case calc::InputField::H: return ed_H;
    case calc::InputField::K: return edPLKrep;
    case calc::InputField::T: return edMater;
    }
    return ed_A;
}

QString TForm1::inputText(calc::InputField field) const
{
    return edit(field)->text();
}

int TForm1::coreType() const
{
    return rgType->itemIndex();
}

void TForm1::setInputText(calc::InputField field, const QString& text)
{
    edit(field)->setText(text);
}

void TForm1::setCoreType(int coreType)
{
    rgType->setItemIndex(coreType);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == this)
        return FormKeyPress(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

bool TForm1::FormKeyPress(QWidget* focus, QKeyEvent* key)
{
    const std::optional<char32_t> typed = typedCharacter(*key);
    if (!typed)
        return false;
    auto* pushButton = qobject_cast<QPushButton*>(focus);
    auto* edit = qobject_cast<QLineEdit*>(focus);

    if (*typed == kEnter) {
        if (pushButton) {
            pushButton->click();
            // Still by keyboard: the focus the drawing window has come up
            // with (on Print) shows its frame too. (Showing a window resets
            // the mark, so it is set after.)
            drawing_.setAttribute(Qt::WA_KeyboardFocusChange);
        } else {
            // Moved by a key, the focus is shown as after Tab.
            setAttribute(Qt::WA_KeyboardFocusChange);
            focusNextChild();
        }
        return true;
    }
    if (*typed == kBackspace || (*typed >= U'0' && *typed <= U'9'))
        return false;
    if (*typed == U'.' || *typed == U',') {
        const QString separator = decimalSeparator();
        if (edit && !edit->text().contains(separator))
            edit->insert(separator);
        return true;
    }
    // The space bar still presses a focused button; as a character it is dropped.
    if (*typed == U' ' && qobject_cast<QAbstractButton*>(focus))
        return false;
    return true;
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        reloadDecimalSeparator();
    QWidget::changeEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    drawing_.close();
    event->accept();
    QCoreApplication::quit();
}

void TForm1::showEvent(QShowEvent* event)
{
    placement_.placeOnShow(*this);
    QWidget::showEvent(event);
}

}  // namespace vintorp::ui
