// The statistics window over a month of 100,000 sessions: opening until
// shown, a sort, a filter with its chart redraw, the footer's sums.
#include "core/Prompter.h"
#include "stats/FilterHeader.h"
#include "stats/StatisticModel.h"
#include "stats/TStatistic.h"
#include "store/SessionTable.h"
#include "store/StatisticsLog.h"

#include <QApplication>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "../WidgetsBenchmarkMain.h"

#include "../BenchDoubles.h"

#include <memory>

namespace {

constexpr int kSessions = 100000;

// A month's table as the loader builds it, most recent first.
const SessionTable &sessions()
{
    static SessionTable *table = [] {
        auto *t = new SessionTable;
        for (const QString &definition : StatisticsFieldDefinitions) {
            SessionTable::ColumnType type;
            SessionTable::columnTypeFromCode(PairValue(definition, QLatin1Char('=')).toInt(),
                                             &type);
            t->addColumn(PairName(definition, QLatin1Char('=')), type);
        }
        t->addColumn(QStringLiteral("TrafficSum"), SessionTable::ColumnType::Integer);
        QRandomGenerator random(11);
        const QStringList names = {QStringLiteral("HomeNet"), QStringLiteral("CityDial"),
                                   QStringLiteral("Metro ISP"), QStringLiteral("Backup line")};
        QList<SessionTable::Row> rows;
        rows.reserve(kSessions);
        for (int i = 0; i < kSessions; ++i) {
            const double duration = (60 + random.bounded(7200)) / 86400.0;
            const qint64 in = random.bounded(50000000);
            const qint64 out = random.bounded(5000000);
            SessionTable::Row row = t->emptyRow();
            row[t->columnIndex(QStringLiteral("Duration"))] = duration;
            row[t->columnIndex(QStringLiteral("TrafficIn"))] = in;
            row[t->columnIndex(QStringLiteral("TrafficOut"))] = out;
            row[t->columnIndex(QStringLiteral("Cost"))] = duration * 1440 * 0.05;
            row[t->columnIndex(QStringLiteral("Time"))] =
                46357.0 + 31.0 * (kSessions - i) / kSessions;
            row[t->columnIndex(QStringLiteral("Speed"))] = 49.333;
            row[t->columnIndex(QStringLiteral("ConnectName"))] = names[i % names.size()];
            row[t->columnIndex(QStringLiteral("UserName"))] =
                i % 3 ? QStringLiteral("ann") : QString();
            row[t->columnIndex(QStringLiteral("TrafficSum"))] = in + out;
            rows.append(row);
        }
        t->setRows(rows);
        return t;
    }();
    return *table;
}

std::unique_ptr<TStatistic> shownWindow(SilentPrompter &prompter)
{
    auto window = std::make_unique<TStatistic>(sessions(), QString(), QString(), prompter);
    window->show();
    QApplication::processEvents();
    return window;
}

void BM_OpenUntilShown(benchmark::State &state)
{
    SilentPrompter prompter;
    sessions();
    for (auto _ : state) {
        auto window = shownWindow(prompter);
        window->repaint();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void BM_Sort(benchmark::State &state)
{
    SilentPrompter prompter;
    auto window = shownWindow(prompter);
    auto *header = window->findChild<FilterHeader *>();
    const int column = int(state.range(0));
    bool ascending = true;
    for (auto _ : state) {
        header->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
        window->repaint();
        ascending = !ascending;
    }
}

void BM_FilterWithChart(benchmark::State &state)
{
    SilentPrompter prompter;
    auto window = shownWindow(prompter);
    QLineEdit *traffic = window->findChild<FilterHeader *>()->editor(StatisticModel::TrafficIn);
    bool half = true;
    for (auto _ : state) {
        traffic->setText(half ? QStringLiteral(">25000000") : QStringLiteral("<40000000"));
        window->DBGridEhApplyFilter();
        window->repaint();
        half = !half;
    }
    state.counters["rows"] = window->model().rowCount();
}

void BM_FooterSums(benchmark::State &state)
{
    StatisticModel model(sessions());
    for (auto _ : state) {
        const StatisticModel::Totals totals = model.totals();
        for (int c = 0; c < StatisticModel::ColumnCount; ++c)
            benchmark::DoNotOptimize(StatisticModel::footerText(c, totals));
    }
}

} // namespace

BENCHMARK(BM_OpenUntilShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sort)
    ->Arg(StatisticModel::Cost)
    ->Arg(StatisticModel::ISP)
    ->Arg(StatisticModel::Session)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterWithChart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FooterSums)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // The window keeps its layout in the user's settings: keep those out of it.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    return runWidgetsBenchmarks(argc, argv);
}
