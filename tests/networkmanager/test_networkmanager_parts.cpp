// The pieces of the NetworkManager back end that need no bus: the kernel
// counters reader and the PPP compression figures.

#include "backends/InterfaceCounters.h"
#include "backends/PppCompression.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestNetworkManagerParts : public QObject
{
    Q_OBJECT
private slots:
    void counters_data();
    void counters();
    void savedPercent_data();
    void savedPercent();
    void compressionOfNoPppInterface();
};

void TestNetworkManagerParts::counters_data()
{
    QTest::addColumn<QString>("interface");
    QTest::addColumn<QByteArray>("rxBytes");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("plain") << "eth0" << QByteArray("1234\n") << true << qint64(1234);
    QTest::newRow("past 32 bits") << "eth0" << QByteArray("8589934592\n") << true
                                  << qint64(8589934592LL);
    QTest::newRow("past 63 bits: capped") << "eth0" << QByteArray("18446744073709551615\n") << true
                                          << std::numeric_limits<qint64>::max();
    QTest::newRow("not a number") << "eth0" << QByteArray("n/a\n") << false << qint64(0);
    QTest::newRow("empty file") << "eth0" << QByteArray() << false << qint64(0);
    QTest::newRow("no such interface") << "eth9" << QByteArray("1\n") << false << qint64(0);
    // Names come from the bus; none may lead out of the statistics folder.
    QTest::newRow("parent folder") << ".." << QByteArray("1\n") << false << qint64(0);
    QTest::newRow("slash") << "eth0/../eth0" << QByteArray("1\n") << false << qint64(0);
    QTest::newRow("empty name") << "" << QByteArray("1\n") << false << qint64(0);
}

void TestNetworkManagerParts::counters()
{
    QFETCH(QString, interface);
    QFETCH(QByteArray, rxBytes);
    QFETCH(bool, readable);
    QFETCH(qint64, expected);

    QTemporaryDir root;
    const QString stats = root.filePath(QStringLiteral("class/net/eth0/statistics/"));
    QVERIFY(QDir().mkpath(stats));
    const QList<QPair<const char *, QByteArray>> files = {
        {"rx_bytes", rxBytes}, {"tx_bytes", "20\n"}, {"rx_packets", "3\n"}, {"tx_packets", "4\n"}};
    for (const auto &[name, content] : files) {
        QFile f(stats + QLatin1String(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    // A file beside the folder that a ".." name would reach.
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("class/statistics"))));

    InterfaceCounters counters(root.path(), interface);
    InterfaceCounters::Values values;
    values.txBytes = -7;
    QCOMPARE(counters.read(&values), readable);
    if (readable) {
        QCOMPARE(values.rxBytes, expected);
        QCOMPARE(values.txBytes, 20);
        QCOMPARE(values.rxPackets, 3);
        QCOMPARE(values.txPackets, 4);
    } else {
        QCOMPARE(values.txBytes, -7); // untouched
    }
}

void TestNetworkManagerParts::savedPercent_data()
{
    QTest::addColumn<quint64>("uncompressed");
    QTest::addColumn<quint64>("compressed");
    QTest::addColumn<quint32>("percent");
    QTest::newRow("nothing yet") << quint64(0) << quint64(0) << 0u;
    QTest::newRow("halved") << quint64(1000) << quint64(500) << 50u;
    QTest::newRow("a third saved, rounded down") << quint64(3000) << quint64(2001) << 33u;
    QTest::newRow("grew: no saving") << quint64(1000) << quint64(1100) << 0u;
    QTest::newRow("all saved") << quint64(1000) << quint64(0) << 100u;
    QTest::newRow("32-bit counters near their end")
        << quint64(4294967295u) << quint64(1073741823u) << 75u;
}

void TestNetworkManagerParts::savedPercent()
{
    QFETCH(quint64, uncompressed);
    QFETCH(quint64, compressed);
    QFETCH(quint32, percent);
    QCOMPARE(PppCompression::savedPercent(uncompressed, compressed), percent);
}

void TestNetworkManagerParts::compressionOfNoPppInterface()
{
    PppCompression compression;
    PppCompression::Ratios ratios{7, 8};
    QVERIFY(!compression.read(QStringLiteral("lo"), &ratios));
    QVERIFY(!compression.read(QStringLiteral("dmnothere0"), &ratios));
    QVERIFY(!compression.read(QStringLiteral("a-name-longer-than-ifnamsiz"), &ratios));
    QCOMPARE(ratios.in, 7u);
    QCOMPARE(ratios.out, 8u);
}

QTEST_GUILESS_MAIN(TestNetworkManagerParts)
#include "test_networkmanager_parts.moc"
