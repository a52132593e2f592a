#pragma once

#include "backends/InterfaceCounters.h"
#include "backends/PppCompression.h"
#include "backends/pppd/PppdPaths.h"
#include "connection/ConnectionService.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>

#include <vector>

class PppdDialAttempt;

// Connections made by plain pppd: the phonebook is the peers folder, an
// active connection is a running pppd with its interface, dialing is
// "pon PEER" and hanging up ends that pppd.
class PppdService : public ConnectionService
{
    Q_OBJECT
public:
    explicit PppdService(PppdPaths paths = PppdPaths(), QObject *parent = nullptr);
    ~PppdService() override;

    QString backendName() const override { return QStringLiteral("pppd"); }

    int enumConnections(ConnectionRecord *records, int capacity, int *count) override;
    int connectionStatistics(ConnectionHandle handle, SessionCounters *out) override;
    int enumEntries(QString *names, int capacity, int *count) override;
    int hangUp(ConnectionHandle handle) override;
    int connectStatus(ConnectionHandle handle) override;
    std::unique_ptr<DialAttempt> dial(const QString &entryName) override;
    QString interfaceName(ConnectionHandle handle) const override;
    QString resumeToken(ConnectionHandle handle) const override;
    bool resume(ConnectionHandle handle, const QString &token) override;
    PhonebookEditing phonebookEditing() const override;

    const PppdPaths &paths() const { return m_paths; }
    // The peer names, sorted: the readable files of the peers folder.
    QStringList peers() const;
    // True when a connection of this peer is up (looked at afresh).
    bool isPeerConnected(const QString &peer);

private:
    struct Link
    {
        ConnectionHandle handle = 0;
        qint64 pid = 0;
        QString entry;
        QString interfaceName;
        qint64 upSinceMs = 0; // wall-clock ms since the epoch (the pid file's time)
        // The same on the monotonic clock, taken once, so that a step of
        // the wall clock does not change the duration.
        qint64 upSinceSteadyMs = 0;
        qint64 speedBps = 0;
        bool hasCompression = true; // false once the kernel said it keeps no figures
        InterfaceCounters counters;
    };
    struct DirStamp
    {
        QByteArray path;
        qint64 mtimeNs = -1;
        qint64 size = -1;
    };

    // The calls of one poll share a look at the system: refresh() looks
    // again only when the last look is older than kLookValidMs; look()
    // always does, and rescans only when a run folder changed or a known
    // pppd has gone.
    void refresh();
    void look();
    void rescan();
    bool runDirsChanged();
    Link *find(ConnectionHandle handle);
    const Link *find(ConnectionHandle handle) const;
    qint64 peerSpeed(const QString &peer) const;

    PppdPaths m_paths;
    PppCompression m_compression;
    QElapsedTimer m_steady;
    std::vector<DirStamp> m_stamps;
    std::vector<Link> m_links; // in the order they came up
    ConnectionHandle m_nextHandle = 1;
    qint64 m_racyUntilMs = 0; // rescan until then: a change in the same clock tick may be unseen
    qint64 m_lookedAtMs = 0;  // m_steady's time of the last look
};
