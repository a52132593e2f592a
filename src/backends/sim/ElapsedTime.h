#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// Milliseconds since a back end started. The simulated modem runs its
// scenario on this, so tests can move time on without waiting.
class ElapsedTime
{
public:
    virtual ~ElapsedTime() = default;
    virtual qint64 elapsedMs() const = 0;
};

// Real, monotonic time since construction.
class SteadyElapsedTime final : public ElapsedTime
{
public:
    SteadyElapsedTime() { m_timer.start(); }
    qint64 elapsedMs() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};

// Time that moves only when told to.
class ManualElapsedTime final : public ElapsedTime
{
public:
    qint64 elapsedMs() const override { return m_ms; }
    void setMs(qint64 ms) { m_ms = ms; }
    void advanceMs(qint64 ms) { m_ms += ms; }

private:
    qint64 m_ms = 0;
};
