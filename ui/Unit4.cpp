#include "Unit4.h"

#include "assets/artwork.h"
#include "errorreport.h"
#include "fitlineedit.h"
#include "fonts.h"
#include "vectorpicture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <array>

namespace vintorp::ui {
namespace {

constexpr int kClientWidth = 457;
constexpr int kClientHeight = 475;

struct FieldPlace {
    const char* name;
    QRect geometry;
};

// The fields in tab order; each stands on its dimension line of the drawing.
constexpr std::array<FieldPlace, 13> kDimensionFields = {{
    {"Edit2", {43, 138, 33, 16}},
    {"Edit3", {20, 110, 33, 16}},
    {"Edit4", {125, 15, 33, 16}},
    {"Edit5", {126, 31, 30, 16}},
    {"Edit6", {60, 280, 33, 16}},
    {"Edit7", {43, 317, 33, 16}},
    {"Edit8", {20, 251, 33, 16}},
    {"Edit9", {273, 357, 33, 16}},
    {"Edit10", {273, 377, 33, 16}},
    {"Edit11", {408, 282, 25, 16}},
    {"Edit12", {418, 317, 33, 16}},
    {"Edit14", {352, 357, 33, 16}},
    {"Edit16", {352, 376, 33, 16}},
}};
constexpr FieldPlace kThicknessField = {"Edit15", {117, 375, 27, 15}};

struct LabelPlace {
    const char* name;
    QPoint position;
    const char16_t* text;
    bool bold;
};

constexpr std::array<LabelPlace, 6> kLabels = {{
    {"Label1", {328, 14}, u"Все размеры в мм.", true},
    {"Label7", {4, 375}, u"Толщина материала - ", false},
    {"Label3", {5, 412}, u"Примечание:", true},
    {"Label4", {86, 413}, u"1. Если обмоток много, то целесообразно увеличить", false},
    {"Label5", {7, 428}, u"размер X, что бы не было проблем с размещением их выводов.", false},
    {"Label6", {8, 444}, u"2. Для П и ПЛ необходимо изготовить два таких каркаса.", false},
}};

}  // namespace

TForm4::TForm4(std::unique_ptr<print::PrinterChooser> chooser, QWidget* parent)
    : QWidget(parent),
      printer_(chooser ? std::move(chooser) : std::make_unique<print::DialogPrinterChooser>())
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Чертёж катушки"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(windowFont());
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    Image1 = new VectorPicture(art::kBobbinDrawingSize, art::bobbinDrawing, art::paintBobbinDrawing, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(-1, -2, 460, 409);

    buildLabels();
    buildFields();

    btPrint = new QPushButton(QStringLiteral("Печать"), this);
    btPrint->setObjectName(QStringLiteral("btPrint"));
    btPrint->setGeometry(396, 437, 54, 20);
    connect(btPrint, &QPushButton::clicked, this, &TForm4::btPrintClick);

    QWidget* previous = nullptr;
    for (const FieldPlace& place : kDimensionFields) {
        QWidget* field = fields_.value(QString::fromLatin1(place.name));
        if (previous)
            QWidget::setTabOrder(previous, field);
        previous = field;
    }
    QWidget::setTabOrder(previous, btPrint);
    QWidget::setTabOrder(btPrint, fields_.value(QString::fromLatin1(kThicknessField.name)));
}

TForm4::~TForm4() = default;

void TForm4::buildFields()
{
    const auto makeField
        = [this](const FieldPlace& place, Qt::Alignment alignment, QPalette::ColorRole role) {
              auto* field = new FitLineEdit(windowFont(), this);
              field->setObjectName(QString::fromLatin1(place.name));
              field->setGeometry(place.geometry);
              field->setFrame(false);
              field->setReadOnly(true);
              field->setAlignment(alignment | Qt::AlignVCenter);
              QPalette colours = field->palette();
              colours.setColor(QPalette::Base, QApplication::palette().color(role));
              field->setPalette(colours);
              field->setText(QStringLiteral("0"));
              fields_.insert(field->objectName(), field);
          };
    for (const FieldPlace& place : kDimensionFields)
        makeField(place, Qt::AlignHCenter, QPalette::Light);
    makeField(kThicknessField, Qt::AlignLeft, QPalette::Base);
}

void TForm4::buildLabels()
{
    for (const LabelPlace& place : kLabels) {
        auto* label = new QLabel(QString::fromUtf16(place.text), this);
        label->setObjectName(QString::fromLatin1(place.name));
        label->setFont(labelFont(place.bold));
        label->setAutoFillBackground(true);
        label->move(place.position);
        label->adjustSize();
    }
}

void TForm4::setFieldText(const QString& name, const QString& text)
{
    if (FitLineEdit* field = fields_.value(name))
        field->setText(text);
}

QString TForm4::fieldText(const QString& name) const
{
    const FitLineEdit* field = fields_.value(name);
    return field ? field->text() : QString();
}

void TForm4::showResults()
{
    show();
    raise();
    activateWindow();
    btPrint->setFocus();
}

void TForm4::btPrintClick()
{
    runReportingErrors(this, [this] { printer_.print(*this); });
}

void TForm4::showEvent(QShowEvent* event)
{
    placement_.placeOnShow(*this);
    QWidget::showEvent(event);
}

}  // namespace vintorp::ui
