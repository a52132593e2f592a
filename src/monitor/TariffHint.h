#pragma once

#include "monitor/SessionObserver.h"

class MonitorView;
class TariffTexts;

// While a connection is up, the tariff in force for its provider and when
// it changes ("Day until 20:00"): a line of the tray's tooltip and the main
// window's tariff text, taken away when the connection ends.
class TariffHint final : public SessionObserver
{
public:
    TariffHint(TariffTexts &texts, MonitorView &view) : m_texts(texts), m_view(view) {}

    void sessionRecorded(const SessionMonitor &monitor) override;
    QString connectedTick(const SessionMonitor &monitor) override;

private:
    TariffTexts &m_texts;
    MonitorView &m_view;
};
