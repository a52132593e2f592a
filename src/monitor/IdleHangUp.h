#pragma once

#include "cost/ProviderIdle.h"
#include "monitor/SessionObserver.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>

class MonitorView;
class XmlDocument;

// Hangs up a line that carries next to nothing: when the watched connection
// of a provider with IdleMinutes has moved less than IdleBelow bytes a
// second (received plus sent) on average over its last IdleMinutes minutes
// of ticks, every watched connection is hung up and the tray balloon says
// why. A tick costs one look in a ring of the last ticks' byte totals.
class IdleHangUp final : public SessionObserver
{
    Q_DECLARE_TR_FUNCTIONS(IdleHangUp)

public:
    // Hangs up the watched connections.
    using HangUp = std::function<void()>;

    IdleHangUp(MonitorView &view, HangUp hangUp);

    // The providers' settings, at start and after the settings dialog.
    void readSettings(const XmlDocument &config);

    void sessionRecorded(const SessionMonitor &monitor) override;
    QString connectedTick(const SessionMonitor &monitor) override;

private:
    void forget();

    MonitorView &m_view;
    HangUp m_hangUp;
    QHash<QString, ProviderIdle> m_settings; // of the providers where it is on

    // The connection the ring is about (its entry and start) and the byte
    // totals of its last ticks, the oldest at m_next once the ring is full.
    QString m_entry;
    double m_start = -1;
    QList<qint64> m_totals;
    qsizetype m_next = 0;
    bool m_full = false;
};
