#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The language of the program's texts, chosen by the desktop's rules, and
// the translators that show it. Regional forms (numbers, dates, money) are
// not touched: they stay with QLocale::system().
namespace Translations {

// The variables that name the language of messages, as the process has them.
struct LanguageEnvironment
{
    QString language;   // LANGUAGE: a colon-separated list of preferences
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG

    static LanguageEnvironment fromProcess();
};

// The languages the program carries as resources, "en" (the source) first.
QStringList shippedLanguages();

// The language code ("de", "ru", "en") of the first preference that is
// shipped: the entries of LANGUAGE in order, else the messages locale
// (LC_ALL, then LC_MESSAGES, then LANG). A messages locale of C or POSIX (or
// none) means untranslated texts and then LANGUAGE is ignored, so scripts
// that set LC_ALL=C read English whatever the user prefers. English when
// nothing names a shipped language.
QString chooseLanguage(const LanguageEnvironment &environment, const QStringList &shipped);

// Chooses the language from the process environment and installs the
// program's translation (from resources) and Qt's own (from the
// distribution) into the application. Returns the chosen language code.
QString installTranslations(QCoreApplication &application);

} // namespace Translations
