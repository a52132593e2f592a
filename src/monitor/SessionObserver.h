#pragma once

#include <QString>

class SessionMonitor;

// Follows the sessions the monitor watches without the monitor knowing what
// for (the plans' use). Both calls come from within a tick.
class SessionObserver
{
public:
    virtual ~SessionObserver() = default;
    // The monitor has appended a finished connection to the month's log; its
    // figures (EntryName, StartTime, counters, SessionCost) are still those
    // of that connection.
    virtual void sessionRecorded(const SessionMonitor &monitor) = 0;
    // A tick with the connection up, its figures current. Returns lines for
    // the tray icon's tooltip ("\r\n" between them), empty for none.
    virtual QString connectedTick(const SessionMonitor &monitor) = 0;
};
