#include "backends/sim/SimulatedDialAttempt.h"

#include "backends/sim/SimulatedModemService.h"

SimulatedDialAttempt::SimulatedDialAttempt(SimulatedModemService *service, const QString &entry)
    : m_service(service), m_entry(entry)
{
}

void SimulatedDialAttempt::cancel()
{
    if (isFinished())
        return;
    if (m_service)
        m_service->cancelDial(this);
    finish(State::Cancelled);
}
