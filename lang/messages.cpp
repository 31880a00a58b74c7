#include "lang/messages.h"

#include <QCoreApplication>
#include <QTranslator>

#include <array>

namespace vintorp::ui {
namespace {

constexpr char kContext[] = "Messages";

// Every fixed message of calc/ (bobbin.h, fpenv.h) and print/ (printerror.h),
// text for text.
constexpr std::array<const char*, 7> kMessages = {
    QT_TRANSLATE_NOOP("Messages", "Введите правильно размеры!"),
    QT_TRANSLATE_NOOP("Messages", "Invalid floating point operation"),
    QT_TRANSLATE_NOOP("Messages", "Floating point division by zero"),
    QT_TRANSLATE_NOOP("Messages", "Floating point overflow"),
    QT_TRANSLATE_NOOP("Messages", "There is no default printer currently selected"),
    QT_TRANSLATE_NOOP("Messages", "Printer selected is not valid"),
    QT_TRANSLATE_NOOP("Messages", "Printing in progress"),
};

// The conversion error names the text it could not read: "'<text>' is not a
// valid floating point value" (calc/parse.cpp).
constexpr std::string_view kConversionStart = "'";
constexpr std::string_view kConversionEnd = "' is not a valid floating point value";
constexpr const char* kConversionMessage
    = QT_TRANSLATE_NOOP("Messages", "'%1' is not a valid floating point value");

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Translate(source) gives the translation of a text of kContext.
template <typename Translate>
QString translated(std::string_view message, const Translate& translate)
{
    for (const char* source : kMessages) {
        if (message == source)
            return translate(source);
    }
    if (message.size() >= kConversionStart.size() + kConversionEnd.size()
        && message.starts_with(kConversionStart) && message.ends_with(kConversionEnd)) {
        const std::string_view text = message.substr(
            kConversionStart.size(), message.size() - kConversionStart.size() - kConversionEnd.size());
        return translate(kConversionMessage).arg(fromView(text));
    }
    return fromView(message);
}

}  // namespace

QString translatedMessage(std::string_view message)
{
    return translated(message,
                      [](const char* source) { return QCoreApplication::translate(kContext, source); });
}

QString translatedMessage(std::string_view message, const QTranslator& translator)
{
    return translated(message, [&translator](const char* source) {
        const QString text = translator.translate(kContext, source);
        return text.isNull() ? QString::fromUtf8(source) : text;
    });
}

}  // namespace vintorp::ui
