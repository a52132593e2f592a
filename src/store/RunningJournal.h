#pragma once

#include "core/SessionCounters.h"

#include <QDateTime>
#include <QMutex>
#include <QString>
#include <QThreadPool>

#include <optional>

class Clock;
class XmlDocument;

// What the journal keeps of the connection that is up: enough to take it up
// again after a restart, or to record it when it ended meanwhile.
struct RunningConnection
{
    QString token;            // the back end's resumeToken(); may be empty
    QString entryName;        // the record's ConnectName
    QString providerName;     // the provider element's Name; empty when none matched
    double startTime = 0;     // the record's Time, in days
    double cost = 0;          // the session's cost so far
    QString userName;         // the logged-in user of user mode
    SessionCounters counters; // the figures of the last tick
    QDateTime writtenAt;      // the Clock time of those figures; invalid when not known

    bool operator==(const RunningConnection &) const = default;
};

// The journal of the running connection: one small data file beside the
// configuration, in the data files' envelope and written by their atomic
// save, so a crash or a power cut leaves either the previous complete journal
// or the new one. Numbers are stored in machine form, whatever the locale.
class RunningJournal
{
public:
    enum class LoadResult {
        Missing,    // no journal: the last run ended without a connection up
        Loaded,     // the connection is filled in
        Unreadable, // kept aside under another name; start-up goes on
    };

    // clock names the time of a kept unreadable journal; it must outlive this.
    RunningJournal(QString filePath, const Clock &clock);
    // Waits for what was posted.
    ~RunningJournal();

    // The journal's place in a data folder.
    static QString pathIn(const QString &dataFolder);

    QString filePath() const { return m_filePath; }
    bool write(const RunningConnection &connection) const;
    LoadResult load(RunningConnection *connection) const;
    // True when no journal is left afterwards.
    bool remove() const;

    // The ticks' way: the journal is written, or removed, on a thread of its
    // own, so a tick never waits for the disk (the save's flush to disk takes
    // milliseconds). Each call replaces what is still waiting: the newest
    // state is what ends on disk. Call from one thread only.
    void post(const RunningConnection &connection);
    void postRemoval();
    // Waits until what was posted is on disk (an orderly end).
    void flush();

    // The document form, both ways. fromDocument() is false for a document
    // that is no journal or holds no usable start time, cost or figures.
    static void toDocument(const RunningConnection &connection, XmlDocument &document);
    static bool fromDocument(const XmlDocument &document, RunningConnection *connection);

private:
    struct Pending
    {
        bool removal = false;
        RunningConnection connection;
    };

    void keepAside() const;
    void schedule(Pending pending);
    void drain();

    QString m_filePath;
    const Clock &m_clock;
    QMutex m_mutex;                   // guards the two below
    std::optional<Pending> m_pending; // waiting for the writer
    bool m_draining = false;          // the writer runs
    QThreadPool m_writer;             // one thread
};
