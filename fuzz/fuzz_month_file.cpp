// A month file from disk into the month's session table and its totals, the
// way the running program opens it.
#include "FuzzSupport.h"

#include "core/Clock.h"
#include "plans/PlanUsage.h"
#include "store/DataFileEnvelope.h"
#include "store/MonthStatistics.h"
#include "store/StatisticsLog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static const ManualClock clock(QDateTime(QDate(2026, 12, 9), QTime(17, 3, 4)));
    const QString fileName = dir.filePath(QStringLiteral("26_12.sn2"));
    {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            FuzzSupport::fail("cannot write the month file");
        // The input is the file's text; on disk it lies under the envelope.
        QByteArray bytes = FuzzSupport::bytesOf(data, size);
        ScrambleStream(bytes);
        file.write(bytes);
    }

    MonthStatistics month(fileName, clock);
    month.open();
    SessionTable &table = month.table();
    const int trafficIn = table.columnIndex(QStringLiteral("TrafficIn"));
    const int trafficOut = table.columnIndex(QStringLiteral("TrafficOut"));
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columns().size(); ++column)
            table.value(row, column).toString();
        if (trafficIn >= 0 && trafficOut >= 0)
            TrafficSumOf(table.value(row, trafficIn), table.value(row, trafficOut));
    }
    month.addToMonthTotals(1.0 / 24.0, 0.5);

    // The plans count the same file on their own, read-only.
    QList<PlanUsage> usages;
    for (const char *name : {"Home", "Work"}) {
        ProviderPlan plan;
        plan.name = QString::fromLatin1(name);
        usages.append(PlanUsage(plan, clock.now()));
    }
    CountMonthFiles(dir.path(), usages);
    for (const PlanUsage &usage : std::as_const(usages))
        FUZZ_CHECK(usage.trafficMB() >= 0);

    // Whatever was there, the document now has the structure a save needs.
    FUZZ_CHECK(!month.document().isEmpty());
    LoadStatisticsTable(month.document(), table);

    // A damaged file was kept aside: clear the folder for the next input.
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(name));
    return 0;
}
