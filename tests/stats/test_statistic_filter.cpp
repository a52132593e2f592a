#include "stats/StatisticModel.h"
#include "store/StatisticsLog.h"

#include "StatisticFixtures.h"

#include <QTemporaryDir>
#include <QTest>

// The filter row's language on every kind of column, under the locale the
// test runs in (registered for two).
class TestStatisticFilter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void filter_data();
    void filter();
    void minuteOfDateAndShortTime_data();
    void minuteOfDateAndShortTime();

private:
    QTemporaryDir m_dir;
    MonthStatistics *m_month = nullptr;
};

void TestStatisticFilter::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString file = m_dir.filePath(QStringLiteral("26_12.sn2"));
    writeMonth(file, {
                         {kDecember1 + 10 * kHour, kHour, 500, 100, 0.5, "Alpha", "ann"},
                         {kDecember1 + 1 + 20.5 * kHour, 30 * kHour, 2000, 300, 12.25, "Beta"},
                         {kDecember1 + 4 + 8 * kHour, 10.0 / 1440, 1500, 0, 1, "alphanet", "bob"},
                     });
    m_month = new MonthStatistics(file);
    QCOMPARE(m_month->open(), QString());
    QCOMPARE(m_month->table().rowCount(), 3);
}

void TestStatisticFilter::filter_data()
{
    using M = StatisticModel;
    QTest::addColumn<QList<int>>("columns");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("readable");

    const QLocale locale;
    const QString sep = TextForms::timeSeparator();
    const QString december2 = TextForms::dateTimeText(kDecember1 + 1);
    auto row = [](const char *name, int column, const QString &text, int rows,
                  bool readable = true) {
        QTest::newRow(name) << QList<int>{column} << QStringList{text} << rows << readable;
    };
    row("text part, any case", M::ISP, QStringLiteral("alpha"), 2);
    row("text equal", M::ISP, QStringLiteral("=ALPHA"), 1);
    row("text not equal", M::ISP, QStringLiteral("<>alpha"), 2);
    row("empty cells", M::UserName, QStringLiteral("="), 1);
    row("filled cells", M::UserName, QStringLiteral("<>"), 2);
    row("from a day on", M::Session, QStringLiteral(">=") + december2, 2);
    row("on a day", M::Session, QStringLiteral("=") + december2, 1);
    row("before a day", M::Session, QStringLiteral("<") + december2, 1);
    row("after a day", M::Session, QStringLiteral(">") + december2, 1);
    row("up to a moment", M::Session,
        QStringLiteral("<=") + TextForms::dateTimeText(kDecember1 + 1 + 20.5 * kHour), 2);
    row("day of the month shown", M::Session, QStringLiteral("02/"), 1);
    row("longer than an hour", M::Duration, QStringLiteral(">1") + sep + QStringLiteral("00"), 1);
    row("an hour or more", M::Duration, QStringLiteral(">=1") + sep + QStringLiteral("00"), 2);
    row("under a day", M::Duration, QStringLiteral("<1.00") + sep + "00" + sep + "00", 2);
    row("more bytes", M::TrafficIn, QStringLiteral(">1000"), 2);
    row("with group separator", M::TrafficIn, QStringLiteral(">") + locale.toString(1000), 2);
    row("with the unit", M::TrafficIn, QStringLiteral("<=1500 b"), 2);
    row("shown text", M::TrafficIn, TextForms::countText(2000), 1);
    row("decimal comparison", M::Cost, QStringLiteral("<") + TextForms::numberText(0.75), 1);
    row("decimal equal", M::Cost, QStringLiteral("=") + TextForms::numberText(12.25), 1);
    row("speed", M::Speed, QStringLiteral(">=49"), 3);
    row("unreadable number", M::TrafficIn, QStringLiteral(">abc"), 3, false);
    row("unreadable date", M::Session, QStringLiteral(">=32.13"), 3, false);
    row("unreadable duration", M::Duration, QStringLiteral("<1") + sep + "75", 3, false);
    row("operator without value", M::Cost, QStringLiteral(">"), 3, false);
    QTest::newRow("two columns") << QList<int>{M::ISP, M::Cost}
                                 << QStringList{QStringLiteral("alpha"), QStringLiteral(">=1")} << 1
                                 << true;
}

void TestStatisticFilter::filter()
{
    QFETCH(QList<int>, columns);
    QFETCH(QStringList, texts);
    QFETCH(int, rows);
    QFETCH(bool, readable);

    StatisticModel model(m_month->table());
    bool allReadable = true;
    for (int i = 0; i < columns.size(); ++i)
        allReadable = model.setFilterText(columns[i], texts[i]) && allReadable;
    model.applyFilter();
    QCOMPARE(allReadable, readable);
    QCOMPARE(model.rowCount(), rows);

    model.clearFilters();
    model.applyFilter();
    QCOMPARE(model.rowCount(), 3);
}

// A time without seconds stands for the whole minute also when the locale's
// date-plus-short-time form reads it.
void TestStatisticFilter::minuteOfDateAndShortTime_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QDateTime>("cell");
    QTest::addColumn<bool>("kept");
    const QDate march15(2041, 3, 15);
    const QDate december1(2026, 12, 1);
    const QString after822 = QStringLiteral("> 3/15/2041 8:22 AM");
    const QString at1030 = QStringLiteral("=01.12.2026 10:30");
    QTest::newRow("after: the minute's last second")
        << "en_US" << after822 << QDateTime(march15, QTime(8, 22, 59)) << false;
    QTest::newRow("after: the next minute")
        << "en_US" << after822 << QDateTime(march15, QTime(8, 23)) << true;
    QTest::newRow("equal: the minute's start")
        << "de_DE" << at1030 << QDateTime(december1, QTime(10, 30)) << true;
    QTest::newRow("equal: within the minute")
        << "de_DE" << at1030 << QDateTime(december1, QTime(10, 30, 30)) << true;
    QTest::newRow("equal: the next minute")
        << "de_DE" << at1030 << QDateTime(december1, QTime(10, 31)) << false;
    QTest::newRow("equal: with seconds, one second")
        << "de_DE"
        << "=01.12.2026 10:30:00" << QDateTime(december1, QTime(10, 30, 30)) << false;
}

void TestStatisticFilter::minuteOfDateAndShortTime()
{
    QFETCH(QString, localeName);
    QFETCH(QString, expression);
    QFETCH(QDateTime, cell);
    QFETCH(bool, kept);
    const FilterExpression filter = FilterExpression::parse(
        expression, FilterExpression::Operand::DateTime, QLocale(localeName));
    QVERIFY(filter.isReadable());
    QCOMPARE(filter.matches(TextForms::toDays(cell)), kept);
}

QTEST_GUILESS_MAIN(TestStatisticFilter)
#include "test_statistic_filter.moc"
