#include "lang/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vintorp::lang {
namespace {

// Languages whose speakers get the Russian interface.
const QStringList kRussianReaders
    = {QStringLiteral("ru"), QStringLiteral("uk"), QStringLiteral("be"), QStringLiteral("kk")};

// Marks the translators installTranslations owns.
constexpr char kOwnTranslator[] = "vintorpTranslator";

// A translator owned by app, found again by installTranslations.
QTranslator* ownTranslator(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    translator->setObjectName(QString::fromLatin1(kOwnTranslator));
    return translator;
}

}  // namespace

Language languageFor(const QStringList& uiLanguages)
{
    if (uiLanguages.isEmpty())
        return Language::Russian;
    const QString& first = uiLanguages.first();
    if (first == u"C" || first == u"POSIX")
        return Language::Russian;
    const QString code = first.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
    return kRussianReaders.contains(code) ? Language::Russian : Language::English;
}

Language systemLanguage()
{
    return languageFor(QLocale::system().uiLanguages());
}

std::optional<Language> languageNamed(QStringView name)
{
    if (name == u"ru")
        return Language::Russian;
    if (name == u"en")
        return Language::English;
    return std::nullopt;
}

bool loadProgramTranslation(QTranslator& translator, Language language)
{
    return language == Language::English && translator.load(QStringLiteral(":/i18n/vintorp_en.qm"));
}

void installTranslations(QCoreApplication& app, Language language)
{
    for (QTranslator* old :
         app.findChildren<QTranslator*>(QString::fromLatin1(kOwnTranslator), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        old->setObjectName(QString());
        old->deleteLater();
    }
    QTranslator* translator = ownTranslator(app);
    // The texts are Russian already, and only Qt's own dialogs need a
    // translation; Qt's own texts are English.
    const bool loaded = language == Language::Russian ? translator->load(
                            QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                                                      : loadProgramTranslation(*translator, language);
    if (loaded)
        QCoreApplication::installTranslator(translator);
}

}  // namespace vintorp::lang
