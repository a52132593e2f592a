// A few texts of the main window, the tray menu and a question in the
// language the registration's environment asks for (DIALOMETER_TEST_LANGUAGE),
// and figures in the regional forms whatever the language of texts.
#include "AppSurroundings.h"

#include "app/ProgramState.h"
#include "app/TMain.h"
#include "core/Translations.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

class TestTranslatedWindows : public QObject
{
    Q_OBJECT

    QString m_language;

    // The text a person sees at one place: a menu's title, an item, a label,
    // or the first line of the question Exit asks.
    static QString shown(TMain &window, ScriptedPrompter &prompter, const QString &place)
    {
        if (place == QLatin1String("exit question")) {
            window.findChild<QAction *>(QStringLiteral("Exit1"))->trigger();
            return prompter.asked.isEmpty() ? QString()
                                            : prompter.asked.last().text.section(u'\r', 0, 0);
        }
        if (auto *menu = window.findChild<QMenu *>(place))
            return menu->title();
        if (auto *action = window.findChild<QAction *>(place))
            return action->text();
        if (auto *label = window.findChild<QLabel *>(place))
            return label->text();
        return QStringLiteral("<missing %1>").arg(place);
    }

private slots:
    void initTestCase()
    {
        m_language = qEnvironmentVariable("DIALOMETER_TEST_LANGUAGE", QStringLiteral("en"));
        // The registration's LANGUAGE must win over the English the tests pin.
        QCOMPARE(Translations::installTranslations(*qApp), m_language);
    }

    void texts_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("en");
        QTest::addColumn<QString>("de");
        QTest::addColumn<QString>("ru");
        QTest::newRow("window menu") << "Main1"
                                     << "Main"
                                     << "Programm"
                                     << "Программа";
        QTest::newRow("window label") << "Label_current"
                                      << "Current connection:"
                                      << "Diese Verbindung:"
                                      << "Это подключение:";
        QTest::newRow("tray settings") << "Settings1"
                                       << "Settings"
                                       << "Einstellungen"
                                       << "Настройки";
        QTest::newRow("tray disconnect") << "Disconnect1"
                                         << "Disconnect"
                                         << "Verbindung trennen"
                                         << "Отключиться";
        QTest::newRow("tray exit") << "Exit1"
                                   << "Exit"
                                   << "Beenden"
                                   << "Выход";
        QTest::newRow("exit question")
            << "exit question"
            << "If you will close program now, connection data may be incorrect."
            << "Wenn Sie das Programm jetzt beenden, können die Verbindungsdaten falsch sein."
            << "Если закрыть программу сейчас, данные о подключении могут оказаться неверными.";
        // The English registration runs under German regional forms, the
        // others under American ones.
        QTest::newRow("bytes") << "StaticText_accbyte"
                               << "123.456"
                               << "123,456"
                               << "123,456";
        QTest::newRow("speed") << "StaticText_speed"
                               << "57,6 KBps"
                               << "57.6 KBps"
                               << "57.6 KBps";
    }

    void texts()
    {
        QFETCH(QString, place);
        AppSurroundings surroundings;
        TMain window(surroundings.service, surroundings.prompter, surroundings.clock,
                     surroundings.dir.path());
        window.state().Timer1()->stop(); // ticked by hand
        SessionCounters counters;
        counters.dwBytesRcved = 123456;
        counters.dwBps = 57600;
        surroundings.service.connections = {{7, QStringLiteral("Alpha"), counters}};
        for (int i = 0; i < 3; ++i) {
            window.state().Timer1Timer();
            surroundings.clock.advanceMs(500);
        }
        QFETCH(QString, en);
        QFETCH(QString, de);
        QFETCH(QString, ru);
        const QString expected = m_language == QLatin1String("de")   ? de
                                 : m_language == QLatin1String("ru") ? ru
                                                                     : en;
        QCOMPARE(shown(window, surroundings.prompter, place), expected);
    }
};

QTEST_MAIN(TestTranslatedWindows)
#include "test_translated_windows.moc"
