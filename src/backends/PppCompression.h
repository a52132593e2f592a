#pragma once

#include <QString>
#include <QtGlobal>

// The kernel's compression figures of a ppp interface (the SIOCGPPPCSTATS
// request), as the percentage of bytes that compression saved in each direction.
class PppCompression
{
public:
    struct Ratios
    {
        quint32 in = 0;  // received data
        quint32 out = 0; // sent data
    };

    PppCompression();
    ~PppCompression();
    PppCompression(const PppCompression &) = delete;
    PppCompression &operator=(const PppCompression &) = delete;

    // False, with *out untouched, when the interface is no ppp unit or the
    // kernel keeps no such figures.
    bool read(const QString &interfaceName, Ratios *out);

    // The saving of one direction from the compressor's byte counts.
    static quint32 savedPercent(quint64 uncompressed, quint64 compressed);

private:
    int m_socket = -1;
};
