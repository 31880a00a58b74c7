#include "lang/messages.h"

#include <QCoreApplication>
#include <QTranslator>

namespace vintorp::lang {
namespace {

constexpr char kContext[] = "Messages";

// The source text of each kind, in the context kContext; nullptr for a value
// that is no kind. The calculation's NotANumber puts its argument for %1.
const char* sourceText(calc::ErrorKind kind)
{
    using calc::ErrorKind;
    switch (kind) {
    case ErrorKind::Rejected: return QT_TRANSLATE_NOOP("Messages", "Введите правильно размеры!");
    case ErrorKind::InvalidOperation:
        return QT_TRANSLATE_NOOP("Messages", "Invalid floating point operation");
    case ErrorKind::DivisionByZero: return QT_TRANSLATE_NOOP("Messages", "Floating point division by zero");
    case ErrorKind::Overflow: return QT_TRANSLATE_NOOP("Messages", "Floating point overflow");
    case ErrorKind::NotANumber:
        return QT_TRANSLATE_NOOP("Messages", "'%1' is not a valid floating point value");
    case ErrorKind::Count: break;
    }
    return nullptr;
}

// The printout's OutputFailed carries its message already worded: no source text.
const char* sourceText(print::PrintErrorKind kind)
{
    using print::PrintErrorKind;
    switch (kind) {
    case PrintErrorKind::NoDefaultPrinter:
        return QT_TRANSLATE_NOOP("Messages", "There is no default printer currently selected");
    case PrintErrorKind::PrinterNotValid:
        return QT_TRANSLATE_NOOP("Messages", "Printer selected is not valid");
    case PrintErrorKind::PrintingInProgress: return QT_TRANSLATE_NOOP("Messages", "Printing in progress");
    case PrintErrorKind::OutputFailed:
    case PrintErrorKind::Count: break;
    }
    return nullptr;
}

QString installedTranslation(const char* source)
{
    return QCoreApplication::translate(kContext, source);
}

// Translate(source) gives the translation of a text of kContext.
template <typename Translate>
QString calcMessage(const calc::Error& error, const Translate& translate)
{
    const char* source = sourceText(error.kind);
    if (!source)
        return QString::fromStdString(calc::SourceText(error));
    const QString text = translate(source);
    if (error.kind == calc::ErrorKind::NotANumber)
        return text.arg(QString::fromStdString(error.argument));
    return text;
}

}  // namespace

QString messageText(const calc::Error& error)
{
    return calcMessage(error, installedTranslation);
}

QString messageText(const calc::Error& error, const QTranslator& translator)
{
    return calcMessage(error, [&translator](const char* source) {
        const QString text = translator.translate(kContext, source);
        return text.isNull() ? QString::fromUtf8(source) : text;
    });
}

QString messageText(const print::PrintFailure& failure)
{
    if (const char* source = sourceText(failure.kind))
        return installedTranslation(source);
    return QString::fromStdString(print::sourceText(failure));
}

}  // namespace vintorp::lang
