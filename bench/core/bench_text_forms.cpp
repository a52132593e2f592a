// The text forms the month table reads and writes per line: a date-time and
// a number each way. Run with LC_ALL set to the locale to measure.
#include "core/TextForms.h"

#include <QDateTime>
#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

const double kStart = TextForms::toDays(QDateTime(QDate(2026, 12, 9), QTime(17, 3, 4)));

void BM_DateTimeText(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(TextForms::dateTimeText(kStart));
}
BENCHMARK(BM_DateTimeText);

void BM_ParseDateTime(benchmark::State &state)
{
    const QString text = TextForms::dateTimeText(kStart);
    double days = 0.0;
    for (auto _ : state)
        benchmark::DoNotOptimize(TextForms::parseDateTime(text, &days));
}
BENCHMARK(BM_ParseDateTime);

// What QLocale itself takes to read the same text with the same pattern.
void BM_ParseDateTimeQLocale(benchmark::State &state)
{
    const QLocale locale = QLocale::system();
    const QString pattern = locale.dateFormat(QLocale::ShortFormat).replace("yy", "yyyy") + " " +
                            locale.timeFormat(QLocale::LongFormat).remove(" t");
    const QString text = TextForms::dateTimeText(kStart);
    for (auto _ : state)
        benchmark::DoNotOptimize(locale.toDateTime(text, pattern));
}
BENCHMARK(BM_ParseDateTimeQLocale);

void BM_NumberText(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(TextForms::numberText(1.2345678901234));
}
BENCHMARK(BM_NumberText);

void BM_ParseNumber(benchmark::State &state)
{
    const QString text = TextForms::numberText(1.2345678901234);
    double value = 0.0;
    for (auto _ : state)
        benchmark::DoNotOptimize(TextForms::parseNumber(text, &value));
}
BENCHMARK(BM_ParseNumber);

void BM_QLocaleToDouble(benchmark::State &state)
{
    const QLocale locale = QLocale::system();
    const QString text = TextForms::numberText(1.2345678901234);
    for (auto _ : state)
        benchmark::DoNotOptimize(locale.toDouble(text));
}
BENCHMARK(BM_QLocaleToDouble);

} // namespace

BENCHMARK_MAIN();
