// The interface language: which one the system's preferred languages choose,
// and what the translators make of the messages of the layers without Qt.
#include "calc/bobbin.h"
#include "calc/errors.h"
#include "calc/fpenv.h"
#include "calc/numtext.h"
#include "print/printerror.h"
#include "ui/language.h"
#include "ui/messages.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

#include <string>
#include <string_view>

using namespace vintorp;
using ui::Language;

Q_DECLARE_METATYPE(Language)

namespace {

// Every fixed message the calculation and the printout can raise.
const std::string kFixedMessages[] = {
    std::string(calc::kRejectMessage),
    std::string(calc::kInvalidOperationMessage),
    std::string(calc::kDivisionByZeroMessage),
    std::string(calc::kOverflowMessage),
    print::sourceText({print::PrintErrorKind::NoDefaultPrinter, {}}),
    print::sourceText({print::PrintErrorKind::PrinterNotValid, {}}),
    print::sourceText({print::PrintErrorKind::PrintingInProgress, {}}),
};

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

std::string conversionMessage(const char* input)
{
    try {
        calc::ParseNumber(input, ".");
    } catch (const calc::ConversionError& e) {
        return e.what();
    }
    qFatal("ParseNumber accepted %s", input);
}

// Marks every text it translates, so that a test sees which texts went
// through the translation.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return QStringLiteral("<%1|%2>").arg(QString::fromUtf8(context), QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ui::installTranslations(*QCoreApplication::instance(), Language::Russian); }

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
        QCOMPARE(ui::languageFor(uiLanguages), expected);
    }

    void namedOnTheCommandLine()
    {
        QCOMPARE(ui::languageNamed(u"ru"), Language::Russian);
        QCOMPARE(ui::languageNamed(u"en"), Language::English);
        QVERIFY(!ui::languageNamed(u"de"));
        QVERIFY(!ui::languageNamed(u"EN"));
        QVERIFY(!ui::languageNamed(u""));
    }

    // A message changed in calc/ or print/ but not in the table (or the
    // translation file) would reach an English user untranslated.
    void everyFixedMessageHasItsEnglish()
    {
        QTranslator english;
        QVERIFY(ui::loadProgramTranslation(english, Language::English));
        QVERIFY(!ui::loadProgramTranslation(english, Language::Russian));
        for (const std::string_view message : kFixedMessages) {
            const std::string source(message);
            QVERIFY2(!english.translate("Messages", source.c_str()).isEmpty(), source.c_str());
        }
        QVERIFY(!english.translate("Messages", "'%1' is not a valid floating point value").isEmpty());
        // As the batch tool uses it, without installing it.
        QCOMPARE(ui::translatedMessage(calc::kRejectMessage, english),
                 QStringLiteral("Enter valid dimensions!"));
        QCOMPARE(ui::translatedMessage(calc::kRejectMessage), text(calc::kRejectMessage));
        QCOMPARE(ui::translatedMessage("something else", english), QStringLiteral("something else"));
    }

    void everyFixedMessageGoesThroughTheTranslation()
    {
        MarkingTranslator marking;
        QVERIFY(QCoreApplication::installTranslator(&marking));
        for (const std::string_view message : kFixedMessages)
            QCOMPARE(ui::translatedMessage(message), QStringLiteral("<Messages|%1>").arg(text(message)));
        QCOMPARE(ui::translatedMessage(conversionMessage("1x")),
                 QStringLiteral("<Messages|'1x' is not a valid floating point value>"));
        QCoreApplication::removeTranslator(&marking);
    }

    void russianMessagesStayAsTheyAre()
    {
        for (const std::string_view message : kFixedMessages)
            QCOMPARE(ui::translatedMessage(message), text(message));
        const std::string conversion = conversionMessage("1x");
        QCOMPARE(ui::translatedMessage(conversion), text(conversion));
    }

    void englishMessages()
    {
        ui::installTranslations(*QCoreApplication::instance(), Language::English);
        QCOMPARE(ui::translatedMessage(calc::kRejectMessage), QStringLiteral("Enter valid dimensions!"));
        QCOMPARE(ui::translatedMessage(calc::kOverflowMessage), QStringLiteral("Floating point overflow"));
        QCOMPARE(ui::translatedMessage(conversionMessage("1,5%1")),
                 QStringLiteral("'1,5%1' is not a valid floating point value"));
        QCOMPARE(ui::translatedMessage("something else"), QStringLiteral("something else"));
        QCOMPARE(ui::translatedMessage("' is not a valid floating point value"),
                 QStringLiteral("' is not a valid floating point value"));
    }

    // Qt's own dialogs: Russian from Qt's translation, English as Qt has it.
    void qtsOwnTextsFollowTheLanguage()
    {
        ui::installTranslations(*QCoreApplication::instance(), Language::Russian);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
        QCOMPARE(QCoreApplication::translate("vintorp::ui::TForm4", "Печать"), QStringLiteral("Печать"));
        ui::installTranslations(*QCoreApplication::instance(), Language::English);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        QCOMPARE(QCoreApplication::translate("vintorp::ui::TForm4", "Печать"), QStringLiteral("Print"));
        // Switching back leaves no English behind.
        ui::installTranslations(*QCoreApplication::instance(), Language::Russian);
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
