#pragma once

#include "cost/TariffOutlook.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>

class Clock;
class XmlDocument;

// The tariff texts of the running program for a provider (named as its
// phonebook entry): beside a "Connections" item the tariff in force with its
// price per minute ("Day 0.60/min"), as the item's tooltip the cheapest
// start of an hour within a day, and while connected the tariff in force and
// when it changes ("Day until 20:00"). A provider's texts are worked out at
// most once a clock minute, and again after the configuration changed.
class TariffTexts
{
    Q_DECLARE_TR_FUNCTIONS(TariffTexts)

public:
    struct Texts
    {
        QString beside;  // empty: no tariff in force
        QString toolTip; // empty: no tariffs at all
        QString inForce; // empty: no tariff in force
    };

    TariffTexts(const Clock &clock, const XmlDocument &config);

    const Texts &of(const QString &provider);
    // The configuration's content was replaced or edited.
    void configChanged() { m_cache.clear(); }

private:
    struct Cached
    {
        qint64 minute = 0; // the clock minute they were worked out in
        Texts texts;
    };

    Texts work(const QString &provider, ClockMs now) const;

    const Clock &m_clock;
    const XmlDocument &m_config;
    QHash<QString, Cached> m_cache;
};
