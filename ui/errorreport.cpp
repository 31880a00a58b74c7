#include "errorreport.h"

#include "messages.h"

#include <QApplication>
#include <QMessageBox>

namespace vintorp::ui {
namespace {

void showBox(QMessageBox::Icon icon, const QString& text, const QString& objectName, QWidget* parent)
{
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(icon, QString::fromUtf16(kAppTitle), text, QMessageBox::Ok, parent);
    box.setObjectName(objectName);
    box.exec();
}

}  // namespace

QString reportText(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void reportError(const QString& message, QWidget* parent)
{
    showBox(QMessageBox::Critical, reportText(translatedMessage(message.toStdString())),
            QStringLiteral("errorReport"), parent);
}

void showPlainMessage(const QString& message, QWidget* parent)
{
    showBox(QMessageBox::NoIcon, message, QStringLiteral("messageBox"), parent);
}

}  // namespace vintorp::ui
