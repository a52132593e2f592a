#include "monitor/SessionObservers.h"

#include <QStringList>

void SessionObservers::add(SessionObserver *observer)
{
    if (observer)
        m_observers.append(observer);
}

void SessionObservers::sessionRecorded(const SessionMonitor &monitor)
{
    for (SessionObserver *observer : std::as_const(m_observers))
        observer->sessionRecorded(monitor);
}

QString SessionObservers::connectedTick(const SessionMonitor &monitor)
{
    QStringList parts;
    qsizetype length = -2;
    for (SessionObserver *observer : std::as_const(m_observers)) {
        const QString lines = observer->connectedTick(monitor);
        if (!lines.isEmpty()) {
            parts.append(lines);
            length += lines.size() + 2;
        }
    }
    while (parts.size() > 1 && length > m_lineLength) {
        length -= parts.takeFirst().size() + 2;
    }
    return parts.join(QStringLiteral("\r\n"));
}
