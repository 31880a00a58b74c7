#include "lang/messages.h"

#include "lang/fields/fieldnames.h"
#include "lang/files/writtenfile.h"

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
        return QString::fromStdString(calc::sourceText(error));
    const QString text = translate(source);
    if (error.kind == calc::ErrorKind::NotANumber)
        return text.arg(QString::fromStdString(error.argument));
    return text;
}

// The source text of each kind of template error, in the context
// "CutTemplate"; nullptr for the kinds that come worded or need more.
const char* sourceText(cut::TemplateErrorKind kind)
{
    using cut::TemplateErrorKind;
    switch (kind) {
    case TemplateErrorKind::FieldNotANumber:
        return QT_TRANSLATE_NOOP("CutTemplate", "Шаблон не построен: %1 — не число («%2»).");
    case TemplateErrorKind::FieldInExponentForm:
        return QT_TRANSLATE_NOOP(
            "CutTemplate", "Шаблон не построен: %1 %2 — число с порядком (E), такую деталь не вырезать.");
    case TemplateErrorKind::FieldNotPositive:
        return QT_TRANSLATE_NOOP("CutTemplate", "Шаблон не построен: %1 %2 мм — не больше нуля.");
    case TemplateErrorKind::FieldTooLarge:
        return QT_TRANSLATE_NOOP("CutTemplate", "Шаблон не построен: %1 %2 мм больше %3 м.");
    case TemplateErrorKind::WindowTooLarge:
        return QT_TRANSLATE_NOOP("CutTemplate",
                                 "Шаблон не построен: окно щеки %1 × %2 мм не меньше самой щеки %3 × %4 мм.");
    case TemplateErrorKind::TabsTooShort:
        return QT_TRANSLATE_NOOP(
            "CutTemplate", "Шаблон не построен: расстояние между линиями выступов %1 мм не меньше высоты "
                           "стенки с выступами %2 мм, для выступов нет места.");
    case TemplateErrorKind::TabbedMiddleTooTall:
        return QT_TRANSLATE_NOOP(
            "CutTemplate", "Шаблон не построен: высота средней части стенки с выступами %1 мм не меньше "
                           "расстояния между линиями выступов %2 мм.");
    case TemplateErrorKind::PlainMiddleTooTall:
        return QT_TRANSLATE_NOOP(
            "CutTemplate", "Шаблон не построен: высота средней части гладкой стенки %1 мм не меньше высоты "
                           "самой стенки %2 мм.");
    case TemplateErrorKind::HoleWithinKerf:
        return QT_TRANSLATE_NOOP("CutTemplate",
                                 "диаметр отверстий для выводов %1 мм: должен быть больше ширины реза %2 мм");
    case TemplateErrorKind::NotATemplateFile:
        return QT_TRANSLATE_NOOP("CutTemplate", "Шаблон сохраняется только в файл .pdf, .svg или .dxf.");
    case TemplateErrorKind::KerfOnPdf:
        return QT_TRANSLATE_NOOP(
            "CutTemplate", "Ширина реза и листы для резака — только для файлов SVG и DXF; PDF печатают.");
    case TemplateErrorKind::AreaTooSmall:
        return QT_TRANSLATE_NOOP("CutTemplate",
                                 "Лист слишком мал для шаблона: нужна область печати не меньше %1 × %2 мм.");
    case TemplateErrorKind::NoRoomBetweenGaps:
        return QT_TRANSLATE_NOOP("CutTemplate",
                                 "Между промежутками на листе материала должно оставаться не меньше %1 мм.");
    case TemplateErrorKind::PartTooLarge:
        return QT_TRANSLATE_NOOP(
            "CutTemplate", "Деталь %1 × %2 мм с подписью и промежутками не помещается на лист %3 × %4 мм.");
    case TemplateErrorKind::TooManySheets:
        return QT_TRANSLATE_NOOP("CutTemplate", "Шаблону нужно больше %1 листов: проверьте размеры.");
    case TemplateErrorKind::OutputNotStarted:
        return QT_TRANSLATE_NOOP("CutTemplate", "Не удалось начать вывод шаблона.");
    case TemplateErrorKind::PageNotStarted:
        return QT_TRANSLATE_NOOP("CutTemplate", "Не удалось начать новый лист.");
    case TemplateErrorKind::SvgCharacter:
        return QT_TRANSLATE_NOOP("CutTemplate",
                                 "Шаблон SVG не записан: знак U+%1 в его тексте недопустим в XML.");
    case TemplateErrorKind::DxfCharacter:
        return QT_TRANSLATE_NOOP("CutTemplate",
                                 "Шаблон DXF не записан: знак U+%1 в его тексте недопустим в DXF.");
    case TemplateErrorKind::SettingOutOfRange:
    case TemplateErrorKind::FileNotWritten:
    case TemplateErrorKind::Count: break;
    }
    return nullptr;
}

// A setting out of its range, named as the template dialog labels it: %1 the
// value, %2 and %3 its range. By the setting's key.
const char* settingRangeText(const std::string& key)
{
    const struct {
        const char* key;
        const char* source;
    } texts[] = {
        {"bobbins", QT_TRANSLATE_NOOP("CutTemplate", "число каркасов %1: должно быть от %2 до %3")},
        {"clearance", QT_TRANSLATE_NOOP("CutTemplate", "зазор окна щеки %1 мм: должен быть от %2 до %3 мм")},
        {"kerf", QT_TRANSLATE_NOOP("CutTemplate", "ширина реза %1 мм: должна быть от %2 до %3 мм")},
        {"hole",
         QT_TRANSLATE_NOOP("CutTemplate", "диаметр отверстий для выводов %1 мм: должен быть от %2 до %3 мм")},
        {"sheet_width",
         QT_TRANSLATE_NOOP("CutTemplate", "ширина листа материала %1 мм: должна быть от %2 до %3 мм")},
        {"sheet_height",
         QT_TRANSLATE_NOOP("CutTemplate", "высота листа материала %1 мм: должна быть от %2 до %3 мм")},
        {"gap",
         QT_TRANSLATE_NOOP("CutTemplate", "промежуток между деталями %1 мм: должен быть от %2 до %3 мм")},
    };
    for (const auto& t : texts) {
        if (key == t.key)
            return t.source;
    }
    return QT_TRANSLATE_NOOP("CutTemplate", "значение %1: должно быть от %2 до %3");
}

// A code point as the messages name it: "00E9", "1F600".
QString codePoint(const QString& number)
{
    return QString::number(number.toUInt(), 16).toUpper().rightJustified(4, u'0');
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

QString messageText(const cut::TemplateFailure& failure)
{
    using cut::TemplateErrorKind;
    const auto argument = [&failure](std::size_t at) {
        return at < failure.arguments.size() ? QString::fromStdString(failure.arguments[at]) : QString();
    };
    if (failure.kind == TemplateErrorKind::FileNotWritten && failure.arguments.size() >= 3)
        return writeFailureMessage(
            argument(0), files::WriteFailure{files::WriteFault(argument(1).toInt()), argument(2).toInt()});
    // A setting's numbers with the drawing's decimal separator, its last argument.
    const QString sep
        = failure.arguments.empty() ? QStringLiteral(".") : argument(failure.arguments.size() - 1);
    const auto number = [&](std::size_t at) { return argument(at).replace(u'.', sep); };
    if (failure.kind == TemplateErrorKind::SettingOutOfRange)
        return QCoreApplication::translate("CutTemplate", settingRangeText(argument(0).toStdString()))
            .arg(number(1), number(2), number(3));
    const char* source = sourceText(failure.kind);
    if (!source)
        return QString::fromStdString(cut::sourceText(failure));
    const QString text = QCoreApplication::translate("CutTemplate", source);
    switch (failure.kind) {
    case TemplateErrorKind::FieldNotANumber:
    case TemplateErrorKind::FieldInExponentForm:
    case TemplateErrorKind::FieldNotPositive:
        return text.arg(dimensionName(argument(0).toStdString()), argument(1));
    case TemplateErrorKind::FieldTooLarge:
        return text.arg(dimensionName(argument(0).toStdString()), argument(1), argument(2));
    case TemplateErrorKind::HoleWithinKerf: return text.arg(number(0), number(1));
    case TemplateErrorKind::WindowTooLarge:
        return text.arg(argument(0), argument(1), argument(2), argument(3));
    case TemplateErrorKind::TabsTooShort:
    case TemplateErrorKind::TabbedMiddleTooTall:
    case TemplateErrorKind::PlainMiddleTooTall: return text.arg(argument(0), argument(1));
    case TemplateErrorKind::SvgCharacter:
    case TemplateErrorKind::DxfCharacter: return text.arg(codePoint(argument(0)));
    case TemplateErrorKind::AreaTooSmall: return text.arg(argument(0), argument(1));
    case TemplateErrorKind::PartTooLarge: return text.arg(argument(0), argument(1), argument(2), argument(3));
    case TemplateErrorKind::NoRoomBetweenGaps:
    case TemplateErrorKind::TooManySheets: return text.arg(argument(0));
    default: return text;
    }
}

}  // namespace vintorp::lang
