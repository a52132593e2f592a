#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/TextForms.h"
#include "store/DataFileEnvelope.h"
#include "store/DataFiles.h"
#include "store/MonthStatistics.h"
#include "store/StatisticsLog.h"

#include "DataFileFixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

const double kStart = 46000.5; // 9 December 2025 12:00

// A session record as the session monitor builds it.
QStringList record(double time, double durationDays, qint64 in, qint64 out, double cost,
                   const QString &name, const QString &user = QString())
{
    return {
        QStringLiteral("Time=") + TextForms::dateTimeText(time),
        QStringLiteral("Duration=") + TextForms::dateTimeText(durationDays),
        QStringLiteral("TrafficIn=") + QString::number(in),
        QStringLiteral("TrafficOut=") + QString::number(out),
        QStringLiteral("Cost=") + TextForms::numberText(cost),
        QStringLiteral("Speed=") + TextForms::numberText(49.333),
        QStringLiteral("ConnectName=") + name,
        QStringLiteral("UserName=") + user,
    };
}

XmlDocument parsed(const QByteArray &xml)
{
    XmlDocument document;
    if (!document.parse(xml))
        qFatal("test XML does not parse: %s", xml.constData());
    return document;
}

QStringList attributeNames(const pugi::xml_node &node)
{
    QStringList names;
    for (const pugi::xml_attribute &a : node.attributes())
        names << QString::fromUtf8(a.name());
    return names;
}

} // namespace

class TestStatisticsLog : public QObject
{
    Q_OBJECT

private slots:
    void pairs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << "Cost=1,5"
                               << "Cost"
                               << "1,5";
        QTest::newRow("value holds =") << "ConnectName=a=b"
                                       << "ConnectName"
                                       << "a=b";
        QTest::newRow("empty value") << "UserName="
                                     << "UserName"
                                     << "";
        QTest::newRow("no separator") << "UserName"
                                      << ""
                                      << "";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }

    void pairs()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QCOMPARE(PairName(text, QLatin1Char('=')), name);
        QCOMPARE(PairValue(text, QLatin1Char('=')), value);
    }

    void firstStartOfMonth()
    {
        QTemporaryDir dir;
        MonthStatistics month(dir.filePath(QStringLiteral("25_12.sn2")));
        QCOMPARE(month.open(), QString());
        QCOMPARE(month.document().serialize(),
                 QByteArray("<MainContent><Struct>"
                            "<Field Name=\"Duration\" DataType=\"11\"/>"
                            "<Field Name=\"TrafficIn\" DataType=\"3\"/>"
                            "<Field Name=\"TrafficOut\" DataType=\"3\"/>"
                            "<Field Name=\"Cost\" DataType=\"6\"/>"
                            "<Field Name=\"Time\" DataType=\"11\"/>"
                            "<Field Name=\"Speed\" DataType=\"6\"/>"
                            "<Field Name=\"ConnectName\" DataType=\"1\"/>"
                            "<Field Name=\"UserName\" DataType=\"1\"/>"
                            "</Struct><Data/></MainContent>"));
        QCOMPARE(month.table().rowCount(), 0);
        QCOMPARE(month.table().columnCount(), 9);
        QCOMPARE(month.table().columnName(8), QStringLiteral("TrafficSum"));
        QCOMPARE(month.MonthTime(), 0.0);
        QCOMPARE(month.MonthCost(), 0.0);
        QVERIFY(!QFileInfo::exists(month.filePath()));
        QVERIFY(month.save()); // at exit: a file without any Line
        XmlDocument saved;
        QVERIFY(LoadDocument(month.filePath(), saved));
        QVERIFY(saved.root().child("Data").first_child().empty());
    }

    // A log that follows the calendar writes each record to the month its
    // Time falls in, and keeps to the clock's month.
    void recordGoesToItsMonth_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<double>("time"); // NaN: the record has no Time
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("rows"); // the log's table afterwards
        const QDateTime december(QDate(2025, 12, 20), QTime(8, 0));
        QTest::newRow("this month") << december << kStart << "25_12.sn2" << 1;
        QTest::newRow("no time") << december << qQNaN() << "25_12.sn2" << 1;
        QTest::newRow("began last month")
            << QDateTime(QDate(2025, 12, 1), QTime(0, 30)) << 45991 + 23.0 / 24 << "25_11.sn2" << 0;
        QTest::newRow("the clock in the next month")
            << QDateTime(QDate(2026, 1, 1), QTime(12, 0)) << 46023.4 << "26_01.sn2" << 1;
    }

    void recordGoesToItsMonth()
    {
        QFETCH(QDateTime, now);
        QFETCH(double, time);
        QFETCH(QString, file);
        QFETCH(int, rows);
        QTemporaryDir dir;
        ManualClock clock(now);
        MonthStatistics log(dir.filePath(QStringLiteral("25_12.sn2")), clock);
        log.followCalendar();
        log.open();
        QStringList session = record(time, 1.0 / 24, 10, 20, 2.5, QStringLiteral("Alpha"));
        if (qIsNaN(time))
            session.removeFirst();
        log.addToMonthTotals(1.0 / 24, 2.5);
        log.AppendSession(session);

        int written = 0;
        for (const QString &name : QDir(dir.path()).entryList({statsFileFilter()}, QDir::Files)) {
            MonthStatistics month(dir.filePath(name));
            month.open();
            QCOMPARE(month.table().rowCount(), name == file ? 1 : 0);
            written += month.table().rowCount();
        }
        QCOMPARE(written, 1);
        QCOMPARE(log.table().rowCount(), rows);
        QCOMPARE(log.MonthCost(), rows * 2.5);
        QCOMPARE(log.month(), QDate(now.date().year(), now.date().month(), 1));
    }

    void appendAndRestart()
    {
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("25_12.sn2"));
        const qint64 big = qint64(5) * 1024 * 1024 * 1024; // beyond 32 bits
        const QString longName = QStringLiteral("Провайдер=Север-Запад-Юг 25");
        {
            MonthStatistics month(fileName);
            month.open();
            month.AppendSession(record(kStart, 1.0 / 24, 1000, 200, 1.25, QStringLiteral("First")));
            month.AppendSession(record(kStart + 1, 0.5, big, big, 2.5, longName, "ann"));
            QCOMPARE(month.table().rowCount(), 2);
            QCOMPARE(month.table().value(0, QStringLiteral("ConnectName")).toString(),
                     longName.left(20));
            QCOMPARE(month.table().value(1, QStringLiteral("TrafficSum")).toLongLong(), 1200);
        }
        XmlDocument file;
        QVERIFY(LoadDocument(fileName, file));
        const pugi::xml_node line = file.root().child("Data").last_child();
        QCOMPARE(attributeNames(line), SessionRecordNames);
        QCOMPARE(attributeText(line, "ConnectName"), longName); // kept whole in the file
        QCOMPARE(attributeText(line, "TrafficIn"), QString::number(big));

        MonthStatistics restarted(fileName);
        QCOMPARE(restarted.open(), QString());
        const SessionTable &table = restarted.table();
        QCOMPARE(table.rowCount(), 2);
        // The most recent connection first.
        QCOMPARE(table.value(0, QStringLiteral("ConnectName")).toString(), longName.left(20));
        QCOMPARE(table.value(0, QStringLiteral("TrafficIn")).toLongLong(), big);
        QCOMPARE(table.value(0, QStringLiteral("TrafficSum")).toLongLong(), 2 * big);
        QCOMPARE(table.value(0, QStringLiteral("UserName")).toString(), QStringLiteral("ann"));
        QVERIFY(table.value(1, QStringLiteral("UserName")).isNull());
        QCOMPARE(table.value(1, QStringLiteral("Time")).toDouble(), kStart);
        QCOMPARE(table.value(1, QStringLiteral("Cost")).toDouble(), 1.25);
        QCOMPARE(restarted.MonthCost(), 3.75);
        QVERIFY(qAbs(restarted.MonthTime() - (0.5 + 1.0 / 24)) < 1e-8);
        QCOMPARE(table.data(table.index(1, table.columnIndex(QStringLiteral("Time")))),
                 QVariant(TextForms::dateTimeText(kStart)));
    }

    // Each Line is read column by column: what is missing or unreadable is empty.
    void lineColumns_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("expected");
        const QVariant null;
        QTest::newRow("no TrafficIn") << "TrafficOut=\"5\" Cost=\"1\""
                                      << "TrafficIn" << null;
        QTest::newRow("no TrafficIn: no sum") << "TrafficOut=\"5\""
                                              << "TrafficSum" << null;
        QTest::newRow("blank") << "TrafficIn=\"  \" TrafficOut=\"1\""
                               << "TrafficIn" << null;
        QTest::newRow("negative integer") << "TrafficIn=\"-7\" TrafficOut=\"1\""
                                          << "TrafficSum" << QVariant(qint64(-6));
        QTest::newRow("not a number") << "Cost=\"abc\""
                                      << "Cost" << null;
        QTest::newRow("sum overflows") << "TrafficIn=\"9223372036854775807\" TrafficOut=\"1\""
                                       << "TrafficSum" << null;
        QTest::newRow("bad date") << "Time=\"31.31.31 99:99\""
                                  << "Time" << null;
        QTest::newRow("blank name") << "ConnectName=\" \""
                                    << "ConnectName" << null;
    }

    void lineColumns()
    {
        QFETCH(QString, line);
        QFETCH(QString, column);
        QFETCH(QVariant, expected);
        XmlDocument document;
        NewStatistics(document);
        QVERIFY(document.parse(
            document.serialize().replace("<Data/>", "<Data><Line " + line.toUtf8() + "/></Data>")));
        SessionTable table;
        QString error;
        QVERIFY(LoadStatisticsTable(document, table, &error));
        QCOMPARE(error, QString());
        QCOMPARE(table.rowCount(), 1);
        QCOMPARE(table.value(0, column), expected);
    }

    // Files written under a regional format with a two-digit year hold
    // durations such as 30.12.99 01:00:00: their date part is day 0, 1899.
    void twoDigitYears_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<double>("days");
        QTest::newRow("an hour") << "Duration" << 1.0 / 24;
        QTest::newRow("a day and two hours") << "Duration" << 1.0 + 2.0 / 24;
        QTest::newRow("two whole days: 01.01.00") << "Duration" << 2.0;
        QTest::newRow("a session in 1999")
            << "Time" << TextForms::toDays(QDateTime(QDate(1999, 3, 15), QTime(10, 0)));
        QTest::newRow("a session in 2005")
            << "Time" << TextForms::toDays(QDateTime(QDate(2005, 2, 1), QTime(10, 0)));
    }

    void twoDigitYears()
    {
        QFETCH(QString, column);
        QFETCH(double, days);
        QString text = TextForms::dateTimeText(days);
        for (const char *year : {"1899", "1900", "1999", "2005"})
            text.replace(QLatin1String(year), QLatin1String(year + 2));
        QVERIFY2(!text.contains(QLatin1String("19")) && !text.contains(QLatin1String("20")),
                 qPrintable(text));

        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("05_03.sn2"));
        XmlDocument document;
        NewStatistics(document);
        pugi::xml_node line = document.root().child("Data").append_child("Line");
        setAttributeText(line, column.toUtf8().constData(), text);
        setAttributeText(line, column == "Duration" ? "Time" : "Duration",
                         TextForms::dateTimeText(1.0 / 24));
        QVERIFY(SaveDocument(fileName, document));

        MonthStatistics month(fileName);
        QCOMPARE(month.open(), QString());
        QVERIFY(qAbs(month.table().value(0, column).toDouble() - days) < 1e-8);
        const double duration = column == "Duration" ? days : 1.0 / 24;
        QVERIFY(qAbs(month.MonthTime() - duration) < 1e-8);
    }

    // Lines need not list their attributes in one order.
    void attributeOrderVaries()
    {
        XmlDocument document;
        NewStatistics(document);
        QVERIFY(document.parse(document.serialize().replace(
            "<Data/>", "<Data><Line TrafficIn=\"1\" TrafficOut=\"2\" Cost=\"3\"/>"
                       "<Line Cost=\"4\" TrafficOut=\"5\" TrafficIn=\"6\"/>"
                       "<Line Odd=\"0\" TrafficIn=\"7\" TrafficOut=\"8\"/></Data>")));
        SessionTable table;
        QVERIFY(LoadStatisticsTable(document, table));
        QCOMPARE(table.rowCount(), 3);
        const QList<qint64> sums{15, 11, 3};
        for (int row = 0; row < 3; ++row)
            QCOMPARE(table.value(row, QStringLiteral("TrafficSum")).toLongLong(), sums[row]);
        QCOMPARE(table.value(1, QStringLiteral("Cost")).toDouble(), 4.0);
        QVERIFY(table.value(0, QStringLiteral("Cost")).isNull());
    }

    void otherStructIsReplaced()
    {
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("05_03.sn2"));
        QByteArray bytes("<MainContent><Struct><Field Name=\"Odd\" DataType=\"6\"/></Struct>"
                         "<Data><Line TrafficIn=\"3\" TrafficOut=\"4\" Odd=\"1\"/></Data>"
                         "</MainContent>");
        writeScrambled(fileName, bytes);

        XmlDocument document;
        OpenStatistics(fileName, document);
        SessionTable table;
        QVERIFY(LoadStatisticsTable(document, table));
        QCOMPARE(table.columnCount(), 9);
        QCOMPARE(table.columnIndex(QStringLiteral("Odd")), -1);
        QCOMPARE(table.value(0, QStringLiteral("TrafficSum")).toLongLong(), 7);
        // The Line itself is untouched.
        QCOMPARE(attributeText(document.root().child("Data").child("Line"), "Odd"),
                 QStringLiteral("1"));
    }

    void structuralFaults_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<bool>("ok");
        QTest::newRow("no Struct")
            << QByteArray("<MainContent><Data/></MainContent>") << 0 << 0 << false;
        QTest::newRow("no TrafficOut with a line")
            << QByteArray("<MainContent><Struct><Field Name=\"TrafficIn\" DataType=\"3\"/>"
                          "</Struct><Data><Line TrafficIn=\"1\"/></Data></MainContent>")
            << 0 << 2 << false;
        QTest::newRow("no TrafficOut, no line")
            << QByteArray("<MainContent><Struct><Field Name=\"TrafficIn\" DataType=\"3\"/>"
                          "</Struct><Data/></MainContent>")
            << 0 << 2 << true;
    }

    void structuralFaults()
    {
        QFETCH(QByteArray, xml);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(bool, ok);
        const XmlDocument document = parsed(xml);
        SessionTable table;
        table.addColumn(QStringLiteral("Stale"), SessionTable::ColumnType::Text);
        QString error;
        QCOMPARE(LoadStatisticsTable(document, table, &error), ok);
        QCOMPARE(error.isEmpty(), ok);
        QCOMPARE(table.rowCount(), rows);
        QCOMPARE(table.columnCount(), columns);
    }

    void unreadableMonthFileIsKeptAside()
    {
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("25_12.sn2"));
        writeRaw(fileName, "<MainContent><Data><Line Cost=\"1\"/></Data></MainContent>");

        const ManualClock clock(QDateTime(QDate(2025, 12, 9), QTime(23, 59, 58)));
        MonthStatistics month(fileName, clock);
        QCOMPARE(month.open(), QString());
        QCOMPARE(month.table().rowCount(), 0);
        month.AppendSession(record(kStart, 0.01, 1, 2, 0.5, QStringLiteral("x")));
        QVERIFY(QFileInfo::exists(fileName + QStringLiteral(".unreadable-20251209-235958")));

        // A viewer that opens an unreadable file leaves it alone.
        const QString other = dir.filePath(QStringLiteral("other.sn2"));
        QVERIFY(QFile::copy(fileName + QStringLiteral(".unreadable-20251209-235958"), other));
        XmlDocument viewed;
        OpenStatistics(other, viewed);
        QVERIFY(QFileInfo::exists(other));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3);

        // Without a clock of its own the month log stamps with the system time.
        MonthStatistics systemTimed(other);
        systemTimed.open();
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("other.sn2.unreadable-*")}).size(), 1);
    }

    // A month file that is there but cannot be opened is reported, left as
    // it is and never saved over; the month goes on in memory.
    void monthFileThatCannotBeOpenedStays_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder in its place")
            << true << QString::fromLocal8Bit(std::strerror(EISDIR));
        QTest::newRow("no permission") << false << QString::fromLocal8Bit(std::strerror(EACCES));
    }

    void monthFileThatCannotBeOpenedStays()
    {
        QFETCH(bool, folder);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("25_12.sn2"));
        if (folder) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("25_12.sn2")));
        } else {
            writeScrambled(fileName, "<MainContent><Data><Line Cost=\"1\"/></Data></MainContent>");
            makeUnreadable(fileName, dir.path());
        }
        const QByteArray before = readRaw(fileName);

        const auto work = [&] {
            const ManualClock clock(QDateTime(QDate(2025, 12, 9), QTime(23, 59, 58)));
            MonthStatistics month(fileName, clock);
            const bool told = month.open().contains(QStringLiteral("cannot be opened: ") + reason);
            month.AppendSession(record(kStart, 0.01, 1, 2, 0.5, QStringLiteral("x")));
            return (told ? 1 : 0) | (month.table().rowCount() == 1 ? 2 : 0) |
                   (month.save() ? 4 : 0);
        };
        const int result = folder ? work() : runUnprivileged(work);
        if (result < 0)
            QSKIP("cannot drop root's privileges to meet a file root keeps to itself");
        QCOMPARE(result, 1 | 2);
        QCOMPARE(QFileInfo(fileName).isDir(), folder);
        QCOMPARE(readRaw(fileName), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
    }

    void recordNameThatIsNoXmlNameIsSkipped()
    {
        QTemporaryDir dir;
        MonthStatistics month(dir.filePath(QStringLiteral("25_12.sn2")));
        month.open();
        QStringList r = record(kStart, 0.01, 1, 2, 0.5, QStringLiteral("x"));
        r << QStringLiteral("bad name=1") << QStringLiteral("=2");
        month.AppendSession(r);
        XmlDocument saved;
        QVERIFY(LoadDocument(month.filePath(), saved));
        QCOMPARE(attributeNames(saved.root().child("Data").child("Line")), SessionRecordNames);
    }

    void dataFolder()
    {
        QTemporaryDir dir;
        qputenv("DIALOMETER_HOME", dir.filePath(QStringLiteral("home/")).toUtf8());
        QCOMPARE(::dataFolder(), dir.filePath(QStringLiteral("home")));
        QCOMPARE(::dataFolder(true), dir.filePath(QStringLiteral("home")));
        qunsetenv("DIALOMETER_HOME");
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("xdg")).toUtf8());
        QCOMPARE(::dataFolder(), dir.filePath(QStringLiteral("xdg/dialometer")));
        QCOMPARE(::dataFolder(true), dir.filePath(QStringLiteral("xdg/dialometer-demo")));
        QCOMPARE(configPath(QStringLiteral("/d")), QStringLiteral("/d/dialometer.cfg"));
        QCOMPARE(logsDir(QStringLiteral("/d")), QStringLiteral("/d/Logs"));
        QCOMPARE(statsFileName(QDate(2005, 3, 31)), QStringLiteral("05_03.sn2"));
        // Names read back to their month; other names are no month.
        QCOMPARE(statsFileMonth(statsFileName(QDate(2005, 3, 31))), QDate(2005, 3, 1));
        QCOMPARE(statsFileMonth(QStringLiteral("49_12.sn2")), QDate(2049, 12, 1));
        QCOMPARE(statsFileMonth(QStringLiteral("50_01.sn2")), QDate(1950, 1, 1));
        for (const char *other : {"05_13.sn2", "5_03.sn2", "05_03.sn2~", "05_03.SN2"})
            QVERIFY2(!statsFileMonth(QLatin1String(other)).isValid(), other);

        const QString logs = logsDir(::dataFolder());
        QVERIFY(ensureFolder(logs));
        QVERIFY(ensureFolder(logs));
        for (const QString &folder : {logs, ::dataFolder()}) {
            struct stat info = {};
            QCOMPARE(::stat(QFile::encodeName(folder).constData(), &info), 0);
            QCOMPARE(info.st_mode & 07777, mode_t(0700));
        }
        // Below a file no folder can be made.
        QFile file(logs + QStringLiteral("/plain"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(!ensureFolder(file.fileName() + QStringLiteral("/sub")));
        qunsetenv("XDG_DATA_HOME");
    }
};

QTEST_GUILESS_MAIN(TestStatisticsLog)
#include "test_statistics_log.moc"
