#include "backends/PppCompression.h"

#include <cstring>
#include <linux/ppp-ioctl.h>
#include <linux/ppp_defs.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

PppCompression::PppCompression() : m_socket(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {}

PppCompression::~PppCompression()
{
    if (m_socket >= 0)
        ::close(m_socket);
}

quint32 PppCompression::savedPercent(quint64 uncompressed, quint64 compressed)
{
    if (uncompressed == 0 || compressed >= uncompressed)
        return 0;
    return static_cast<quint32>((uncompressed - compressed) * 100 / uncompressed);
}

bool PppCompression::read(const QString &interfaceName, Ratios *out)
{
    const QByteArray name = interfaceName.toLocal8Bit();
    if (m_socket < 0 || name.isEmpty() || name.size() >= IFNAMSIZ)
        return false;
    ppp_comp_stats stats;
    std::memset(&stats, 0, sizeof stats);
    ifreq request;
    std::memset(&request, 0, sizeof request);
    std::memcpy(request.ifr_name, name.constData(), static_cast<size_t>(name.size()));
    request.ifr_data = reinterpret_cast<char *>(&stats);
    if (::ioctl(m_socket, SIOCGPPPCSTATS, &request) < 0)
        return false;
    // Sending: the compressor takes in_count plain bytes and puts out
    // bytes_out; receiving: the decompressor the other way round.
    out->out = savedPercent(stats.c.in_count, stats.c.bytes_out);
    out->in = savedPercent(stats.d.bytes_out, stats.d.in_count);
    return true;
}
