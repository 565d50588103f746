#pragma once
// The language of the window. The program's texts are written in Russian; an English
// translation, carried inside the program, is used when the user's language is not
// Russian. STRS_LANGUAGE=ru|en chooses the language whatever the locale says. The toolkit's
// own texts (dialog buttons and captions) follow the same language; number formats keep
// following the locale.

#include <QString>

class QLocale;

namespace strs {

enum class UiLanguage { Russian, English };

// The language for a locale: STRS_LANGUAGE when it says ru or en, otherwise Russian for a
// Russian locale and English for any other.
UiLanguage ChosenLanguage(const QLocale& locale);

// Installs the program's and the toolkit's translations for the language in place of
// those installed before. Needs an application object, which owns the translators.
void InstallTranslations(UiLanguage language);

// The language installed last; Russian before any installation.
UiLanguage InstalledLanguage();

// "ru" or "en", as STRS_LANGUAGE and a document's lang attribute name the language.
QString LanguageCode(UiLanguage language);

// The embedded picture ":/pictures/<stem>.jpg" drawn for the installed language: the
// English pictures carry the suffix "_en".
QString LocalizedPicturePath(const QString& stem);

}  // namespace strs
