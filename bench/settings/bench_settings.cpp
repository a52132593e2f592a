// The settings dialog on a large configuration: 50 providers, 200 tariff
// types, 20 time ranges on every day of every provider. Opening until the
// dialog is shown, and the check that enables Apply.
#include "connection/ConnectionService.h"
#include "core/Prompter.h"
#include "core/TextForms.h"
#include "settings/TSettings.h"
#include "store/ConfigDocument.h"

#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include "../WidgetsBenchmarkMain.h"

#include "../BenchDoubles.h"

namespace {

XmlDocument largeConfiguration()
{
    XmlDocument config;
    NewConfig(config);
    const pugi::xml_node root = config.root();
    for (const char *key : {"Calculate", "UserMode", "WatchAll", "Password"})
        root.child("General").append_child(key).append_attribute("Value").set_value("1");
    root.child("General").child("Password").attribute("Value").set_value("");
    for (const char *key : {"VertAx", "HorAx", "Type"})
        root.child("Graph").append_child(key).append_attribute("Value").set_value("1");

    pugi::xml_node types = root.child("TariffTypes");
    for (int id = 1; id <= 200; ++id) {
        pugi::xml_node type = types.append_child("Item");
        setAttributeText(type, "ID", QString::number(id));
        setAttributeText(type, "Name", QStringLiteral("Tariff %1").arg(id));
        setAttributeText(type, "Minute", TextForms::numberText(id / 1000.0));
        setAttributeText(type, "Input", TextForms::numberText(id / 100.0));
    }
    pugi::xml_node providers = root.child("ISP");
    for (int p = 0; p < 50; ++p) {
        pugi::xml_node provider = providers.append_child("Item");
        setAttributeText(provider, "Name", QStringLiteral("Provider %1").arg(p));
        setAttributeText(provider, "PayConn", TextForms::numberText(0.25));
        setAttributeText(provider, "DefCost", QString::number(p % 200 + 1));
        for (const QString &dayName : DayNames) {
            pugi::xml_node day = provider.append_child(dayName.toLatin1().constData());
            for (int r = 0; r < 20; ++r) {
                pugi::xml_node range = day.append_child("Item");
                setAttributeText(range, "Time1", TextForms::timeOfDayText(r / 24.0));
                setAttributeText(range, "Time2", TextForms::timeOfDayText((r + 1) / 24.0));
                setAttributeText(range, "TariffType", QString::number((p + r) % 200 + 1));
            }
        }
    }
    for (int u = 0; u < 10; ++u)
        setAttributeText(root.child("Users").append_child("Item"), "Name",
                         QStringLiteral("User %1").arg(u));
    return config;
}

void BM_OpenUntilShown(benchmark::State &state)
{
    XmlDocument live = largeConfiguration();
    SilentPrompter prompter;
    prompter.answer = Prompter::No;
    NoService service;
    const SettingsContext context(live, QString(), service, prompter);
    for (auto _ : state) {
        auto *dialog = new TSettings(context, nullptr);
        dialog->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        delete dialog;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_ApplyStateCheck(benchmark::State &state)
{
    XmlDocument live = largeConfiguration();
    SilentPrompter prompter;
    prompter.answer = Prompter::No;
    NoService service;
    TSettings dialog(SettingsContext(live, QString(), service, prompter), nullptr);
    // Equal documents: the check walks both trees to the end.
    dialog.ApplySettings();
    for (auto _ : state)
        dialog.ctnApplyUpdate();
    if (dialog.findChild<QPushButton *>(QStringLiteral("btnApply"))->isEnabled())
        state.SkipWithError("the documents differ");
}

} // namespace

BENCHMARK(BM_OpenUntilShown)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_ApplyStateCheck)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runWidgetsBenchmarks(argc, argv);
}
