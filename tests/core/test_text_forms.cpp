// Text forms under the locale the test runs with (en_US or de_DE, pinned by
// the environment); expected texts use "#" for the decimal separator.
#include "core/TextForms.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace TextForms;

namespace {

// The forms follow LC_ALL, not the language of texts (LANGUAGE may say "en").
bool german()
{
    return QLocale(regionalFormsName()).language() == QLocale::German;
}

QString localised(QString pattern)
{
    return pattern.replace(QLatin1Char('#'), QLocale::system().decimalPoint());
}

double days(int y, int m, int d, int h = 0, int min = 0, int s = 0, int ms = 0)
{
    return toDays(QDateTime(QDate(y, m, d), QTime(h, min, s, ms)));
}

} // namespace

class TestTextForms : public QObject
{
    Q_OBJECT

private slots:
    void systemLocaleIsPinned()
    {
        const QString name = regionalFormsName();
        QVERIFY2(name == QLatin1String("en_US") || name == QLatin1String("de_DE"),
                 qPrintable(name));
    }

    void numberText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("one") << 1.0 << "1";
        QTest::newRow("negative") << -2.5 << "-2#5";
        QTest::newRow("binary noise") << 0.1 + 0.2 << "0#3";
        QTest::newRow("one third") << 1.0 / 3.0 << "0#333333333333333";
        QTest::newRow("two thirds rounded") << 2.0 / 3.0 << "0#666666666666667";
        QTest::newRow("no groups") << 1234567.5 << "1234567#5";
        QTest::newRow("small exponent") << 9.5367431640625E-7 << "9#5367431640625E-7";
        QTest::newRow("negative small") << -1.5e-7 << "-1#5E-7";
        QTest::newRow("limit stays plain") << 0.00001 << "0#00001";
        QTest::newRow("below limit") << 0.0000099 << "9#9E-6";
        QTest::newRow("large exponent") << 1e20 << "1E20";
        QTest::newRow("fifteen digits plain") << 123456789012345.0 << "123456789012345";
        QTest::newRow("sixteen digits") << 1234567890123456.0 << "1#23456789012346E15";
        QTest::newRow("rounds up to sixteen") << 999999999999999.9 << "1E15";
        QTest::newRow("kbps") << 115.2 << "115#2";
    }
    void numberText()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(TextForms::numberText(value), localised(expected));
    }

    void parseNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("integer") << "42" << true << 42.0;
        QTest::newRow("decimal") << "2#5" << true << 2.5;
        QTest::newRow("blanks around") << "  -0#25 " << true << -0.25;
        QTest::newRow("exponent") << "9#5367431640625E-7" << true << 9.5367431640625E-7;
        QTest::newRow("lower-case exponent") << "1e3" << true << 1000.0;
        QTest::newRow("leading separator") << "#5" << true << 0.5;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("trailing junk") << "12abc" << false << 0.0;
        QTest::newRow("exponent without digits") << "1E" << false << 0.0;
        QTest::newRow("only exponent") << "E5" << false << 0.0;
        QTest::newRow("two signs") << "--1" << false << 0.0;
        QTest::newRow("inner blank") << "1 000" << false << 0.0;
        QTest::newRow("overflow") << "1E400" << false << 0.0;
        QTest::newRow("not a number") << "NAN" << false << 0.0;
        QTest::newRow("infinity") << "INF" << false << 0.0;
    }
    void parseNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        double result = -12345.0;
        QCOMPARE(TextForms::parseNumber(localised(text), &result), ok);
        if (ok)
            QCOMPARE(result, value);
        else
            QCOMPARE(result, -12345.0); // untouched
    }

    void parseNumberRefusesTheOtherSeparator()
    {
        double result = 0.0;
        QVERIFY(!TextForms::parseNumber(german() ? "1.5" : "1,5", &result));
    }

    void numberTextRoundTrip_data()
    {
        QTest::addColumn<double>("value");
        for (double v : {0.6, 1.0 / 60.0, 9.5367431640625E-7, 1e20, -123.456, 0.00833333333333333,
                         46365.7035185185, 1e-300, DBL_MAX, -DBL_MAX, DBL_MIN,
                         std::numeric_limits<double>::denorm_min()})
            QTest::newRow(qPrintable(QString::number(v, 'g', 17))) << v;
    }
    void numberTextRoundTrip()
    {
        QFETCH(double, value);
        double back = 0.0;
        QVERIFY(TextForms::parseNumber(TextForms::numberText(value), &back));
        // Fifteen significant digits survive.
        QVERIFY2(std::fabs(back - value) <= std::fabs(value) * 1e-14,
                 qPrintable(TextForms::numberText(value)));
    }

    void dateTimeText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        QTest::newRow("afternoon") << days(2026, 12, 9, 17, 3, 4) << "12/9/2026 5:03:04 PM"
                                   << "09.12.2026 17:03:04";
        QTest::newRow("morning") << days(2026, 1, 2, 5, 0, 0) << "1/2/2026 5:00:00 AM"
                                 << "02.01.2026 05:00:00";
        QTest::newRow("midnight has no time") << days(2026, 12, 9) << "12/9/2026"
                                              << "09.12.2026";
        QTest::newRow("one millisecond after midnight")
            << days(2026, 12, 9, 0, 0, 0, 1) << "12/9/2026 12:00:00 AM"
            << "09.12.2026 00:00:00";
        QTest::newRow("duration of two hours") << 2.0 / 24.0 << "12/30/1899 2:00:00 AM"
                                               << "30.12.1899 02:00:00";
        QTest::newRow("duration of whole days") << 3.0 << "1/2/1900"
                                                << "02.01.1900";
        QTest::newRow("day zero") << 0.0 << "12/30/1899"
                                  << "30.12.1899";
        QTest::newRow("before day zero") << -1.25 << "12/29/1899 6:00:00 AM"
                                         << "29.12.1899 06:00:00";
    }
    void dateTimeText()
    {
        QFETCH(double, value);
        QFETCH(QString, english);
        QFETCH(QString, german);
        QCOMPARE(TextForms::dateTimeText(value), ::german() ? german : english);
    }

    void parseDateTime_data()
    {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("expected");
        QTest::newRow("date and time")
            << "12/9/2026 5:03:04 PM"
            << "09.12.2026 17:03:04" << true << days(2026, 12, 9, 17, 3, 4);
        QTest::newRow("date alone") << "12/9/2026"
                                    << "09.12.2026" << true << days(2026, 12, 9);
        QTest::newRow("short time") << "12/9/2026 5:03 PM"
                                    << "09.12.2026 17:03" << true << days(2026, 12, 9, 17, 3);
        QTest::newRow("noon") << "12/9/2026 12:00:00 PM"
                              << "09.12.2026 12:00:00" << true << days(2026, 12, 9, 12);
        QTest::newRow("two-digit year 26") << "12/9/26"
                                           << "09.12.26" << true << days(2026, 12, 9);
        QTest::newRow("two-digit year 49") << "1/1/49"
                                           << "01.01.49" << true << days(2049, 1, 1);
        QTest::newRow("two-digit year 50") << "1/1/50"
                                           << "01.01.50" << true << days(1950, 1, 1);
        QTest::newRow("duration") << "12/30/1899 1:02:03 AM"
                                  << "30.12.1899 01:02:03" << true << (3723.0 / 86400.0);
        QTest::newRow("blanks around") << "  12/9/2026  "
                                       << " 09.12.2026 " << true << days(2026, 12, 9);
        QTest::newRow("no such day") << "2/30/2026"
                                     << "30.02.2026" << false << 0.0;
        QTest::newRow("no such month") << "13/1/2026"
                                       << "01.13.2026" << false << 0.0;
        QTest::newRow("no such hour") << "12/9/2026 13:00:00 PM"
                                      << "09.12.2026 25:00:00" << false << 0.0;
        QTest::newRow("garbage") << "yesterday"
                                 << "gestern" << false << 0.0;
        QTest::newRow("empty") << ""
                               << "" << false << 0.0;
        QTest::newRow("trailing junk") << "12/9/2026 x"
                                       << "09.12.2026 x" << false << 0.0;
    }
    void parseDateTime()
    {
        QFETCH(QString, english);
        QFETCH(QString, german);
        QFETCH(bool, ok);
        QFETCH(double, expected);
        double result = -1.0;
        QCOMPARE(TextForms::parseDateTime(::german() ? german : english, &result), ok);
        if (ok)
            QCOMPARE(result, expected);
    }

    void dateTimeRoundTrip_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("now-ish") << days(2026, 12, 9, 5, 0, 0);
        QTest::newRow("last second of a year") << days(2025, 12, 31, 23, 59, 59);
        QTest::newRow("leap day") << days(2028, 2, 29, 12, 34, 56);
        QTest::newRow("far future") << days(2099, 7, 1, 1, 2, 3);
        QTest::newRow("old") << days(1901, 3, 4, 22, 0, 0);
        QTest::newRow("short duration") << 59.0 / 86400.0;
        QTest::newRow("before day zero") << -1.25;
    }
    void dateTimeRoundTrip()
    {
        QFETCH(double, value);
        const QString text = TextForms::dateTimeText(value);
        double back = 0.0;
        QVERIFY2(TextForms::parseDateTime(text, &back), qPrintable(text));
        QCOMPARE(back, value);
        QCOMPARE(TextForms::dateTimeText(back), text);
    }

    // Other locales' patterns: month names (C), "." between hours and
    // minutes (fi), the time zone before the time (zh) or in brackets (fa),
    // native digits (ar), AM/PM first (ko), digits outside the basic plane.
    void dateTimeRoundTripInOtherLocales_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *name :
             {"C", "fi_FI", "zh_CN", "fa_IR", "ar_EG", "ko_KR", "ja_JP", "ccp_BD"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void dateTimeRoundTripInOtherLocales()
    {
        QFETCH(QString, locale);
        const QLocale l(locale);
        for (double value :
             {days(2026, 12, 9, 17, 3, 4), days(2026, 6, 1), days(2026, 1, 2, 0, 0, 1)}) {
            const QString text = TextForms::dateTimeText(value, l);
            QVERIFY2(!text.contains(QLatin1String("UTC")), qPrintable(text));
            double back = 0.0;
            QVERIFY2(TextForms::parseDateTime(text, &back, l), qPrintable(text));
            QCOMPARE(back, value);
        }
        double fraction = 0.0;
        QVERIFY(TextForms::parseTimeOfDay(TextForms::timeOfDayText(0.75, l), &fraction, l));
        QCOMPARE(fraction, 0.75);
    }

    void millisecondsAreDroppedFromTheText()
    {
        const double value = days(2026, 12, 9, 5, 0, 0, 750);
        double back = 0.0;
        QVERIFY(TextForms::parseDateTime(TextForms::dateTimeText(value), &back));
        QCOMPARE(back, days(2026, 12, 9, 5, 0, 0));
    }

    void durationText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0.0 << "00:00:00";
        QTest::newRow("two hours") << 2.0 / 24.0 << "02:00:00";
        QTest::newRow("seconds truncated") << 59.9 / 86400.0 << "00:00:59";
        QTest::newRow("day and a bit") << 1.0 + (2 * 3600 + 3 * 60 + 4) / 86400.0 << "1.02:03:04";
        QTest::newRow("exactly one day") << 1.0 << "1.00:00:00";
        QTest::newRow("just under a day") << 86399.0 / 86400.0 << "23:59:59";
        QTest::newRow("many days") << 31.5 << "31.12:00:00";
        QTest::newRow("beyond the milliseconds' range") << 1.0e12 << "";
        QTest::newRow("beyond the range, negative") << -1.0e12 << "";
    }
    void durationText()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(TextForms::durationText(value), expected);
    }

    void countsAndMoney_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        QTest::newRow("money") << moneyText(1234.5) << "1,234.50 "
                               << "1.234,50 ";
        QTest::newRow("money zero") << moneyText(0.0) << "0.00 "
                                    << "0,00 ";
        QTest::newRow("money no negative zero") << moneyText(-0.001) << "0.00 "
                                                << "0,00 ";
        QTest::newRow("money negative") << moneyText(-1234567.891) << "-1,234,567.89 "
                                        << "-1.234.567,89 ";
        QTest::newRow("count") << countText(1234567) << "1,234,567"
                               << "1.234.567";
        QTest::newRow("count zero") << countText(0) << "0"
                                    << "0";
        QTest::newRow("count beyond 32 bits") << countText(5000000000LL) << "5,000,000,000"
                                              << "5.000.000.000";
        QTest::newRow("hint count") << hintCountText(1234) << "1,234"
                                    << "1.234";
        QTest::newRow("hint count zero is empty") << hintCountText(0) << ""
                                                  << "";
        QTest::newRow("speed") << speedText(115200) << "115.2"
                               << "115,2";
        QTest::newRow("speed zero") << speedText(0) << "0"
                                    << "0";
    }
    void countsAndMoney()
    {
        QFETCH(QString, actual);
        QFETCH(QString, english);
        QFETCH(QString, german);
        QCOMPARE(actual, ::german() ? german : english);
    }

    void parseTimeOfDay_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("ms");
        QTest::newRow("hours and minutes") << "08:00" << true << 8 * 3600000;
        QTest::newRow("midnight") << "00:00" << true << 0;
        QTest::newRow("last minute") << "23:59" << true << (23 * 60 + 59) * 60000;
        QTest::newRow("one digit") << "8:05" << true << (8 * 60 + 5) * 60000;
        QTest::newRow("with seconds") << "12:30:15" << true << ((12 * 60 + 30) * 60 + 15) * 1000;
        QTest::newRow("with PM") << "1:00 PM" << true << 13 * 3600000;
        QTest::newRow("twelve AM") << "12:00 AM" << true << 0;
        QTest::newRow("24:00 is not a time") << "24:00" << false << 0;
        QTest::newRow("minute 60") << "10:60" << false << 0;
        QTest::newRow("other separator") << "08-00" << false << 0;
        QTest::newRow("no minutes") << "08" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("junk") << "08:00x" << false << 0;
        QTest::newRow("PM past twelve") << "13:00 PM" << false << 0;
    }
    void parseTimeOfDay()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, ms);
        double fraction = -1.0;
        QCOMPARE(TextForms::parseTimeOfDay(text, &fraction), ok);
        if (ok)
            QCOMPARE(fraction, ms / 86400000.0);
        else
            QCOMPARE(fraction, -1.0);
    }

    void timeOfDayTextRoundTrip()
    {
        QCOMPARE(TextForms::timeSeparator(), QStringLiteral(":"));
        for (int minute = 0; minute < 24 * 60; minute += 7) {
            const double fraction = minute * 60000 / 86400000.0;
            const QString text = TextForms::timeOfDayText(fraction);
            QCOMPARE(text.size(), 5);
            double back = -1.0;
            QVERIFY(TextForms::parseTimeOfDay(text, &back));
            QCOMPARE(back, fraction);
        }
    }

    // Days come from the local calendar date and clock time: a day on which
    // the clocks change is still one whole day, and a time of day reads the
    // same before and after the change (run also under a zone with DST).
    void daysFollowLocalClock_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::newRow("winter") << QDate(2026, 1, 15) << QTime(8, 0);
        QTest::newRow("after spring change") << QDate(2026, 3, 29) << QTime(3, 30);
        QTest::newRow("before autumn change") << QDate(2026, 10, 25) << QTime(1, 59, 59);
        QTest::newRow("after autumn change") << QDate(2026, 10, 25) << QTime(23, 0);
        QTest::newRow("summer") << QDate(2026, 7, 1) << QTime(12, 0, 0, 500);
    }
    void daysFollowLocalClock()
    {
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        const QDateTime local(date, time);
        const double value = toDays(local);
        const double sinceMidnight = value - toDays(QDateTime(date, QTime(0, 0)));
        QVERIFY(std::fabs(sinceMidnight - time.msecsSinceStartOfDay() / 86400000.0) < 1e-9);
        QCOMPARE(timeOfDay(local), time.msecsSinceStartOfDay() / 86400000.0);
        const QDateTime back = fromDays(value);
        QCOMPARE(back.date(), date);
        QCOMPARE(back.time(), time);
        QCOMPARE(toDays(QDateTime(date.addDays(1), QTime(0, 0))) -
                     toDays(QDateTime(date, QTime(0, 0))),
                 1.0);
        // A UTC moment counts by its local clock reading.
        QCOMPARE(toDays(local.toUTC()), value);
    }
};

QTEST_GUILESS_MAIN(TestTextForms)
#include "test_text_forms.moc"
