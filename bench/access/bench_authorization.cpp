#include "access/TfrmAuthorization.h"
#include "app/WidgetPrompter.h"
#include "connection/ConnectionService.h"
#include "core/Clock.h"
#include "monitor/MonitorView.h"
#include "monitor/SessionMonitor.h"
#include "store/MonthStatistics.h"
#include "store/XmlDocument.h"

#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "../WidgetsBenchmarkMain.h"

#include <algorithm>
#include <memory>

namespace {

// One line that the benchmark brings up and takes down at will.
class SwitchedLineService final : public ConnectionService
{
public:
    bool up = false;

    QString backendName() const override { return QStringLiteral("bench"); }
    int enumConnections(ConnectionRecord *records, int capacity, int *count) override
    {
        *count = up ? 1 : 0;
        if (up && capacity > 0)
            records[0] = ConnectionRecord{7, QStringLiteral("Provider")};
        return Success;
    }
    int connectionStatistics(ConnectionHandle handle, SessionCounters *out) override
    {
        if (!up || handle != 7)
            return InvalidHandle;
        m_counters.dwBytesRcved += 2900;
        m_counters.dwBytesXmited += 310;
        m_counters.dwConnectDuration += 500;
        *out = m_counters;
        return Success;
    }
    int enumEntries(QString *, int, int *count) override
    {
        *count = 0;
        return Success;
    }
    int hangUp(ConnectionHandle) override
    {
        up = false;
        return Success;
    }
    int connectStatus(ConnectionHandle handle) override
    {
        return up && handle == 7 ? Success : InvalidHandle;
    }
    std::unique_ptr<DialAttempt> dial(const QString &) override { return nullptr; }
    PhonebookEditing phonebookEditing() const override { return {}; }

private:
    SessionCounters m_counters{0, 0, 0, 0, 40, 12, 115200, 0};
};

const char *kConfig = R"(<MainContent>
<General><Calculate Value="1"/><UserMode Value="1"/><LastUser Value="1"/></General>
<TariffTypes><Item ID="1" Name="Day" Minute="0.6"/></TariffTypes>
<ISP><Item Name="Provider" DefCost="1" PayConn="0.5"/></ISP>
<Users><Item Name="ann" Password="a"/><Item Name="bob" Password="b"/><Item Name="cid" Password="c"/></Users>
<Graph/></MainContent>)";

// The monitor in user mode, its hook opening the real dialog.
struct UserModeRig
{
    UserModeRig()
    {
        config.parse(QByteArray(kConfig));
        log.open();
        monitor.setAuthorizationHook([this](XmlDocument &doc) {
            dialogs.append(ShowAuthorization(AuthorizationContext{
                service, doc, dir.filePath(QStringLiteral("dialometer.cfg")),
                [this](const QString &name) { monitor.setCurrentUserName(name); }, &prompter,
                nullptr, nullptr}));
        });
    }
    ~UserModeRig() { qDeleteAll(dialogs); }

    QTemporaryDir dir;
    SwitchedLineService service;
    WidgetPrompter prompter;
    XmlDocument config;
    ManualClock clock{QDateTime(QDate(2009, 3, 2), QTime(10, 0))};
    MonthStatistics log{dir.filePath(QStringLiteral("09_03.sn2")), clock};
    NullMonitorView view;
    SessionMonitor monitor{service, config, log, clock, view};
    QList<QPointer<TfrmAuthorization>> dialogs;
};

// From the tick that sees the line come up until its dialog is on screen and
// painted (the events that follow the show are run).
void BM_TickShowsDialog(benchmark::State &state)
{
    UserModeRig rig;
    for (auto _ : state) {
        rig.service.up = true;
        rig.monitor.Timer1Timer();
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (rig.dialogs.isEmpty() || !rig.dialogs.last() || !rig.dialogs.last()->isVisible()) {
            state.SkipWithError("no dialog shown");
            break;
        }
        qDeleteAll(rig.dialogs); // freed without hanging up or saving
        rig.dialogs.clear();
        rig.service.up = false;
        rig.monitor.Timer1Timer();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TickShowsDialog)->Unit(benchmark::kMillisecond)->UseRealTime();

// A connected tick, with the events of the window system run after it, while
// range(0) log-in dialogs are open.
void BM_ConnectedTickWithDialogsOpen(benchmark::State &state)
{
    UserModeRig rig;
    // Each connection that comes up opens one more dialog.
    for (int i = 0; i < std::max<qint64>(state.range(0), 1); ++i) {
        rig.service.up = false;
        rig.monitor.Timer1Timer();
        rig.service.up = true;
        rig.monitor.Timer1Timer();
    }
    if (state.range(0) == 0) {
        qDeleteAll(rig.dialogs);
        rig.dialogs.clear();
    }
    QCoreApplication::processEvents();
    for (auto _ : state) {
        rig.monitor.Timer1Timer();
        rig.clock.advanceMs(500);
        QCoreApplication::processEvents();
    }
    state.counters["dialogs"] = double(rig.dialogs.size());
}
BENCHMARK(BM_ConnectedTickWithDialogsOpen)->Arg(0)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runWidgetsBenchmarks(argc, argv);
}
