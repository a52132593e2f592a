// dialometer-cli end to end: the built program on real files in a temporary
// folder, under the locale the test runs with (passed on to the program).
#include "core/TextForms.h"
#include "store/DataFiles.h"
#include "store/XmlDocument.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

struct Result
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

// environment: "NAME=value" entries that the program gets beside the test's own.
Result runCli(const QStringList &arguments, const QByteArray &input = QByteArray(),
              const QStringList &environment = QStringList())
{
    QProcess process;
    process.setProgram(QStringLiteral(DIALOMETER_BINARY_DIR "/dialometer-cli"));
    process.setArguments(arguments);
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString &entry : environment)
        variables.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(variables);
    process.start();
    if (!process.waitForStarted())
        qFatal("dialometer-cli did not start");
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    Result result;
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QString localised(QString text)
{
    return text.replace(QLatin1Char('#'), QLocale::system().decimalPoint());
}

void writeData(const QString &fileName, const QString &xml)
{
    XmlDocument document;
    QVERIFY2(document.parse(xml.toUtf8()), qPrintable(document.errorText()));
    QVERIFY(SaveDocument(fileName, document));
}

void writePlain(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A Line as the session monitor writes it, texts under the current locale.
QString line(const QDateTime &start, int seconds, const QString &in, const QString &out,
             double cost, const QString &name, const QString &user = QString(),
             const QLocale &locale = QLocale::system())
{
    XmlDocument scratch;
    pugi::xml_node node = scratch.addRoot("Line");
    setAttributeText(node, "Time", TextForms::dateTimeText(TextForms::toDays(start), locale));
    setAttributeText(node, "Duration", TextForms::dateTimeText(seconds / 86400.0, locale));
    if (!in.isNull())
        setAttributeText(node, "TrafficIn", in);
    setAttributeText(node, "TrafficOut", out);
    setAttributeText(node, "Cost", TextForms::numberText(cost, locale));
    setAttributeText(node, "Speed", TextForms::numberText(115.2, locale));
    setAttributeText(node, "ConnectName", name);
    setAttributeText(node, "UserName", user);
    return QString::fromUtf8(scratch.serialize());
}

QString monthFile(const QStringList &lines)
{
    return QStringLiteral("<MainContent><Struct/><Data>") + lines.join(QString()) +
           QStringLiteral("</Data></MainContent>");
}

const QString kLongName = QStringLiteral("Provider, with a long name");

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

    void writeMonth()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("home/Logs"));
        writeData(path("home/Logs/26_12.sn2"),
                  monthFile({line(QDateTime(QDate(2026, 12, 1), QTime(8, 0)), 3723, "1000", "500",
                                  1.25, "Modem"),
                             line(QDateTime(QDate(2026, 12, 9), QTime(5, 0)), 60, "5000000000",
                                  "4000000000", 0.5, kLongName, QStringLiteral("Anna")),
                             line(QDateTime(QDate(2026, 12, 9), QTime(17, 30)), 90000, QString(),
                                  "7", 0.0, QStringLiteral("Modem"))}));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(QFile::exists(DIALOMETER_BINARY_DIR "/dialometer-cli"),
                 "build the dialometer-cli target first");
    }

    void globalOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("inOutput");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: dialometer-cli";
        QTest::newRow("help after a command")
            << QStringList{"sessions", "--help"} << 0 << "Usage: dialometer-cli";
        QTest::newRow("version") << QStringList{"--version"} << 0 << DIALOMETER_VERSION;
        QTest::newRow("no command") << QStringList{} << 2 << "";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << "";
        QTest::newRow("unknown option") << QStringList{"--frob", "months"} << 2 << "";
        QTest::newRow("command option unknown") << QStringList{"months", "--frob"} << 2 << "";
        QTest::newRow("home without a folder") << QStringList{"months", "--home"} << 2 << "";
        QTest::newRow("decode without a file") << QStringList{"decode"} << 2 << "";
        QTest::newRow("bad format") << QStringList{"months", "--format", "xml"} << 2 << "";
        QTest::newRow("option given twice")
            << QStringList{"months", "--format", "csv", "--format=json"} << 2 << "";
        QTest::newRow("help after the end of options")
            << QStringList{"decode", "--", "--help"} << 1 << "";
    }
    void globalOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, inOutput);
        const Result result = runCli(arguments);
        QCOMPARE(result.code, code);
        if (code == 0)
            QVERIFY(QString::fromUtf8(result.out).contains(inOutput));
        else
            QVERIFY(!result.err.isEmpty());
    }

    void encodeDecodeRoundTrip()
    {
        const QByteArray xml = "<MainContent><ISP><Item Name=\"Связь Ünïcode\" "
                               "PayConn=\"1\"/></ISP></MainContent>";
        writePlain(path("plain.xml"), xml);
        Result result = runCli({"encode", path("plain.cfg"), "--in", path("plain.xml")});
        QCOMPARE(result.code, 0);
        const QByteArray stored = readAll(path("plain.cfg"));
        QCOMPARE(stored.size(), xml.size());
        QVERIFY(stored != xml);
        QCOMPARE(QFile(path("plain.cfg")).permissions() & (QFile::ReadOther | QFile::ReadGroup),
                 QFileDevice::Permissions());

        result = runCli({"decode", path("plain.cfg")});
        QCOMPARE(result.code, 0);
        QCOMPARE(result.out, xml + "\n");

        // From standard input, and decoding what the library wrote.
        result = runCli({"--home", m_dir.path(), "encode", path("stdin.cfg")}, xml);
        QCOMPARE(result.code, 0);
        QCOMPARE(readAll(path("stdin.cfg")), stored);
        XmlDocument loaded;
        QVERIFY(LoadDocument(path("stdin.cfg"), loaded));
        QCOMPARE(loaded.serialize(), xml);
    }

    void encodeRefusesWhatIsNotXml_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("text") << QByteArray("hello, world");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("unclosed") << QByteArray("<a><b></b>");
        QTest::newRow("mismatched") << QByteArray("<a></b>");
        QTest::newRow("text before the root") << QByteArray("x<a/>");
    }
    void encodeRefusesWhatIsNotXml()
    {
        QFETCH(QByteArray, input);
        writeData(path("kept.cfg"), QStringLiteral("<MainContent/>"));
        const QByteArray before = readAll(path("kept.cfg"));

        Result result = runCli({"encode", path("kept.cfg")}, input);
        QCOMPARE(result.code, 1);
        QVERIFY(result.err.contains("standard input"));
        QVERIFY(result.err.contains("not well-formed XML"));
        QCOMPARE(readAll(path("kept.cfg")), before);

        writePlain(path("bad.xml"), input);
        result = runCli({"encode", path("new.cfg"), "--in", path("bad.xml")});
        QCOMPARE(result.code, 1);
        QVERIFY(result.err.contains(path("bad.xml").toUtf8()));
        QVERIFY(!QFile::exists(path("new.cfg")));
    }

    void encodeIntoMissingFolderFails()
    {
        const Result result =
            runCli({"encode", path("no/such/folder/x.cfg")}, QByteArray("<MainContent/>"));
        QCOMPARE(result.code, 1);
        QVERIFY(result.err.contains("x.cfg"));
    }

    void decodeRefusesBadFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("problem");
        QTest::newRow("missing") << "missing.cfg" << QByteArray() << QByteArray("no such file");
        QTest::newRow("empty") << "empty.cfg" << QByteArray("") << QByteArray("empty");
        QTest::newRow("plain XML, not scrambled")
            << "plain-not-scrambled.cfg" << QByteArray("<MainContent/>")
            << QByteArray("not a data file");
        QTest::newRow("noise") << "noise.cfg" << QByteArray("\x01\x02\x03garbage", 10)
                               << QByteArray("not a data file");
    }
    void decodeRefusesBadFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, problem);
        if (!content.isNull())
            writePlain(path(name), content);
        const Result result = runCli({"decode", path(name)});
        QCOMPARE(result.code, 1);
        QVERIFY2(result.err.contains(path(name).toUtf8()), result.err.constData());
        QVERIFY2(result.err.contains(problem), result.err.constData());
        QVERIFY(result.out.isEmpty());
    }

    void sessionsCsv()
    {
        writeMonth();
        const Result result = runCli({"sessions", path("home/Logs/26_12.sn2"), "--format", "csv"});
        QCOMPARE(result.code, 0);
        const QList<QByteArray> lines = result.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], "Time,Duration,TrafficIn,TrafficOut,TrafficSum,Cost,Speed,ConnectName,"
                           "UserName");
        // Most recent first; an empty TrafficIn leaves TrafficSum empty too.
        QCOMPARE(lines[1], "2026-12-09T17:30:00,90000,,7,,0,115.2,Modem,");
        QCOMPARE(lines[2], "2026-12-09T05:00:00,60,5000000000,4000000000,9000000000,0.5,115.2,"
                           "\"Provider, with a long name\",Anna");
        QCOMPARE(lines[3], "2026-12-01T08:00:00,3723,1000,500,1500,1.25,115.2,Modem,");
        QCOMPARE(lines[4], "Total: 3 sessions,93783,5000001000,4000000507,9000001500,1.75,,,");
    }

    void sessionsJson()
    {
        writeMonth();
        const Result result = runCli(
            {"--home", path("home"), "sessions", path("home/Logs/26_12.sn2"), "--format=json"});
        QCOMPARE(result.code, 0);
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(result.out, &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        const QJsonArray sessions = json.object().value("sessions").toArray();
        QCOMPARE(sessions.size(), 3);
        const QJsonObject latest = sessions[0].toObject();
        QVERIFY(latest.value("TrafficIn").isNull());
        QVERIFY(latest.value("TrafficSum").isNull());
        QVERIFY(latest.value("UserName").isNull());
        QCOMPARE(latest.value("Duration").toInteger(), 90000);
        const QJsonObject second = sessions[1].toObject();
        QCOMPARE(second.value("Time").toString(), "2026-12-09T05:00:00");
        QCOMPARE(second.value("ConnectName").toString(), kLongName); // not cut to 20
        QCOMPARE(second.value("TrafficSum").toInteger(), 9000000000LL);
        QCOMPARE(second.value("Cost").toDouble(), 0.5);
        // 64-bit values are written as exact integers.
        QVERIFY(result.out.contains("\"TrafficSum\": 9000000000"));
        const QJsonObject totals = json.object().value("totals").toObject();
        QCOMPARE(totals.value("Count").toInteger(), 3);
        QCOMPARE(totals.value("Duration").toInteger(), 93783);
        QCOMPARE(totals.value("Cost").toDouble(), 1.75);
    }

    void sessionsText()
    {
        writeMonth();
        const Result result = runCli({"sessions", path("home/Logs/26_12.sn2")});
        QCOMPARE(result.code, 0);
        const QString text = QString::fromUtf8(result.out);
        QVERIFY(text.contains(QStringLiteral("Total: 3 sessions")));
        QVERIFY(text.contains(TextForms::durationText(93783 / 86400.0))); // 1.02:03:03
        QVERIFY(text.contains(TextForms::countText(9000001500LL)));
        QVERIFY(text.contains(kLongName));
    }

    // Durations written under a format with a two-digit year (30.12.99 01:00:00).
    void sessionsWithTwoDigitYears()
    {
        QStringList lines;
        for (int seconds : {3600, 2 * 86400 + 60}) {
            QString text = line(QDateTime(QDate(2026, 12, 1), QTime(8, 0)), seconds, "1", "2", 0.5,
                                QStringLiteral("Modem"));
            for (const char *year : {"1899", "1900"})
                text.replace(QLatin1String(year), QLatin1String(year + 2));
            lines << text;
        }
        writeData(path("two-digit.sn2"), monthFile(lines));
        Result result = runCli({"sessions", path("two-digit.sn2"), "--format", "csv"});
        QCOMPARE(result.code, 0);
        const QList<QByteArray> rows = result.out.trimmed().split('\n');
        QCOMPARE(rows.size(), 4);
        QVERIFY2(rows[1].startsWith("2026-12-01T08:00:00,172860,"), rows[1].constData());
        QVERIFY2(rows[2].startsWith("2026-12-01T08:00:00,3600,"), rows[2].constData());
        QVERIFY2(rows[3].startsWith("Total: 2 sessions,176460,"), rows[3].constData());
        result = runCli({"sessions", path("two-digit.sn2")});
        QVERIFY(QString::fromUtf8(result.out).contains(TextForms::durationText(176460 / 86400.0)));
    }

    void sessionsDefaultMonth()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("empty-home"));
        // No file for this month yet: an empty month.
        Result result = runCli({"--home", path("empty-home"), "sessions", "--format", "csv"});
        QCOMPARE(result.code, 0);
        QVERIFY(result.out.contains("Total: 0 sessions,0,0,0,0,0"));

        QDir(m_dir.path()).mkpath(QStringLiteral("now-home/Logs"));
        const QString name = QDate::currentDate().toString(QStringLiteral("yy_MM")) + ".sn2";
        writeData(path("now-home/Logs/" + name),
                  monthFile({line(QDateTime(QDate::currentDate(), QTime(1, 2, 3)), 5, "1", "2", 0.0,
                                  QStringLiteral("Here"))}));
        result = runCli({"sessions", "--home", path("now-home"), "--format", "json"});
        QCOMPARE(result.code, 0);
        QVERIFY(result.out.contains("\"ConnectName\": \"Here\""));

        result = runCli({"--home", path("no-such-home"), "sessions"});
        QCOMPARE(result.code, 1);
        QVERIFY(result.err.contains("no-such-home"));
    }

    void sessionsOfBadFiles()
    {
        writePlain(path("plain.sn2"), "<MainContent/>");
        writeData(path("not-statistics.sn2"), QStringLiteral("<MainContent><Data><Line "
                                                             "TrafficIn=\"1\"/></Data>"
                                                             "</MainContent>"));
        Result result = runCli({"sessions", path("plain.sn2")});
        QCOMPARE(result.code, 1);
        QVERIFY(result.err.contains("plain.sn2"));
        QVERIFY(result.out.isEmpty());
        // Another program's Struct is replaced by the standard columns, as
        // the program does when it opens a month.
        // Written under other regional settings: listed, with a warning.
        const QString foreign = QLocale::system().decimalPoint() == QLatin1String(",")
                                    ? QStringLiteral("12/9/2026 5:00:00 AM\" Cost=\"1.5")
                                    : QStringLiteral("09.12.2026 05:00:00\" Cost=\"1,5");
        writeData(path("foreign.sn2"), "<MainContent><Data><Line Time=\"" + foreign +
                                           "\" TrafficIn=\"1\" "
                                           "TrafficOut=\"2\"/></Data></MainContent>");
        result = runCli({"sessions", path("foreign.sn2"), "--format", "csv"});
        QCOMPARE(result.code, 0);
        QVERIFY(result.out.contains("\n,,1,2,3,,,,\n"));
        QVERIFY2(result.err.contains("2 values could not be read"), result.err.constData());
        result = runCli({"sessions", path("not-statistics.sn2"), "--format", "csv"});
        QCOMPARE(result.code, 0);
        QVERIFY(result.out.contains("Total: 1 session,0,1,0,0,0,,,"));
    }

    void months()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("months/Logs"));
        writeData(
            path("months/Logs/26_12.sn2"),
            monthFile(
                {line(QDateTime(QDate(2026, 12, 1), QTime(8, 0)), 60, "3000000000", "1", 1.5, "A"),
                 line(QDateTime(QDate(2026, 12, 2), QTime(8, 0)), 30, "1", "1", 0.25, "A")}));
        writeData(path("months/Logs/26_11.sn2"), monthFile({}));
        writeData(path("months/Logs/99_01.sn2"), monthFile({}));
        writePlain(path("months/Logs/26_10.sn2"), "damaged");
        writePlain(path("months/Logs/notes.sn2"), "not a month");

        Result result = runCli({"--home", path("months"), "months", "--format", "csv"});
        QCOMPARE(result.code, 1); // the damaged month
        QVERIFY(result.err.contains("26_10.sn2"));
        QCOMPARE(result.out, "Month,Sessions,Duration,TrafficIn,TrafficOut,Cost\n"
                             "1999-01,0,0,0,0,0\n"
                             "2026-11,0,0,0,0,0\n"
                             "2026-12,2,90,3000000001,2,1.75\n");

        QFile::remove(path("months/Logs/26_10.sn2"));
        result = runCli({"months", "--home", path("months"), "--format", "json"});
        QCOMPARE(result.code, 0);
        const QJsonArray months = QJsonDocument::fromJson(result.out).array();
        QCOMPARE(months.size(), 3);
        QCOMPARE(months[2].toObject().value("Month").toString(), "2026-12");
        QCOMPARE(months[2].toObject().value("TrafficIn").toInteger(), 3000000001LL);

        result = runCli({"months", "--home", path("months")});
        QCOMPARE(result.code, 0);
        QVERIFY(result.out.contains("2026-12"));
    }

    void cost_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("output");
        // 7 December 2026 is a Monday.
        QTest::newRow("in the day range")
            << QStringList{"--at", "2026-12-07T09:00:00", "--minutes", "1"} << 0
            << QByteArray("{\"cost\":0.6,\"tariffType\":\"1\"}\n");
        QTest::newRow("end of range is exclusive")
            << QStringList{"--at", "2026-12-07T18:00:00", "--received-mb", "1.5", "--minutes", "3"}
            << 0 << QByteArray("{\"cost\":3,\"tariffType\":\"2\"}\n");
        QTest::newRow("last millisecond of the range")
            << QStringList{"--at", "2026-12-07T17:59:59.999", "--minutes", "0.5"} << 0
            << QByteArray("{\"cost\":0.3,\"tariffType\":\"1\"}\n");
        QTest::newRow("another day, default")
            << QStringList{"--at", "2026-12-08T09:00:00", "--sent-mb", "2"} << 0
            << QByteArray("{\"cost\":0,\"tariffType\":\"2\"}\n");
        QTest::newRow("no quantities") << QStringList{"--at", "2026-12-07T09:00:00"} << 0
                                       << QByteArray("{\"cost\":0,\"tariffType\":\"1\"}\n");
        QTest::newRow("unknown provider")
            << QStringList{"--at", "2026-12-07T09:00:00", "--provider", "Nobody"} << 1
            << QByteArray();
        QTest::newRow("bad moment") << QStringList{"--at", "2026-12-07 09:00"} << 2 << QByteArray();
        QTest::newRow("no such day")
            << QStringList{"--at", "2026-02-30T09:00:00"} << 2 << QByteArray();
        QTest::newRow("regional number")
            << QStringList{"--at", "2026-12-07T09:00:00", "--minutes", "1,5"} << 2 << QByteArray();
        QTest::newRow("missing moment") << QStringList{} << 2 << QByteArray();
    }
    void cost()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QByteArray, output);
        writeData(path("tariffs.cfg"),
                  localised("<MainContent><General/><TariffTypes>"
                            "<Item ID=\"1\" Name=\"Day\" Minute=\"0#6\"/>"
                            "<Item ID=\"2\" Name=\"Traffic\" Input=\"2\"/>"
                            "</TariffTypes><ISP>"
                            "<Item Name=\"My ISP\" DefCost=\"2\"><Monday>"
                            "<Item Time1=\"08:00\" Time2=\"18:00\" TariffType=\"1\"/>"
                            "</Monday></Item></ISP><Users/><Graph/></MainContent>"));
        QStringList all = {"cost", "--config", path("tariffs.cfg")};
        if (!arguments.contains("--provider"))
            all << "--provider"
                << "My ISP";
        const Result result = runCli(all + arguments);
        QVERIFY2(result.code == code, result.err.constData());
        if (code == 0)
            QCOMPARE(result.out, output);
        else
            QVERIFY(!result.err.isEmpty());
    }

    void costOfAMissingConfig()
    {
        const Result result = runCli({"cost", "--config", path("nothing.cfg"), "--provider", "P",
                                      "--at", "2026-12-07T09:00:00"});
        QCOMPARE(result.code, 1);
        QVERIFY(result.err.contains("nothing.cfg"));
    }

    // Day 08:00-20:00 on Mondays, Night (the default) else, a fee of 0.25;
    // Bare has no tariff types.
    void writeTariffs()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("price"));
        writeData(path("price/dialometer.cfg"),
                  localised("<MainContent><General/><TariffTypes>"
                            "<Item ID=\"1\" Name=\"Day\" Minute=\"0#6\"/>"
                            "<Item ID=\"2\" Name=\"Night\" Minute=\"0#2\" Output=\"1#5\"/>"
                            "</TariffTypes><ISP>"
                            "<Item Name=\"Modem\" DefCost=\"2\" PayConn=\"0#25\"><Monday>"
                            "<Item Time1=\"08:00\" Time2=\"20:00\" TariffType=\"1\"/>"
                            "</Monday></Item><Item Name=\"Bare\"/></ISP>"
                            "<Users/><Graph/></MainContent>"));
    }

    void price()
    {
        writeTariffs();
        const QStringList home{"--home", path("price")};
        Result result =
            runCli(QStringList{"price", "--at", "2026-12-07T19:30:00", "--format", "json"} + home);
        QVERIFY2(result.code == 0, result.err.constData());
        const QJsonObject modem{
            {"name", "Modem"},
            {"now", QJsonObject{{"tariffType", "1"},
                                {"name", "Day"},
                                {"minute", 0.6},
                                {"receivedMB", 0},
                                {"sentMB", 0},
                                {"until", "2026-12-07T20:00:00"}}},
            {"costNow", 24.25},
            {"cheapest",
             QJsonObject{{"start", "2026-12-07T20:00:00"}, {"cost", 12.25}, {"tariffType", "2"}}}};
        const QJsonObject bare{{"name", "Bare"},
                               {"now", QJsonValue::Null},
                               {"costNow", QJsonValue::Null},
                               {"cheapest", QJsonValue::Null}};
        QCOMPARE(QJsonDocument::fromJson(result.out).object(),
                 (QJsonObject{{"at", "2026-12-07T19:30:00"},
                              {"minutes", 60},
                              {"providers", QJsonArray{modem, bare}}}));

        result = runCli(QStringList{"price", "--at", "2026-12-07T21:00:00", "--provider", "Modem",
                                    "--minutes", "30", "--within", "12"} +
                        home);
        QCOMPARE(result.code, 0);
        const QList<QByteArray> lines = result.out.split('\n');
        QCOMPARE(lines.size(), 3); // the head, Modem, and the last line's end
        QVERIFY(lines[0].contains("Cost of 30 min"));
        QVERIFY(lines[1].startsWith("Modem"));
        QVERIFY(lines[1].contains(localised("6#25").toUtf8()));
        QVERIFY(lines[1].contains(localised("0#2").toUtf8()));
    }

    void priceRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::newRow("unknown provider") << QStringList{"--provider", "Nobody"} << 1;
        QTest::newRow("no configuration") << QStringList{"--home", "nowhere"} << 1;
        QTest::newRow("bad moment") << QStringList{"--at", "2026-12-07"} << 2;
        QTest::newRow("minutes not whole") << QStringList{"--minutes", "1.5"} << 2;
        QTest::newRow("no hours") << QStringList{"--within", "0"} << 2;
        QTest::newRow("csv") << QStringList{"--format", "csv"} << 2;
    }
    void priceRefused()
    {
        QFETCH(QStringList, arguments);
        writeTariffs();
        const QStringList home =
            arguments.contains("--home") ? QStringList{} : QStringList{"--home", path("price")};
        const Result result = runCli(QStringList{"price"} + home + arguments);
        QTEST(result.code, "code");
        QVERIFY(!result.err.isEmpty());
        QVERIFY(result.out.isEmpty());
    }

    // Mobile's period runs from 15 November to 15 December; at 5 December
    // two thirds of it have passed. Fixed has no plan: 1 December to 1 January.
    void writePlans()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("plans/Logs"));
        writeData(path("plans/dialometer.cfg"),
                  localised("<MainContent><General/><TariffTypes/><ISP>"
                            "<Item Name=\"Mobile\" PeriodStart=\"15\" TrafficCap=\"5120#5\" "
                            "CostCap=\"\" AlertAt=\"90\" HangUpAtCap=\"1\"/>"
                            "<Item Name=\"Fixed\"/></ISP><Users/><Graph/></MainContent>"));
        const auto at = [](int month, int day) { return QDateTime(QDate(2026, month, day), {}); };
        writeData(path("plans/Logs/26_11.sn2"),
                  monthFile({line(at(11, 14), 60, "1048576", "0", 9.0, "Mobile"),
                             line(at(11, 15), 3600, "2097152", "1048576", 1.5, "Mobile")}));
        writeData(path("plans/Logs/26_12.sn2"),
                  monthFile({line(at(12, 1), 60, "1048576", "0", 0.5, "Mobile"),
                             line(at(12, 2), 60, "524288", "524288", 0.25, "Fixed"),
                             line(at(12, 6), 60, "1048576", "0", 0.5, "Mobile")}));
    }

    void usage()
    {
        writePlans();
        Result result = runCli(
            {"usage", "--home", path("plans"), "--at", "2026-12-05T00:00:00", "--format", "json"});
        QVERIFY2(result.code == 0, result.err.constData());
        const QJsonObject answer = QJsonDocument::fromJson(result.out).object();
        QCOMPARE(answer.value("at").toString(), "2026-12-05T00:00:00");
        const QJsonArray providers = answer.value("providers").toArray();
        QCOMPARE(providers.size(), 2);
        const QJsonObject mobile = providers[0].toObject();
        QCOMPARE(mobile.value("name").toString(), "Mobile");
        QCOMPARE(mobile.value("periodStart").toString(), "2026-11-15T00:00:00");
        QCOMPARE(mobile.value("periodEnd").toString(), "2026-12-15T00:00:00");
        QCOMPARE(mobile.value("sessions").toInteger(), 2);
        QCOMPARE(mobile.value("seconds").toInteger(), 3660);
        QCOMPARE(mobile.value("trafficMB").toDouble(), 4.0);
        QCOMPARE(mobile.value("cost").toDouble(), 2.0);
        QCOMPARE(mobile.value("trafficCapMB").toDouble(), 5120.5);
        QVERIFY(mobile.value("costCap").isNull());
        QCOMPARE(mobile.value("projectedTrafficMB").toDouble(), 6.0);
        QCOMPARE(mobile.value("projectedCost").toDouble(), 3.0);
        const QJsonObject fixed = providers[1].toObject();
        QCOMPARE(fixed.value("name").toString(), "Fixed");
        QCOMPARE(fixed.value("periodStart").toString(), "2026-12-01T00:00:00");
        QCOMPARE(fixed.value("trafficMB").toDouble(), 1.0);
        QVERIFY(fixed.value("trafficCapMB").isNull());
        QCOMPARE(fixed.value("projectedTrafficMB").toDouble(), 31.0 / 4.0);
        // Numbers are plain whatever the locale.
        QVERIFY(result.out.contains("5120.5"));

        result = runCli({"usage", "--home", path("plans"), "--at", "2026-12-15T00:30:00",
                         "--provider", "Mobile", "--format", "json"});
        QCOMPARE(result.code, 0);
        const QJsonArray one = QJsonDocument::fromJson(result.out).object()["providers"].toArray();
        QCOMPARE(one.size(), 1);
        QCOMPARE(one[0].toObject().value("periodStart").toString(), "2026-12-15T00:00:00");
        QCOMPARE(one[0].toObject().value("sessions").toInteger(), 0);
        QVERIFY(one[0].toObject().value("projectedCost").isNull());

        // An hour that a daylight-saving change skips is read as the one after.
        const QByteArray zone = qgetenv("TZ");
        qputenv("TZ", "Europe/Berlin");
        result = runCli(
            {"usage", "--home", path("plans"), "--at", "2026-03-29T02:30:00", "--format", "json"});
        qputenv("TZ", zone);
        QCOMPARE(QJsonDocument::fromJson(result.out).object().value("at").toString(),
                 "2026-03-29T03:30:00");

        result = runCli({"usage", "--home", path("plans"), "--at", "2026-12-05T00:00:00"});
        QCOMPARE(result.code, 0);
        const QList<QByteArray> lines = result.out.split('\n');
        QVERIFY(lines.size() >= 3);
        QVERIFY(lines[1].startsWith("Mobile"));
        QVERIFY(lines[2].startsWith("Fixed"));
        QVERIFY(lines[1].contains(localised("4#0").toUtf8()));
        QVERIFY(lines[1].contains(localised("3#00").toUtf8()));
    }

    // Mobile: 15 November .. 5 December, 21 days, 10 left with the 5th;
    // 5120.5 MB less 4 MB used over them. Fixed has no caps.
    void usageDaily()
    {
        writePlans();
        const QStringList daily{"usage",  "--home", path("plans"), "--at", "2026-12-05T00:00:00",
                                "--daily"};
        Result result = runCli(daily + QStringList{"--format", "json"});
        QVERIFY2(result.code == 0, result.err.constData());
        const QJsonArray providers =
            QJsonDocument::fromJson(result.out).object().value("providers").toArray();
        const QJsonObject mobile = providers[0].toObject();
        const QJsonArray days = mobile.value("days").toArray();
        QCOMPARE(days.size(), 21);
        QCOMPARE(days[0].toObject().value("date").toString(), "2026-11-15");
        QCOMPARE(days[0].toObject().value("seconds").toInteger(), 3600);
        QCOMPARE(days[0].toObject().value("trafficMB").toDouble(), 3.0);
        QCOMPARE(days[1].toObject().value("sessions").toInteger(), 0);
        QCOMPARE(days[16].toObject().value("date").toString(), "2026-12-01");
        QCOMPARE(days[16].toObject().value("cost").toDouble(), 0.5);
        QCOMPARE(days[20].toObject().value("date").toString(), "2026-12-05");
        QCOMPARE(mobile.value("dailyBudgetMB").toDouble(), (5120.5 - 4.0) / 10);
        QVERIFY(mobile.value("dailyBudgetCost").isNull());
        const QJsonObject fixed = providers[1].toObject();
        QCOMPARE(fixed.value("days").toArray().size(), 5);
        QVERIFY(fixed.value("dailyBudgetMB").isNull());

        result = runCli(daily + QStringList{"--format", "csv", "--provider", "Fixed"});
        QCOMPARE(result.code, 0);
        const QList<QByteArray> lines = result.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0].trimmed(), "provider,date,sessions,seconds,trafficMB,cost");
        QCOMPARE(lines[2].trimmed(), "Fixed,2026-12-02,1,60,1,0.25");

        result = runCli(daily);
        QCOMPARE(result.code, 0);
        const QString text = QString::fromUtf8(result.out);
        QVERIFY(text.contains(TextForms::shortDateText(QDate(2026, 11, 15))));
        QVERIFY2(text.contains(QLocale::system().toString((5120.5 - 4.0) / 10, 'f', 1)),
                 result.out.right(200).constData());
    }

    void usageRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::newRow("unknown provider") << QStringList{"--provider", "Nobody"} << 1;
        QTest::newRow("bad moment") << QStringList{"--at", "5.12.2026"} << 2;
        QTest::newRow("csv") << QStringList{"--format", "csv"} << 2;
        QTest::newRow("a file argument") << QStringList{"26_12.sn2"} << 2;
        QTest::newRow("no configuration") << QStringList{"--home", "nowhere"} << 1;
    }
    void usageRefused()
    {
        QFETCH(QStringList, arguments);
        writePlans();
        const QStringList home =
            arguments.contains("--home") ? QStringList{} : QStringList{"--home", path("plans")};
        const Result result = runCli(QStringList{"usage"} + home + arguments);
        QTEST(result.code, "code");
        QVERIFY(!result.err.isEmpty());
        QVERIFY(result.out.isEmpty());
    }

    // Texts follow the language, numbers the regional settings.
    void textsInTheLanguage_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("fileLocale"); // the forms of the month file
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("onErrorStream");
        QTest::addColumn<QStringList>("fragments"); // all on one line
        const QStringList de{"LANGUAGE=de", "LC_ALL=en_US.UTF-8"};
        const QStringList ru{"LANGUAGE=ru", "LC_ALL=en_US.UTF-8"};
        const QStringList sessions{"sessions", path("spot.sn2")};
        QTest::newRow("de text") << de << "en_US" << sessions << false
                                 << QStringList{"Summe: 2 Sitzungen", "1.75"};
        QTest::newRow("de help") << de << "en_US" << QStringList{"--help"} << false
                                 << QStringList{"Befehle:"};
        QTest::newRow("de error") << de << "en_US" << QStringList{"decode", path("nothing.sn2")}
                                  << true << QStringList{"nothing.sn2: Datei nicht vorhanden"};
        QTest::newRow("ru text") << ru << "en_US" << sessions << false
                                 << QStringList{"Итого: 2 сеанса", "1.75"};
        QTest::newRow("ru error") << ru << "en_US" << QStringList{"frobnicate"} << true
                                  << QStringList{"неизвестная команда «frobnicate»"};
        QTest::newRow("en words, de numbers")
            << QStringList{"LANGUAGE=en", "LC_ALL=de_DE.UTF-8"} << "de_DE" << sessions << false
            << QStringList{"Total: 2 sessions", "1,75"};
        // The warning names the regional forms, not the language of texts.
        QTest::newRow("de forms read under en_US")
            << de << "de_DE" << sessions << true
            << QStringList{"Werte konnten mit den aktuellen Regionaleinstellungen (en_US)"};
    }
    void textsInTheLanguage()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, fileLocale);
        QFETCH(QStringList, arguments);
        QFETCH(bool, onErrorStream);
        QFETCH(QStringList, fragments);
        const QLocale locale(fileLocale);
        writeData(path("spot.sn2"), monthFile({line(QDateTime(QDate(2026, 12, 1), QTime(8, 0)), 60,
                                                    "1", "2", 1.25, "Modem", QString(), locale),
                                               line(QDateTime(QDate(2026, 12, 2), QTime(8, 0)), 60,
                                                    "3", "4", 0.5, "Modem", QString(), locale)}));
        const Result result = runCli(arguments, QByteArray(), environment);
        const QString text = QString::fromUtf8(onErrorStream ? result.err : result.out);
        const QStringList lines = text.split('\n');
        const bool found = std::any_of(lines.begin(), lines.end(), [&](const QString &l) {
            return std::all_of(fragments.begin(), fragments.end(),
                               [&](const QString &f) { return l.contains(f); });
        });
        QVERIFY2(found, qPrintable(text));
    }

    // JSON and CSV are a format: the same bytes whatever the language.
    void machineOutputInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("arguments");
        const QString month = path("home/Logs/26_12.sn2");
        QTest::newRow("de sessions json")
            << "de" << QStringList{"sessions", month, "--format=json"};
        QTest::newRow("ru sessions csv") << "ru" << QStringList{"sessions", month, "--format=csv"};
        QTest::newRow("ru months json")
            << "ru" << QStringList{"--home", path("home"), "months", "--format", "json"};
        QTest::newRow("de price json")
            << "de"
            << QStringList{"--home",   path("price"), "price", "--at", "2026-12-07T19:30:00",
                           "--format", "json"};
    }
    void machineOutputInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, arguments);
        writeMonth();
        writeTariffs();
        const Result english = runCli(arguments, QByteArray(), {"LANGUAGE=en"});
        QVERIFY2(english.code == 0 && !english.out.isEmpty(), english.err.constData());
        const Result translated = runCli(arguments, QByteArray(), {"LANGUAGE=" + language});
        QCOMPARE(translated.out, english.out);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
