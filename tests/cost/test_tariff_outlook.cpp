// A provider's schedule looked at ahead of time. Tariff types: 1 "Day" 0.6
// per minute, 2 "Night" 0.2, 3 "Weekend" 0.1, 4 "Standard" (the default)
// 0.4; a fee of 0.25 per connection. Monday, Tuesday, Thursday and Friday:
// Night 00:00-06:00, Day 08:00-20:00, Night 22:00-23:59; Wednesday has no
// ranges; Saturday and Sunday are Weekend 00:00-23:59. Prices are written as
// the locale writes them ("#" is its decimal separator).
#include "core/Clock.h"
#include "core/TextForms.h"
#include "cost/TariffCost.h"
#include "cost/TariffOutlook.h"
#include "store/XmlDocument.h"

#include <QTest>

namespace {

const QDate kMonday(2026, 12, 7);

QString localised(QString text)
{
    return text.replace(QLatin1Char('#'), QLocale::system().decimalPoint());
}

QString weekday()
{
    return QStringLiteral("<Item Time1=\"00:00\" Time2=\"06:00\" TariffType=\"2\"/>"
                          "<Item Time1=\"08:00\" Time2=\"20:00\" TariffType=\"1\"/>"
                          "<Item Time1=\"22:00\" Time2=\"23:59\" TariffType=\"2\"/>");
}

const QString kWeekend = QStringLiteral("<Item Time1=\"00:00\" Time2=\"23:59\" TariffType=\"3\"/>");

QString schedule()
{
    return QStringLiteral("<Monday>%1</Monday><Tuesday>%1</Tuesday><Wednesday/>"
                          "<Thursday>%1</Thursday><Friday>%1</Friday>"
                          "<Saturday>%2</Saturday><Sunday>%2</Sunday>")
        .arg(weekday(), kWeekend);
}

XmlDocument configWith(const QString &providerBody, const QString &attributes)
{
    const QString xml =
        QStringLiteral("<MainContent><TariffTypes>"
                       "<Item ID=\"1\" Name=\"Day\" Minute=\"0#6\"/>"
                       "<Item ID=\"2\" Name=\"Night\" Minute=\"0#2\" Input=\"1#5\"/>"
                       "<Item ID=\"3\" Name=\"Weekend\" Minute=\"0#1\"/>"
                       "<Item ID=\"4\" Name=\"Standard\" Minute=\"0#4\"/>"
                       "</TariffTypes><ISP><Item Name=\"P\" ") +
        attributes + QStringLiteral(">") + providerBody +
        QStringLiteral("</Item></ISP></MainContent>");
    XmlDocument document;
    if (!document.parse(localised(xml).toUtf8()))
        qFatal("test configuration does not parse: %s", qPrintable(document.errorText()));
    return document;
}

XmlDocument usualConfig()
{
    return configWith(schedule(), QStringLiteral("DefCost=\"4\" PayConn=\"0#25\""));
}

pugi::xml_node providerOf(const XmlDocument &config)
{
    return config.root().child("ISP").first_child();
}

ClockMs on(int dayOfMonth, const QTime &time)
{
    return ToClockMs(QDate(2026, 12, dayOfMonth), time);
}

} // namespace

class TestTariffOutlook : public QObject
{
    Q_OBJECT

private slots:
    void inForce_data()
    {
        QTest::addColumn<ClockMs>("at");
        QTest::addColumn<QString>("type");
        QTest::addColumn<ClockMs>("until");

        // 7 December 2026 is a Monday.
        QTest::newRow("a range's start") << on(7, QTime(8, 0)) << "1" << on(7, QTime(20, 0));
        QTest::newRow("inside") << on(7, QTime(12, 34, 56)) << "1" << on(7, QTime(20, 0));
        QTest::newRow("last ms") << on(7, QTime(19, 59, 59, 999)) << "1" << on(7, QTime(20, 0));
        QTest::newRow("at its end") << on(7, QTime(20, 0)) << "4" << on(7, QTime(22, 0));
        QTest::newRow("last minute of the day")
            << on(7, QTime(23, 59, 30)) << "4" << on(8, QTime(0, 0));
        QTest::newRow("across midnight") << on(8, QTime(0, 0)) << "2" << on(8, QTime(6, 0));
        QTest::newRow("into a day without ranges")
            << on(8, QTime(23, 59)) << "4" << on(10, QTime(0, 0));
        QTest::newRow("across the week's end")
            << on(13, QTime(23, 59, 1)) << "4" << on(14, QTime(0, 0));
        QTest::newRow("weekend") << on(12, QTime(0, 0)) << "3" << on(12, QTime(23, 59));
    }
    void inForce()
    {
        QFETCH(ClockMs, at);
        QFETCH(ClockMs, until);
        const XmlDocument config = usualConfig();
        const TariffOutlook outlook(config, providerOf(config));
        const TariffInForce now = outlook.inForce(at);
        QVERIFY(now.tariff);
        QTEST(now.tariff->id, "type");
        QCOMPARE(now.until, std::optional<ClockMs>(until));

        // The type is the one the cost engine charges at that moment.
        QDate date;
        QTime time;
        QVERIFY(TextForms::splitDays(ClockMsToDays(at), &date, &time));
        QCOMPARE(TariffTypeAt(providerOf(config), date, time.msecsSinceStartOfDay() / 86400000.0),
                 now.tariff->id);
    }

    void prices()
    {
        const XmlDocument config = usualConfig();
        const TariffOutlook outlook(config, providerOf(config));
        const TariffInForce night = outlook.inForce(on(7, QTime(3, 0)));
        QCOMPARE(night.tariff->name, QStringLiteral("Night"));
        QCOMPARE(night.tariff->minute, 0.2);
        QCOMPARE(night.tariff->input, 1.5);
        QCOMPARE(night.tariff->output, 0.0);
        QCOMPARE(outlook.fee(), 0.25);
    }

    void neverChanges_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<bool>("hasTariffs");
        QTest::newRow("default only") << QString() << "DefCost=\"4\"" << true;
        QTest::newRow("no types") << schedule() << QString() << true;
        QTest::newRow("nothing") << QString() << QString() << false;
        QTest::newRow("unknown default") << QString() << "DefCost=\"9\"" << false;
    }
    void neverChanges()
    {
        QFETCH(QString, body);
        QFETCH(QString, attributes);
        QFETCH(bool, hasTariffs);
        const XmlDocument config = configWith(body, attributes);
        const TariffOutlook outlook(config, providerOf(config));
        QCOMPARE(outlook.hasTariffs(), hasTariffs);
        // Wednesday has nothing in force without a default.
        const TariffInForce wednesday = outlook.inForce(on(9, QTime(12, 0)));
        QCOMPARE(wednesday.tariff.has_value(), attributes == QLatin1String("DefCost=\"4\""));
        QCOMPARE(wednesday.until.has_value(), body == schedule());
        QCOMPARE(outlook.cheapest(on(9, QTime(12, 0)), 60, 24).has_value(), hasTariffs);
    }

    void cheapest_data()
    {
        QTest::addColumn<ClockMs>("from");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("hours");
        QTest::addColumn<ClockMs>("start");
        QTest::addColumn<double>("cost");
        QTest::addColumn<QString>("type");

        // Night 22:00-22:59 all cost 12.25: the earliest wins.
        QTest::newRow("across a tariff change")
            << on(7, QTime(12, 0)) << 60 << 24 << on(7, QTime(22, 0)) << 12.25 << "2";
        QTest::newRow("start on the next whole minute")
            << on(7, QTime(21, 59, 30)) << 60 << 1 << on(7, QTime(22, 0)) << 12.25 << "2";
        // Overlapping the last minute of the day costs more than waiting.
        QTest::newRow("after midnight")
            << on(7, QTime(12, 0)) << 180 << 24 << on(8, QTime(0, 0)) << 36.25 << "2";
        QTest::newRow("across a day without ranges, the window's end")
            << on(9, QTime(0, 0)) << 60 << 24 << on(10, QTime(0, 0)) << 12.25 << "2";
        QTest::newRow("ties: the earliest")
            << on(12, QTime(10, 0)) << 60 << 12 << on(12, QTime(10, 0)) << 6.25 << "3";
        QTest::newRow("from the end of the week")
            << on(13, QTime(23, 0)) << 120 << 1 << on(13, QTime(23, 0)) << 18.55 << "3";
    }
    void cheapest()
    {
        QFETCH(ClockMs, from);
        QFETCH(int, minutes);
        QFETCH(int, hours);
        QFETCH(ClockMs, start);
        QFETCH(double, cost);
        const XmlDocument config = usualConfig();
        const TariffOutlook outlook(config, providerOf(config));
        const std::optional<CheapestStart> best = outlook.cheapest(from, minutes, hours);
        QVERIFY(best);
        QCOMPARE(best->start, start);
        QCOMPARE(best->cost, cost);
        QTEST(best->tariff->id, "type");
    }

    // Against every start of the window, on schedules whose ranges begin
    // and end off the whole minute.
    void cheapestAgainstEveryStart_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("minutes");
        QTest::newRow("usual, 45 min") << schedule() << 45;
        QTest::newRow("seconds, 7 min")
            << "<Monday><Item Time1=\"10:00:30\" Time2=\"10:05:15\" TariffType=\"2\"/>"
               "<Item Time1=\"10:20:10\" Time2=\"10:26:50\" TariffType=\"3\"/>"
               "<Item Time1=\"09:00\" Time2=\"18:00\" TariffType=\"1\"/></Monday>"
            << 7;
        QTest::newRow("overlaps, 90 min")
            << "<Monday><Item Time1=\"11:00\" Time2=\"13:00\" TariffType=\"4\"/>"
               "<Item Time1=\"09:00\" Time2=\"18:00\" TariffType=\"2\"/>"
               "<Item Time1=\"12:00\" Time2=\"12:30\" TariffType=\"3\"/></Monday>"
            << 90;
    }
    void cheapestAgainstEveryStart()
    {
        QFETCH(QString, body);
        QFETCH(int, minutes);
        const XmlDocument config = configWith(body, QStringLiteral("DefCost=\"1\""));
        const TariffOutlook outlook(config, providerOf(config));
        const ClockMs from = on(7, QTime(8, 0, 20));
        const std::optional<CheapestStart> best = outlook.cheapest(from, minutes, 12);
        QVERIFY(best);
        ClockMs expected = -1;
        double least = 0;
        for (ClockMs start = on(7, QTime(8, 1)); start <= from + 12 * 3600000; start += 60000) {
            const double cost = outlook.connectionCost(start, minutes);
            if (expected < 0 || cost < least - 1e-9) {
                expected = start;
                least = cost;
            }
        }
        QCOMPARE(best->start, expected);
        QCOMPARE(best->cost, least);
    }

    // A connection costs what the monitor's ticks would charge for it.
    void costAsTheTicksCharge_data()
    {
        QTest::addColumn<ClockMs>("start");
        QTest::newRow("across 20:00") << on(7, QTime(19, 30));
        QTest::newRow("across midnight") << on(7, QTime(23, 30));
        QTest::newRow("across the week's end") << on(13, QTime(23, 30));
    }
    void costAsTheTicksCharge()
    {
        QFETCH(ClockMs, start);
        const XmlDocument config = usualConfig();
        const pugi::xml_node provider = providerOf(config);
        const TariffOutlook outlook(config, provider);
        QDate date;
        QTime time;
        QVERIFY(TextForms::splitDays(ClockMsToDays(start), &date, &time));
        ManualClock clock(QDateTime(date, time));
        double ticks = 0.25;
        for (int tick = 0; tick < 7200; ++tick) {
            ticks += IntervalCost(config, provider, IntervalQuantities{0.5 / 60.0, 0, 0},
                                  TextForms::timeOfDay(clock.now()), clock);
            clock.advanceMs(500);
        }
        QCOMPARE(outlook.connectionCost(start, 60), ticks);
    }
};

QTEST_GUILESS_MAIN(TestTariffOutlook)
#include "test_tariff_outlook.moc"
