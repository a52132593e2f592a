#include "monitor/IdleHangUp.h"

#include "core/LogCategories.h"
#include "monitor/MonitorView.h"
#include "monitor/SessionMonitor.h"
#include "store/ConfigDocument.h"
#include "store/XmlDocument.h"

namespace {

// Long enough to be read: Timer2 does not hide this balloon.
constexpr int kBalloonSeconds = 30;

} // namespace

IdleHangUp::IdleHangUp(MonitorView &view, HangUp hangUp) : m_view(view), m_hangUp(std::move(hangUp))
{
}

void IdleHangUp::readSettings(const XmlDocument &config)
{
    m_settings.clear();
    QList<SectionItem> providers;
    ListSectionItems(config, QStringLiteral("ISP"), providers, 0);
    for (const SectionItem &provider : std::as_const(providers)) {
        const ProviderIdle idle = ReadProviderIdle(provider.element);
        const QString name = attributeText(provider.element, "Name");
        if (idle.isOn() && !m_settings.contains(name))
            m_settings.insert(name, idle);
    }
}

void IdleHangUp::forget()
{
    m_totals.clear();
    m_next = 0;
    m_full = false;
}

void IdleHangUp::sessionRecorded(const SessionMonitor &)
{
    forget();
    m_entry.clear();
    m_start = -1;
}

QString IdleHangUp::connectedTick(const SessionMonitor &monitor)
{
    if (monitor.EntryName() != m_entry || monitor.StartTime() != m_start) {
        forget();
        m_entry = monitor.EntryName();
        m_start = monitor.StartTime();
    }
    const auto found = m_settings.constFind(m_entry);
    if (found == m_settings.constEnd()) {
        forget();
        return QString();
    }
    const ProviderIdle &idle = *found;
    const qsizetype ticks = qsizetype(idle.minutes) * 60000 / SessionMonitor::intervalMs();
    if (m_totals.size() != ticks) {
        forget();
        m_totals.resize(ticks);
    }

    const SessionCounters &counters = monitor.counters();
    const qint64 total = counters.dwBytesRcved + counters.dwBytesXmited;
    if (m_full) {
        // The oldest total is that of the tick IdleMinutes ago. A counter
        // that went down says nothing about idleness.
        const qint64 moved = total - m_totals[m_next];
        if (moved >= 0 && double(moved) < idle.bytesPerSecond * idle.minutes * 60.0) {
            qCDebug(lcMonitor) << "idle for" << idle.minutes << "minutes:" << m_entry << moved
                               << "bytes; hanging up";
            m_view.showBalloon(QStringLiteral("Dialometer"),
                               tr("No traffic on %1 for %n minutes: the connection was hung up.",
                                  nullptr, int(idle.minutes))
                                   .arg(m_entry),
                               kBalloonSeconds);
            forget();
            m_hangUp();
            return QString();
        }
    }
    m_totals[m_next] = total;
    m_next = (m_next + 1) % ticks;
    m_full = m_full || m_next == 0;
    return QString();
}
