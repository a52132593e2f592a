#include "backends/ConnectionServiceFactory.h"
#include "connection/DialupOperations.h"

#include <QTemporaryDir>
#include <QTest>

class TestBackendChoice : public QObject
{
    Q_OBJECT
private slots:
    void optionsFromEnvironment_data();
    void optionsFromEnvironment();
    void creation_data();
    void creation();
};

void TestBackendChoice::optionsFromEnvironment_data()
{
    QTest::addColumn<QByteArray>("backend");
    QTest::addColumn<QByteArray>("sim");
    QTest::addColumn<bool>("demo");
    QTest::addColumn<QString>("expectedBackend");
    QTest::addColumn<QString>("expectedScenario");

    QTest::newRow("nothing set: chosen later") << QByteArray() << QByteArray() << false << ""
                                               << "";
    QTest::newRow("named") << QByteArray(" PPPD ") << QByteArray() << false << "pppd"
                           << "";
    QTest::newRow("a scenario alone means sim")
        << QByteArray() << QByteArray("/x.json") << false << "sim"
        << "/x.json";
    QTest::newRow("named wins over a scenario")
        << QByteArray("networkmanager") << QByteArray("/x.json") << false << "networkmanager"
        << "/x.json";
    QTest::newRow("demo forces sim") << QByteArray("pppd") << QByteArray() << true << "sim"
                                     << "";
    QTest::newRow("demo keeps the scenario")
        << QByteArray("pppd") << QByteArray("/d.json") << true << "sim"
        << "/d.json";
}

void TestBackendChoice::optionsFromEnvironment()
{
    QFETCH(QByteArray, backend);
    QFETCH(QByteArray, sim);
    QFETCH(bool, demo);
    QFETCH(QString, expectedBackend);
    QFETCH(QString, expectedScenario);

    qputenv("DIALOMETER_BACKEND", backend);
    qputenv("DIALOMETER_SIM", sim);
    const BackendOptions options = backendOptionsFromEnvironment(demo);
    QCOMPARE(options.backend, expectedBackend);
    QCOMPARE(options.scenarioFile, expectedScenario);
    QCOMPARE(options.demo, demo);
}

void TestBackendChoice::creation_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QByteArray>("scenario"); // written to a file when not empty
    QTest::addColumn<bool>("demo");
    QTest::addColumn<QString>("expected"); // backendName(), or a part of the error

    QTest::newRow("built-in demo") << "sim" << QByteArray() << false << "sim";
    QTest::newRow("demo whatever the name") << "bogus" << QByteArray() << true << "sim";
    QTest::newRow("scenario file")
        << "sim" << QByteArray(R"({"phonebook": ["A"]})") << false << "sim";
    QTest::newRow("invalid scenario: no service")
        << "sim" << QByteArray(R"({"phonebook": ["A", "A"]})") << false
        << "Invalid simulation scenario: ";
    QTest::newRow("pppd") << "pppd" << QByteArray() << false << "pppd";
    QTest::newRow("unknown name") << "dialup" << QByteArray() << false
                                  << "Unknown back end \"dialup\"";
}

void TestBackendChoice::creation()
{
    QFETCH(QString, backend);
    QFETCH(QByteArray, scenario);
    QFETCH(bool, demo);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    BackendOptions options;
    options.backend = backend;
    options.demo = demo;
    if (!scenario.isEmpty()) {
        options.scenarioFile = dir.filePath("scenario.json");
        QFile file(options.scenarioFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(scenario);
    }
    QString error;
    auto service = createConnectionService(options, &error);
    if (service) {
        QCOMPARE(service->backendName(), expected);
        QVERIFY(error.isEmpty());
    } else {
        QVERIFY2(error.contains(expected), qPrintable(error));
        if (!options.scenarioFile.isEmpty())
            QVERIFY2(error.contains(options.scenarioFile), qPrintable(error));
    }
}

QTEST_GUILESS_MAIN(TestBackendChoice)
#include "test_backend_choice.moc"
