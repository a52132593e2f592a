// Plans: reading them from a provider element, their periods (run in a zone
// with daylight-saving changes) and their use counted from real month files.
// Numbers are written as the locale writes them ("#" is its decimal separator).
#include "core/TextForms.h"
#include "plans/PlanUsage.h"
#include "plans/ProviderPlan.h"
#include "store/DataFiles.h"
#include "store/XmlDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <limits>

namespace {

QString localised(QString text)
{
    return text.replace(QLatin1Char('#'), QLocale::system().decimalPoint());
}

QDateTime local(int y, int m, int d, int h = 0, int min = 0, int s = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min, s));
}

ProviderPlan planOf(const QString &name, int periodStart)
{
    ProviderPlan plan;
    plan.name = name;
    plan.periodStart = periodStart;
    return plan;
}

// A session of 1 MB in, 1 MB out, 60 seconds and 0.5 money, as a Line.
void appendLine(pugi::xml_node data, const QDateTime &time, const QString &name)
{
    pugi::xml_node line = data.append_child("Line");
    setAttributeText(line, "Time", TextForms::dateTimeText(TextForms::toDays(time)));
    setAttributeText(line, "Duration", TextForms::dateTimeText(60 / 86400.0));
    setAttributeText(line, "TrafficIn", QStringLiteral("1048576"));
    setAttributeText(line, "TrafficOut", QStringLiteral("1048576"));
    setAttributeText(line, "Cost", TextForms::numberText(0.5));
    setAttributeText(line, "ConnectName", name);
}

const QString kLongName = QStringLiteral("Satellite, the long-named provider");

} // namespace

class TestPlanUsage : public QObject
{
    Q_OBJECT

private slots:
    void readPlan_data()
    {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<int>("periodStart");
        QTest::addColumn<double>("trafficCap");
        QTest::addColumn<double>("costCap");
        QTest::addColumn<double>("alertAt");
        QTest::addColumn<bool>("hangUp");
        QTest::newRow("none: defaults") << "" << 1 << 0.0 << 0.0 << 80.0 << false;
        QTest::newRow("regional numbers")
            << "PeriodStart=\"15\" TrafficCap=\"5120#5\" CostCap=\"29#9\" AlertAt=\"90\" "
               "HangUpAtCap=\"1\""
            << 15 << 5120.5 << 29.9 << 90.0 << true;
        QTest::newRow("empty values")
            << "PeriodStart=\"\" TrafficCap=\"\" CostCap=\" \" AlertAt=\"\" HangUpAtCap=\"\"" << 1
            << 0.0 << 0.0 << 80.0 << false;
        QTest::newRow("damaged values")
            << "PeriodStart=\"x\" TrafficCap=\"lots\" CostCap=\"-5\" AlertAt=\"-1\" "
               "HangUpAtCap=\"yes\""
            << 1 << 0.0 << 0.0 << 80.0 << false;
        QTest::newRow("day 31") << "PeriodStart=\"31\"" << 31 << 0.0 << 0.0 << 80.0 << false;
        QTest::newRow("day 32") << "PeriodStart=\"32\"" << 1 << 0.0 << 0.0 << 80.0 << false;
        QTest::newRow("day 0") << "PeriodStart=\"0\"" << 1 << 0.0 << 0.0 << 80.0 << false;
        QTest::newRow("half a day") << "PeriodStart=\"2#5\"" << 1 << 0.0 << 0.0 << 80.0 << false;
    }
    void readPlan()
    {
        QFETCH(QString, attributes);
        XmlDocument config;
        QVERIFY(config.parse(localised(QStringLiteral("<MainContent><ISP><Item Name=\"Mobile\" %1/>"
                                                      "<Item Name=\"Other\"/></ISP></MainContent>")
                                           .arg(attributes))
                                 .toUtf8()));
        const QList<ProviderPlan> plans = ReadProviderPlans(config);
        QCOMPARE(plans.size(), 2);
        QCOMPARE(plans[0].name, QStringLiteral("Mobile"));
        QCOMPARE(plans[1].name, QStringLiteral("Other"));
        QTEST(plans[0].periodStart, "periodStart");
        QTEST(plans[0].trafficCapMB, "trafficCap");
        QTEST(plans[0].costCap, "costCap");
        QTEST(plans[0].alertAt, "alertAt");
        QTEST(plans[0].hangUpAtCap, "hangUp");
    }

    void period_data()
    {
        QTest::addColumn<int>("periodStart");
        QTest::addColumn<QDateTime>("at");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::newRow("first of the month")
            << 1 << local(2026, 12, 9, 5) << QDate(2026, 12, 1) << QDate(2027, 1, 1);
        QTest::newRow("on the start day")
            << 15 << local(2026, 6, 15) << QDate(2026, 6, 15) << QDate(2026, 7, 15);
        QTest::newRow("across a month's end")
            << 15 << local(2026, 7, 14, 23, 59, 59) << QDate(2026, 6, 15) << QDate(2026, 7, 15);
        QTest::newRow("across a year's end")
            << 20 << local(2027, 1, 3) << QDate(2026, 12, 20) << QDate(2027, 1, 20);
        QTest::newRow("31 in February")
            << 31 << local(2026, 2, 10) << QDate(2026, 1, 31) << QDate(2026, 2, 28);
        QTest::newRow("31 on February's last day")
            << 31 << local(2026, 2, 28, 12) << QDate(2026, 2, 28) << QDate(2026, 3, 31);
        QTest::newRow("31 in a leap year")
            << 31 << local(2028, 2, 28, 12) << QDate(2028, 1, 31) << QDate(2028, 2, 29);
        QTest::newRow("30 in a leap February")
            << 30 << local(2028, 3, 1) << QDate(2028, 2, 29) << QDate(2028, 3, 30);
        QTest::newRow("31 into April")
            << 31 << local(2026, 4, 29, 23) << QDate(2026, 3, 31) << QDate(2026, 4, 30);
    }
    void period()
    {
        QFETCH(int, periodStart);
        QFETCH(QDateTime, at);
        const PlanPeriod period = PlanPeriod::containing(periodStart, at);
        QTEST(period.start.date(), "start");
        QTEST(period.end.date(), "end");
        QCOMPARE(period.start.time(), QTime(0, 0));
        QVERIFY(period.start <= at && at < period.end);
    }

    // A traffic of 100 MB and a cost of 10, projected from at.
    void projection_data()
    {
        QTest::addColumn<QDateTime>("at");
        QTest::addColumn<bool>("given");
        QTest::addColumn<double>("factor");
        QTest::newRow("within the first hour") << local(2026, 3, 1, 0, 59, 59) << false << 0.0;
        QTest::newRow("after one hour") << local(2026, 3, 1, 1) << true << 743.0;
        // 29 March is an hour short in Berlin: the period has 743 hours.
        QTest::newRow("half way, before the change") << local(2026, 3, 16) << true << 743.0 / 360.0;
        QTest::newRow("after the change") << local(2026, 3, 30) << true << 743.0 / (29 * 24 - 1);
    }
    void projection()
    {
        if (QTimeZone::systemTimeZoneId() != "Europe/Berlin")
            QSKIP("needs TZ=Europe/Berlin");
        QFETCH(QDateTime, at);
        QFETCH(bool, given);
        QFETCH(double, factor);
        PlanUsage usage(planOf(QStringLiteral("Mobile"), 1), at);
        PlanSession session;
        session.time = TextForms::toDays(local(2026, 3, 1));
        session.bytesIn = 60 * 1048576;
        session.bytesOut = 40 * 1048576;
        session.cost = 10;
        QVERIFY(usage.add(session));
        QCOMPARE(usage.trafficMB(), 100.0);
        QCOMPARE(usage.projectedTrafficMB().has_value(), given);
        QCOMPARE(usage.projectedCost().has_value(), given);
        if (given) {
            QCOMPARE(*usage.projectedTrafficMB(), 100.0 * factor);
            QCOMPARE(*usage.projectedCost(), 10.0 * factor);
        }
    }

    // Counters near the largest a damaged month file can hold: the sum stops
    // there instead of wrapping round.
    void countersNearTheMaximum_data()
    {
        constexpr qint64 max = std::numeric_limits<qint64>::max();
        QTest::addColumn<qint64>("bytesIn");
        QTest::addColumn<qint64>("bytesOut");
        QTest::addColumn<int>("sessions");
        QTest::addColumn<qint64>("total");
        QTest::newRow("both at the maximum") << max << max << 1 << max;
        QTest::newRow("two sessions past it") << max / 2 + 1 << qint64(0) << 2 << max;
        QTest::newRow("negatives count nothing")
            << qint64(-1) << std::numeric_limits<qint64>::min() << 1 << qint64(0);
    }
    void countersNearTheMaximum()
    {
        QFETCH(qint64, bytesIn);
        QFETCH(qint64, bytesOut);
        QFETCH(int, sessions);
        QFETCH(qint64, total);
        PlanUsage usage(planOf(QStringLiteral("Mobile"), 1), local(2026, 3, 2));
        PlanSession session;
        session.time = TextForms::toDays(local(2026, 3, 1));
        session.bytesIn = bytesIn;
        session.bytesOut = bytesOut;
        for (int i = 0; i < sessions; ++i)
            QVERIFY(usage.add(session));
        QCOMPARE(usage.trafficMB(), double(total) / PlanUsage::kBytesPerMB);
    }

    // Period of the 15th: 15 Nov 2026 .. 15 Dec 2026, at 9 Dec 2026 12:00.
    void countMonthFiles()
    {
        QTemporaryDir dir;
        const QString logs = dir.filePath(QStringLiteral("Logs"));
        QVERIFY(QDir().mkpath(logs));
        XmlDocument november;
        november.parse("<MainContent><Struct/><Data/></MainContent>");
        pugi::xml_node data = november.root().child("Data");
        appendLine(data, local(2026, 11, 14, 23, 59, 59), QStringLiteral("Mobile")); // before
        appendLine(data, local(2026, 11, 15), QStringLiteral("Mobile"));             // start
        appendLine(data, local(2026, 11, 20), kLongName);
        appendLine(data, local(2026, 11, 21), QStringLiteral("Mobile 2"));
        appendLine(data, local(2026, 11, 22), QStringLiteral("mobile"));
        QVERIFY(SaveDocument(logs + QStringLiteral("/26_11.sn2"), november));
        XmlDocument december;
        december.parse("<MainContent><Struct/><Data/></MainContent>");
        data = december.root().child("Data");
        appendLine(data, local(2026, 12, 1, 8), QStringLiteral("Mobile"));
        appendLine(data, local(2026, 12, 9, 12), QStringLiteral("Mobile")); // at at
        appendLine(data, local(2026, 12, 9, 12, 0, 1), QStringLiteral("Mobile"));
        appendLine(data, local(2026, 12, 2), kLongName);
        QVERIFY(SaveDocument(logs + QStringLiteral("/26_12.sn2"), december));
        // A damaged October file, which the period of the 31st would need.
        const QString damaged = logs + QStringLiteral("/26_10.sn2");
        {
            QFile file(damaged);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a month file");
        }

        const QDateTime at = local(2026, 12, 9, 12);
        QList<PlanUsage> usages{PlanUsage(planOf(QStringLiteral("Mobile"), 15), at),
                                PlanUsage(planOf(kLongName, 15), at),
                                PlanUsage(planOf(QStringLiteral("Mobile"), 31), at),
                                PlanUsage(planOf(QStringLiteral("Nobody"), 1), at)};
        CountMonthFiles(logs, usages);
        QCOMPARE(usages[0].sessions(), 3);
        QCOMPARE(usages[0].trafficMB(), 6.0);
        QCOMPARE(usages[0].seconds(), 180.0);
        QCOMPARE(usages[0].cost(), 1.5);
        QCOMPARE(usages[1].sessions(), 2);
        // 30 Nov .. 31 Dec: the October file is not read, November adds nothing.
        QCOMPARE(usages[2].period().start.date(), QDate(2026, 11, 30));
        QCOMPARE(usages[2].sessions(), 2);
        QCOMPARE(usages[3].sessions(), 0);

        // The damaged file is left out and left as it was.
        QList<PlanUsage> october{
            PlanUsage(planOf(QStringLiteral("Mobile"), 31), local(2026, 11, 29))};
        CountMonthFiles(logs, october);
        QCOMPARE(october[0].period().start.date(), QDate(2026, 10, 31));
        QCOMPARE(october[0].sessions(), 2);
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("not a month file"));
        QCOMPARE(QDir(logs).entryList(QDir::Files).size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestPlanUsage)
#include "test_plan_usage.moc"
