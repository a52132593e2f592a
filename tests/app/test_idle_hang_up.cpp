// A line that carries next to nothing is hung up, on the simulated modem:
// Alpha is up from the start, the program ticks every 500 ms of the modem's
// time and the clock's.
#include "AppSurroundings.h"

#include "app/ProgramState.h"
#include "backends/sim/SimulatedModemService.h"
#include "connection/DialupOperations.h"
#include "core/DataFolder.h"
#include "monitor/RecordingMonitorView.h"
#include "store/ConfigDocument.h"
#include "store/DataFiles.h"
#include "store/SessionTable.h"

#include <QTest>
#include <QTimer>

namespace {

void writeConfig(const QString &folder, const QString &attributes)
{
    XmlDocument config;
    QVERIFY(config.parse(QStringLiteral("<MainContent><General/><TariffTypes/><ISP>"
                                        "<Item Name=\"Alpha\" %1/></ISP><Users/><Graph/>"
                                        "</MainContent>")
                             .arg(attributes)
                             .toUtf8()));
    QVERIFY(SaveDocument(configPath(folder), config));
}

} // namespace

class TestIdleHangUp : public QObject
{
    Q_OBJECT

private slots:
    void idleLine_data()
    {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<TrafficProfile>("traffic");
        QTest::addColumn<int>("hungUpAt"); // the tick; -1: never

        // 100 kB a second for a minute, then nothing: two idle minutes
        // later, at 180 s, is tick 360.
        TrafficProfile stops;
        stops.samples = {{0, 0, 0}, {60, 3000000, 3000000}};
        QTest::newRow("traffic stops") << "IdleMinutes=\"2\"" << stops << 360;
        QTest::newRow("off by default") << QString() << stops << -1;
        QTest::newRow("off at 0") << "IdleMinutes=\"0\" IdleBelow=\"100000\"" << stops << -1;

        // Received plus sent count.
        TrafficProfile trickle;
        trickle.receiveRate = 150;
        trickle.sendRate = 150;
        QTest::newRow("a trickle above IdleBelow") << "IdleMinutes=\"2\"" << trickle << -1;
        QTest::newRow("a trickle below IdleBelow")
            << "IdleMinutes=\"2\" IdleBelow=\"400\"" << trickle << 240;
    }
    void idleLine()
    {
        QFETCH(QString, attributes);
        QFETCH(TrafficProfile, traffic);
        QFETCH(int, hungUpAt);

        SimulationScenario scenario;
        scenario.phonebook = {QStringLiteral("Alpha")};
        scenario.connections.append({QStringLiteral("Alpha"), 0, -1, QString(), 0, traffic});
        auto time = std::make_unique<ManualElapsedTime>();
        ManualElapsedTime *modemTime = time.get();
        SimulatedModemService modem(scenario, std::move(time));
        AppSurroundings surroundings;
        writeConfig(surroundings.dir.path(), attributes);
        RecordingMonitorView view;
        ProgramState state(modem, surroundings.prompter, surroundings.clock,
                           surroundings.dir.path());
        state.start(view);
        state.Timer1()->stop(); // the test ticks by hand

        int gone = -1;
        for (int tick = 0; tick < 500 && gone < 0; ++tick) {
            state.Timer1Timer();
            if (ActiveConnectionCount(modem) == 0)
                gone = tick;
            modemTime->advanceMs(500);
            surroundings.clock.advanceMs(500);
        }
        const QString told =
            QStringLiteral("No traffic on Alpha for 2 minutes: the connection was hung up.");
        const bool toldOnce = view.balloons.size() == 2 && view.balloons.last().text == told;
        if (hungUpAt < 0) {
            QCOMPARE(gone, -1);
            QCOMPARE(view.balloons.size(), 1); // the connection's
            return;
        }
        QVERIFY2(gone >= hungUpAt - 2 && gone <= hungUpAt + 2, qPrintable(QString::number(gone)));
        QVERIFY(toldOnce);
        // The next tick records the connection.
        state.Timer1Timer();
        QCOMPARE(state.MemTable().rowCount(), 1);
        QCOMPARE(state.MemTable().value(0, QStringLiteral("ConnectName")).toString(),
                 QStringLiteral("Alpha"));
    }
};

QTEST_MAIN(TestIdleHangUp)
#include "test_idle_hang_up.moc"
