// The interface language: which one the system's preferred languages choose,
// and what the translators make of the messages of the layers without Qt.
#include "calc/errors.h"
#include "calc/numtext.h"
#include "print/errors/printerror.h"
#include "template/errors/templatefailure.h"
#include "lang/batchwords.h"
#include "lang/language.h"
#include "lang/messages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QtTest>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace vintorp;
using lang::Language;

Q_DECLARE_METATYPE(Language)

namespace {

// The argument every kind below is given; a kind that takes none leaves it out.
const std::string kArgument = "1x";

// Every kind of the calculation, and of the printout.
std::vector<calc::Error> everyCalcError()
{
    std::vector<calc::Error> errors;
    for (int kind = 0; kind < int(calc::ErrorKind::Count); ++kind)
        errors.push_back({calc::ErrorKind(kind), kArgument});
    return errors;
}

std::vector<print::PrintFailure> everyPrintFailure()
{
    std::vector<print::PrintFailure> failures;
    for (int kind = 0; kind < int(print::PrintErrorKind::Count); ++kind)
        failures.push_back({print::PrintErrorKind(kind), kArgument});
    return failures;
}

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

bool hasCyrillic(const QString& s)
{
    return std::any_of(s.begin(), s.end(),
                       [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4FF; });
}

// Marks every text it translates, so that a test sees which texts went
// through the translation, and keeps their sources.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        sources.emplace_back(source);
        return QStringLiteral("<%1|%2>").arg(QString::fromUtf8(context), QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }

    mutable std::vector<std::string> sources;
};

}  // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { lang::installTranslations(*QCoreApplication::instance(), Language::Russian); }

    void chosenFromThePreferredLanguages_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<Language>("expected");
        const auto row = [](const char* name, QStringList list, Language language) {
            QTest::newRow(name) << list << language;
        };
        row("nothing set", {}, Language::Russian);
        row("C locale", {"C"}, Language::Russian);
        row("POSIX locale", {"POSIX"}, Language::Russian);
        row("Russian", {"ru-RU", "ru-Cyrl-RU", "ru"}, Language::Russian);
        row("Ukrainian", {"uk-UA", "uk-Cyrl-UA", "uk"}, Language::Russian);
        row("Belarusian", {"be-BY"}, Language::Russian);
        row("Kazakh", {"kk-KZ"}, Language::Russian);
        row("bare Russian", {"ru"}, Language::Russian);
        row("underscore form", {"ru_RU"}, Language::Russian);
        row("English", {"en-US", "en-Latn-US", "en"}, Language::English);
        row("British English", {"en-GB"}, Language::English);
        row("German, no translation", {"de-DE", "de"}, Language::English);
        row("Chinese, no translation", {"zh-Hans-CN"}, Language::English);
        row("only the first counts", {"de", "ru"}, Language::English);
        row("Russian first, English next", {"ru", "en"}, Language::Russian);
        row("LANGUAGE=en in the C locale", {"en", "en-Latn-US", "en-US"}, Language::English);
        row("Russian-looking prefix", {"rue-UA"}, Language::English);
    }

    void chosenFromThePreferredLanguages()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(Language, expected);
        QCOMPARE(lang::languageFor(uiLanguages), expected);
    }

    void namedOnTheCommandLine()
    {
        QCOMPARE(lang::languageNamed(u"ru"), Language::Russian);
        QCOMPARE(lang::languageNamed(u"en"), Language::English);
        QVERIFY(!lang::languageNamed(u"de"));
        QVERIFY(!lang::languageNamed(u"EN"));
        QVERIFY(!lang::languageNamed(u""));
    }

    // A kind added in calc/ or print/ without its words here would reach the
    // user as the source's fallback, in English or as a number.
    void everyKindHasItsOwnWordsInBothLanguages()
    {
        QTranslator english;
        QVERIFY(lang::loadProgramTranslation(english, Language::English));
        QStringList russianTexts, englishTexts;
        for (const calc::Error& error : everyCalcError()) {
            const QString russian = lang::messageText(error);
            const QString inEnglish = lang::messageText(error, english);
            const QByteArray kind = QByteArray::number(int(error.kind));
            QVERIFY2(!russian.isEmpty() && !inEnglish.isEmpty(), kind);
            QVERIFY2(!hasCyrillic(inEnglish), kind);
            // An exception that escapes the report says the same.
            QCOMPARE(russian, QString::fromStdString(calc::sourceText(error)));
            russianTexts << russian;
            englishTexts << inEnglish;
        }
        for (const print::PrintFailure& failure : everyPrintFailure()) {
            const QString russian = lang::messageText(failure);
            QVERIFY2(!russian.isEmpty(), QByteArray::number(int(failure.kind)));
            QCOMPARE(russian, QString::fromStdString(print::sourceText(failure)));
            russianTexts << russian;
        }
        QCOMPARE(russianTexts.size(), int(calc::ErrorKind::Count) + int(print::PrintErrorKind::Count));
        QCOMPARE(QSet<QString>(russianTexts.begin(), russianTexts.end()).size(), russianTexts.size());
        QCOMPARE(QSet<QString>(englishTexts.begin(), englishTexts.end()).size(), englishTexts.size());

        lang::installTranslations(*QCoreApplication::instance(), Language::English);
        for (const calc::Error& error : everyCalcError())
            QCOMPARE(lang::messageText(error), lang::messageText(error, english));
        for (const print::PrintFailure& failure : everyPrintFailure())
            QVERIFY(!hasCyrillic(lang::messageText(failure)));
    }

    // Every kind is looked up in the context "Messages" (the printout's
    // OutputFailed comes worded already), and each source it is looked up by
    // has its entry in the English translation.
    void everyKindGoesThroughTheTranslation()
    {
        QTranslator english;
        QVERIFY(lang::loadProgramTranslation(english, Language::English));
        MarkingTranslator marking;
        QVERIFY(QCoreApplication::installTranslator(&marking));
        for (const calc::Error& error : everyCalcError()) {
            const QString shown = lang::messageText(error);
            QVERIFY2(shown.startsWith(u"<Messages|"), qPrintable(shown));
        }
        for (const print::PrintFailure& failure : everyPrintFailure()) {
            const QString shown = lang::messageText(failure);
            if (failure.kind == print::PrintErrorKind::OutputFailed)
                QCOMPARE(shown, text(kArgument));
            else
                QVERIFY2(shown.startsWith(u"<Messages|"), qPrintable(shown));
        }
        QCoreApplication::removeTranslator(&marking);
        QCOMPARE(marking.sources.size(),
                 size_t(calc::ErrorKind::Count) + size_t(print::PrintErrorKind::Count) - 1);
        for (const std::string& source : marking.sources)
            QVERIFY2(!english.translate("Messages", source.c_str()).isEmpty(), source.c_str());
    }

    void theConversionErrorNamesItsText_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Russian") << Language::Russian << "1x"
                                 << "'1x' is not a valid floating point value";
        QTest::newRow("English, a %1 in the text") << Language::English << "1,5%1"
                                                   << "'1,5%1' is not a valid floating point value";
        QTest::newRow("Russian, Cyrillic") << Language::Russian << "два"
                                           << "'два' is not a valid floating point value";
    }

    void theConversionErrorNamesItsText()
    {
        QFETCH(Language, language);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        lang::installTranslations(*QCoreApplication::instance(), language);
        try {
            calc::parseNumber(input.toStdString(), ".");
            QFAIL("the text was accepted");
        } catch (const calc::ConversionError& e) {
            QCOMPARE(lang::messageText(e.error()), expected);
        }
    }

    // As the batch tool uses the translation, without installing it.
    void englishWithoutInstalling()
    {
        QTranslator english;
        QVERIFY(lang::loadProgramTranslation(english, Language::English));
        QVERIFY(!lang::loadProgramTranslation(english, Language::Russian));
        const calc::Error rejected{calc::ErrorKind::Rejected, {}};
        QCOMPARE(lang::messageText(rejected, english), QStringLiteral("Enter valid dimensions!"));
        QCOMPARE(lang::messageText(rejected), QStringLiteral("Введите правильно размеры!"));
    }

    // The batch tool's words: every kind worded in both languages, Russian
    // at the source and English from the translation, every argument filled
    // in (a name holding "%1" stays as it is); limits from the reader's own
    // constants, written as the file gives them.
    void batchWordsInBothLanguages()
    {
        QTranslator english;
        QVERIFY(lang::loadProgramTranslation(english, Language::English));
        const auto worded = [](const QString& russian, const QString& inEnglish) {
            const QString both = russian + u'|' + inEnglish;
            QVERIFY2(hasCyrillic(russian) && !hasCyrillic(inEnglish), qPrintable(both));
            QVERIFY2(QString(both)
                             .remove(QStringLiteral("I%1"))
                             .indexOf(QRegularExpression(QStringLiteral("%\\d")))
                         < 0,
                     qPrintable(both));
        };
        using batch::WindingsFault;
        for (int fault = 0; fault <= int(WindingsFault::MarginTakesLength); ++fault) {
            const auto f = WindingsFault(fault);
            worded(lang::windingsWords(f, 2, "I%1", nullptr), lang::windingsWords(f, 2, "I%1", &english));
        }
        for (int refusal = 0; refusal <= int(batch::TemplateRefusal::NotTrueOrFalse); ++refusal) {
            const auto r = batch::TemplateRefusal(refusal);
            worded(lang::refusalWords(r, "kerf", nullptr), lang::refusalWords(r, "kerf", &english));
        }
        worded(lang::noRoomWords("1,5", "0", nullptr), lang::noRoomWords("1,5", "0", &english));
        using Pair = std::pair<QString, QString>;  // Russian, English
        const auto both = [&english](const auto& word) { return Pair{word(nullptr), word(&english)}; };
        QCOMPARE(
            both([](const QTranslator* t) { return lang::windingsWords(WindingsFault::Wire, 1, "", t); }),
            Pair(QStringLiteral("обмотка 1 («»): wire — число от 0.02 до 10 мм"),
                 QStringLiteral("winding 1 (\"\"): wire must be a number from 0.02 to 10 mm")));
        QCOMPARE(
            both([](const QTranslator* t) { return lang::windingsWords(WindingsFault::Turns, 2, "I", t); }),
            Pair(QStringLiteral("обмотка 2 («I»): turns — целое число от 1 до 1000000"),
                 QStringLiteral("winding 2 (\"I\"): turns must be a whole number from 1 to 1000000")));
        QCOMPARE(
            both([](const QTranslator* t) { return lang::windingsWords(WindingsFault::TooMany, 0, "", t); }),
            Pair(QStringLiteral("в ключе \"windings\" больше 1000 обмоток"),
                 QStringLiteral("key \"windings\" holds more than 1000 windings")));
        QCOMPARE(both([](const QTranslator* t) {
                     return lang::refusalWords(batch::TemplateRefusal::NotAWholeNumber, "bobbins", t);
                 }),
                 Pair(QStringLiteral("значение ключа \"bobbins\" должно быть целым числом"),
                      QStringLiteral("key \"bobbins\" must be a whole number")));
        QCOMPARE(both([](const QTranslator* t) { return lang::noRoomWords("-0,50", "0,00", t); }),
                 Pair(QStringLiteral(
                          "у каркаса нет места для обмоток: длина намотки L -0,50 мм, глубина D 0,00 мм"),
                      QStringLiteral(
                          "the bobbin has no winding room: winding length L -0,50 mm, depth D 0,00 mm")));
    }

    // Every kind of template error has its words in both languages, its
    // arguments and limits in them.
    void templateErrorsWordedByKind()
    {
        using cut::TemplateErrorKind;
        const std::vector<std::string> arguments = {"7", "8", "9", "10"};
        for (int kind = 0; kind < int(TemplateErrorKind::Count); ++kind) {
            const cut::TemplateFailure failure{TemplateErrorKind(kind), arguments};
            lang::installTranslations(*QCoreApplication::instance(), Language::Russian);
            const QString russian = lang::messageText(failure);
            lang::installTranslations(*QCoreApplication::instance(), Language::English);
            const QString english = lang::messageText(failure);
            QVERIFY2(!russian.contains(u'%') && !english.contains(u'%'), qPrintable(russian + english));
            QVERIFY2(hasCyrillic(russian) && !hasCyrillic(english), qPrintable(russian + u'|' + english));
        }
        // A drawing value's words name the field's dimension, not the field.
        const cut::TemplateFailure tooLarge{TemplateErrorKind::FieldTooLarge, {"Edit3", "2772", "2"}};
        QCOMPARE(lang::messageText(tooLarge),
                 QStringLiteral("No template: the flange height 2772 mm is more than 2 m."));
        lang::installTranslations(*QCoreApplication::instance(), Language::Russian);
        QCOMPARE(lang::messageText(tooLarge),
                 QStringLiteral("Шаблон не построен: высота щеки 2772 мм больше 2 м."));
        // A setting out of its range is named as the dialog labels it, with the value and the range.
        const struct {
            cut::TemplateFailure failure;
            const char* russian;
            const char* english;
        } settings[] = {
            {{TemplateErrorKind::SettingOutOfRange, {"kerf", "1.5", "0", "1", ","}},
             "ширина реза 1,5 мм: должна быть от 0 до 1 мм",
             "kerf 1,5 mm: must be 0 to 1 mm"},
            {{TemplateErrorKind::SettingOutOfRange, {"gap", "-1", "0", "50", "."}},
             "промежуток между деталями -1 мм: должен быть от 0 до 50 мм",
             "gap between parts -1 mm: must be 0 to 50 mm"},
            {{TemplateErrorKind::SettingOutOfRange, {"hole", "6", "0.5", "5", ","}},
             "диаметр отверстий для выводов 6 мм: должен быть от 0,5 до 5 мм",
             "lead hole diameter 6 mm: must be 0,5 to 5 mm"},
            {{TemplateErrorKind::HoleWithinKerf, {"0.5", "1", ","}},
             "диаметр отверстий для выводов 0,5 мм: должен быть больше ширины реза 1 мм",
             "lead hole diameter 0,5 mm: must be more than the kerf 1 mm"},
        };
        for (const auto& setting : settings) {
            lang::installTranslations(*QCoreApplication::instance(), Language::Russian);
            QCOMPARE(lang::messageText(setting.failure), QString::fromUtf8(setting.russian));
            lang::installTranslations(*QCoreApplication::instance(), Language::English);
            QCOMPARE(lang::messageText(setting.failure), QString::fromUtf8(setting.english));
        }
        lang::installTranslations(*QCoreApplication::instance(), Language::Russian);
        QCOMPARE(lang::messageText(cut::TemplateFailure{TemplateErrorKind::SvgCharacter, {"27"}}),
                 QStringLiteral("Шаблон SVG не записан: знак U+001B в его тексте недопустим в XML."));
        QCOMPARE(lang::messageText(cut::TemplateFailure{TemplateErrorKind::FileNotWritten, {"/a", "0", "0"}}),
                 QStringLiteral("Не удалось записать файл /a: в имени файла есть знак NUL"));
    }

    // Qt's own dialogs: Russian from Qt's translation, English as Qt has it.
    void qtsOwnTextsFollowTheLanguage()
    {
        lang::installTranslations(*QCoreApplication::instance(), Language::Russian);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
        QCOMPARE(QCoreApplication::translate("vintorp::ui::TForm4", "Печать"), QStringLiteral("Печать"));
        lang::installTranslations(*QCoreApplication::instance(), Language::English);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        QCOMPARE(QCoreApplication::translate("vintorp::ui::TForm4", "Печать"), QStringLiteral("Print"));
        // Switching back leaves no English behind.
        lang::installTranslations(*QCoreApplication::instance(), Language::Russian);
        QCOMPARE(QCoreApplication::translate("vintorp::ui::TForm4", "Печать"), QStringLiteral("Печать"));
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TestLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_language.moc"
