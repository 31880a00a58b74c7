// The interface language: Russian, the language the texts are written in, or
// English from translations/vintorp_en.ts. The decimal separator does not
// depend on it.
#pragma once

#include <QStringList>

#include <optional>

class QCoreApplication;
class QTranslator;

namespace vintorp::lang {

enum class Language { Russian, English };

// The language for a list of preferred interface languages, first choice
// first, as QLocale::uiLanguages() gives them ("de-AT", "ru", "C"): Russian
// when the first is Russian, Ukrainian, Belarusian or Kazakh, or when no
// language is set (an empty list, "C" or "POSIX"); English otherwise, since
// English is the only translation.
Language languageFor(const QStringList& uiLanguages);

// The language the system asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG on
// Unix, as Qt reads them).
Language systemLanguage();

// "ru" or "en" (as a command line option gives it); nothing for other names.
std::optional<Language> languageNamed(QStringView name);

// Loads the program's own translation for language into translator; false
// for Russian, whose texts need none.
bool loadProgramTranslation(QTranslator& translator, Language language);

// Installs the translators for language on app, replacing those installed
// before: for Russian Qt's own Russian, for English the program's English
// and Qt's built-in English texts.
void installTranslations(QCoreApplication& app, Language language);

}  // namespace vintorp::lang
