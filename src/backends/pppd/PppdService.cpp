#include "backends/pppd/PppdService.h"

#include "backends/PppPidFile.h"
#include "backends/ResumeToken.h"
#include "backends/pppd/PppdDialAttempt.h"
#include "connection/CallerBuffer.h"
#include "core/LogCategories.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/stat.h>

namespace {

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(4096);
}

bool processExists(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

const QString kTokenKind = QStringLiteral("pppd");
constexpr int kTokenVersion = 1;

// How long one look at the run folders and the pppds stands. A poll's calls
// (list, statistics, status) come microseconds apart and ask the same thing;
// a look costs a stat per folder and a signal per pppd, several times the
// counters' reads. The next poll, half a second on, always looks afresh.
constexpr qint64 kLookValidMs = 10;

qint64 wallNowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

PppdService::PppdService(PppdPaths paths, QObject *parent)
    : ConnectionService(parent), m_paths(std::move(paths))
{
    m_steady.start();
    // /var/run is usually a link to /run: look at each folder once.
    QStringList seen;
    for (const QString &dir : m_paths.runDirs) {
        const QString canonical = QFileInfo(dir).canonicalFilePath();
        const QString key = canonical.isEmpty() ? dir : canonical;
        if (seen.contains(key))
            continue;
        seen.append(key);
        m_stamps.push_back(DirStamp{QFile::encodeName(key), -1, -1});
    }
    look();
}

PppdService::~PppdService() = default;

bool PppdService::runDirsChanged()
{
    bool changed = false;
    for (DirStamp &stamp : m_stamps) {
        struct stat st;
        qint64 mtime = -2;
        qint64 size = -2;
        if (::stat(stamp.path.constData(), &st) == 0) {
            mtime = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
            size = qint64(st.st_size);
        }
        if (mtime != stamp.mtimeNs || size != stamp.size) {
            stamp.mtimeNs = mtime;
            stamp.size = size;
            changed = true;
        }
    }
    return changed;
}

void PppdService::refresh()
{
    if (m_steady.elapsed() - m_lookedAtMs >= kLookValidMs)
        look();
}

void PppdService::look()
{
    m_lookedAtMs = m_steady.elapsed();
    bool stale = runDirsChanged() || wallNowMs() < m_racyUntilMs;
    for (const Link &link : m_links) {
        if (stale)
            break;
        stale = !processExists(link.pid);
    }
    if (stale)
        rescan();
}

void PppdService::rescan()
{
    // A pppd may have a unit's and a link's pid file; the unit's names its interface.
    struct Found
    {
        qint64 pid = 0;
        QString interfaceName;
        QString linkName;
        qint64 upSinceMs = 0;
    };
    QHash<qint64, Found> byPid;
    for (const DirStamp &stamp : m_stamps) {
        const QDir dir(QFile::decodeName(stamp.path));
        const QFileInfoList files =
            dir.entryInfoList({PppPidFile::nameFilter()}, QDir::Files | QDir::NoDotAndDotDot);
        for (const QFileInfo &info : files) {
            PppPidFile pidFile;
            if (!PppPidFile::read(info, &pidFile))
                continue;
            Found &f = byPid[pidFile.pid];
            f.pid = pidFile.pid;
            if (pidFile.linkName.isEmpty()) {
                f.interfaceName = pidFile.interfaceName;
                f.upSinceMs = pidFile.writtenAtMs;
            } else {
                f.linkName = pidFile.linkName;
                if (f.interfaceName.isEmpty() && !pidFile.interfaceName.isEmpty()) {
                    f.interfaceName = pidFile.interfaceName;
                    f.upSinceMs = pidFile.writtenAtMs;
                }
            }
        }
    }

    std::vector<Link> links;
    for (const Found &f : std::as_const(byPid)) {
        if (f.interfaceName.isEmpty() || !processExists(f.pid))
            continue;
        const QString procDir = m_paths.procRoot + QLatin1Char('/') + QString::number(f.pid);
        // A stale pid file may name a process that is no pppd at all.
        if (readSmallFile(procDir + QLatin1String("/comm")).trimmed() != "pppd")
            continue;
        if (!QFileInfo::exists(m_paths.sysfsRoot + QLatin1String("/class/net/") + f.interfaceName))
            continue;

        QString entry;
        const QList<QByteArray> args =
            readSmallFile(procDir + QLatin1String("/cmdline")).split('\0');
        for (qsizetype i = 0; i + 1 < args.size(); ++i) {
            if (args[i] == "call") {
                entry = QString::fromLocal8Bit(args[i + 1]);
                break;
            }
        }
        if (entry.isEmpty())
            entry = f.linkName.isEmpty() ? f.interfaceName : f.linkName;

        Link link;
        const auto known = std::find_if(m_links.begin(), m_links.end(), [&](const Link &l) {
            return l.pid == f.pid && l.interfaceName == f.interfaceName;
        });
        if (known != m_links.end()) {
            link = std::move(*known);
        } else {
            link.handle = m_nextHandle++;
            link.pid = f.pid;
            link.interfaceName = f.interfaceName;
            link.upSinceMs = f.upSinceMs;
            link.upSinceSteadyMs =
                m_steady.elapsed() - std::max<qint64>(0, wallNowMs() - f.upSinceMs);
            link.speedBps = peerSpeed(entry);
            link.counters = InterfaceCounters(m_paths.sysfsRoot, f.interfaceName);
        }
        link.entry = entry;
        links.push_back(std::move(link));
    }
    std::sort(links.begin(), links.end(), [](const Link &a, const Link &b) {
        return a.upSinceMs != b.upSinceMs ? a.upSinceMs < b.upSinceMs
                                          : a.interfaceName < b.interfaceName;
    });
    const bool changedSet =
        links.size() != m_links.size() ||
        !std::equal(links.begin(), links.end(), m_links.begin(),
                    [](const Link &a, const Link &b) { return a.handle == b.handle; });
    m_links = std::move(links);

    // A folder changed within the last second may change again without its
    // time stamp moving: look again until the second has passed.
    qint64 newest = 0;
    for (const DirStamp &stamp : m_stamps)
        newest = std::max(newest, stamp.mtimeNs / 1000000);
    m_racyUntilMs = newest + 1000;

    if (changedSet)
        emit changed();
}

PppdService::Link *PppdService::find(ConnectionHandle handle)
{
    if (handle == 0)
        return nullptr;
    for (Link &link : m_links) {
        if (link.handle == handle)
            return &link;
    }
    return nullptr;
}

const PppdService::Link *PppdService::find(ConnectionHandle handle) const
{
    return const_cast<PppdService *>(this)->find(handle);
}

qint64 PppdService::peerSpeed(const QString &peer) const
{
    // A line holding only a number is the serial line's speed.
    if (peer.contains(QLatin1Char('/')))
        return 0;
    const QList<QByteArray> lines =
        readSmallFile(m_paths.peersDir + QLatin1Char('/') + peer).split('\n');
    for (const QByteArray &line : lines) {
        bool ok = false;
        const qint64 speed = line.trimmed().toLongLong(&ok);
        if (ok && speed > 0)
            return speed;
    }
    return 0;
}

int PppdService::enumConnections(ConnectionRecord *records, int capacity, int *count)
{
    refresh();
    return fillCallerBuffer(m_links, records, capacity, count,
                            [](const Link &link, ConnectionRecord &record) {
                                record = {link.handle, link.entry};
                            });
}

int PppdService::connectionStatistics(ConnectionHandle handle, SessionCounters *out)
{
    refresh();
    Link *link = find(handle);
    if (!link)
        return InvalidHandle;
    InterfaceCounters::Values values;
    if (!link->counters.read(&values))
        return InvalidHandle;
    out->dwBytesRcved = values.rxBytes;
    out->dwBytesXmited = values.txBytes;
    out->dwFramesRcved = values.rxPackets;
    out->dwFramesXmited = values.txPackets;
    PppCompression::Ratios ratios;
    if (link->hasCompression && !m_compression.read(link->interfaceName, &ratios))
        link->hasCompression = false;
    out->dwCompressionRatioIn = ratios.in;
    out->dwCompressionRatioOut = ratios.out;
    out->dwBps = link->speedBps;
    out->dwConnectDuration = std::max<qint64>(0, m_steady.elapsed() - link->upSinceSteadyMs);
    return Success;
}

QStringList PppdService::peers() const
{
    QStringList names;
    const QFileInfoList files =
        QDir(m_paths.peersDir).entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo &info : files) {
        // Editor and package manager leftovers are no peers.
        const QString name = info.fileName();
        if (name.endsWith(QLatin1Char('~')) || name.contains(QLatin1String(".dpkg-")))
            continue;
        names.append(name);
    }
    return names;
}

int PppdService::enumEntries(QString *names, int capacity, int *count)
{
    return fillCallerBuffer(peers(), names, capacity, count,
                            [](const QString &peer, QString &name) { name = peer; });
}

bool PppdService::isPeerConnected(const QString &peer)
{
    look();
    return std::any_of(m_links.cbegin(), m_links.cend(),
                       [&](const Link &l) { return l.entry == peer; });
}

int PppdService::hangUp(ConnectionHandle handle)
{
    refresh();
    const Link *link = find(handle);
    if (!link)
        return InvalidHandle;
    // pppd runs setuid root with the user as its real user, so the user may
    // signal it; where that is refused, poff has the means.
    if (::kill(pid_t(link->pid), SIGTERM) == 0)
        return Success;
    if (errno == ESRCH) {
        rescan();
        return InvalidHandle;
    }
    qCDebug(lcPppd) << "pppd" << link->pid << "refused SIGTERM:" << std::strerror(errno)
                    << "- trying" << m_paths.poffCommand;
    if (QProcess::startDetached(m_paths.poffCommand, {link->entry}))
        return Success;
    qCWarning(lcPppd) << "cannot run" << m_paths.poffCommand << "for" << link->entry;
    return NotAvailable;
}

int PppdService::connectStatus(ConnectionHandle handle)
{
    refresh();
    return find(handle) ? Success : InvalidHandle;
}

std::unique_ptr<DialAttempt> PppdService::dial(const QString &entryName)
{
    auto attempt = std::make_unique<PppdDialAttempt>(this, entryName);
    // Only a listed peer is dialed: the name becomes a file name for pppd.
    if (!peers().contains(entryName)) {
        attempt->failAtOnce(tr("There is no peer \"%1\" in %2.").arg(entryName, m_paths.peersDir));
        return attempt;
    }
    if (isPeerConnected(entryName)) {
        attempt->connectedAtOnce();
        return attempt;
    }
    attempt->start();
    return attempt;
}

QString PppdService::interfaceName(ConnectionHandle handle) const
{
    const Link *link = find(handle);
    return link ? link->interfaceName : QString();
}

QString PppdService::resumeToken(ConnectionHandle handle) const
{
    const Link *link = find(handle);
    if (!link)
        return QString();
    ResumeToken token(kTokenKind, kTokenVersion);
    token.insert(QStringLiteral("pid"), link->pid);
    token.insert(QStringLiteral("iface"), link->interfaceName);
    token.insert(QStringLiteral("entry"), link->entry);
    token.insert(QStringLiteral("since"), link->upSinceMs);
    return token.text();
}

bool PppdService::resume(ConnectionHandle handle, const QString &text)
{
    refresh();
    const Link *link = find(handle);
    const std::optional<ResumeToken> token = ResumeToken::parse(text, kTokenKind, kTokenVersion);
    // The same pppd on the same interface since the same time is the same
    // link: its interface counts whole and its pid file dates it, so there
    // is nothing to restore. A pppd that redialled (persist) wrote its pid
    // file anew; a new pppd may have been given the old one's pid.
    return link && token && token->number(QStringLiteral("pid")) == link->pid &&
           token->value(QStringLiteral("iface")) == link->interfaceName &&
           token->value(QStringLiteral("entry")) == link->entry &&
           token->number(QStringLiteral("since")) == link->upSinceMs;
}

ConnectionService::PhonebookEditing PppdService::phonebookEditing() const
{
    PhonebookEditing editing;
    editing.explanation =
        tr("pppd's connections are the peer files in %1. Edit them as root with a "
           "text editor (see the pppd and pon manual pages).")
            .arg(m_paths.peersDir);
    return editing;
}
