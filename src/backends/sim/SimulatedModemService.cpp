#include "backends/sim/SimulatedModemService.h"

#include "backends/sim/SimulatedDialAttempt.h"
#include "connection/CallerBuffer.h"
#include "core/LogCategories.h"

#include <QUuid>
#include <QVarLengthArray>

#include <algorithm>

SimulatedModemService::SimulatedModemService(SimulationScenario scenario,
                                             std::unique_ptr<ElapsedTime> time, QObject *parent)
    : ConnectionService(parent), m_scenario(std::move(scenario)), m_time(std::move(time)),
      m_instance(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    for (const SimulationScenario::ScheduledConnection &c : m_scenario.connections) {
        Session s;
        s.handle = m_nextHandle++;
        s.entry = c.entry;
        s.interfaceName = c.interfaceName;
        s.upAtMs = c.startMs;
        s.endAtMs = c.endMs;
        s.hangUpDelayMs = c.hangUpDelayMs;
        s.traffic = c.traffic;
        insertSession(s);
    }
    m_dialTimer.setInterval(50);
    connect(&m_dialTimer, &QTimer::timeout, this, &SimulatedModemService::update);
    refresh();
}

SimulatedModemService::~SimulatedModemService() = default;

void SimulatedModemService::insertSession(Session session)
{
    const auto at = std::upper_bound(m_sessions.begin(), m_sessions.end(), session.upAtMs,
                                     [](qint64 upAt, const Session &s) { return upAt < s.upAtMs; });
    m_sessions.insert(at, std::move(session));
}

void SimulatedModemService::refresh()
{
    m_now = m_time->elapsedMs();
    for (qsizetype i = 0; i < m_sessions.size();) {
        Session &s = m_sessions[i];
        const bool over =
            (s.endAtMs >= 0 && m_now >= s.endAtMs) || (s.goneAtMs >= 0 && m_now >= s.goneAtMs);
        if (over) {
            qCDebug(lcSim) << "connection" << s.handle << s.entry << "ended";
            m_sessions.removeAt(i);
            continue;
        }
        if (s.interfaceName.isEmpty() && isUp(s, m_now)) {
            // The lowest pppN that no connection up now uses, as pppd picks it.
            for (int n = 0;; ++n) {
                const QString name = QStringLiteral("ppp%1").arg(n);
                const bool taken =
                    std::any_of(m_sessions.cbegin(), m_sessions.cend(), [&](const Session &o) {
                        return o.interfaceName == name && isUp(o, m_now);
                    });
                if (!taken) {
                    s.interfaceName = name;
                    break;
                }
            }
        }
        ++i;
    }
}

const SimulatedModemService::Session *
SimulatedModemService::activeSession(ConnectionHandle handle) const
{
    if (handle == 0)
        return nullptr;
    for (const Session &s : m_sessions) {
        if (s.handle == handle)
            return isUp(s, m_now) ? &s : nullptr;
    }
    return nullptr;
}

int SimulatedModemService::enumConnections(ConnectionRecord *records, int capacity, int *count)
{
    refresh();
    const qint64 now = m_now;
    // A plain list rather than a filtered view: clang 14 cannot compile
    // libstdc++ 12's views, and the fuzz build uses clang.
    QVarLengthArray<const Session *, 8> up;
    for (const Session &s : std::as_const(m_sessions)) {
        if (isUp(s, now))
            up.append(&s);
    }
    return fillCallerBuffer(up, records, capacity, count,
                            [](const Session *s, ConnectionRecord &record) {
                                record = {s->handle, s->entry};
                            });
}

int SimulatedModemService::connectionStatistics(ConnectionHandle handle, SessionCounters *out)
{
    refresh();
    const Session *s = activeSession(handle);
    if (!s)
        return InvalidHandle;
    s->traffic.countersAt(m_now - s->upAtMs, out);
    return Success;
}

QString SimulatedModemService::resumeToken(ConnectionHandle handle) const
{
    const Session *s = activeSession(handle);
    if (!s)
        return QString();
    // "sim <instance> <handle> <up at> <entry>": the entry last, as it may hold blanks.
    return QStringLiteral("sim %1 %2 %3 %4")
        .arg(m_instance)
        .arg(s->handle)
        .arg(s->upAtMs)
        .arg(s->entry);
}

bool SimulatedModemService::resume(ConnectionHandle handle, const QString &token)
{
    refresh();
    // The counters count from the connection's start anyway: nothing to adjust.
    return !token.isEmpty() && token == resumeToken(handle);
}

int SimulatedModemService::enumEntries(QString *names, int capacity, int *count)
{
    return fillCallerBuffer(std::as_const(m_scenario.phonebook), names, capacity, count,
                            [](const QString &entry, QString &name) { name = entry; });
}

int SimulatedModemService::hangUp(ConnectionHandle handle)
{
    refresh();
    if (!activeSession(handle)) {
        qCDebug(lcSim) << "hang-up of unknown connection" << handle;
        return InvalidHandle;
    }
    qCDebug(lcSim) << "hanging up connection" << handle;
    for (Session &s : m_sessions) {
        if (s.handle == handle && s.goneAtMs < 0)
            s.goneAtMs = m_now + s.hangUpDelayMs;
    }
    refresh();
    emit changed();
    return Success;
}

int SimulatedModemService::connectStatus(ConnectionHandle handle)
{
    refresh();
    return activeSession(handle) ? Success : InvalidHandle;
}

std::unique_ptr<DialAttempt> SimulatedModemService::dial(const QString &entryName)
{
    refresh();
    auto attempt = std::make_unique<SimulatedDialAttempt>(this, entryName);
    if (!m_scenario.phonebook.contains(entryName)) {
        qCDebug(lcSim) << "dial of unknown entry" << entryName;
        attempt->end(DialAttempt::State::Failed,
                     tr("There is no phonebook entry \"%1\".").arg(entryName));
        return attempt;
    }
    const bool alreadyUp =
        std::any_of(m_sessions.cbegin(), m_sessions.cend(), [&](const Session &s) {
            return s.entry == entryName && isUp(s, m_now) && s.goneAtMs < 0;
        });
    if (alreadyUp) {
        attempt->end(DialAttempt::State::Connected, QString());
        return attempt;
    }

    const SimulationScenario::DialOutcome &outcome = m_scenario.dialOutcome(entryName);
    PendingDial pending;
    pending.attempt = attempt.get();
    pending.doneAtMs = m_now + outcome.delayMs;
    pending.failure = outcome.failure;
    if (outcome.failure.isEmpty()) {
        Session s;
        s.handle = m_nextHandle++;
        s.entry = entryName;
        s.interfaceName = outcome.interfaceName;
        s.upAtMs = pending.doneAtMs;
        s.hangUpDelayMs = outcome.hangUpDelayMs;
        s.traffic = outcome.traffic;
        pending.session = s.handle;
        insertSession(s);
    }
    qCDebug(lcSim) << "dialing" << entryName << "for" << outcome.delayMs << "ms"
                   << (outcome.failure.isEmpty() ? QString() : QStringLiteral("to fail"));
    m_pending.append(pending);
    attempt->start(tr("Connecting to %1…").arg(entryName));
    m_dialTimer.start();
    update();
    return attempt;
}

void SimulatedModemService::update()
{
    refresh();
    bool finishedAny = false;
    for (qsizetype i = 0; i < m_pending.size();) {
        PendingDial p = m_pending[i];
        if (m_now < p.doneAtMs) {
            ++i;
            continue;
        }
        m_pending.removeAt(i);
        finishedAny = true;
        if (p.attempt) {
            if (p.failure.isEmpty())
                p.attempt->end(DialAttempt::State::Connected, QString());
            else
                p.attempt->end(DialAttempt::State::Failed, p.failure);
        }
    }
    if (m_pending.isEmpty())
        m_dialTimer.stop();
    if (finishedAny)
        emit changed();
}

void SimulatedModemService::cancelDial(SimulatedDialAttempt *attempt)
{
    for (qsizetype i = 0; i < m_pending.size(); ++i) {
        if (m_pending[i].attempt != attempt)
            continue;
        const ConnectionHandle session = m_pending[i].session;
        m_sessions.removeIf([&](const Session &s) { return s.handle == session; });
        m_pending.removeAt(i);
        break;
    }
    if (m_pending.isEmpty())
        m_dialTimer.stop();
}

QString SimulatedModemService::interfaceName(ConnectionHandle handle) const
{
    const Session *s = activeSession(handle);
    return s ? s->interfaceName : QString();
}

ConnectionService::PhonebookEditing SimulatedModemService::phonebookEditing() const
{
    PhonebookEditing editing;
    editing.editableHere = true;
    editing.explanation = tr("The simulated modem's phonebook is edited here.");
    return editing;
}

bool SimulatedModemService::setPhonebookEntries(const QStringList &names)
{
    m_scenario.phonebook = names;
    emit changed();
    return true;
}
