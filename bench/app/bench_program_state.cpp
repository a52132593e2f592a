// The program's start-up (ProgramState::start) over a data folder of 12
// month files of 10,000 sessions each, without plans and with three
// providers' plans, whose periods need one and two month files.
#include "app/ProgramState.h"
#include "connection/ConnectionService.h"
#include "core/Clock.h"
#include "core/Prompter.h"
#include "monitor/MonitorView.h"
#include "store/ConfigDocument.h"

#include "MonthFilesFolder.h"

#include <QFile>

#include <memory>

#include "../QtBenchmarkMain.h"

namespace {

// Nobody dials or answers during a start.
class IdleService final : public ConnectionService
{
public:
    QString backendName() const override { return QStringLiteral("bench"); }
    int enumConnections(ConnectionRecord *, int, int *count) override
    {
        *count = 0;
        return Success;
    }
    int connectionStatistics(ConnectionHandle, SessionCounters *) override { return InvalidHandle; }
    int enumEntries(QString *, int, int *count) override
    {
        *count = 0;
        return Success;
    }
    int hangUp(ConnectionHandle) override { return Success; }
    int connectStatus(ConnectionHandle) override { return InvalidHandle; }
    std::unique_ptr<DialAttempt> dial(const QString &) override { return nullptr; }
    PhonebookEditing phonebookEditing() const override { return {}; }
};

class SilentPrompter final : public Prompter
{
public:
    void message(const QString &, const QString &, Icon) override {}
    Button question(const QString &, const QString &, Buttons, Icon) override { return No; }
    std::optional<QString> textInput(const QString &, const QString &, bool) override
    {
        return std::nullopt;
    }
};

MonthFilesFolder &folder()
{
    static MonthFilesFolder f;
    return f;
}

void writeConfig(bool withPlans)
{
    XmlDocument document;
    NewConfig(document);
    pugi::xml_node isp = document.root().child("ISP");
    const char *starts[] = {"1", "15", "31"};
    for (int p = 0; p < 3; ++p) {
        pugi::xml_node item = isp.append_child("Item");
        setAttributeText(item, "Name", QStringLiteral("Provider %1").arg(p));
        if (withPlans) {
            setAttributeText(item, "PeriodStart", QLatin1String(starts[p]));
            setAttributeText(item, "TrafficCap", TextForms::numberText(5120.5));
            setAttributeText(item, "CostCap", TextForms::numberText(30));
        }
    }
    SaveDocument(configPath(folder().dir.path()), document);
    // What the alerts of a previous run left is not part of the start.
    QFile::remove(folder().dir.filePath(QStringLiteral("plan-alerts.xml")));
}

void startRun(benchmark::State &state, bool withPlans)
{
    writeConfig(withPlans);
    IdleService service;
    SilentPrompter prompter;
    ManualClock clock(QDateTime(QDate(2026, 12, 20), QTime(12, 0)));
    NullMonitorView view;
    for (auto _ : state) {
        auto program =
            std::make_unique<ProgramState>(service, prompter, clock, folder().dir.path());
        program->start(view);
        state.PauseTiming();
        program.reset(); // writes the month's file once more
        state.ResumeTiming();
    }
}

void BM_StartWithoutPlans(benchmark::State &state)
{
    startRun(state, false);
}
BENCHMARK(BM_StartWithoutPlans)->Unit(benchmark::kMillisecond);

void BM_StartWithPlans(benchmark::State &state)
{
    startRun(state, true);
}
BENCHMARK(BM_StartWithPlans)->Unit(benchmark::kMillisecond);

} // namespace

DIALOMETER_QT_BENCHMARK_MAIN()
