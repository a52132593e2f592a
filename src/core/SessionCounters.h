#pragma once

#include <QtGlobal>

// One snapshot of a connection's statistics. Byte and frame counters are
// 64-bit: the kernel's counters are, and a fast link passes 2 GiB in seconds.
// Differences between snapshots are still signed, so a counter that goes
// down gives a negative quantity.
//
// Naming: the fields keep the names of the dial-up statistics record they
// stand for (dwBytesXmited, dwConnectDuration, ...), so the monitor's code
// reads like the operations built on that record; the "dw" no longer means
// a 32-bit word. New code around it keeps Qt's style.
struct SessionCounters
{
    qint64 dwBytesXmited = 0;          // bytes sent
    qint64 dwBytesRcved = 0;           // bytes received
    qint64 dwFramesXmited = 0;         // frames (packets) sent
    qint64 dwFramesRcved = 0;          // frames received
    quint32 dwCompressionRatioIn = 0;  // compression of received data, percent
    quint32 dwCompressionRatioOut = 0; // compression of sent data, percent
    qint64 dwBps = 0;                  // line speed, bits per second
    qint64 dwConnectDuration = 0;      // time connected, milliseconds

    bool operator==(const SessionCounters &) const = default;
};
