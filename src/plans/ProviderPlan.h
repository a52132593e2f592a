#pragma once

#include "store/XmlDocument.h"

#include <QList>
#include <QLocale>
#include <QString>

// A provider's metered plan, kept as attributes of its ISP Item beside the
// schedule: PeriodStart (the day of the month a period begins), TrafficCap
// (MB received plus sent per period), CostCap (money per period), AlertAt
// (percent of a cap) and HangUpAtCap ("1"). Numbers are regional texts.
struct ProviderPlan
{
    QString name;
    int periodStart = 1;     // 1..31; past the month's end means its last day
    double trafficCapMB = 0; // 0: no traffic cap
    double costCap = 0;      // 0: no money cap
    double alertAt = 80;     // percent
    bool hangUpAtCap = false;

    bool hasTrafficCap() const { return trafficCapMB > 0; }
    bool hasCostCap() const { return costCap > 0; }
};

// The plan of a provider element. A value that is missing, empty or not
// readable takes its default (PeriodStart must be a whole day 1..31, a cap
// and AlertAt must not be negative); a damaged value is logged.
ProviderPlan ReadProviderPlan(pugi::xml_node provider, const QLocale &locale = QLocale::system());
// The plans of the configuration's providers (the ISP entries with a Name),
// in their order.
QList<ProviderPlan> ReadProviderPlans(const XmlDocument &config,
                                      const QLocale &locale = QLocale::system());
// Stores a plan in a provider element, numbers in regional form. An attribute
// that already reads as the plan's value is left as it stands; otherwise a
// value at its default (a cap of none, day 1, 80 %, no hang-up) removes the
// attribute and any other value is written. So a provider without a plan
// keeps no plan attributes. Other attributes and the name are not touched.
void WriteProviderPlan(pugi::xml_node provider, const ProviderPlan &plan,
                       const QLocale &locale = QLocale::system());
