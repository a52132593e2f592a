#pragma once

#include "core/SessionCounters.h"

#include <QList>

// One explicit point of a connection's counters, seconds after it came up.
struct TrafficSample
{
    double at = 0;
    qint64 received = 0;
    qint64 sent = 0;
    qint64 receivedFrames = -1; // -1: derived from the bytes and the frame size
    qint64 sentFrames = -1;
};

// How a simulated connection's statistics develop while it is up: either
// steady rates (optionally varying around their mean) or samples that are
// interpolated, which lets a counter go down.
class TrafficProfile
{
public:
    // The largest counter or rate a scenario may give: exact in a double, far
    // beyond any real counter. Counters from rates hold at it.
    static constexpr double kMaxCounter = 9.0e15;

    qint64 speedBps = 0;
    double receiveRate = 0; // bytes per second
    double sendRate = 0;
    double variation = 0; // 0: steady; 1: the rate swings between 0 and twice the mean
    qint64 frameSize = 512;
    quint32 compressionIn = 0;
    quint32 compressionOut = 0;
    QList<TrafficSample> samples; // sorted by time; when present, replaces the rates

    // Fills out with the statistics upMs milliseconds after the connection came up.
    void countersAt(qint64 upMs, SessionCounters *out) const;
};
