// A simulated-modem scenario: read, then run for a long time with every
// entry dialled and hung up, the counters polled along the way.
#include "FuzzSupport.h"

#include "backends/sim/SimulatedModemService.h"
#include "connection/DialupOperations.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString error;
    auto scenario =
        SimulationScenario::fromJson(FuzzSupport::bytesOf(data, size), "fuzz.json", &error);
    if (!scenario)
        return 0;
    const QStringList phonebook = scenario->phonebook;
    auto owned = std::make_unique<ManualElapsedTime>();
    ManualElapsedTime *time = owned.get();
    SimulatedModemService service(*scenario, std::move(owned));

    std::vector<std::unique_ptr<DialAttempt>> attempts;
    for (const QString &entry : phonebook.mid(0, 4))
        attempts.push_back(service.dial(entry));

    // Half-second ticks at first, then ever longer steps up to 30 years.
    qint64 ms = 0;
    for (int step = 0; step < 40; ++step) {
        ms += step < 8 ? 500 : qint64(1) << (step - 8 + 10);
        time->setMs(std::min(ms, qint64(1.0e12)));
        service.update();
        ConnectionRecord record;
        SessionCounters counters;
        PollConnection(service, record, counters);
        FUZZ_CHECK(counters.dwBytesRcved >= 0 && counters.dwBytesXmited >= 0);
        FUZZ_CHECK(counters.dwFramesRcved >= 0 && counters.dwFramesXmited >= 0);
        if (step == 20) {
            ConnectionRecord records[8];
            int count = 0;
            service.enumConnections(records, 8, &count);
            for (int i = 0; i < std::min(count, 8); ++i)
                service.hangUp(records[i].hrasconn);
        }
    }
    return 0;
}
