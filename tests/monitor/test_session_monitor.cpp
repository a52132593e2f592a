#include "RecordingMonitorView.h"
#include "support/FakeConnectionService.h"

#include "core/Clock.h"
#include "core/TextForms.h"
#include "monitor/SessionMonitor.h"
#include "store/MonthStatistics.h"
#include "store/StatisticsLog.h"
#include "store/XmlDocument.h"

#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <memory>

using Field = MonitorView::Field;

namespace {

constexpr qint64 MiB = 1048576;

// A service that, like the original platform, leaves the poll's one record
// empty when more connections are up than it has room for.
class CrowdedService final : public FakeConnectionService
{
public:
    int enumConnections(ConnectionRecord *records, int capacity, int *count) override
    {
        if (int(connections.size()) > capacity) {
            *count = int(connections.size());
            return BufferTooSmall;
        }
        return FakeConnectionService::enumConnections(records, capacity, count);
    }
};

struct ProviderSetup
{
    QString calculate = QStringLiteral("1"); // empty: no Calculate element
    QString userMode = QStringLiteral("0");
    QString providerName = QStringLiteral("Modem");
    QString payConn;     // empty: no PayConn attribute
    QString minutePrice; // empty: no such price
    QString inputPrice;
};

QString localNumber(double value)
{
    return QLocale::system().toString(value, 'g', 15);
}

XmlDocument makeConfig(const ProviderSetup &p)
{
    QString xml = QStringLiteral("<MainContent><General>");
    if (!p.calculate.isEmpty())
        xml += QStringLiteral("<Calculate Value=\"%1\"/>").arg(p.calculate);
    xml += QStringLiteral("<UserMode Value=\"%1\"/></General>").arg(p.userMode);
    xml += QStringLiteral("<TariffTypes><Item ID=\"1\" Name=\"Day\"");
    if (!p.minutePrice.isEmpty())
        xml += QStringLiteral(" Minute=\"%1\"").arg(p.minutePrice);
    if (!p.inputPrice.isEmpty())
        xml += QStringLiteral(" Input=\"%1\"").arg(p.inputPrice);
    xml += QStringLiteral("/></TariffTypes><ISP><Item Name=\"Other\" DefCost=\"1\"/>"
                          "<Item Name=\"%1\" DefCost=\"1\"")
               .arg(p.providerName);
    if (!p.payConn.isEmpty())
        xml += QStringLiteral(" PayConn=\"%1\"").arg(p.payConn);
    xml += QStringLiteral("/></ISP><Users/><Graph/></MainContent>");
    XmlDocument doc;
    doc.parse(xml.toUtf8());
    return doc;
}

SessionCounters counters(qint64 received, qint64 sent, qint64 durationMs = 0)
{
    SessionCounters c;
    c.dwBytesRcved = received;
    c.dwBytesXmited = sent;
    c.dwFramesRcved = received / 100;
    c.dwFramesXmited = sent / 100;
    c.dwBps = 115200;
    c.dwConnectDuration = durationMs;
    return c;
}

// The monitor with its collaborators: a scripted service, a clock that moves
// only when a tick has run, a month log in a temporary folder and a view
// that records.
template <typename Service = FakeConnectionService> struct Rig
{
    explicit Rig(const ProviderSetup &setup = {}) : config(makeConfig(setup)) { log.open(); }

    QString statsPath() const { return dir.filePath(QStringLiteral("09_03.sn2")); }

    void bringUp(const QString &name, const SessionCounters &c, ConnectionHandle handle = 1)
    {
        FakeConnectionService::Connection conn;
        conn.handle = handle;
        conn.entry = name;
        conn.counters = c;
        service.connections.append(conn);
    }
    void setCounters(const SessionCounters &c, int index = 0)
    {
        service.connections[index].counters = c;
    }
    void drop(int index = 0) { service.connections.removeAt(index); }

    void tick(int n = 1, int stepMs = SessionMonitor::intervalMs())
    {
        for (int i = 0; i < n; ++i) {
            monitor.Timer1Timer();
            clock.advanceMs(stepMs);
        }
    }

    // The month file as the next start reads it: each Line as its record,
    // checked against the table built from the same file.
    QList<QStringList> storedLines() const
    {
        MonthStatistics reread(statsPath(), clock);
        const QString error = reread.open();
        if (!error.isEmpty())
            qWarning() << "table load:" << error;
        QList<QStringList> lines;
        for (pugi::xml_node line : reread.document().root().child("Data").children("Line")) {
            QStringList record;
            for (const QString &name : SessionRecordNames)
                record << name + QLatin1Char('=') + attributeText(line, name.toUtf8().constData());
            lines.append(record);
        }
        if (reread.table().rowCount() != lines.size())
            qWarning() << "table rows" << reread.table().rowCount() << "lines" << lines.size();
        return lines;
    }

    QTemporaryDir dir;
    Service service;
    XmlDocument config;
    ManualClock clock{QDateTime(QDate(2009, 3, 5), QTime(9, 30))};
    MonthStatistics log{statsPath(), clock};
    RecordingMonitorView view;
    SessionMonitor monitor{service, config, log, clock, view};
};

QString recordValue(const QStringList &record, const QString &name)
{
    for (const QString &pair : record) {
        if (pair.startsWith(name + QLatin1Char('=')))
            return pair.mid(name.size() + 1);
    }
    return QStringLiteral("<missing>");
}

} // namespace

class TestSessionMonitor : public QObject
{
    Q_OBJECT

private slots:
    void recordsTheLastConnectedTick();
    void cost_data();
    void cost();
    void figures_data();
    void figures();
    void activity_data();
    void activity();
    void graphSamples();
    void severalConnections_data();
    void severalConnections();
    void userMode();
    void providerLookedUpAgain();
    void longEntryName();
};

void TestSessionMonitor::recordsTheLastConnectedTick()
{
    ProviderSetup setup;
    setup.payConn = localNumber(1.5);
    Rig<> rig(setup);
    rig.log.addToMonthTotals(0.5, 10);

    rig.tick();
    QCOMPARE(rig.monitor.WasConnected(), false);
    QCOMPARE(rig.view.trayImages, QList<int>{});

    rig.bringUp(QStringLiteral("Modem"), counters(1000, 200, 1000));
    const QDateTime startedAt = rig.clock.now();
    rig.tick();
    QVERIFY(rig.monitor.WasConnected());
    QCOMPARE(rig.view.glyph, int(MonitorView::ConnectedGlyph));
    QCOMPARE(rig.view.statusText, QStringLiteral("Connected..."));
    QCOMPARE(rig.view.balloons.size(), 1);
    QCOMPARE(rig.view.balloons[0].text,
             QStringLiteral("Connection: Modem\r\nSpeed: %1 KBps").arg(localNumber(115.2)));
    QCOMPARE(rig.view.balloonTimerStarts, 1);
    QCOMPARE(rig.view.text(Field::Provider), QStringLiteral("Modem"));
    QCOMPARE(rig.view.text(Field::Speed), localNumber(115.2) + QStringLiteral(" KBps"));

    // The last tick on which the line was up; the next poll finds it gone and
    // the snapshot keeps these figures.
    rig.setCounters(counters(5000, 700, 65000));
    rig.tick(3);
    const double cost = rig.monitor.SessionCost();
    QCOMPARE(cost, 1.5); // Calculate on, but no price: the charge alone
    rig.drop();
    rig.clock.advanceMs(3600 * 1000); // the record must not take the clock's time
    rig.tick();

    QCOMPARE(rig.monitor.WasConnected(), false);
    const QList<QStringList> lines = rig.storedLines();
    QCOMPARE(lines.size(), 1);
    const QStringList expected = {
        QStringLiteral("Time=") + TextForms::dateTimeText(TextForms::toDays(startedAt)),
        QStringLiteral("Duration=") + TextForms::dateTimeText(65000 / 86400000.0),
        QStringLiteral("TrafficIn=5000"),
        QStringLiteral("TrafficOut=700"),
        QStringLiteral("Cost=") + localNumber(1.5),
        QStringLiteral("Speed=") + localNumber(115.2),
        QStringLiteral("ConnectName=Modem"),
        QStringLiteral("UserName="),
    };
    QCOMPARE(lines[0], expected);

    // The next start reads the same session into its table and totals.
    MonthStatistics reread(rig.statsPath(), rig.clock);
    QCOMPARE(reread.open(), QString());
    QCOMPARE(reread.table().rowCount(), 1);
    QCOMPARE(reread.table().value(0, QStringLiteral("TrafficSum")).toLongLong(), 5700);
    QCOMPARE(reread.MonthCost(), 1.5);
    QVERIFY(qAbs(reread.MonthTime() - 65000 / 86400000.0) < 1e-9);

    QCOMPARE(rig.log.MonthTime(), 0.5 + 65000 / 86400000.0);
    QCOMPARE(rig.log.MonthCost(), 11.5);

    // The window returns to its idle figures; the month figures stay.
    const QList<std::pair<Field, QString>> idle = {
        {Field::CurTime, TextForms::durationText(0)},
        {Field::CurCost, TextForms::moneyText(0)},
        {Field::MonthTime, TextForms::durationText(0.5 + 65000 / 86400000.0)},
        {Field::AccByte, "0"},
        {Field::SentPack, "0"},
        {Field::AccComp, "0%"},
        {Field::Speed, "0 KBps"},
        {Field::Provider, "None"},
        {Field::UserName, "None"},
    };
    for (const auto &[field, text] : idle)
        QCOMPARE(rig.view.text(field), text);
    QCOMPARE(rig.view.lightCalls.mid(rig.view.lightCalls.size() - 2), (QList<int>{2, 12}));
    QCOMPARE(rig.view.trayImages.last(), int(MonitorView::TrayDisconnected));
    QCOMPARE(rig.view.glyph, int(MonitorView::DisconnectedGlyph));
    QCOMPARE(rig.view.statusText, QStringLiteral("Disconnected..."));
    QCOMPARE(rig.view.hint, QString());
    // Kept after the end, for the settings' look-up and the next connect.
    QCOMPARE(rig.monitor.EntryName(), QStringLiteral("Modem"));
    QCOMPARE(rig.monitor.SessionCost(), 1.5);

    // A further idle tick records nothing more.
    rig.tick(4);
    QCOMPARE(rig.storedLines().size(), 1);
}

void TestSessionMonitor::cost_data()
{
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<bool>("providerMatches");
    QTest::addColumn<QString>("payConn");
    QTest::addColumn<double>("minutePrice");
    QTest::addColumn<double>("inputPrice");
    QTest::addColumn<QList<qint64>>("received"); // the counter at each connected tick
    QTest::addColumn<int>("stepMs");
    QTest::addColumn<double>("expected");

    const QString charge = localNumber(1.5);
    const QList<qint64> aMinute(120, 0);
    QTest::newRow("charge and a minute")
        << "1" << true << charge << 0.6 << 0.0 << aMinute << 500 << 2.1;
    QTest::newRow("late ticks price 500 ms each")
        << "1" << true << charge << 0.6 << 0.0 << aMinute << 3000 << 2.1;
    QTest::newRow("calculation off")
        << "0" << true << charge << 0.6 << 2.0 << aMinute << 500 << 0.0;
    QTest::newRow("no Calculate setting")
        << "" << true << charge << 0.6 << 0.0 << aMinute << 500 << 0.0;
    QTest::newRow("no provider") << "1" << false << charge << 0.6 << 2.0 << aMinute << 500 << 0.0;
    QTest::newRow("PayConn unreadable")
        << "1" << true << "1.5.0" << 0.6 << 0.0 << aMinute << 500 << 0.6;
    // The first tick prices the whole count so far, as for a line already
    // up when the program starts.
    QTest::newRow("megabytes received")
        << "1" << true << "" << 0.0 << 2.0 << QList<qint64>{MiB, 2 * MiB, 2 * MiB + MiB / 2} << 500
        << 5.0;
    QTest::newRow("counter goes down")
        << "1" << true << "" << 0.0 << 2.0 << QList<qint64>{2 * MiB, MiB} << 500 << 2.0;
}

void TestSessionMonitor::cost()
{
    QFETCH(QString, calculate);
    QFETCH(bool, providerMatches);
    QFETCH(QString, payConn);
    QFETCH(double, minutePrice);
    QFETCH(double, inputPrice);
    QFETCH(QList<qint64>, received);
    QFETCH(int, stepMs);
    QFETCH(double, expected);

    ProviderSetup setup;
    setup.calculate = calculate;
    setup.providerName = providerMatches ? QStringLiteral("Modem") : QStringLiteral("Elsewhere");
    setup.payConn = payConn;
    if (minutePrice != 0)
        setup.minutePrice = localNumber(minutePrice);
    if (inputPrice != 0)
        setup.inputPrice = localNumber(inputPrice);
    Rig<> rig(setup);

    rig.bringUp(QStringLiteral("Modem"), counters(received.value(0), 0));
    for (qint64 bytes : received) {
        rig.setCounters(counters(bytes, 0, 1000));
        rig.tick(1, stepMs);
    }
    QCOMPARE(bool(rig.monitor.ProviderNode()), providerMatches);
    QVERIFY2(qAbs(rig.monitor.SessionCost() - expected) < 1e-9,
             qPrintable(QString::number(rig.monitor.SessionCost(), 'g', 17)));
    QCOMPARE(rig.view.text(Field::CurCost), TextForms::moneyText(rig.monitor.SessionCost()));

    rig.drop();
    rig.tick();
    const QList<QStringList> lines = rig.storedLines();
    QCOMPARE(lines.size(), 1);
    double stored = -1;
    QVERIFY(TextForms::parseNumber(recordValue(lines[0], QStringLiteral("Cost")), &stored));
    QVERIFY(qAbs(stored - expected) < 1e-9);
}

void TestSessionMonitor::figures_data()
{
    QTest::addColumn<qint64>("durationMs");
    QTest::addColumn<double>("monthBefore");
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("sent");
    QTest::addColumn<QString>("curTime");
    QTest::addColumn<QString>("monthTime");

    QTest::newRow("25 hours") << qint64(25) * 3600000 << 0.0 << qint64(1234567) << qint64(0)
                              << "1.01:00:00"
                              << "1.01:00:00";
    QTest::newRow("month past a day")
        << qint64(3723000) << 1.5 << qint64(0) << qint64(42) << "01:02:03"
        << "1.13:02:03";
    QTest::newRow("seconds truncated")
        << qint64(59999) << 0.0 << qint64(5) << qint64(5) << "00:00:59"
        << "00:00:59";
}

void TestSessionMonitor::figures()
{
    QFETCH(qint64, durationMs);
    QFETCH(double, monthBefore);
    QFETCH(qint64, received);
    QFETCH(qint64, sent);
    QFETCH(QString, curTime);
    QFETCH(QString, monthTime);

    Rig<> rig;
    rig.log.addToMonthTotals(monthBefore, 3);
    SessionCounters c = counters(received, sent, durationMs);
    c.dwCompressionRatioIn = 45;
    c.dwCompressionRatioOut = 0;
    rig.bringUp(QStringLiteral("Modem"), c);
    rig.tick();

    const QString sep = TextForms::timeSeparator();
    QCOMPARE(rig.view.text(Field::CurTime), QString(curTime).replace(':', sep));
    QCOMPARE(rig.view.text(Field::MonthTime), QString(monthTime).replace(':', sep));
    QCOMPARE(rig.view.text(Field::MonthCost), TextForms::moneyText(3));
    QCOMPARE(rig.view.text(Field::AccByte), TextForms::countText(received));
    QCOMPARE(rig.view.text(Field::SentByte), TextForms::countText(sent));
    QCOMPARE(rig.view.text(Field::AccPack), TextForms::countText(received / 100));
    QCOMPARE(rig.view.text(Field::AccComp), QStringLiteral("45%"));
    QCOMPARE(rig.view.text(Field::SentComp), QStringLiteral("0%"));

    // The hint leaves a zero count empty where the window shows "0".
    const QString expectedHint =
        QStringLiteral("Modem\r\nSpeed: %1 KBps\r\nSent: %2 bytes\r\nReceived: %3 bytes")
            .arg(localNumber(115.2), sent ? TextForms::countText(sent) : QString(),
                 received ? TextForms::countText(received) : QString());
    QCOMPARE(rig.view.hint, expectedHint);
    if (sent == 0)
        QVERIFY(rig.view.hint.contains(QStringLiteral("Sent:  bytes")));
}

void TestSessionMonitor::activity_data()
{
    QTest::addColumn<QList<qint64>>("received"); // per connected tick
    QTest::addColumn<QList<qint64>>("sent");
    QTest::addColumn<QList<int>>("trayImages");
    QTest::addColumn<QList<int>>("lightCalls");

    // Light calls are recorded as image + 0 for Led_S, image + 10 for Led_R:
    // a light is only touched when its state changes.
    QTest::newRow("quiet line") << QList<qint64>{0, 0, 0} << QList<qint64>{0, 0, 0} << QList<int>{4}
                                << QList<int>{2, 12};
    QTest::newRow("receiving, sending, both, quiet")
        << QList<qint64>{100, 100, 200, 200} << QList<qint64>{0, 50, 60, 60}
        << QList<int>{4, 5, 6, 7, 4} << QList<int>{2, 13, 3, 12, 13, 2, 12};
    QTest::newRow("steady download") << QList<qint64>{10, 20, 30, 40} << QList<qint64>{0, 0, 0, 0}
                                     << QList<int>{4, 5} << QList<int>{2, 13};
    QTest::newRow("counter going down counts as activity")
        << QList<qint64>{0, 0, 0} << QList<qint64>{500, 400, 400} << QList<int>{4, 6, 4}
        << QList<int>{3, 12, 2};
}

void TestSessionMonitor::activity()
{
    QFETCH(QList<qint64>, received);
    QFETCH(QList<qint64>, sent);
    QFETCH(QList<int>, trayImages);
    QFETCH(QList<int>, lightCalls);

    Rig<> rig;
    rig.bringUp(QStringLiteral("Modem"), counters(0, 0));
    for (int i = 0; i < received.size(); ++i) {
        rig.setCounters(counters(received[i], sent[i]));
        rig.tick();
    }
    QCOMPARE(rig.view.trayImages, trayImages);
    QCOMPARE(rig.view.lightCalls, lightCalls);
}

void TestSessionMonitor::graphSamples()
{
    Rig<> rig;
    rig.tick(2); // idle: one 0 a second
    QCOMPARE(rig.view.samples, QList<qint32>{0});

    rig.bringUp(QStringLiteral("Modem"), counters(1000, 0));
    rig.tick(); // connect; no sample on this phase
    rig.setCounters(counters(2000, 0));
    rig.tick(); // the first sample of a connection is 0
    rig.setCounters(counters(3000, 500));
    rig.tick();
    rig.setCounters(counters(4000, 1000));
    rig.tick(); // the bytes of the second before
    QCOMPARE(rig.view.samples, (QList<qint32>{0, 0, 3000}));

    // A second's traffic beyond the graph's range is held at its top.
    rig.tick();
    rig.setCounters(counters(4000 + 3 * 1000 * 1000 * qint64(1000), 1000));
    rig.tick();
    QCOMPARE(rig.view.samples.last(), std::numeric_limits<qint32>::max());

    rig.drop();
    rig.tick(3); // disconnect tick, then idle ticks
    rig.bringUp(QStringLiteral("Modem"), counters(9000, 9000), 2);
    rig.tick(4);
    QCOMPARE(rig.view.samples.mid(4), (QList<qint32>{0, 0, 0}));
    // one sample per two ticks, connected or not
    QCOMPARE(rig.view.samples.size(), 7);
}

void TestSessionMonitor::severalConnections_data()
{
    QTest::addColumn<bool>("crowdedPollEmpty");
    QTest::newRow("service fills the first record") << false;
    QTest::newRow("service leaves the record empty") << true;
}

void TestSessionMonitor::severalConnections()
{
    QFETCH(bool, crowdedPollEmpty);
    ProviderSetup setup;
    setup.inputPrice = localNumber(2.0);

    auto run = [&](auto &rig) {
        rig.bringUp(QStringLiteral("Modem"), counters(MiB, 0, 1000), 1);
        rig.tick();
        QCOMPARE(rig.monitor.EntryName(), QStringLiteral("Modem"));
        QCOMPARE(rig.monitor.SessionCost(), 2.0);

        // A second line comes up: still one connection as far as the monitor goes.
        rig.bringUp(QStringLiteral("Other"), counters(0, 0, 0), 2);
        rig.setCounters(counters(3 * MiB, 0, 2000), 0);
        rig.tick();
        QVERIFY(rig.monitor.WasConnected());
        QCOMPARE(rig.view.balloons.size(), 1);
        if (crowdedPollEmpty) {
            // No record: the figures stand still and nothing more is priced.
            QCOMPARE(rig.monitor.counters().dwBytesRcved, MiB);
            QCOMPARE(rig.monitor.SessionCost(), 2.0);
            QVERIFY(rig.view.hint.startsWith(QStringLiteral("\r\nSpeed")));
        } else {
            QCOMPARE(rig.monitor.counters().dwBytesRcved, 3 * MiB);
            QCOMPARE(rig.monitor.SessionCost(), 6.0);
            QVERIFY(rig.view.hint.startsWith(QStringLiteral("Modem\r\n")));
        }

        // The first line drops while the second stays: the first is recorded
        // with its own last figures and the second is taken up as a new
        // connection, whose counters are not priced as the first's traffic.
        rig.drop(0);
        rig.setCounters(counters(MiB / 2, 0, 500), 0);
        rig.tick();
        QVERIFY(rig.monitor.WasConnected());
        QList<QStringList> lines = rig.storedLines();
        QCOMPARE(lines.size(), 1);
        QCOMPARE(recordValue(lines[0], QStringLiteral("ConnectName")), QStringLiteral("Modem"));
        QCOMPARE(recordValue(lines[0], QStringLiteral("TrafficIn")),
                 QString::number(crowdedPollEmpty ? MiB : 3 * MiB));
        QCOMPARE(rig.view.balloons.size(), 2);
        QCOMPARE(rig.monitor.EntryName(), QStringLiteral("Other"));
        QCOMPARE(rig.view.text(Field::Provider), QStringLiteral("Other"));
        QCOMPARE(rig.monitor.SessionCost(), 1.0); // its own half MiB at its own provider's price
        QVERIFY(rig.view.hint.startsWith(QStringLiteral("Other\r\n")));

        rig.drop(0);
        rig.tick();
        lines = rig.storedLines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(recordValue(lines[1], QStringLiteral("ConnectName")), QStringLiteral("Other"));
        QCOMPARE(recordValue(lines[1], QStringLiteral("TrafficIn")), QString::number(MiB / 2));
    };
    if (crowdedPollEmpty) {
        Rig<CrowdedService> rig(setup);
        run(rig);
    } else {
        Rig<> rig(setup);
        run(rig);
    }
}

void TestSessionMonitor::userMode()
{
    ProviderSetup setup;
    setup.userMode = QStringLiteral("1");
    Rig<> rig(setup);
    int opened = 0;
    rig.monitor.setAuthorizationHook([&](XmlDocument &doc) {
        QCOMPARE(&doc, &rig.config);
        ++opened;
    });
    rig.bringUp(QStringLiteral("Modem"), counters(0, 0));
    rig.tick(3);
    QCOMPARE(opened, 1);
    QCOMPARE(rig.view.text(Field::UserName), QString()); // nobody yet: left alone

    rig.monitor.setCurrentUserName(QStringLiteral("alice"));
    rig.tick();
    QCOMPARE(rig.view.text(Field::UserName), QStringLiteral("alice"));

    rig.drop();
    rig.tick();
    QCOMPARE(rig.monitor.CurrentUserName(), QString());
    QCOMPARE(rig.view.text(Field::UserName), QStringLiteral("None"));
    QCOMPARE(recordValue(rig.storedLines().value(0), QStringLiteral("UserName")),
             QStringLiteral("alice"));

    // Without user mode no dialog opens.
    Rig<> plain;
    plain.monitor.setAuthorizationHook([&](XmlDocument &) { ++opened; });
    plain.bringUp(QStringLiteral("Modem"), counters(0, 0));
    plain.tick(2);
    QCOMPARE(opened, 1);
}

void TestSessionMonitor::providerLookedUpAgain()
{
    ProviderSetup setup;
    setup.minutePrice = localNumber(0.6);
    Rig<> rig(setup);
    rig.bringUp(QStringLiteral("Modem"), counters(0, 0));
    rig.tick(120);
    QVERIFY(qAbs(rig.monitor.SessionCost() - 0.6) < 1e-9);

    // Settings applied while connected replace the whole document, freeing
    // the provider found at connect: the next ticks price with the new one.
    setup.minutePrice = localNumber(1.2);
    rig.config = makeConfig(setup);
    rig.tick(120);
    QVERIFY(qAbs(rig.monitor.SessionCost() - 1.8) < 1e-9);

    // A provider renamed so that it no longer matches: the rest is free.
    setup.providerName = QStringLiteral("Renamed");
    rig.config = makeConfig(setup);
    rig.monitor.refindProvider();
    QVERIFY(!rig.monitor.ProviderNode());
    rig.tick(120);
    QVERIFY(qAbs(rig.monitor.SessionCost() - 1.8) < 1e-9);
}

void TestSessionMonitor::longEntryName()
{
    Rig<> rig;
    const QString name(300, QLatin1Char('x'));
    rig.bringUp(name, counters(0, 0));
    rig.tick();
    QCOMPARE(rig.monitor.EntryName().size(), 256);
    QCOMPARE(rig.view.hint.size(), 255);
    QVERIFY(rig.view.hint.startsWith(name.left(255)));
}

QTEST_GUILESS_MAIN(TestSessionMonitor)
#include "test_session_monitor.moc"
