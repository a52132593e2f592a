// The use of a plan's period day by day, counted from real month files in a
// zone with daylight-saving changes, and the daily budget.
#include "core/DataFolder.h"
#include "core/TextForms.h"
#include "plans/PlanDays.h"
#include "plans/PlanUsage.h"
#include "store/DataFiles.h"
#include "store/XmlDocument.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

namespace {

QDateTime local(const QString &iso)
{
    return QDateTime::fromString(iso, Qt::ISODate);
}

ProviderPlan planOf(const QString &name, int periodStart)
{
    ProviderPlan plan;
    plan.name = name;
    plan.periodStart = periodStart;
    return plan;
}

// Sessions as "yyyy-MM-ddTHH:mm:ss name seconds": 1 MB in, 1 MB out and 0.5
// money each, written to the month files of their Time.
bool writeMonthFiles(const QString &logs, const QStringList &sessions)
{
    QMap<QDate, QList<QStringList>> byMonth;
    for (const QString &session : sessions) {
        const QStringList parts = session.split(QLatin1Char(' '));
        const QDate day = local(parts[0]).date();
        byMonth[QDate(day.year(), day.month(), 1)].append(parts);
    }
    for (auto month = byMonth.cbegin(); month != byMonth.cend(); ++month) {
        XmlDocument document;
        document.parse("<MainContent><Struct/><Data/></MainContent>");
        pugi::xml_node data = document.root().child("Data");
        for (const QStringList &parts : month.value()) {
            pugi::xml_node line = data.append_child("Line");
            setAttributeText(line, "Time",
                             TextForms::dateTimeText(TextForms::toDays(local(parts[0]))));
            setAttributeText(line, "Duration",
                             TextForms::dateTimeText(parts[2].toDouble() / 86400.0));
            setAttributeText(line, "TrafficIn", QStringLiteral("1048576"));
            setAttributeText(line, "TrafficOut", QStringLiteral("1048576"));
            setAttributeText(line, "Cost", TextForms::numberText(0.5));
            setAttributeText(line, "ConnectName", parts[1]);
        }
        if (!SaveDocument(logs + QLatin1Char('/') + statsFileName(month.key()), document))
            return false;
    }
    return true;
}

} // namespace

class TestPlanDays : public QObject
{
    Q_OBJECT

private slots:
    void days_data()
    {
        QTest::addColumn<int>("periodStart");
        QTest::addColumn<QString>("at");
        QTest::addColumn<QStringList>("sessions");
        QTest::addColumn<QString>("damagedMonth"); // a file name in Logs, or empty
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        // "date sessions seconds" of the days that have sessions
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("across a month's and a year's end")
            << 20 << "2027-01-03T10:00:00"
            << QStringList{"2026-12-19T23:59:59 Mobile 60", // before the period
                           "2026-12-20T00:00:00 Mobile 60",
                           "2026-12-31T23:59:59 Mobile 60",   // just before midnight
                           "2026-12-31T23:30:00 Mobile 3600", // over midnight
                           "2027-01-02T12:00:00 Other 60",
                           "2027-01-03T10:00:00 Mobile 60", // at --at
                           "2027-01-03T10:00:01 Mobile 60"} // after it
            << QString() << QDate(2026, 12, 20) << QDate(2027, 1, 3)
            << QStringList{"2026-12-20 1 60", "2026-12-31 2 3660", "2027-01-03 1 60"};
        QTest::newRow("a damaged month file left out")
            << 25 << "2026-12-05T00:00:00"
            << QStringList{"2026-12-01T08:00:00 Mobile 60", "2026-12-05T00:00:00 Mobile 60"}
            << "26_11.sn2" << QDate(2026, 11, 25) << QDate(2026, 12, 5)
            << QStringList{"2026-12-01 1 60", "2026-12-05 1 60"};
        QTest::newRow("summer time ends in the period")
            << 15 << "2026-11-05T12:00:00"
            << QStringList{"2026-10-25T02:30:00 Mobile 60", "2026-10-25T23:59:00 Mobile 60",
                           "2026-10-26T00:00:00 Mobile 60"}
            << QString() << QDate(2026, 10, 15) << QDate(2026, 11, 5)
            << QStringList{"2026-10-25 2 120", "2026-10-26 1 60"};
        QTest::newRow("summer time begins in the period")
            << 15 << "2026-04-14T23:59:59"
            << QStringList{"2026-03-29T01:59:59 Mobile 60", "2026-03-29T03:00:00 Mobile 60",
                           "2026-03-30T00:00:00 Mobile 60"}
            << QString() << QDate(2026, 3, 15) << QDate(2026, 4, 14)
            << QStringList{"2026-03-29 2 120", "2026-03-30 1 60"};
    }
    void days()
    {
        QFETCH(int, periodStart);
        QFETCH(QString, at);
        QFETCH(QStringList, sessions);
        QFETCH(QString, damagedMonth);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QStringList, expected);

        QTemporaryDir dir;
        const QString logs = dir.filePath(QStringLiteral("Logs"));
        QVERIFY(QDir().mkpath(logs));
        QVERIFY(writeMonthFiles(logs, sessions));
        if (!damagedMonth.isEmpty()) {
            QFile file(logs + QLatin1Char('/') + damagedMonth);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a month file");
        }

        QList<PlanUsage> usages{
            PlanUsage(planOf(QStringLiteral("Mobile"), periodStart), local(at))};
        QList<PlanDays> days{PlanDays(usages[0])};
        CountMonthFiles(logs, usages,
                        [&days](qsizetype i, const PlanSession &session) { days[i].add(session); });

        const QList<PlanDay> &list = days[0].days();
        QCOMPARE(list.size(), first.daysTo(last) + 1);
        QCOMPARE(list.first().date, first);
        QCOMPARE(list.last().date, last);
        QStringList actual;
        int sessionCount = 0;
        qint64 bytes = 0;
        for (qsizetype i = 0; i < list.size(); ++i) {
            QCOMPARE(list[i].date, first.addDays(i));
            sessionCount += list[i].sessions;
            bytes += list[i].bytes;
            if (list[i].sessions > 0)
                actual.append(QStringLiteral("%1 %2 %3")
                                  .arg(list[i].date.toString(Qt::ISODate))
                                  .arg(list[i].sessions)
                                  .arg(qRound64(list[i].seconds())));
        }
        QCOMPARE(actual, expected);
        // The days add up to the period's figures.
        QCOMPARE(sessionCount, usages[0].sessions());
        QCOMPARE(double(bytes) / PlanUsage::kBytesPerMB, usages[0].trafficMB());
    }

    // A running program moves the moment on: the new days start empty.
    void advance()
    {
        PlanDays days(PlanPeriod::containing(1, local("2026-12-30T12:00:00")),
                      local("2026-12-30T12:00:00"));
        QCOMPARE(days.days().size(), 30);
        QVERIFY(!days.add({TextForms::toDays(local("2026-12-31T01:00:00")), 0, 1, 1, 0}));
        days.advanceTo(local("2026-12-31T02:00:00"));
        days.advanceTo(local("2026-12-01T00:00:00"));
        QCOMPARE(days.days().size(), 31);
        QVERIFY(days.add({TextForms::toDays(local("2026-12-31T01:00:00")), 0, 1, 1, 0}));
        QCOMPARE(days.days().last().sessions, 1);
    }

    void dailyBudget_data()
    {
        QTest::addColumn<QString>("at");
        QTest::addColumn<double>("cap");
        QTest::addColumn<double>("used");
        QTest::addColumn<int>("daysLeft");
        QTest::addColumn<double>("budget"); // -1: none
        // The periods start on the 15th.
        QTest::newRow("no cap") << "2026-12-05T12:00:00" << 0.0 << 10.0 << 10 << -1.0;
        QTest::newRow("under the cap") << "2026-12-05T12:00:00" << 5120.0 << 2000.0 << 10 << 312.0;
        QTest::newRow("cap used up") << "2026-12-05T12:00:00" << 5120.0 << 5120.0 << 10 << 0.0;
        QTest::newRow("over the cap") << "2026-12-05T12:00:00" << 5120.0 << 6000.0 << 10 << 0.0;
        QTest::newRow("the last day") << "2026-12-14T23:59:59" << 30.0 << 12.0 << 1 << 18.0;
        QTest::newRow("the first day") << "2026-12-15T00:00:00" << 31.0 << 0.0 << 31 << 1.0;
        QTest::newRow("summer time ends") << "2026-10-20T00:00:00" << 52.0 << 0.0 << 26 << 2.0;
    }
    void dailyBudget()
    {
        QFETCH(QString, at);
        QFETCH(double, cap);
        QFETCH(double, used);
        QFETCH(double, budget);
        const PlanDays days(PlanPeriod::containing(15, local(at)), local(at));
        QTEST(days.daysLeft(), "daysLeft");
        const std::optional<double> actual = days.dailyBudget(cap, used);
        QCOMPARE(actual.has_value(), budget >= 0);
        if (actual)
            QCOMPARE(*actual, budget);
    }
};

QTEST_GUILESS_MAIN(TestPlanDays)
#include "test_plan_days.moc"
