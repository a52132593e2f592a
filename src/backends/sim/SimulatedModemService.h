#pragma once

#include "backends/sim/ElapsedTime.h"
#include "backends/sim/SimulationScenario.h"
#include "connection/ConnectionService.h"

#include <QList>
#include <QPointer>
#include <QTimer>

#include <memory>

class SimulatedDialAttempt;

// A modem that exists only in memory and follows a scenario: connections come
// up and go down at given times, dialing brings one up after a delay, and the
// counters grow from rates or samples. Lets anyone try the program, and tests
// drive it with a manual time.
class SimulatedModemService : public ConnectionService
{
    Q_OBJECT
public:
    explicit SimulatedModemService(
        SimulationScenario scenario,
        std::unique_ptr<ElapsedTime> time = std::make_unique<SteadyElapsedTime>(),
        QObject *parent = nullptr);
    ~SimulatedModemService() override;

    QString backendName() const override { return QStringLiteral("sim"); }

    int enumConnections(ConnectionRecord *records, int capacity, int *count) override;
    int connectionStatistics(ConnectionHandle handle, SessionCounters *out) override;
    int enumEntries(QString *names, int capacity, int *count) override;
    int hangUp(ConnectionHandle handle) override;
    int connectStatus(ConnectionHandle handle) override;
    std::unique_ptr<DialAttempt> dial(const QString &entryName) override;
    QString interfaceName(ConnectionHandle handle) const override;
    // The connections live in this object only: a token names this instance,
    // so after a restart no connection accepts it.
    QString resumeToken(ConnectionHandle handle) const override;
    bool resume(ConnectionHandle handle, const QString &token) override;
    PhonebookEditing phonebookEditing() const override;
    bool setPhonebookEntries(const QStringList &names) override;

    // Brings the state up to the current time: finishes dial attempts whose
    // delay has passed. Runs on a timer while an attempt is pending; tests
    // with a manual time call it after moving the time on.
    void update();

private:
    friend class SimulatedDialAttempt;

    struct Session
    {
        ConnectionHandle handle = 0;
        QString entry;
        QString interfaceName; // fixed when it comes up
        qint64 upAtMs = 0;
        qint64 endAtMs = -1;  // scheduled end
        qint64 goneAtMs = -1; // set by a hang-up
        qint64 hangUpDelayMs = 0;
        TrafficProfile traffic;
    };
    struct PendingDial
    {
        QPointer<SimulatedDialAttempt> attempt;
        qint64 doneAtMs = 0;
        ConnectionHandle session = 0; // 0 when the dial is to fail
        QString failure;
    };

    static bool isUp(const Session &s, qint64 now)
    {
        return s.upAtMs <= now && (s.endAtMs < 0 || now < s.endAtMs) &&
               (s.goneAtMs < 0 || now < s.goneAtMs);
    }
    // Drops sessions that are over and names the ones that came up.
    void refresh();
    const Session *activeSession(ConnectionHandle handle) const;
    void insertSession(Session session);
    void cancelDial(SimulatedDialAttempt *attempt);

    SimulationScenario m_scenario;
    std::unique_ptr<ElapsedTime> m_time;
    QList<Session> m_sessions; // ordered by the time they come up
    QList<PendingDial> m_pending;
    ConnectionHandle m_nextHandle = 1;
    QTimer m_dialTimer;
    qint64 m_now = 0;         // the time of the last refresh
    const QString m_instance; // names this modem in resume tokens
};
