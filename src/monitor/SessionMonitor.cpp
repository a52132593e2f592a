#include "monitor/SessionMonitor.h"
#include "monitor/SessionRecord.h"

#include "connection/ConnectionService.h"
#include "connection/DialupOperations.h"
#include "core/Clock.h"
#include "core/LogCategories.h"
#include "core/TextForms.h"
#include "cost/TariffCost.h"
#include "monitor/SessionObserver.h"
#include "store/ConfigDocument.h"
#include "store/MonthStatistics.h"
#include "store/XmlDocument.h"

#include <algorithm>
#include <limits>

namespace {

constexpr double kMsPerDay = 86400000.0;
constexpr double kBytesPerMegabyte = 1048576.0;
// The platform's entry names hold 256 characters at most.
constexpr int kEntryNameLength = 256;
// The longest tooltip the tray icon is handed.
constexpr int kHintLength = 255;
constexpr int kBalloonSeconds = 10;

const QString kYes = QLatin1StringView(ConfigKeys::Yes);

// The graph takes 32-bit samples; a second of a very fast link, or a counter
// reset, must not wrap round to a sample of the opposite sign.
qint32 graphSample(qint64 bytes)
{
    return qint32(std::clamp<qint64>(bytes, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

} // namespace

SessionMonitor::SessionMonitor(ConnectionService &service, XmlDocument &config,
                               MonthStatistics &log, const Clock &clock, MonitorView &view)
    : m_service(service), m_config(config), m_log(log), m_clock(clock), m_view(view),
      m_locale(QLocale::system())
{
}

void SessionMonitor::Timer1Timer()
{
    if (m_leftJournal && !settleLeftJournal())
        return;

    // The record is cleared first, so a failed or crowded poll leaves a null
    // handle and an empty name; the snapshot keeps its figures then.
    const SessionCounters previous = m_counters;
    m_polled = ConnectionRecord{};
    PollConnection(m_service, m_polled, m_counters);
    followWatchedConnection(previous);

    const bool connected = IsConnected(m_service);
    if (connected != m_wasConnected) {
        m_wasConnected = connected;
        if (connected)
            connectSteps();
        else
            disconnectSteps();
    } else if (connected && watchedConnectionEnded()) {
        // The watched connection ended while another stays up: that is the
        // end of one connection, recorded with its own last figures, and the
        // start of the next, never a jump from one's counters to the other's.
        qCDebug(lcMonitor) << "connection" << m_watchedHandle << m_entryName << "ended; watching"
                           << m_polled.hrasconn << m_polled.szEntryName;
        const SessionCounters next = m_counters;
        m_counters = previous;
        disconnectSteps();
        m_counters = next;
        connectSteps();
    }

    if (IsConnected(m_service)) {
        connectedUpdate();
        writeJournalIfDue();
    }

    // One graph sample a second, 0 while no connection is up.
    if (!m_connectedThisTick) {
        if (m_graphPhase)
            m_view.AddValue(0);
        m_graphPhase = !m_graphPhase;
    }
    m_connectedThisTick = false;
}

void SessionMonitor::followWatchedConnection(const SessionCounters &previous)
{
    // A connection taken up again after a restart need not be the first one
    // listed; one that came up later may be listed before it.
    if (m_watchedHandle == 0 || m_polled.hrasconn == 0 || m_polled.hrasconn == m_watchedHandle)
        return;
    SessionCounters watched = previous;
    if (m_service.connectStatus(m_watchedHandle) != ConnectionService::Success ||
        m_service.connectionStatistics(m_watchedHandle, &watched) != ConnectionService::Success)
        return; // gone: watchedConnectionEnded() takes it from here
    m_counters = watched;
    m_polled = ConnectionRecord{m_watchedHandle, m_entryName};
}

bool SessionMonitor::watchedConnectionEnded()
{
    // A null handle is a crowded poll, which names no connection.
    if (m_polled.hrasconn == 0 || m_polled.hrasconn == m_watchedHandle)
        return false;
    if (m_watchedHandle == 0) {
        // Connected while the poll was crowded: the connection is known now.
        m_watchedHandle = m_polled.hrasconn;
        return false;
    }
    return m_service.connectStatus(m_watchedHandle) != ConnectionService::Success;
}

void SessionMonitor::refindProvider()
{
    m_providerNode = pugi::xml_node();
    if (m_entryName.isEmpty())
        return;
    const pugi::xml_node root = m_config.root();
    if (!root)
        return;
    m_providerNode = FindChildByAttribute(root.child("ISP"), QStringLiteral("Name"), m_entryName);
}

void SessionMonitor::connectSteps()
{
    if (GetGeneralValue(m_config, ConfigKeys::UserMode.keyName()) == kYes && m_showAuthorization)
        m_showAuthorization(m_config);

    m_entryName = m_polled.szEntryName.left(kEntryNameLength);
    m_watchedHandle = m_polled.hrasconn;
    qCDebug(lcMonitor) << "connected:" << m_watchedHandle << m_entryName;

    m_view.setStatusGlyph(MonitorView::ConnectedGlyph);
    m_view.setStatusText(tr("Connected..."));

    const QString speed = TextForms::speedText(m_counters.dwBps, m_locale);
    m_view.setText(MonitorView::Field::Speed, speed + QStringLiteral(" KBps"));

    m_trayState = 1;
    m_view.SetTrayImage(MonitorView::TrayNoTraffic);

    refindProvider();

    m_sessionCost = 0;
    if (m_providerNode && hasAttribute(m_providerNode, "PayConn")) {
        double charge = 0;
        if (TextForms::parseNumber(attributeText(m_providerNode, "PayConn"), &charge, m_locale))
            m_sessionCost = charge;
    }

    m_startTime = TextForms::toDays(m_clock.now());

    m_view.showBalloon(QStringLiteral("Dialometer"),
                       tr("Connection: %1").arg(m_polled.szEntryName) + QStringLiteral("\r\n") +
                           tr("Speed: %1 KBps").arg(speed),
                       kBalloonSeconds);
    m_view.startBalloonTimer();

    m_view.setText(MonitorView::Field::Provider, m_entryName);
}

QStringList SessionMonitor::sessionRecord() const
{
    return SessionRecord(m_startTime, m_counters, m_sessionCost, m_entryName, m_currentUserName,
                         m_locale);
}

void SessionMonitor::disconnectSteps()
{
    // The snapshot still holds the figures of the connection's last tick.
    qCDebug(lcMonitor) << "disconnected:" << m_watchedHandle << m_entryName << "after"
                       << m_counters.dwConnectDuration << "ms," << m_counters.dwBytesRcved << "/"
                       << m_counters.dwBytesXmited << "bytes";
    m_watchedHandle = 0;
    m_log.addToMonthTotals(m_sessionTime, m_sessionCost);
    m_log.AppendSession(sessionRecord());
    dropJournal();
    if (m_observer)
        m_observer->sessionRecorded(*this);

    m_view.setTrayHint(QString());

    m_lastReceived = 0;
    m_lastSent = 0;
    m_graphLastTotal = 0;

    m_view.setStatusGlyph(MonitorView::DisconnectedGlyph);
    m_view.setStatusText(tr("Disconnected..."));

    using F = MonitorView::Field;
    // Zero time and money in the same forms the connected ticks use, so the
    // figures do not change their separators when the line drops.
    m_view.setText(F::CurTime, TextForms::durationText(0, m_locale));
    m_view.setText(F::CurCost, TextForms::moneyText(0, m_locale));
    const QString zero = QStringLiteral("0");
    m_view.setText(F::AccByte, zero);
    m_view.setText(F::SentByte, zero);
    m_view.setText(F::AccPack, zero);
    m_view.setText(F::SentPack, zero);
    m_view.setText(F::AccComp, QStringLiteral("0%"));
    m_view.setText(F::SentComp, QStringLiteral("0%"));
    m_view.setText(F::Speed, QStringLiteral("0 KBps"));
    m_view.setText(F::Provider, tr("None"));
    m_view.setText(F::UserName, tr("None"));

    m_view.setLightImage(MonitorView::Light::Sent, MonitorView::LightIdle);
    m_view.setLightImage(MonitorView::Light::Received, MonitorView::LightIdle);
    m_view.SetTrayImage(MonitorView::TrayDisconnected);
    m_recvLedState = MonitorView::LightIdle;
    m_sentLedState = MonitorView::LightIdle;

    m_currentUserName.clear();
}

void SessionMonitor::updateLight(qint64 current, qint64 &last, int &state, MonitorView::Light light)
{
    const int target = current != last ? MonitorView::LightActive : MonitorView::LightIdle;
    if (target != state) {
        state = target;
        m_view.setLightImage(light, target);
    }
    last = current;
}

void SessionMonitor::updateTrayImage()
{
    struct Row
    {
        int recv, sent, tray, image;
    };
    static constexpr Row kRows[] = {
        {MonitorView::LightIdle, MonitorView::LightIdle, 1, MonitorView::TrayNoTraffic},
        {MonitorView::LightActive, MonitorView::LightIdle, 2, MonitorView::TrayReceiving},
        {MonitorView::LightIdle, MonitorView::LightActive, 3, MonitorView::TraySending},
        {MonitorView::LightActive, MonitorView::LightActive, 4, MonitorView::TrayBoth},
    };
    for (const Row &row : kRows) {
        if (m_recvLedState == row.recv && m_sentLedState == row.sent && m_trayState != row.tray) {
            m_trayState = row.tray;
            m_view.SetTrayImage(row.image);
        }
    }
}

QString SessionMonitor::trayHint(const QString &extraLines) const
{
    const QStringList lines{
        m_polled.szEntryName,
        tr("Speed: %1 KBps").arg(TextForms::speedText(m_counters.dwBps, m_locale)),
        tr("Sent: %1 bytes").arg(TextForms::hintCountText(m_counters.dwBytesXmited, m_locale)),
        tr("Received: %1 bytes").arg(TextForms::hintCountText(m_counters.dwBytesRcved, m_locale)),
    };
    const QString hint = lines.join(QStringLiteral("\r\n"));
    if (extraLines.isEmpty())
        return hint.left(kHintLength);
    // A long entry name gives way, not the extra lines.
    const QString tail = QStringLiteral("\r\n") + extraLines.left(kHintLength - 2);
    return hint.left(kHintLength - tail.size()) + tail;
}

void SessionMonitor::connectedUpdate()
{
    using F = MonitorView::Field;
    const SessionCounters &s = m_counters;

    if (!m_currentUserName.isEmpty())
        m_view.setText(F::UserName, m_currentUserName);

    if (GetGeneralValue(m_config, ConfigKeys::Calculate.keyName()) == kYes) {
        // The configured interval, not the time that really passed: late or
        // skipped ticks are not made up.
        const IntervalQuantities quantities{
            intervalMs() / 60000.0,
            double(s.dwBytesRcved - m_lastReceived) / kBytesPerMegabyte,
            double(s.dwBytesXmited - m_lastSent) / kBytesPerMegabyte,
        };
        // The settings replace the whole document on Apply while the ticks go
        // on, which frees the element found at connect: look it up afresh.
        refindProvider();
        const QDateTime now = m_clock.now();
        if (m_resumedFrom)
            m_sessionCost += resumeGapCost(now);
        else
            m_sessionCost += IntervalCost(m_config, m_providerNode, quantities,
                                          TextForms::timeOfDay(now), m_clock);
    } else {
        m_sessionCost = 0;
        m_resumedFrom.reset();
    }

    updateLight(s.dwBytesXmited, m_lastSent, m_sentLedState, MonitorView::Light::Sent);
    updateLight(s.dwBytesRcved, m_lastReceived, m_recvLedState, MonitorView::Light::Received);
    updateTrayImage();

    if (m_graphPhase) {
        const qint64 total = s.dwBytesRcved + s.dwBytesXmited;
        m_view.AddValue(m_graphLastTotal < 1 ? 0 : graphSample(total - m_graphLastTotal));
        m_graphLastTotal = total;
    }
    m_graphPhase = !m_graphPhase;
    m_connectedThisTick = true;

    m_sessionTime = double(s.dwConnectDuration) / kMsPerDay;
    m_view.setText(F::CurTime, TextForms::durationText(m_sessionTime, m_locale));
    m_view.setText(F::CurCost, TextForms::moneyText(m_sessionCost, m_locale));
    m_view.setText(F::MonthTime,
                   TextForms::durationText(m_log.MonthTime() + m_sessionTime, m_locale));
    m_view.setText(F::MonthCost, TextForms::moneyText(m_log.MonthCost() + m_sessionCost, m_locale));

    m_view.setText(F::AccByte, TextForms::countText(s.dwBytesRcved, m_locale));
    m_view.setText(F::SentByte, TextForms::countText(s.dwBytesXmited, m_locale));
    m_view.setText(F::AccPack, TextForms::countText(s.dwFramesRcved, m_locale));
    m_view.setText(F::SentPack, TextForms::countText(s.dwFramesXmited, m_locale));
    m_view.setText(F::AccComp, QString::number(s.dwCompressionRatioIn) + QLatin1Char('%'));
    m_view.setText(F::SentComp, QString::number(s.dwCompressionRatioOut) + QLatin1Char('%'));

    const QString extraLines = m_observer ? m_observer->connectedTick(*this) : QString();
    m_view.setTrayHint(trayHint(extraLines));
}
