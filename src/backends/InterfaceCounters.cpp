#include "backends/InterfaceCounters.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <unistd.h>
#include <utility>

namespace {

const char *const kCounterFiles[4] = {"rx_bytes", "tx_bytes", "rx_packets", "tx_packets"};

// One decimal counter from the start of an open sysfs attribute.
bool readCounter(int fd, qint64 *value)
{
    char buffer[32];
    ssize_t n;
    do {
        n = ::pread(fd, buffer, sizeof buffer - 1, 0);
    } while (n < 0 && errno == EINTR);
    if (n <= 0)
        return false;
    buffer[n] = '\0';
    char *end = nullptr;
    errno = 0;
    const unsigned long long parsed = std::strtoull(buffer, &end, 10);
    if (end == buffer || errno != 0)
        return false;
    // The kernel's counters are unsigned 64-bit; past 2^63 they no longer fit
    // the signed figures, so they are capped rather than turned negative.
    *value = parsed > static_cast<unsigned long long>(std::numeric_limits<qint64>::max())
                 ? std::numeric_limits<qint64>::max()
                 : static_cast<qint64>(parsed);
    return true;
}

} // namespace

InterfaceCounters::InterfaceCounters(const QString &sysfsRoot, const QString &interfaceName)
    : m_sysfsRoot(sysfsRoot), m_interface(interfaceName)
{
    open();
}

InterfaceCounters::~InterfaceCounters()
{
    close();
}

InterfaceCounters::InterfaceCounters(InterfaceCounters &&other) noexcept
    : m_sysfsRoot(std::move(other.m_sysfsRoot)), m_interface(std::move(other.m_interface))
{
    for (int i = 0; i < 4; ++i)
        m_fds[i] = std::exchange(other.m_fds[i], -1);
}

InterfaceCounters &InterfaceCounters::operator=(InterfaceCounters &&other) noexcept
{
    if (this != &other) {
        close();
        m_sysfsRoot = std::move(other.m_sysfsRoot);
        m_interface = std::move(other.m_interface);
        for (int i = 0; i < 4; ++i)
            m_fds[i] = std::exchange(other.m_fds[i], -1);
    }
    return *this;
}

bool InterfaceCounters::open()
{
    close();
    // An interface name never holds a slash; refusing one keeps the path
    // inside the statistics folder whatever the service reports.
    if (m_interface.isEmpty() || m_interface.contains(QLatin1Char('/')) ||
        m_interface == QLatin1String("..") || m_interface == QLatin1String("."))
        return false;
    const QString folder =
        m_sysfsRoot + QLatin1String("/class/net/") + m_interface + QLatin1String("/statistics/");
    for (int i = 0; i < 4; ++i) {
        const QByteArray path = (folder + QLatin1String(kCounterFiles[i])).toLocal8Bit();
        m_fds[i] = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (m_fds[i] < 0) {
            close();
            return false;
        }
    }
    return true;
}

void InterfaceCounters::close()
{
    for (int &fd : m_fds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

bool InterfaceCounters::readOnce(Values *out)
{
    if (!isOpen())
        return false;
    Values v;
    if (!readCounter(m_fds[0], &v.rxBytes) || !readCounter(m_fds[1], &v.txBytes) ||
        !readCounter(m_fds[2], &v.rxPackets) || !readCounter(m_fds[3], &v.txPackets))
        return false;
    *out = v;
    return true;
}

bool InterfaceCounters::read(Values *out)
{
    if (readOnce(out))
        return true;
    return open() && readOnce(out);
}
