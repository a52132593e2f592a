// The language of texts by the desktop's rules, and the translations the
// programs carry. Registered once per language set-up; DIALOMETER_TEST_LANGUAGE
// names the language the registration's environment asks for.
#include "core/TextForms.h"
#include "core/Translations.h"

#include <QCoreApplication>
#include <QTest>

using Translations::LanguageEnvironment;

class TestTranslations : public QObject
{
    Q_OBJECT

    QString m_installed;

private slots:
    void initTestCase() { m_installed = Translations::installTranslations(*qApp); }

    void chooseLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("expected");
        const QString en = QStringLiteral("en_US.UTF-8");
        const QString de = QStringLiteral("de_DE.UTF-8");
        const QString ru = QStringLiteral("ru_RU.UTF-8");
        QTest::newRow("LANGUAGE") << "de" << en << ""
                                  << ""
                                  << "de";
        QTest::newRow("LANGUAGE's first shipped") << "fr:de"
                                                  << ""
                                                  << "" << en << "de";
        QTest::newRow("LANGUAGE with regions") << "pt_BR:ru_RU"
                                               << ""
                                               << "" << en << "ru";
        QTest::newRow("English first in LANGUAGE") << "en:de" << de << ""
                                                   << ""
                                                   << "en";
        QTest::newRow("LANGUAGE without a shipped one") << "fr"
                                                        << ""
                                                        << "" << de << "en";
        QTest::newRow("LC_MESSAGES over LANG") << ""
                                               << "" << ru << en << "ru";
        QTest::newRow("LC_ALL over LC_MESSAGES") << "" << de << ru << en << "de";
        QTest::newRow("LANG of another region") << ""
                                                << ""
                                                << ""
                                                << "de_AT.UTF-8"
                                                << "de";
        QTest::newRow("LANG with a modifier") << ""
                                              << ""
                                              << ""
                                              << "ru_UA.UTF-8@euro"
                                              << "ru";
        QTest::newRow("not shipped") << ""
                                     << ""
                                     << ""
                                     << "fr_FR.UTF-8"
                                     << "en";
        QTest::newRow("nothing set") << ""
                                     << ""
                                     << ""
                                     << ""
                                     << "en";
        // A script's LC_ALL=C asks for untranslated output, as gettext has it.
        QTest::newRow("C ignores LANGUAGE") << "de"
                                            << "C"
                                            << "" << de << "en";
        QTest::newRow("C.UTF-8 ignores LANGUAGE") << "ru"
                                                  << "C.UTF-8"
                                                  << ""
                                                  << ""
                                                  << "en";
        QTest::newRow("POSIX") << ""
                               << ""
                               << "POSIX" << de << "en";
    }

    void chooseLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(QString, expected);
        const QStringList shipped{QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("ru")};
        QCOMPARE(Translations::chooseLanguage({language, lcAll, lcMessages, lang}, shipped),
                 expected);
    }

    void shipsGermanAndRussian()
    {
        const QStringList shipped = Translations::shippedLanguages();
        QVERIFY2(shipped.contains(QLatin1String("de")) && shipped.contains(QLatin1String("ru")),
                 qPrintable(shipped.join(QLatin1Char(' '))));
    }

    void installsTheLanguageOfTheEnvironment()
    {
        QCOMPARE(m_installed, qEnvironmentVariable("DIALOMETER_TEST_LANGUAGE"));
    }

    // Spot checks of the program's texts and of Qt's own (standard buttons).
    void translatedTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("expected");
        QTest::newRow("de dial window")
            << "de" << QByteArray("DialDialog") << QByteArray("Cancel") << "Abbrechen";
        QTest::newRow("de plan window") << "de" << QByteArray("TPlan")
                                        << QByteArray("Days left: %1") << "Verbleibende Tage: %1";
        QTest::newRow("de Qt button")
            << "de" << QByteArray("QPlatformTheme") << QByteArray("Cancel") << "Abbrechen";
        QTest::newRow("ru dial window")
            << "ru" << QByteArray("DialDialog") << QByteArray("Cancel") << "Отмена";
        QTest::newRow("ru phonebook") << "ru" << QByteArray("PhonebookDialog")
                                      << QByteArray("Phonebook") << "Телефонная книга";
        QTest::newRow("ru Qt button")
            << "ru" << QByteArray("QPlatformTheme") << QByteArray("Cancel") << "Отмена";
        QTest::newRow("en dial window")
            << "en" << QByteArray("DialDialog") << QByteArray("Cancel") << "Cancel";
        QTest::newRow("en Qt button")
            << "en" << QByteArray("QPlatformTheme") << QByteArray("Cancel") << "Cancel";
    }

    void translatedTexts()
    {
        QFETCH(QString, language);
        QFETCH(QByteArray, context);
        QFETCH(QByteArray, source);
        QFETCH(QString, expected);
        if (language != m_installed)
            QSKIP("a row of another language");
        QCOMPARE(QCoreApplication::translate(context.constData(), source.constData()), expected);
    }

    // English texts do not take the regional forms along, nor the other way.
    void regionalFormsStayWithTheLocale()
    {
        const QString forms = TextForms::regionalFormsName();
        if (forms != QLatin1String("de_DE"))
            QSKIP("for a German locale");
        QCOMPARE(TextForms::moneyText(1234.5), QStringLiteral("1.234,50 "));
        QCOMPARE(TextForms::numberText(2.5), QStringLiteral("2,5"));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
