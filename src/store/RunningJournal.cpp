#include "store/RunningJournal.h"

#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/LogCategories.h"
#include "core/TextForms.h"
#include "store/DataFiles.h"
#include "store/XmlDocument.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <limits>

namespace {

constexpr char kRootName[] = "RunningConnection";

// The month files name their year with two digits, 1950 to 2049.
constexpr int kFirstYear = 1950;
constexpr int kLastYear = 2049;

struct CounterAttribute
{
    const char *name;
    qint64 SessionCounters::*field;
};

// The 64-bit counters; the compression ratios, 32-bit percentages, are read apart.
constexpr CounterAttribute kCounters[] = {
    {"BytesIn", &SessionCounters::dwBytesRcved},
    {"BytesOut", &SessionCounters::dwBytesXmited},
    {"FramesIn", &SessionCounters::dwFramesRcved},
    {"FramesOut", &SessionCounters::dwFramesXmited},
    {"Speed", &SessionCounters::dwBps},
    {"Duration", &SessionCounters::dwConnectDuration},
};

QString exactNumber(double value)
{
    return QString::number(value, 'g', std::numeric_limits<double>::max_digits10);
}

// An attribute that is missing reads as fallback; one that is there must be a
// number in range.
bool readNumber(const pugi::xml_node &node, const char *name, double fallback, double *value)
{
    if (!hasAttribute(node, name)) {
        *value = fallback;
        return true;
    }
    bool ok = false;
    *value = attributeText(node, name).toDouble(&ok);
    return ok && std::isfinite(*value);
}

bool readCount(const pugi::xml_node &node, const char *name, qint64 max, qint64 *value)
{
    if (!hasAttribute(node, name)) {
        *value = 0;
        return true;
    }
    bool ok = false;
    *value = attributeText(node, name).toLongLong(&ok);
    return ok && *value >= 0 && *value <= max;
}

} // namespace

RunningJournal::RunningJournal(QString filePath, const Clock &clock)
    : m_filePath(std::move(filePath)), m_clock(clock)
{
    m_writer.setMaxThreadCount(1);
}

RunningJournal::~RunningJournal()
{
    flush();
}

void RunningJournal::post(const RunningConnection &connection)
{
    schedule(Pending{false, connection});
}

void RunningJournal::postRemoval()
{
    schedule(Pending{true, {}});
}

void RunningJournal::schedule(Pending pending)
{
    {
        QMutexLocker lock(&m_mutex);
        m_pending = std::move(pending);
        if (m_draining)
            return;
        m_draining = true;
    }
    m_writer.start([this] { drain(); });
}

void RunningJournal::drain()
{
    for (;;) {
        std::optional<Pending> next;
        {
            QMutexLocker lock(&m_mutex);
            next.swap(m_pending);
            if (!next) {
                m_draining = false;
                return;
            }
        }
        if (next->removal)
            remove();
        else if (!write(next->connection))
            qCWarning(lcStore) << "the journal" << m_filePath << "could not be written";
    }
}

void RunningJournal::flush()
{
    m_writer.waitForDone();
}

QString RunningJournal::pathIn(const QString &dataFolder)
{
    return runningJournalPath(dataFolder);
}

void RunningJournal::toDocument(const RunningConnection &c, XmlDocument &document)
{
    document.clear();
    pugi::xml_node root = document.addRoot(kRootName);
    setAttributeText(root, "Version", QStringLiteral("1"));
    setAttributeText(root, "Token", c.token);
    setAttributeText(root, "Entry", c.entryName);
    setAttributeText(root, "Provider", c.providerName);
    setAttributeText(root, "Start", exactNumber(c.startTime));
    setAttributeText(root, "Cost", exactNumber(c.cost));
    setAttributeText(root, "UserName", c.userName);
    for (const CounterAttribute &a : kCounters)
        setAttributeText(root, a.name, QString::number(c.counters.*(a.field)));
    setAttributeText(root, "CompressionIn", QString::number(c.counters.dwCompressionRatioIn));
    setAttributeText(root, "CompressionOut", QString::number(c.counters.dwCompressionRatioOut));
    if (c.writtenAt.isValid())
        setAttributeText(root, "Written", QString::number(c.writtenAt.toMSecsSinceEpoch()));
}

bool RunningJournal::fromDocument(const XmlDocument &document, RunningConnection *connection)
{
    const pugi::xml_node root = document.root();
    if (!root || qstrcmp(root.name(), kRootName) != 0 || !hasAttribute(root, "Start"))
        return false;

    RunningConnection c;
    QDate startDate;
    QTime startTime;
    if (!readNumber(root, "Start", 0, &c.startTime) ||
        !TextForms::splitDays(c.startTime, &startDate, &startTime) ||
        startDate.year() < kFirstYear || startDate.year() > kLastYear)
        return false;
    if (!readNumber(root, "Cost", 0, &c.cost))
        return false;
    for (const CounterAttribute &a : kCounters) {
        if (!readCount(root, a.name, std::numeric_limits<qint64>::max(), &(c.counters.*(a.field))))
            return false;
    }
    qint64 in = 0;
    qint64 out = 0;
    constexpr qint64 maxRatio = std::numeric_limits<quint32>::max();
    if (!readCount(root, "CompressionIn", maxRatio, &in) ||
        !readCount(root, "CompressionOut", maxRatio, &out))
        return false;
    c.counters.dwCompressionRatioIn = quint32(in);
    c.counters.dwCompressionRatioOut = quint32(out);
    // Written by an earlier version, or damaged: the time is not known.
    qint64 writtenMs = 0;
    if (hasAttribute(root, "Written") &&
        readCount(root, "Written", std::numeric_limits<qint64>::max(), &writtenMs)) {
        const QDateTime written = QDateTime::fromMSecsSinceEpoch(writtenMs);
        if (written.isValid() && written.date().year() >= kFirstYear &&
            written.date().year() <= kLastYear)
            c.writtenAt = written;
    }
    c.token = attributeText(root, "Token");
    c.entryName = attributeText(root, "Entry");
    c.providerName = attributeText(root, "Provider");
    c.userName = attributeText(root, "UserName");
    *connection = c;
    return true;
}

bool RunningJournal::write(const RunningConnection &connection) const
{
    XmlDocument document;
    toDocument(connection, document);
    return SaveDocument(m_filePath, document);
}

RunningJournal::LoadResult RunningJournal::load(RunningConnection *connection) const
{
    const QFileInfo info(m_filePath);
    if (!info.exists() && !info.isSymLink())
        return LoadResult::Missing;
    XmlDocument document;
    if (LoadDocument(m_filePath, document) && fromDocument(document, connection))
        return LoadResult::Loaded;
    // An empty file is what a save cut short before its rename never leaves;
    // it holds nothing to keep.
    if (info.isFile() && info.size() == 0) {
        remove();
        return LoadResult::Missing;
    }
    keepAside();
    return LoadResult::Unreadable;
}

bool RunningJournal::remove() const
{
    if (!QFileInfo::exists(m_filePath) && !QFileInfo(m_filePath).isSymLink())
        return true;
    const bool removed = QFile::remove(m_filePath);
    if (!removed)
        qCWarning(lcStore) << "cannot remove the journal" << m_filePath;
    return removed;
}

void RunningJournal::keepAside() const
{
    // Not XML: kept like any unreadable data file.
    if (PreserveUnreadableFile(m_filePath, m_clock))
        return;
    // XML, but no journal: the same name scheme, by hand.
    const QString base = m_filePath + QStringLiteral(".unreadable-") +
                         m_clock.now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString kept = base;
    for (int n = 1; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++n)
        kept = base + QLatin1Char('-') + QString::number(n);
    if (QFile::rename(m_filePath, kept))
        qCWarning(lcStore) << "unreadable journal" << m_filePath << "kept as" << kept;
    else
        qCWarning(lcStore) << "unreadable journal" << m_filePath << "could not be kept aside";
}
