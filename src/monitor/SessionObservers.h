#pragma once

#include "monitor/SessionObserver.h"

#include <QList>

// Several observers of one monitor, told in the order they were added. The
// tooltip lines of all of them fit within lineLength: when they do not, the
// lines of the first ones give way, so the last ones stay whole.
class SessionObservers final : public SessionObserver
{
public:
    explicit SessionObservers(qsizetype lineLength) : m_lineLength(lineLength) {}

    // Null observers are left out; each must outlive this one.
    void add(SessionObserver *observer);

    void sessionRecorded(const SessionMonitor &monitor) override;
    QString connectedTick(const SessionMonitor &monitor) override;

private:
    QList<SessionObserver *> m_observers;
    qsizetype m_lineLength;
};
