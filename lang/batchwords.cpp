#include "lang/batchwords.h"

#include "design/design.h"
#include "windings/buildup.h"

#include <QCoreApplication>
#include <QTranslator>

namespace vintorp::lang {
namespace {

constexpr char kContext[] = "Batch";

QString text(const char* source, const QTranslator* translator)
{
    const QString translated = translator ? translator->translate(kContext, source) : QString();
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A limit as the messages write it: "0.02", "10"; a count whole: "1000000".
QString limit(double value)
{
    return QString::number(value);
}
QString limit(long value)
{
    return QString::number(value);
}

}  // namespace

QString refusalWords(batch::TemplateRefusal refusal, std::string_view key, const QTranslator* translator)
{
    using batch::TemplateRefusal;
    const char* source = QT_TRANSLATE_NOOP("Batch", "значение ключа \"%1\" должно быть строкой");
    switch (refusal) {
    case TemplateRefusal::NotAString: break;
    case TemplateRefusal::NothingToCut:
        return text(QT_TRANSLATE_NOOP("Batch", "вырезать нечего: расчёт не удался"), translator);
    case TemplateRefusal::NotAvailable:
        return text(QT_TRANSLATE_NOOP("Batch", "шаблоны недоступны"), translator);
    case TemplateRefusal::NotANumber:
        source = QT_TRANSLATE_NOOP("Batch", "значение ключа \"%1\" должно быть числом");
        break;
    case TemplateRefusal::NotAWholeNumber:
        source = QT_TRANSLATE_NOOP("Batch", "значение ключа \"%1\" должно быть целым числом");
        break;
    case TemplateRefusal::NotTrueOrFalse:
        source = QT_TRANSLATE_NOOP("Batch", "значение ключа \"%1\" должно быть true или false");
        break;
    }
    return text(source, translator).arg(utf8(key));
}

QString settingWords(const cut::TemplateFailure& failure, const QTranslator* translator)
{
    using cut::TemplateErrorKind;
    const auto argument = [&failure](std::size_t at) {
        return at < failure.arguments.size() ? QString::fromStdString(failure.arguments[at]) : QString();
    };
    switch (failure.kind) {
    case TemplateErrorKind::SettingOutOfRange:
        // %1 the key, %2 the value, %3 and %4 the range; a count has no unit.
        return text(argument(0) == u"bobbins"
                        ? QT_TRANSLATE_NOOP("Batch", "%1 %2: должно быть от %3 до %4")
                        : QT_TRANSLATE_NOOP("Batch", "%1 %2 мм: должно быть от %3 до %4 мм"),
                    translator)
            .arg(argument(0), argument(1), argument(2), argument(3));
    case TemplateErrorKind::HoleWithinKerf:
        return text(QT_TRANSLATE_NOOP("Batch", "hole %1 мм: должно быть больше kerf %2 мм"), translator)
            .arg(argument(0), argument(1));
    default: return {};
    }
}

QString windingsWords(batch::WindingsFault fault, int winding, std::string_view name,
                      const QTranslator* translator)
{
    using batch::WindingsFault;
    const QString number = QString::number(winding);
    // A winding's value: %1 the winding, %2 its name, %3 and %4 the range.
    const auto value = [&](const char* source, const QString& low, const QString& high) {
        return text(source, translator).arg(number, utf8(name), low, high);
    };
    switch (fault) {
    case WindingsFault::NothingToWindOn:
        return text(QT_TRANSLATE_NOOP("Batch", "мотать не на что: расчёт не удался"), translator);
    case WindingsFault::NotAList:
        return text(QT_TRANSLATE_NOOP("Batch", "значение ключа \"windings\" должно быть списком обмоток"),
                    translator);
    case WindingsFault::TooMany:
        return text(QT_TRANSLATE_NOOP("Batch", "в ключе \"windings\" больше %1 обмоток"), translator)
            .arg(qulonglong(design::kMaxWindings));
    case WindingsFault::NotAnObject:
        return text(QT_TRANSLATE_NOOP("Batch", "обмотка %1 должна быть объектом"), translator).arg(number);
    case WindingsFault::Name:
        return text(QT_TRANSLATE_NOOP("Batch", "обмотка %1: name должно быть строкой"), translator)
            .arg(number);
    case WindingsFault::Turns:
        return value(QT_TRANSLATE_NOOP("Batch", "обмотка %1 («%2»): turns — целое число от %3 до %4"),
                     limit(1L), limit(windings::kMaxTurns));
    case WindingsFault::Wire:
        return value(QT_TRANSLATE_NOOP("Batch", "обмотка %1 («%2»): wire — число от %3 до %4 мм"),
                     limit(windings::kMinWire), limit(windings::kMaxWire));
    case WindingsFault::NoWire:
        // One arg() for all, so that a "%5" in the name stays as it is.
        return text(QT_TRANSLATE_NOOP("Batch",
                                      "обмотка %1 («%2»): нужен wire (от %3 до %4 мм) или copper (от %5 до %6 мм)"),
                    translator)
            .arg(number, utf8(name), limit(windings::kMinWire), limit(windings::kMaxWire),
                 limit(windings::copperRange().smallest), limit(windings::copperRange().largest));
    case WindingsFault::Between:
        return value(QT_TRANSLATE_NOOP("Batch", "обмотка %1 («%2»): between — число от %3 до %4 мм"),
                     limit(0.0), limit(windings::kMaxInsulation));
    case WindingsFault::Over:
        return value(QT_TRANSLATE_NOOP("Batch", "обмотка %1 («%2»): over — число от %3 до %4 мм"), limit(0.0),
                     limit(windings::kMaxInsulation));
    case WindingsFault::LayerFactor:
        return value(QT_TRANSLATE_NOOP("Batch", "обмотка %1 («%2»): layer — число от %3 до %4"),
                     limit(windings::kMinFactor), limit(windings::kMaxFactor));
    case WindingsFault::Copper:
        return value(QT_TRANSLATE_NOOP("Batch", "обмотка %1 («%2»): copper — число от %3 до %4 мм"),
                     limit(windings::copperRange().smallest), limit(windings::copperRange().largest));
    case WindingsFault::Grade:
        return value(QT_TRANSLATE_NOOP("Batch", "обмотка %1 («%2»): grade — целое число от %3 до %4"),
                     limit(long(windings::kMinGrade)), limit(long(windings::kMaxGrade)));
    case WindingsFault::WiderThanLength:
        return text(QT_TRANSLATE_NOOP("Batch", "обмотка %1 («%2»): провод шире длины намотки"), translator)
            .arg(number, utf8(name));
    case WindingsFault::FactorsNotAnObject:
        return text(QT_TRANSLATE_NOOP("Batch", "значение ключа \"winding_factors\" должно быть объектом"),
                    translator);
    case WindingsFault::Margin:
        return text(QT_TRANSLATE_NOOP("Batch", "winding_factors: margin — число от %1 до %2 мм"), translator)
            .arg(limit(0.0), limit(windings::kMaxMargin));
    case WindingsFault::Bulge:
        return text(QT_TRANSLATE_NOOP("Batch", "winding_factors: bulge — число от %1 до %2"), translator)
            .arg(limit(windings::kMinFactor), limit(windings::kMaxFactor));
    case WindingsFault::Temperature:
        return text(QT_TRANSLATE_NOOP("Batch", "winding_factors: temperature — число от %1 до %2 °C"), translator)
            .arg(limit(windings::kMinTemperature), limit(windings::kMaxTemperature));
    case WindingsFault::MarginTakesLength:
        return text(
            QT_TRANSLATE_NOOP(
                "Batch",
                "winding_factors: margin — не меньше половины длины намотки, виткам не остаётся места"),
            translator);
    }
    return {};
}

QString transformerWords(const batch::TransformerIssue& issue, const QTranslator* translator)
{
    using batch::TransformerFault;
    const QString key = utf8(issue.key), value = utf8(issue.value);
    // A key's value: %1 the key, %2 the value, %3 and %4 its range.
    const auto keyed = [&](const char* source) {
        return text(source, translator).arg(key, value, limit(issue.low), limit(issue.high));
    };
    // A name's: %1 the key, %2 the value, %3 the longest.
    const auto named
        = [&](const char* source) { return text(source, translator).arg(key, value, limit(issue.high)); };
    // A winding's: %1 the winding, %2 its name, %3 the number, %4 the limit
    // (in one call: a name may hold "%4").
    const auto winding = [&](const char* source, const QString& number, const QString& high = {}) {
        const QString words = text(source, translator), place = QString::number(issue.winding);
        return high.isNull() ? words.arg(place, utf8(issue.name), number)
                             : words.arg(place, utf8(issue.name), number, high);
    };
    const QString turns = QString::number(issue.number, 'f', 0);
    switch (issue.fault) {
    case TransformerFault::NotAnObject:
        return text(QT_TRANSLATE_NOOP("Batch", "значение ключа \"%1\" должно быть объектом"), translator)
            .arg(key);
    case TransformerFault::TooLarge:
        return text(QT_TRANSLATE_NOOP("Batch", "в ключе \"transformer\" больше %1 значений на одном уровне"),
                    translator)
            .arg(limit(issue.high));
    case TransformerFault::Missing:
        return text(QT_TRANSLATE_NOOP("Batch", "%1: нет значения"), translator).arg(key);
    case TransformerFault::Number:
        return keyed(QT_TRANSLATE_NOOP("Batch", "%1: %2 — должно быть от %3 до %4"));
    case TransformerFault::WholeNumber:
        return keyed(QT_TRANSLATE_NOOP("Batch", "%1: %2 — должно быть целым числом от %3 до %4"));
    case TransformerFault::SecondariesList:
        return keyed(QT_TRANSLATE_NOOP("Batch", "%1: %2 — должно быть списком из %3–%4 вторичных обмоток"));
    case TransformerFault::SecondariesCount:
        return keyed(QT_TRANSLATE_NOOP("Batch", "%1: вторичных обмоток %2, а можно от %3 до %4"));
    case TransformerFault::NameText:
        return named(QT_TRANSLATE_NOOP("Batch", "%1: %2 — должно быть строкой не длиннее %3 символов"));
    case TransformerFault::NameLength:
        return named(QT_TRANSLATE_NOOP("Batch", "%1: имя из %2 символов, а можно не больше %3"));
    case TransformerFault::Core:
        return text(QT_TRANSLATE_NOOP("Batch", "transformer: размеры сердечника A, B, C и H должны быть "
                                               "положительными числами"),
                    translator);
    case TransformerFault::NoWire:
        return winding(QT_TRANSLATE_NOOP("Batch",
                                         "обмотка %1 («%2»): её ток при этой плотности тока не несёт ни "
                                         "один стандартный провод — нужно %3 мм² меди, у самого "
                                         "толстого провода таблицы %4 мм²"),
                       QString::number(issue.number, 'f', 2), QString::number(issue.high, 'f', 2));
    case TransformerFault::TooFewTurns:
        return winding(QT_TRANSLATE_NOOP("Batch",
                                         "обмотка %1 («%2»): выходит %3 витков — витков на вольт слишком "
                                         "мало для напряжения сети, или сопротивление обмотки "
                                         "забирает его целиком"),
                       turns);
    case TransformerFault::TooManyTurns:
        return winding(QT_TRANSLATE_NOOP("Batch", "обмотка %1 («%2»): выходит %3 витков, больше %4"), turns,
                       limit(long(issue.high)));
    case TransformerFault::Unsettled:
        return text(QT_TRANSLATE_NOOP("Batch",
                                      "transformer: витки и провод не установились за %1 приближений, "
                                      "результата нет; ток первичной обмотки на границе двух проводов, "
                                      "density чуть больше или меньше это обычно исправляет"),
                    translator)
            .arg(turns);
    }
    return {};
}

QString noRoomWords(std::string_view length, std::string_view depth, const QTranslator* translator)
{
    return text(QT_TRANSLATE_NOOP("Batch", "у каркаса нет места для обмоток: длина намотки L %1 мм, "
                                           "глубина D %2 мм"),
                translator)
        .arg(utf8(length), utf8(depth));
}

}  // namespace vintorp::lang
