#pragma once

#include "connection/DialAttempt.h"

#include <QPointer>

class SimulatedModemService;

// Dialing one entry of the simulated modem. The service finishes it when the
// scenario's delay has passed.
class SimulatedDialAttempt : public DialAttempt
{
    Q_OBJECT
public:
    SimulatedDialAttempt(SimulatedModemService *service, const QString &entry);

    void cancel() override;

private:
    friend class SimulatedModemService;
    void start(const QString &text) { reportProgress(text); }
    void end(State state, const QString &reason) { finish(state, reason); }

    QPointer<SimulatedModemService> m_service;
    QString m_entry;
};
