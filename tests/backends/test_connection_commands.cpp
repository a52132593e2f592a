#include "cli/ConnectionCommands.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

class TestConnectionCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void commands_data();
    void commands();
    void statusAsJson();

private:
    int run(const QString &command, const QStringList &arguments);
    QString writeScenario(const QByteArray &json);

    QTemporaryDir m_dir;
    QString m_out;
    QString m_err;
};

namespace {

const QByteArray kScenario = R"({
    "phonebook": ["Home", "Busy"],
    "connections": [{"entry": "Home", "interface": "ppp4", "speed": 56000,
                     "receiveRate": 1000, "sendRate": 100, "compressionIn": 40}],
    "dial": {"delay": 0.1, "entries": {"Busy": {"failure": "NO CARRIER"}}}
})";

} // namespace

void TestConnectionCommands::init()
{
    qunsetenv("DIALOMETER_BACKEND");
    qputenv("DIALOMETER_SIM", QFile::encodeName(writeScenario(kScenario)));
}

QString TestConnectionCommands::writeScenario(const QByteArray &json)
{
    static int n = 0;
    const QString path = m_dir.filePath(QStringLiteral("scenario%1.json").arg(++n));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(json);
    return path;
}

int TestConnectionCommands::run(const QString &command, const QStringList &arguments)
{
    m_out.clear();
    m_err.clear();
    QTextStream out(&m_out);
    QTextStream err(&m_err);
    const int code = runConnectionCommand(command, arguments, m_dir.path(), out, err);
    out.flush();
    err.flush();
    return code;
}

void TestConnectionCommands::commands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("outContains");
    QTest::addColumn<QString>("errContains");

    QTest::newRow("status") << "status" << QStringList() << 0
                            << QStringList{"Back end: sim", "  Home\n  Busy\n",
                                           "  Home (interface ppp4, handle 1)",
                                           "speed:    56000 bit/s", "compression 40%"}
                            << "";
    QTest::newRow("status, unknown format") << "status" << QStringList{"--format", "xml"} << 2
                                            << QStringList() << "unknown format \"xml\"";
    QTest::newRow("dial of an unknown entry")
        << "dial" << QStringList{"Busy2"} << 1 << QStringList()
        << "There is no phonebook entry \"Busy2\"";
    QTest::newRow("dial fails with the reason")
        << "dial" << QStringList{"Busy"} << 1 << QStringList{"Connecting to Busy…"}
        << "dialometer-cli: dial: Busy: NO CARRIER";
    QTest::newRow("dial of what is up")
        << "dial" << QStringList{"Home"} << 0 << QStringList{"Connected: Home"} << "";
    QTest::newRow("dial without entry")
        << "dial" << QStringList() << 2 << QStringList() << "give one phonebook entry";
    QTest::newRow("hangup") << "hangup" << QStringList() << 0 << QStringList{"Hung up: Home"} << "";
    QTest::newRow("hangup with arguments")
        << "hangup" << QStringList{"Home"} << 2 << QStringList() << "takes no arguments";
}

void TestConnectionCommands::commands()
{
    QFETCH(QString, command);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, outContains);
    QFETCH(QString, errContains);

    QCOMPARE(run(command, arguments), exitCode);
    for (const QString &text : outContains)
        QVERIFY2(m_out.contains(text), qPrintable(m_out));
    QVERIFY2(m_err.contains(errContains), qPrintable(m_err));
}

void TestConnectionCommands::statusAsJson()
{
    qputenv("DIALOMETER_SIM", QFile::encodeName(writeScenario(R"({"phonebook": ["A"],
        "dial": {"delay": 0.05}})")));
    QCOMPARE(run("dial", {"A"}), 0);
    QVERIFY2(m_out.contains("Connected: A"), qPrintable(m_out));

    qputenv("DIALOMETER_SIM", QFile::encodeName(writeScenario(kScenario)));
    // A damaged journal of the program's is left as it is, for the program
    // to keep aside.
    {
        QFile file(m_dir.filePath(QStringLiteral("running-connection.xml")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("not a journal");
    }
    QCOMPARE(run("status", {"--format=json"}), 0);
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("running-connection.xml*")}).size(), 1);
    const QJsonObject root = QJsonDocument::fromJson(m_out.toUtf8()).object();
    QCOMPARE(root["backend"].toString(), QStringLiteral("sim"));
    QCOMPARE(root["entries"].toArray().size(), 2);
    const QJsonObject c = root["connections"].toArray().at(0).toObject();
    QCOMPARE(c["entry"].toString(), QStringLiteral("Home"));
    QCOMPARE(c["interface"].toString(), QStringLiteral("ppp4"));
    QCOMPARE(c["speedBps"].toDouble(), 56000.0);
    QCOMPARE(c["compressionIn"].toDouble(), 40.0);
    QVERIFY(c.contains("bytesReceived") && c.contains("framesSent") && c.contains("connectedMs"));
    // The simulated modem counts each connection whole.
    QCOMPARE(c["countedFrom"].toString(), QStringLiteral("connection"));
}

QTEST_GUILESS_MAIN(TestConnectionCommands)
#include "test_connection_commands.moc"
