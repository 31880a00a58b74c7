#include "errorreport.h"

#include "lang/messages.h"

#include "calc/errors.h"
#include "print/errors/printerror.h"
#include "template/pages/templateerror.h"

#include <QApplication>
#include <QMessageBox>

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

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

// The readable name of a type, as the compiler's runtime spells it.
QString typeName(const std::type_info* type)
{
    if (!type)
        return {};
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(type->name(), nullptr, nullptr, &status), &std::free);
    return QString::fromUtf8(status == 0 && name ? name.get() : type->name());
}

}  // namespace

QString currentErrorMessage()
{
    try {
        throw;
    } catch (const calc::CalcError& e) {
        return lang::messageText(e.error());
    } catch (const print::PrintError& e) {
        return lang::messageText(e.failure());
    } catch (const cut::TemplateError& e) {
        return lang::messageText(e.failure());
    } catch (const std::exception& e) {
        const QString message = QString::fromUtf8(e.what());
        if (!message.isEmpty())
            return message;
        return QStringLiteral("Error of type %1").arg(typeName(&typeid(e)));
    } catch (...) {
        const QString type = typeName(abi::__cxa_current_exception_type());
        return type.isEmpty() ? QStringLiteral("Unknown error")
                              : QStringLiteral("Unknown error of type %1").arg(type);
    }
}

QString reportText(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void reportError(const QString& message, QWidget* parent)
{
    showBox(QMessageBox::Critical, reportText(message), QStringLiteral("errorReport"), parent);
}

void showPlainMessage(const QString& message, QWidget* parent)
{
    showBox(QMessageBox::NoIcon, message, QStringLiteral("messageBox"), parent);
}

}  // namespace vintorp::ui
