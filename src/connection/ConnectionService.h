#pragma once

#include "connection/ConnectionRecord.h"
#include "connection/DialAttempt.h"
#include "connection/WatchPolicy.h"
#include "core/SessionCounters.h"

#include <QObject>
#include <QStringList>
#include <QThread>

#include <memory>

// The seam between the program and the system's connections. Every platform
// back end (NetworkManager, pppd, the simulated modem) implements these calls;
// the program's operations (connection/DialupOperations.h) are built on them.
// All calls run on the user-interface thread and return at once; results are
// 0 for success, as the operations above them expect.
class ConnectionService : public QObject
{
    Q_OBJECT
public:
    enum Result : int {
        Success = 0,
        InvalidHandle = 6,    // no such connection (any longer)
        BufferTooSmall = 603, // more records than the caller made room for
        NotAvailable = 711,   // the service itself is not reachable
    };

    // What "edit the phonebook" means on this back end.
    struct PhonebookEditing
    {
        QString program;           // an external editor to start, when installed
        QStringList arguments;     // its arguments
        QString explanation;       // what to tell the user when there is no editor to run
        bool editableHere = false; // setPhonebookEntries() changes the list (simulated modem)
    };

    explicit ConnectionService(QObject *parent = nullptr) : QObject(parent) {}
    ~ConnectionService() override = default;

    // A short name for messages and --help: "networkmanager", "pppd", "sim".
    virtual QString backendName() const = 0;

    // Lists the active connections into records[0 .. capacity). *count is the
    // number of active connections; with more than capacity the first capacity
    // records are filled and BufferTooSmall is returned.
    virtual int enumConnections(ConnectionRecord *records, int capacity, int *count) = 0;
    // Statistics of one connection. On failure *out is left untouched.
    virtual int connectionStatistics(ConnectionHandle handle, SessionCounters *out) = 0;
    // Lists the phonebook entry names, like enumConnections().
    virtual int enumEntries(QString *names, int capacity, int *count) = 0;
    // Starts ending one connection.
    virtual int hangUp(ConnectionHandle handle) = 0;
    // Success while the connection still exists.
    virtual int connectStatus(ConnectionHandle handle) = 0;
    // Starts bringing an entry up. The caller owns the attempt.
    virtual std::unique_ptr<DialAttempt> dial(const QString &entryName) = 0;

    // The network interface of an active connection ("ppp0"), empty when it
    // has none or the handle is not valid. Shown by the command-line status.
    virtual QString interfaceName(ConnectionHandle handle) const
    {
        Q_UNUSED(handle);
        return QString();
    }

    // Every entry that can be dialled, also those that do not count (so that
    // the provider editor can offer any connection to be made a provider).
    // The default is the phonebook itself.
    virtual QStringList allEntryNames();

    // Which connections count, where the back end sees more than dial-up
    // lines: the program sets it at start and whenever the configuration is
    // applied, and the listings follow at once. Back ends whose connections
    // are all dial-up lines (pppd, the simulated modem) ignore it.
    virtual void setWatchPolicy(const WatchPolicy &policy) { Q_UNUSED(policy); }

    // Taking a connection up again after the program restarted (a crash, a
    // logout, an update) while the line stayed up.
    //
    // resumeToken() describes an active connection as this back end knows it,
    // in one line of text the program keeps in its journal: what identifies it
    // (the active connection and its profile, the pppd and its interface, ...),
    // the counters it counts from and when it came up. Empty when the handle is
    // not valid. The text is the back end's own; the program only stores it.
    //
    // resume() hands such a text from an earlier run back for the connection
    // that handle is now. When it names that same connection, the connection's
    // counters and duration go on from the text's baseline and start (nothing
    // counted twice, nothing lost), and the result is true. Otherwise nothing
    // changes and the result is false: the journal's connection is gone.
    virtual QString resumeToken(ConnectionHandle handle) const
    {
        Q_UNUSED(handle);
        return QString();
    }
    virtual bool resume(ConnectionHandle handle, const QString &token)
    {
        Q_UNUSED(handle);
        Q_UNUSED(token);
        return false;
    }

    // True when the connection's counters are its own since it came up;
    // false when they count from when this process first counted it (an
    // interface that outlives its connections, found up already, and not
    // taken up again through resume()).
    virtual bool countsSinceConnect(ConnectionHandle handle) const
    {
        Q_UNUSED(handle);
        return true;
    }

    virtual PhonebookEditing phonebookEditing() const = 0;
    // Replaces the phonebook where editableHere is true; false otherwise.
    virtual bool setPhonebookEntries(const QStringList &names)
    {
        Q_UNUSED(names);
        return false;
    }

    // Waits about ms milliseconds for the service's state to change while the
    // caller blocks (the hang-up wait). The default just sleeps; a back end that
    // learns of changes through events processes them here, but must not run
    // the program's timers.
    virtual void waitForChange(int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }

    // The service's state may have changed (a connection or entry came or went).
    // Purely informative: the program polls, it does not rely on this.
signals:
    void changed();
};
