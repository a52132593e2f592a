// The tariffs beside the "Connections" items and, while connected, in the
// tooltip and the main window, on the simulated modem. Alpha: Day 0.6 per
// minute 08:00-20:00 on Mondays, Night 0.2 from 22:00 to 23:59, Standard
// 0.4 (the default) else, a fee of 0.25; "Beta" has no provider.
#include "AppSurroundings.h"

#include "app/ProgramState.h"
#include "app/TMain.h"
#include "app/TrayIcon.h"
#include "backends/sim/SimulatedModemService.h"
#include "core/DataFolder.h"
#include "monitor/SessionMonitor.h"
#include "store/ConfigDocument.h"
#include "store/DataFiles.h"

#include <QLabel>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

namespace {

const QDate kMonday(2026, 12, 7);

QString localised(QString text)
{
    return text.replace(QLatin1Char('#'), QLocale::system().decimalPoint());
}

void writeConfig(const QString &folder, const QString &alphaName, const QString &plan = {})
{
    XmlDocument config;
    QVERIFY(config.parse(
        localised(QStringLiteral("<MainContent><General/><TariffTypes>"
                                 "<Item ID=\"1\" Name=\"Day\" Minute=\"0#6\"/>"
                                 "<Item ID=\"2\" Name=\"Night\" Minute=\"0#2\"/>"
                                 "<Item ID=\"3\" Name=\"Standard\" Minute=\"0#4\"/>"
                                 "</TariffTypes><ISP><Item DefCost=\"3\" PayConn=\"0#25\" %1>"
                                 "<Monday><Item Time1=\"08:00\" Time2=\"20:00\" TariffType=\"1\"/>"
                                 "<Item Time1=\"22:00\" Time2=\"23:59\" TariffType=\"2\"/>"
                                 "</Monday></Item></ISP><Users/><Graph/></MainContent>")
                      .arg(plan))
            .toUtf8()));
    setAttributeText(config.root().child("ISP").child("Item"), "Name", alphaName);
    QVERIFY(SaveDocument(configPath(folder), config));
}

struct Program
{
    QTemporaryDir dir;
    ManualClock clock;
    ScriptedPrompter prompter;
    std::unique_ptr<SimulatedModemService> modem;
    std::unique_ptr<TMain> window;

    // With up, alpha is up from the start.
    Program(const QDateTime &now, const QString &alpha = QStringLiteral("Alpha"),
            const QString &plan = {}, bool up = false)
        : clock(now)
    {
        SimulationScenario scenario;
        scenario.phonebook = {alpha, QStringLiteral("Beta")};
        if (up)
            scenario.connections.append({alpha, 0, -1, QString(), 0, TrafficProfile()});
        modem = std::make_unique<SimulatedModemService>(scenario,
                                                        std::make_unique<ManualElapsedTime>());
        writeConfig(dir.path(), alpha, plan);
        window = std::make_unique<TMain>(*modem, prompter, clock, dir.path());
        window->state().Timer1()->stop(); // the test ticks by hand
    }
    QMenu *trayConnections() const
    {
        window->tray().PopupMenu1Popup();
        return window->tray().ConnectionsMenu();
    }
    QString tariffLabel() const
    {
        return window->findChild<QLabel *>(QStringLiteral("StatusBar1Tariff"))->text();
    }
    QString toolTip() const { return window->tray().CoolTrayIcon1()->toolTip(); }
};

} // namespace

class TestTariffMenus : public QObject
{
    Q_OBJECT

private slots:
    void menuTexts_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        const QString night = QStringLiteral("Cheapest within 24 h: 22:00, Night, 12#25 an hour");
        QTest::newRow("day") << QTime(12, 0) << "Alpha\tDay 0#60/min" << night;
        QTest::newRow("default") << QTime(21, 0) << "Alpha\tStandard 0#40/min" << night;
        // Tuesday has no ranges: the rest of Monday's Night is the cheapest.
        QTest::newRow("night") << QTime(23, 30) << "Alpha\tNight 0#20/min"
                               << "Cheapest within 24 h: 23:30, Night, 18#45 an hour";
    }
    void menuTexts()
    {
        QFETCH(QTime, now);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        Program program(QDateTime(kMonday, now));
        program.window->show();
        auto *main = program.window->findChild<QMenu *>(QStringLiteral("Connections1"));
        for (QMenu *menu : {program.trayConnections(), main}) {
            QCOMPARE(captions(menu), (QStringList{localised(caption), QStringLiteral("Beta"),
                                                  QStringLiteral("-"), QStringLiteral("Setting")}));
            const QList<QAction *> items = menu->actions();
            QCOMPARE(items[0]->toolTip(), localised(toolTip));
            QCOMPARE(items[0]->data().toString(), QStringLiteral("Alpha"));
            QVERIFY(!items[1]->toolTip().startsWith(QLatin1String("Cheapest")));
            QVERIFY(menu->toolTipsVisible());
        }
    }

    // Worked out at most once a minute, and again after the settings.
    void onceAMinute()
    {
        Program program(QDateTime(kMonday, QTime(19, 59, 10)));
        QCOMPARE(program.trayConnections()->actions()[0]->text(), localised("Alpha\tDay 0#60/min"));
        pugi::xml_node day =
            program.window->state().config().root().child("TariffTypes").first_child();
        setAttributeText(day, "Minute", localised("0#7"));
        program.clock.set(QDateTime(kMonday, QTime(19, 59, 50)));
        QCOMPARE(program.trayConnections()->actions()[0]->text(), localised("Alpha\tDay 0#60/min"));
        program.window->state().settingsClosed();
        QCOMPARE(program.trayConnections()->actions()[0]->text(), localised("Alpha\tDay 0#70/min"));
        program.clock.set(QDateTime(kMonday, QTime(20, 0, 0)));
        QCOMPARE(program.trayConnections()->actions()[0]->text(),
                 localised("Alpha\tStandard 0#40/min"));
    }

    void connectedHint_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("plan");
        QTest::newRow("plain") << QStringLiteral("Alpha") << QString();
        // A long name gives way; the tariff and the plan's line stay whole.
        QTest::newRow("long name, plan")
            << QStringLiteral("Alpha ").repeated(40) << QStringLiteral("TrafficCap=\"100\"");
    }
    void connectedHint()
    {
        QFETCH(QString, entry);
        QFETCH(QString, plan);
        Program program(QDateTime(kMonday, QTime(19, 0)), entry, plan, true);
        program.window->state().Timer1Timer();
        program.window->state().Timer1Timer();
        const QStringList lines = program.toolTip().split(QLatin1Char('\n'));
        QVERIFY(program.toolTip().size() <= 255);
        if (plan.isEmpty()) {
            QCOMPARE(lines.last(), QStringLiteral("Day until 20:00"));
        } else {
            QCOMPARE(lines.value(lines.size() - 2), QStringLiteral("Day until 20:00"));
            QVERIFY2(lines.last().startsWith(localised("Plan: 0#0 of 100#0 MB (0%)")),
                     qPrintable(lines.last()));
        }
        QCOMPARE(program.tariffLabel(), QStringLiteral("Day until 20:00"));

        program.clock.set(QDateTime(kMonday, QTime(20, 0, 30)));
        program.window->state().Timer1Timer();
        QCOMPARE(program.tariffLabel(), QStringLiteral("Standard until 22:00"));

        program.window->state().HangUpAll();
        program.window->state().Timer1Timer();
        QVERIFY(!program.window->state().monitor().WasConnected());
        QCOMPARE(program.tariffLabel(), QString());
        QCOMPARE(program.toolTip(), QString());
    }
};

QTEST_MAIN(TestTariffMenus)
#include "test_tariff_menus.moc"
