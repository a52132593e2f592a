// The cost engine over small configurations. Tariff types: 1 "Day" one per
// minute, 2 "Night" 0.5 per minute, 3 traffic only, 4 the usual default, 5 a
// broken Minute price. Prices are written as the locale writes them ("#" is
// its decimal separator).
#include "core/Clock.h"
#include "core/TextForms.h"
#include "cost/TariffCost.h"
#include "store/ConfigDocument.h"
#include "store/XmlDocument.h"

#include <QTest>

#include <cmath>

namespace {

const QDate kMonday(2026, 12, 7);
const QDate kSaturday(2026, 12, 12);

QString localised(QString text)
{
    return text.replace(QLatin1Char('#'), QLocale::system().decimalPoint());
}

XmlDocument configWith(const QString &provider, bool withTariffTypes = true)
{
    const QString types =
        QStringLiteral("<TariffTypes>"
                       "<Item ID=\"1\" Name=\"Day\" Minute=\"1\"/>"
                       "<Item ID=\"2\" Name=\"Night\" Minute=\"0#5\"/>"
                       "<Item ID=\"3\" Name=\"Traffic\" Input=\"2\" Output=\"3\"/>"
                       "<Item ID=\"4\" Name=\"Default\" Minute=\"10\"/>"
                       "<Item ID=\"5\" Name=\"Broken\" Minute=\"abc\" Input=\"2\"/>"
                       "</TariffTypes>");
    const QString xml = QStringLiteral("<MainContent><General/>") +
                        (withTariffTypes ? types : QString()) + QStringLiteral("<ISP>") + provider +
                        QStringLiteral("</ISP><Users/><Graph/></MainContent>");
    XmlDocument document;
    if (!document.parse(localised(xml).toUtf8()))
        qFatal("test configuration does not parse: %s", qPrintable(document.errorText()));
    return document;
}

QString range(const char *from, const char *to, const char *type)
{
    QString text = QStringLiteral("<Item Time1=\"%1\" Time2=\"%2\"").arg(from, to);
    if (type)
        text += QStringLiteral(" TariffType=\"%1\"").arg(type);
    return text + QStringLiteral("/>");
}

IntervalPrice priceAt(const XmlDocument &config, const QDate &date, const QTime &time,
                      const QStringList &quantities)
{
    const pugi::xml_node provider = config.root().child("ISP").first_child();
    ManualClock clock(QDateTime(date, time));
    return PriceInterval(config, provider, quantities, TextForms::timeOfDay(clock.now()), clock);
}

const QStringList kOneOfEach = {"Minute=1", "Input=1", "Output=1"};

} // namespace

class TestTariffCost : public QObject
{
    Q_OBJECT

private slots:
    void schedule_data()
    {
        QTest::addColumn<QString>("provider");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("type");
        QTest::addColumn<double>("cost");

        const QString twoRanges = "<Item Name=\"P\" DefCost=\"4\"><Monday>" +
                                  range("00:00", "08:00", "1") + range("08:00", "23:59", "2") +
                                  "</Monday></Item>";
        QTest::newRow("before the boundary")
            << twoRanges << kMonday << QTime(7, 59, 59) << "1" << 1.0;
        QTest::newRow("start is inclusive") << twoRanges << kMonday << QTime(8, 0) << "2" << 0.5;
        QTest::newRow("end is exclusive") << twoRanges << kMonday << QTime(23, 59) << "4" << 10.0;
        QTest::newRow("last minute falls to the default")
            << twoRanges << kMonday << QTime(23, 59, 30) << "4" << 10.0;
        QTest::newRow("other days use the default")
            << twoRanges << kMonday.addDays(1) << QTime(12, 0) << "4" << 10.0;

        QTest::newRow("no day elements, default")
            << "<Item Name=\"P\" DefCost=\"4\"/>" << kMonday << QTime(12, 0) << "4" << 10.0;
        QTest::newRow("no range and no default")
            << "<Item Name=\"P\"><Monday/></Item>" << kMonday << QTime(12, 0) << "" << 0.0;
        QTest::newRow("default names no tariff type")
            << "<Item Name=\"P\" DefCost=\"99\"/>" << kMonday << QTime(12, 0) << "" << 0.0;
        QTest::newRow("range names no tariff type")
            << "<Item Name=\"P\" DefCost=\"4\"><Monday>" + range("00:00", "23:59", "99") +
                   "</Monday></Item>"
            << kMonday << QTime(12, 0) << "" << 0.0;

        const QString overlap = "<Item Name=\"P\" DefCost=\"4\"><Monday>" +
                                range("09:00", "12:00", "1") + range("10:00", "11:00", "2") +
                                "</Monday></Item>";
        QTest::newRow("first match wins") << overlap << kMonday << QTime(10, 30) << "1" << 1.0;

        const QString acrossMidnight = "<Item Name=\"P\" DefCost=\"4\"><Monday>" +
                                       range("22:00", "07:00", "2") + range("20:00", "00:00", "2") +
                                       "</Monday></Item>";
        QTest::newRow("no range across midnight, late")
            << acrossMidnight << kMonday << QTime(23, 0) << "4" << 10.0;
        QTest::newRow("no range across midnight, early")
            << acrossMidnight << kMonday << QTime(3, 0) << "4" << 10.0;

        const QString saturday = "<Item Name=\"P\" DefCost=\"4\"><Monday>" +
                                 range("00:00", "23:59", "1") + "</Monday><Sunday>" +
                                 range("00:00", "23:59", "1") + "</Sunday><Saturday>" +
                                 range("12:00", "13:00", "2") + "</Saturday></Item>";
        QTest::newRow("Saturday looks at Saturday only")
            << saturday << kSaturday << QTime(9, 0) << "4" << 10.0;
        QTest::newRow("Saturday range") << saturday << kSaturday << QTime(12, 15) << "2" << 0.5;

        QTest::newRow("range without a type leaves the choice to later ranges")
            << "<Item Name=\"P\" DefCost=\"4\"><Monday>" + range("09:00", "12:00", nullptr) +
                   range("09:00", "12:00", "2") + "</Monday></Item>"
            << kMonday << QTime(10, 0) << "2" << 0.5;
        QTest::newRow("range with an empty type ends the search")
            << "<Item Name=\"P\" DefCost=\"4\"><Monday>" + range("09:00", "12:00", "") +
                   range("09:00", "12:00", "2") + "</Monday></Item>"
            << kMonday << QTime(10, 0) << "4" << 10.0;
        QTest::newRow("unreadable times are skipped")
            << "<Item Name=\"P\" DefCost=\"4\"><Monday>" + range("xx", "12:00", "1") +
                   range("09:00", "25:00", "1") + "<Item Time2=\"12:00\" TariffType=\"1\"/>" +
                   range("09:00", "12:00", "2") + "</Monday></Item>"
            << kMonday << QTime(10, 0) << "2" << 0.5;
        QTest::newRow("first day element of the name")
            << "<Item Name=\"P\" DefCost=\"4\"><Monday>" + range("09:00", "12:00", "1") +
                   "</Monday><Monday>" + range("00:00", "23:59", "2") + "</Monday></Item>"
            << kMonday << QTime(13, 0) << "4" << 10.0;

        QTest::newRow("traffic only ignores time")
            << "<Item Name=\"P\" DefCost=\"3\"/>" << kMonday << QTime(12, 0) << "3" << 5.0;
        QTest::newRow("a broken price adds nothing, the others count")
            << "<Item Name=\"P\" DefCost=\"5\"/>" << kMonday << QTime(12, 0) << "5" << 2.0;
    }
    void schedule()
    {
        QFETCH(QString, provider);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(QString, type);
        QFETCH(double, cost);
        const XmlDocument config = configWith(provider);
        const IntervalPrice price = priceAt(config, date, time, kOneOfEach);
        QCOMPARE(price.tariffType, type);
        QCOMPARE(price.cost, cost);
        const pugi::xml_node node = config.root().child("ISP").first_child();
        ManualClock clock(QDateTime(date, time));
        QCOMPARE(IntervalCost(config, node, kOneOfEach, TextForms::timeOfDay(clock.now()), clock),
                 cost);
    }

    void quantities_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("quantities");
        QTest::addColumn<double>("cost");
        QTest::newRow("one megabyte received at 2")
            << "3" << QStringList{"Minute=0", localised("Input=1"), "Output=0"} << 2.0;
        QTest::newRow("both directions")
            << "3" << QStringList{"Minute=5", localised("Input=0#5"), localised("Output=0#25")}
            << 1.75;
        QTest::newRow("small quantity in exponent form")
            << "3" << QStringList{TextForms::numberText(1.0 / 1048576.0).prepend("Input=")}
            << 2.0 / 1048576.0;
        QTest::newRow("quantity not a number") << "1" << QStringList{"Minute=abc"} << 0.0;
        QTest::newRow("quantity missing") << "1" << QStringList{"Input=1"} << 0.0;
        QTest::newRow("one bad quantity, the other counts")
            << "3" << QStringList{"Input=x", "Output=2"} << 6.0;
        QTest::newRow("no quantities") << "3" << QStringList{} << 0.0;
    }
    void quantities()
    {
        QFETCH(QString, type);
        QFETCH(QStringList, quantities);
        QFETCH(double, cost);
        const XmlDocument config = configWith("<Item Name=\"P\" DefCost=\"" + type + "\"/>");
        QCOMPARE(priceAt(config, kMonday, QTime(12, 0), quantities).cost, cost);
    }

    void quantitiesAsNumbers()
    {
        // The monitor's and the tool's form: a quantity that is no number adds nothing.
        const XmlDocument config = configWith("<Item Name=\"P\" DefCost=\"3\"/>");
        const pugi::xml_node provider = config.root().child("ISP").first_child();
        ManualClock clock(QDateTime(kMonday, QTime(12, 0)));
        QCOMPARE(IntervalCost(config, provider, IntervalQuantities{5.0, 0.5, 0.25}, 0.5, clock),
                 1.75);
        QCOMPARE(IntervalCost(config, provider, IntervalQuantities{0.0, qQNaN(), 2.0}, 0.5, clock),
                 6.0);
    }

    void minutePriceOverOneMinuteOfTicks()
    {
        XmlDocument withType = configWith("<Item Name=\"P\" DefCost=\"6\"/>");
        pugi::xml_node type = withType.root().child("TariffTypes").append_child("Item");
        setAttributeText(type, "ID", "6");
        setAttributeText(type, "Minute", TextForms::numberText(0.6));
        const pugi::xml_node provider = withType.root().child("ISP").first_child();
        ManualClock clock(QDateTime(kMonday, QTime(10, 0)));
        const QStringList tick = {"Minute=" + TextForms::numberText(500.0 / 60000.0), "Input=0",
                                  "Output=0"};
        double total = 0.0;
        for (int i = 0; i < 120; ++i) {
            total +=
                IntervalCost(withType, provider, tick, TextForms::timeOfDay(clock.now()), clock);
            clock.advanceMs(500);
        }
        QVERIFY2(std::fabs(total - 0.6) < 1e-9, qPrintable(QString::number(total, 'g', 17)));
    }

    void nothingToPrice()
    {
        const XmlDocument config = configWith("<Item Name=\"P\" DefCost=\"4\"/>");
        ManualClock clock(QDateTime(kMonday, QTime(12, 0)));
        QCOMPARE(IntervalCost(config, pugi::xml_node(), kOneOfEach, 0.5, clock), 0.0);

        const XmlDocument noTypes = configWith("<Item Name=\"P\" DefCost=\"4\"/>", false);
        const IntervalPrice price = priceAt(noTypes, kMonday, QTime(12, 0), kOneOfEach);
        QCOMPARE(price.cost, 0.0);
        QCOMPARE(price.tariffType, QString());
    }

    // A stretch that no ticks priced (a restart's gap) costs what ticks over
    // the same time would have. Monday: 1 until 08:00, 0.5 until 23:59, then
    // the default 10; Tuesday 1 until 12:00; other days the default.
    void span_data()
    {
        QTest::addColumn<QString>("provider");
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<QDateTime>("to");
        QTest::addColumn<double>("megabytesIn");
        QTest::addColumn<double>("cost");

        const QString schedule = "<Item Name=\"P\" DefCost=\"4\"><Monday>" +
                                 range("00:00", "08:00", "1") + range("08:00", "23:59", "2") +
                                 "</Monday><Tuesday>" + range("00:00", "12:00", "1") +
                                 "</Tuesday></Item>";
        const QDateTime monday(kMonday, QTime(0, 0));
        QTest::newRow("within one range") << schedule << monday.addSecs(7 * 3600)
                                          << monday.addSecs(7 * 3600 + 1800) << 0.0 << 30.0;
        QTest::newRow("across a range's end") << schedule << monday.addSecs(7 * 3600 + 50 * 60)
                                              << monday.addSecs(8 * 3600 + 10 * 60) << 0.0 << 15.0;
        QTest::newRow("into the day's last minute")
            << schedule << monday.addSecs(23 * 3600 + 58 * 60) << monday.addDays(1) << 0.0 << 10.5;
        QTest::newRow("across midnight") << schedule << monday.addSecs(23 * 3600 + 59 * 60)
                                         << monday.addDays(1).addSecs(120) << 0.0 << 12.0;
        // 480 + 959 x 0.5 + 10 on Monday, 720 + 7200 on Tuesday, 5 x 14400.
        QTest::newRow("a whole week")
            << schedule << monday << monday.addDays(7) << 0.0 << 969.5 + 7920.0 + 72000.0;
        QTest::newRow("backwards") << schedule << monday.addSecs(60) << monday << 0.0 << 0.0;
        // Traffic is priced where it passed, taken as even: 5 of the 10 MB
        // under the traffic tariff, the other hour by the minute.
        QTest::newRow("traffic spread over the time")
            << "<Item Name=\"P\" DefCost=\"1\"><Monday>" + range("00:00", "12:00", "3") +
                   "</Monday></Item>"
            << monday.addSecs(11 * 3600) << monday.addSecs(13 * 3600) << 10.0 << 70.0;
    }
    void span()
    {
        QFETCH(QString, provider);
        QFETCH(QDateTime, from);
        QFETCH(QDateTime, to);
        QFETCH(double, megabytesIn);
        QFETCH(double, cost);
        const XmlDocument config = configWith(provider);
        const double priced =
            SpanCost(config, config.root().child("ISP").first_child(), from, to, megabytesIn, 0.0);
        QVERIFY2(std::fabs(priced - cost) < 1e-9, qPrintable(QString::number(priced, 'g', 17)));
    }

    void weekdayComesFromTheClock()
    {
        // The time of day is the argument; only the date is read from the clock.
        const XmlDocument config = configWith("<Item Name=\"P\" DefCost=\"4\"><Saturday>" +
                                              range("00:00", "23:59", "1") + "</Saturday></Item>");
        const pugi::xml_node provider = config.root().child("ISP").first_child();
        ManualClock clock(QDateTime(kSaturday, QTime(23, 59, 50)));
        QCOMPARE(PriceInterval(config, provider, kOneOfEach, 0.5, clock).tariffType,
                 QStringLiteral("1"));
        clock.set(QDateTime(kSaturday.addDays(1), QTime(0, 0, 10)));
        QCOMPARE(PriceInterval(config, provider, kOneOfEach, 0.5, clock).tariffType,
                 QStringLiteral("4"));
    }
};

QTEST_GUILESS_MAIN(TestTariffCost)
#include "test_tariff_cost.moc"
