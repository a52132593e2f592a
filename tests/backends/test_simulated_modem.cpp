#include "backends/sim/SimulatedModemService.h"
#include "connection/DialupOperations.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Harness
{
    ManualElapsedTime *time = nullptr;
    std::unique_ptr<SimulatedModemService> service;

    explicit Harness(const QByteArray &json)
    {
        QString error;
        auto scenario = SimulationScenario::fromJson(json, "test.json", &error);
        if (!scenario)
            qFatal("%s", qPrintable(error));
        init(*scenario);
    }
    explicit Harness(const SimulationScenario &scenario) { init(scenario); }

    void init(const SimulationScenario &scenario)
    {
        auto t = std::make_unique<ManualElapsedTime>();
        time = t.get();
        service = std::make_unique<SimulatedModemService>(scenario, std::move(t));
    }
    void at(double seconds)
    {
        time->setMs(qint64(seconds * 1000));
        service->update();
    }
    QStringList active()
    {
        ConnectionRecord records[8];
        int count = 0;
        service->enumConnections(records, 8, &count);
        QStringList names;
        for (int i = 0; i < std::min(count, 8); ++i)
            names << records[i].szEntryName + "@" + service->interfaceName(records[i].hrasconn);
        return names;
    }
    SessionCounters poll()
    {
        ConnectionRecord record;
        SessionCounters counters;
        PollConnection(*service, record, counters);
        return counters;
    }
};

} // namespace

class TestSimulatedModem : public QObject
{
    Q_OBJECT
private slots:
    void invalidScenario_data();
    void invalidScenario();
    void unreadableFile();
    void schedule_data();
    void schedule();
    void countersFromRates();
    void countersFromSamples_data();
    void countersFromSamples();
    void variedTrafficNeverStepsBack();
    void countersHoldAtTheLargestRate_data();
    void countersHoldAtTheLargestRate();
    void dialConnectsAfterDelay();
    void dialOutcomes_data();
    void dialOutcomes();
    void cancelWithdrawsTheConnection();
    void hangUpWithDelay();
    void demoScenario();
    void phonebookIsEditable();
    void documentedExample();
    void resumeOnlyInTheSameRun();
};

void TestSimulatedModem::invalidScenario_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("expected");

    QTest::newRow("malformed") << QByteArray("{\n  \"phonebook\": [\"A\",]\n}")
                               << "test.json: line 2, column";
    QTest::newRow("unknown key") << QByteArray(R"({"phonebok": []})")
                                 << "test.json: phonebok: unknown key";
    QTest::newRow("phonebook not a list")
        << QByteArray(R"({"phonebook": "A"})") << "test.json: phonebook: must be a list";
    QTest::newRow("entry twice") << QByteArray(R"({"phonebook": ["Home", "home"]})")
                                 << "test.json: phonebook[1]: \"home\" is listed twice";
    QTest::newRow("connection without entry") << QByteArray(R"({"connections": [{"start": 1}]})")
                                              << "test.json: connections[0].entry: is missing";
    QTest::newRow("negative rate")
        << QByteArray(R"({"connections": [{"entry": "A", "receiveRate": -5}]})")
        << "test.json: connections[0].receiveRate: must be between 0 and";
    QTest::newRow("compression over 100")
        << QByteArray(R"({"connections": [{"entry": "A", "compressionIn": 150}]})")
        << "connections[0].compressionIn: must be between 0 and 100, not 150";
    QTest::newRow("end before start")
        << QByteArray(R"({"connections": [{"entry": "A", "start": 5, "end": 5}]})")
        << "connections[0].end: must be later than start";
    QTest::newRow("samples out of order")
        << QByteArray(R"({"connections": [{"entry": "A", "samples": [{"at": 2}, {"at": 1}]}]})")
        << "connections[0].samples[1].at: must be later than the sample before it";
    QTest::newRow("entry dial delay")
        << QByteArray(R"({"dial": {"entries": {"Work": {"delay": -1}}}})")
        << "dial.entries[\"Work\"].delay: must be between 0 and 3600";
}

void TestSimulatedModem::invalidScenario()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, expected);
    QString error;
    QVERIFY(!SimulationScenario::fromJson(json, "test.json", &error));
    QVERIFY2(error.startsWith("test.json: ") && error.contains(expected), qPrintable(error));
}

void TestSimulatedModem::unreadableFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("missing.json");
    QString error;
    QVERIFY(!SimulationScenario::fromFile(path, &error));
    QVERIFY2(error.startsWith(path + ": cannot be read"), qPrintable(error));

    QFile file(dir.filePath("good.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"phonebook": ["A", "B"]})");
    file.close();
    const auto scenario = SimulationScenario::fromFile(file.fileName(), &error);
    QVERIFY(scenario);
    QCOMPARE(scenario->phonebook, (QStringList{"A", "B"}));
}

void TestSimulatedModem::schedule_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QStringList>("active");

    // A from 1 s to 10 s; B from 5 s on its own interface; C from 8 s to 20 s.
    QTest::newRow("before anything") << 0.5 << QStringList();
    QTest::newRow("A comes up") << 1.0 << QStringList{"A@ppp0"};
    QTest::newRow("B joins") << 6.0 << QStringList{"A@ppp0", "B@wwan7"};
    QTest::newRow("C takes the next free ppp") << 9.0 << QStringList{"A@ppp0", "B@wwan7", "C@ppp1"};
    QTest::newRow("A goes at its end") << 10.0 << QStringList{"B@wwan7", "C@ppp1"};
    QTest::newRow("C gone too") << 20.0 << QStringList{"B@wwan7"};
}

void TestSimulatedModem::schedule()
{
    QFETCH(double, seconds);
    QFETCH(QStringList, active);

    Harness h(R"({"connections": [
        {"entry": "A", "start": 1, "end": 10},
        {"entry": "C", "start": 8, "end": 20},
        {"entry": "B", "start": 5, "interface": "wwan7"}]})");
    // Walk the time up to the row's moment, as the monitor's ticks would.
    for (double t = 0; t < seconds; t += 0.5)
        h.at(t);
    h.at(seconds);
    QCOMPARE(h.active(), active);
    QCOMPARE(ActiveConnectionCount(*h.service), int(active.size()));
}

void TestSimulatedModem::countersFromRates()
{
    Harness h(R"({"connections": [{"entry": "A", "start": 2, "speed": 33600,
        "receiveRate": 1000, "sendRate": 250, "frameSize": 100,
        "compressionIn": 45, "compressionOut": 12}]})");
    h.at(12.0);
    const SessionCounters c = h.poll();
    QCOMPARE(c.dwBytesRcved, qint64(10000));
    QCOMPARE(c.dwBytesXmited, qint64(2500));
    QCOMPARE(c.dwFramesRcved, qint64(100));
    QCOMPARE(c.dwFramesXmited, qint64(25));
    QCOMPARE(c.dwCompressionRatioIn, 45u);
    QCOMPARE(c.dwCompressionRatioOut, 12u);
    QCOMPARE(c.dwBps, qint64(33600));
    QCOMPARE(c.dwConnectDuration, qint64(10000));
}

void TestSimulatedModem::countersFromSamples_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("sent");
    QTest::addColumn<qint64>("framesIn");

    // Samples (seconds after coming up at 0): 0 → 0/0, 10 → 5000/1000 with
    // 50 frames, 20 → 1000/3000 with 10 frames: the received counter goes down.
    QTest::newRow("at the start") << 0.0 << qint64(0) << qint64(0) << qint64(0);
    QTest::newRow("halfway up") << 5.0 << qint64(2500) << qint64(500) << qint64(5);
    QTest::newRow("on a sample") << 10.0 << qint64(5000) << qint64(1000) << qint64(50);
    QTest::newRow("going down") << 15.0 << qint64(3000) << qint64(2000) << qint64(30);
    QTest::newRow("held after the last") << 60.0 << qint64(1000) << qint64(3000) << qint64(10);
}

void TestSimulatedModem::countersFromSamples()
{
    QFETCH(double, seconds);
    QFETCH(qint64, received);
    QFETCH(qint64, sent);
    QFETCH(qint64, framesIn);

    // The first sample carries no frames: bytes over the frame size stand in.
    Harness h(R"({"connections": [{"entry": "A", "frameSize": 1000, "samples": [
        {"at": 0, "received": 0, "sent": 0},
        {"at": 10, "received": 5000, "sent": 1000, "receivedFrames": 50},
        {"at": 20, "received": 1000, "sent": 3000, "receivedFrames": 10}]}]})");
    h.at(seconds);
    const SessionCounters c = h.poll();
    QCOMPARE(c.dwBytesRcved, received);
    QCOMPARE(c.dwBytesXmited, sent);
    if (seconds >= 10)
        QCOMPARE(c.dwFramesRcved, framesIn);
}

void TestSimulatedModem::variedTrafficNeverStepsBack()
{
    Harness h(R"({"connections": [{"entry": "A", "receiveRate": 4000, "sendRate": 800,
        "variation": 1}]})");
    SessionCounters last;
    QSet<qint64> steps;
    for (int tick = 1; tick <= 240; ++tick) {
        h.at(tick * 0.5);
        const SessionCounters c = h.poll();
        QVERIFY(c.dwBytesRcved >= last.dwBytesRcved);
        QVERIFY(c.dwBytesXmited >= last.dwBytesXmited);
        QVERIFY(c.dwBytesRcved <= qint64(2 * 4000 * tick * 0.5) + 1);
        steps.insert((c.dwBytesRcved - last.dwBytesRcved) / 100);
        last = c;
    }
    QVERIFY2(steps.size() > 10, "the traffic should vary from tick to tick");
}

void TestSimulatedModem::countersHoldAtTheLargestRate_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<double>("seconds");

    // Rates the scenario reader accepts, long enough up for rate * time to
    // pass what a qint64 holds.
    QTest::newRow("dial at the largest rate")
        << QByteArray(R"({"phonebook": ["Home"], "dial": {"receiveRate": 9e15}})") << 1030.0;
    QTest::newRow("steady, both directions")
        << QByteArray(R"({"connections": [{"entry": "A", "receiveRate": 9e15,
            "sendRate": 9e15}]})")
        << 1.0e6;
    QTest::newRow("varying, both directions")
        << QByteArray(R"({"connections": [{"entry": "A", "receiveRate": 9e15,
            "sendRate": 9e15, "variation": 1}]})")
        << 1.0e6;
    QTest::newRow("frames from large counters")
        << QByteArray(R"({"connections": [{"entry": "A", "receiveRate": 4.5e15,
            "sendRate": 4.5e15, "frameSize": 1500}]})")
        << 2048.0;
}

void TestSimulatedModem::countersHoldAtTheLargestRate()
{
    QFETCH(QByteArray, json);
    QFETCH(double, seconds);

    Harness h(json);
    auto attempt = json.contains("dial") ? h.service->dial("Home") : nullptr;
    h.at(100);
    QCOMPARE(h.active().size(), 1);
    h.at(100 + seconds);
    const SessionCounters c = h.poll();
    const qint64 largest = qint64(TrafficProfile::kMaxCounter);
    QCOMPARE(c.dwBytesRcved, largest);
    if (!json.contains("dial"))
        QCOMPARE(c.dwBytesXmited, largest);
    const qint64 frameSize = json.contains("1500") ? 1500 : 512;
    QCOMPARE(c.dwFramesRcved, (largest + frameSize - 1) / frameSize);
}

void TestSimulatedModem::dialConnectsAfterDelay()
{
    Harness h(R"({"phonebook": ["Home"], "dial": {"delay": 2, "receiveRate": 100}})");
    auto attempt = h.service->dial("Home");
    QVERIFY(attempt);
    QCOMPARE(attempt->state(), DialAttempt::State::Dialing);
    QCOMPARE(attempt->message(), QStringLiteral("Connecting to Home…"));
    QSignalSpy finished(attempt.get(), &DialAttempt::finished);

    h.at(1.9);
    QVERIFY(h.active().isEmpty());
    QCOMPARE(finished.count(), 0);

    h.at(2.0);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(attempt->state(), DialAttempt::State::Connected);
    QCOMPARE(h.active(), QStringList{"Home@ppp0"});

    h.at(12.0);
    QCOMPARE(h.poll().dwBytesRcved, qint64(1000));
    QCOMPARE(h.poll().dwConnectDuration, qint64(10000));

    // Dialing what is already up connects at once and adds nothing.
    auto again = h.service->dial("Home");
    QCOMPARE(again->state(), DialAttempt::State::Connected);
    QCOMPARE(h.active().size(), 1);
}

void TestSimulatedModem::dialOutcomes_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("reason");

    QTest::newRow("fails with the scenario's reason")
        << "Busy" << int(DialAttempt::State::Failed) << "NO CARRIER";
    QTest::newRow("not in the phonebook") << "Nowhere" << int(DialAttempt::State::Failed)
                                          << "There is no phonebook entry \"Nowhere\".";
    QTest::newRow("default outcome") << "Home" << int(DialAttempt::State::Connected) << "";
}

void TestSimulatedModem::dialOutcomes()
{
    QFETCH(QString, entry);
    QFETCH(int, state);
    QFETCH(QString, reason);

    Harness h(R"({"phonebook": ["Home", "Busy"], "dial": {"delay": 1,
        "entries": {"Busy": {"delay": 3, "failure": "NO CARRIER"}}}})");
    auto attempt = h.service->dial(entry);
    h.at(5);
    QCOMPARE(int(attempt->state()), state);
    QCOMPARE(attempt->message(), reason);
    QCOMPARE(h.active().size(), state == int(DialAttempt::State::Connected) ? 1 : 0);
}

void TestSimulatedModem::cancelWithdrawsTheConnection()
{
    Harness h(R"({"phonebook": ["Home"]})");
    auto attempt = h.service->dial("Home");
    h.at(1);
    attempt->cancel();
    QCOMPARE(attempt->state(), DialAttempt::State::Cancelled);
    h.at(10);
    QVERIFY(h.active().isEmpty());
    QCOMPARE(attempt->state(), DialAttempt::State::Cancelled);
}

void TestSimulatedModem::hangUpWithDelay()
{
    Harness h(R"({"connections": [{"entry": "A", "hangUpDelay": 1.5}, {"entry": "B"}]})");
    h.at(1);
    ConnectionRecord records[2];
    int count = 0;
    h.service->enumConnections(records, 2, &count);
    QCOMPARE(count, 2);
    const ConnectionHandle a = records[0].hrasconn;
    const ConnectionHandle b = records[1].hrasconn;

    QCOMPARE(h.service->hangUp(b), int(ConnectionService::Success));
    QCOMPARE(h.service->connectStatus(b), int(ConnectionService::InvalidHandle));
    QCOMPARE(h.service->hangUp(a), int(ConnectionService::Success));
    QCOMPARE(h.service->connectStatus(a), int(ConnectionService::Success));
    h.at(2.4);
    QCOMPARE(h.service->connectStatus(a), int(ConnectionService::Success));
    h.at(2.5);
    QCOMPARE(h.service->connectStatus(a), int(ConnectionService::InvalidHandle));
    QCOMPARE(h.service->hangUp(a), int(ConnectionService::InvalidHandle));
    QVERIFY(h.active().isEmpty());
}

void TestSimulatedModem::demoScenario()
{
    Harness h(SimulationScenario::demo());
    QStringList entries;
    GetPhonebookEntries(*h.service, entries);
    QVERIFY(entries.size() >= 2);
    QVERIFY(!IsConnected(*h.service));

    auto attempt = h.service->dial(entries.first());
    h.at(1.5);
    QVERIFY(!IsConnected(*h.service));
    h.at(2.0);
    QCOMPARE(attempt->state(), DialAttempt::State::Connected);
    QVERIFY(IsConnected(*h.service));
    h.at(32.0);
    const SessionCounters c = h.poll();
    QVERIFY(c.dwBytesRcved > 0 && c.dwBytesXmited > 0 && c.dwBps > 0);
    QCOMPARE(c.dwConnectDuration, qint64(30000));

    HangUpAll(*h.service);
    QVERIFY(!IsConnected(*h.service));
}

void TestSimulatedModem::phonebookIsEditable()
{
    Harness h(R"({"phonebook": ["Old"]})");
    QVERIFY(h.service->phonebookEditing().editableHere);
    QSignalSpy changed(h.service.get(), &ConnectionService::changed);
    QVERIFY(h.service->setPhonebookEntries({"New", "Other"}));
    QCOMPARE(changed.count(), 1);
    QStringList entries;
    GetPhonebookEntries(*h.service, entries);
    QCOMPARE(entries, (QStringList{"New", "Other"}));
    QCOMPARE(h.service->dial("Old")->state(), DialAttempt::State::Failed);
}

void TestSimulatedModem::documentedExample()
{
    QString error;
    const auto scenario = SimulationScenario::fromFile(
        QStringLiteral(DIALOMETER_SOURCE_DIR "/docs/examples/sim-scenario.json"), &error);
    QVERIFY2(scenario, qPrintable(error));
    Harness h(*scenario);
    h.at(10);
    QCOMPARE(h.active(), QStringList{"Home Dial-up@ppp0"});
    h.at(185);
    QCOMPARE(h.active(), QStringList{"Office ISDN@ippp0"});
    // 35 s after it came up: halfway between the samples at 30 and 40 s.
    QCOMPARE(h.poll().dwBytesRcved, qint64(180000));
    auto attempt = h.service->dial("Night Tariff");
    h.at(190);
    QCOMPARE(attempt->message(), QStringLiteral("NO CARRIER"));
}

void TestSimulatedModem::resumeOnlyInTheSameRun()
{
    const QByteArray json = R"({"connections": [{"entry": "A", "start": 0},
                                                {"entry": "B", "start": 0}]})";
    Harness h(json);
    h.at(1.0);
    const QString tokenA = h.service->resumeToken(1);
    QVERIFY(!tokenA.isEmpty());
    QVERIFY(h.service->resume(1, tokenA));
    QVERIFY(!h.service->resume(2, tokenA));
    QCOMPARE(h.service->resumeToken(99), QString());
    // A restart: the same scenario, but its connections are new ones.
    Harness restarted(json);
    restarted.at(1.0);
    QVERIFY(!restarted.service->resume(1, tokenA));
}

QTEST_GUILESS_MAIN(TestSimulatedModem)
#include "test_simulated_modem.moc"
