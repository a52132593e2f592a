#include "core/Translations.h"

#include "core/LogCategories.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

namespace {

const QString kSourceLanguage = QStringLiteral("en");
const QString kResourceFolder = QStringLiteral(":/i18n");
const QString kProgramFilePrefix = QStringLiteral("dialometer_");

// "de_DE.UTF-8@euro" -> "de"; "pt-BR" -> "pt".
QString languageCode(const QString &localeName)
{
    QString code = localeName.trimmed();
    for (const QChar end :
         {QLatin1Char('.'), QLatin1Char('@'), QLatin1Char('_'), QLatin1Char('-')}) {
        const qsizetype at = code.indexOf(end);
        if (at >= 0)
            code.truncate(at);
    }
    return code.toLower();
}

bool isUntranslatedLocale(const QString &localeName)
{
    const QString code = languageCode(localeName);
    return code.isEmpty() || code == QLatin1String("c") || code == QLatin1String("posix");
}

bool installTranslator(QCoreApplication &application, const QString &fileName,
                       const QString &folder)
{
    auto *translator = new QTranslator(&application);
    if (!translator->load(fileName, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

LanguageEnvironment LanguageEnvironment::fromProcess()
{
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
            qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG")};
}

QStringList shippedLanguages()
{
    QStringList languages{kSourceLanguage};
    const QStringList files =
        QDir(kResourceFolder).entryList({kProgramFilePrefix + QStringLiteral("*.qm")}, QDir::Files);
    for (const QString &file : files)
        languages.append(file.mid(kProgramFilePrefix.size()).chopped(3));
    return languages;
}

QString chooseLanguage(const LanguageEnvironment &environment, const QStringList &shipped)
{
    QString messagesLocale = environment.lcAll;
    if (messagesLocale.isEmpty())
        messagesLocale = environment.lcMessages;
    if (messagesLocale.isEmpty())
        messagesLocale = environment.lang;
    if (isUntranslatedLocale(messagesLocale))
        return kSourceLanguage;

    const QStringList preferences =
        environment.language.isEmpty()
            ? QStringList{messagesLocale}
            : environment.language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &preference : preferences) {
        const QString code = languageCode(preference);
        // English is shipped as the source texts: "en:de" asks for English.
        if (code == kSourceLanguage || shipped.contains(code))
            return code;
    }
    return kSourceLanguage;
}

QString installTranslations(QCoreApplication &application)
{
    const LanguageEnvironment environment = LanguageEnvironment::fromProcess();
    const QStringList shipped = shippedLanguages();
    const QString language = chooseLanguage(environment, shipped);
    qCInfo(lcTranslations).noquote()
        << QStringLiteral("language %1 (LANGUAGE=%2 LC_ALL=%3 LC_MESSAGES=%4 LANG=%5; shipped: %6)")
               .arg(language, environment.language, environment.lcAll, environment.lcMessages,
                    environment.lang, shipped.join(QLatin1Char(' ')));
    if (language == kSourceLanguage) {
        // The source texts are English; their file only holds the singular
        // and plural forms of the %n texts.
        installTranslator(application, kProgramFilePrefix + language, kResourceFolder);
        return language;
    }

    if (!installTranslator(application, kProgramFilePrefix + language, kResourceFolder))
        qCWarning(lcTranslations) << "cannot load the program's translation" << language;
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!installTranslator(application, QStringLiteral("qtbase_") + language, qtFolder))
        qCInfo(lcTranslations) << "no Qt translation" << language << "in" << qtFolder;
    return language;
}

} // namespace Translations
