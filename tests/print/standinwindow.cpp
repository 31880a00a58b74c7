#include "standinwindow.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>

namespace vintorp::print::testing {
namespace {

class DrawingStandIn : public QWidget {
public:
    DrawingStandIn(StandInWindow& window) : QWidget(&window), window_(window)
    {
        setObjectName("Image1");
        setGeometry(-1, -2, 460, 409);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (window_.onDrawingPaint)
            window_.onDrawingPaint();
        QPainter painter(this);
        painter.fillRect(rect(), kDrawingFill);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(10, 60, 160, 170);
        painter.drawRect(60, 100, 60, 90);
        painter.drawLine(10, 40, 170, 40);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(QPointF(300, 200), 80, 60);
    }

private:
    StandInWindow& window_;
};

QLabel* addLabel(QWidget& window, const char* name, const char* text, QPoint at, bool bold)
{
    auto* label = new QLabel(QString::fromUtf8(text), &window);
    label->setObjectName(name);
    label->setAutoFillBackground(true);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    label->adjustSize();
    label->move(at);
    return label;
}

}  // namespace

QString fieldName(const calc::DrawingField& field)
{
    return QString::fromLatin1(field.name.data(), qsizetype(field.name.size()));
}

QString standInText(const calc::DrawingField& field)
{
    const QString number = fieldName(field).remove(QStringLiteral("Edit"));
    return field.place.width >= 33 ? number + QStringLiteral(",5") : number;
}

QRect fieldRect(const calc::DrawingField& field)
{
    return {field.place.left, field.place.top, field.place.width, field.place.height};
}

StandInWindow::StandInWindow()
{
    setObjectName("Form4");
    setFixedSize(kPictureArea.width(), 475);
    QFont font = this->font();
    font.setPixelSize(11);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    new DrawingStandIn(*this);
    addLabel(*this, "Label1", kUnitsNote, {328, 14}, true);
    addLabel(*this, "Label7", "Толщина материала - ", {4, 375}, false);
    addLabel(*this, "Label3", kNotesTitle, {5, 412}, true);
    addLabel(*this, "Label4", "1. Если обмоток много, то целесообразно увеличить", {86, 413}, false);
    addLabel(*this, "Label5", "размер X, что бы не было проблем с размещением их выводов.", {7, 428}, false);
    addLabel(*this, "Label6", "2. Для П и ПЛ необходимо изготовить два таких каркаса.", {8, 444}, false);
    // The fields lie above the labels, as a label may be wider than the gap.
    for (const calc::DrawingField& place : calc::kDrawingFieldTable) {
        auto* field = new QLineEdit(standInText(place), this);
        field->setObjectName(fieldName(place));
        field->setGeometry(fieldRect(place));
        field->setFrame(false);
        field->setReadOnly(true);
        field->setAlignment(Qt::AlignCenter);
    }
    auto* button = new QPushButton(QString::fromUtf8(kPrintCaption), this);
    button->setObjectName("btPrint");
    button->setGeometry(396, 437, 54, 20);
}

}  // namespace vintorp::print::testing
