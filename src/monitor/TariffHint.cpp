#include "monitor/TariffHint.h"

#include "cost/TariffTexts.h"
#include "monitor/MonitorView.h"
#include "monitor/SessionMonitor.h"

void TariffHint::sessionRecorded(const SessionMonitor &)
{
    m_view.setTariffText(QString());
}

QString TariffHint::connectedTick(const SessionMonitor &monitor)
{
    const QString &line = m_texts.of(monitor.EntryName()).inForce;
    m_view.setTariffText(line);
    return line;
}
