#include "backends/sim/TrafficProfile.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Bytes moved after t seconds at a mean rate that swings with two slow waves.
// The integral of rate * (1 + v/2 sin(2πt/p1) + v/2 sin(2πt/p2)) is closed-form,
// so the counters never step back and cost nothing to compute.
double varyingTotal(double rate, double variation, double t, double p1, double p2)
{
    constexpr double twoPi = 2 * std::numbers::pi;
    const double wave =
        p1 / twoPi * (1 - std::cos(twoPi * t / p1)) + p2 / twoPi * (1 - std::cos(twoPi * t / p2));
    return rate * (t + variation / 2 * wave);
}

qint64 framesFor(qint64 bytes, qint64 frameSize)
{
    if (bytes <= 0 || frameSize <= 0)
        return 0;
    return bytes / frameSize + (bytes % frameSize != 0 ? 1 : 0);
}

// A counter from a rate: a long uptime at a high rate holds at the largest
// counter a scenario may give rather than running past what qint64 holds.
qint64 counterFrom(double bytes)
{
    if (!(bytes > 0))
        return 0;
    return qint64(std::min(bytes, TrafficProfile::kMaxCounter));
}

qint64 interpolate(qint64 a, qint64 b, double fraction)
{
    return a + qint64(std::llround(double(b - a) * fraction));
}

} // namespace

void TrafficProfile::countersAt(qint64 upMs, SessionCounters *out) const
{
    const double t = double(upMs) / 1000.0;
    qint64 received = 0;
    qint64 sent = 0;
    qint64 receivedFrames = -1;
    qint64 sentFrames = -1;

    if (!samples.isEmpty()) {
        qsizetype next = 0;
        while (next < samples.size() && samples[next].at <= t)
            ++next;
        if (next == 0 || next == samples.size()) {
            // Before the first sample and after the last the counters hold.
            const TrafficSample &s = samples[next == 0 ? 0 : next - 1];
            received = s.received;
            sent = s.sent;
            receivedFrames = s.receivedFrames;
            sentFrames = s.sentFrames;
        } else {
            const TrafficSample &a = samples[next - 1];
            const TrafficSample &b = samples[next];
            const double f = (t - a.at) / (b.at - a.at);
            received = interpolate(a.received, b.received, f);
            sent = interpolate(a.sent, b.sent, f);
            if (a.receivedFrames >= 0 && b.receivedFrames >= 0)
                receivedFrames = interpolate(a.receivedFrames, b.receivedFrames, f);
            if (a.sentFrames >= 0 && b.sentFrames >= 0)
                sentFrames = interpolate(a.sentFrames, b.sentFrames, f);
        }
    } else if (variation > 0) {
        received = counterFrom(varyingTotal(receiveRate, variation, t, 23, 7));
        sent = counterFrom(varyingTotal(sendRate, variation, t, 13, 5));
    } else {
        received = counterFrom(receiveRate * t);
        sent = counterFrom(sendRate * t);
    }

    out->dwBytesRcved = received;
    out->dwBytesXmited = sent;
    out->dwFramesRcved = receivedFrames >= 0 ? receivedFrames : framesFor(received, frameSize);
    out->dwFramesXmited = sentFrames >= 0 ? sentFrames : framesFor(sent, frameSize);
    out->dwCompressionRatioIn = compressionIn;
    out->dwCompressionRatioOut = compressionOut;
    out->dwBps = speedBps;
    out->dwConnectDuration = upMs;
}
