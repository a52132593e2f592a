#pragma once

#include "core/Clock.h"
#include "store/XmlDocument.h"

#include <QDate>
#include <QString>
#include <QStringList>

// Prices one polling interval of a connection from its provider's weekly
// schedule. The provider element is an Item of the configuration's ISP
// section; its day elements (Monday..Sunday) hold time ranges (Item with
// Time1, Time2, TariffType) and its DefCost names the default tariff type.
// Tariff types are the Items of TariffTypes, with the prices Minute, Input
// (per megabyte received) and Output (per megabyte sent).

// The result of pricing an interval, with the ID of the tariff type whose
// prices were applied (empty when none was found).
struct IntervalPrice
{
    double cost = 0.0;
    QString tariffType;
};

// The ID of the tariff type in force on that date at that time of day (a
// fraction of a day): the first range of the day element that holds the time
// (start inclusive, end exclusive, never across midnight), else DefCost.
// Empty when neither gives one.
QString TariffTypeAt(pugi::xml_node provider, const QDate &date, double timeOfDay);

// The cost of one interval: each price of the tariff type in force times the
// quantity of the same name ("Minute=…", "Input=…", "Output=…", number texts
// under the user's locale). A price or quantity that is missing or not a
// number adds nothing. The weekday comes from clock.now().
IntervalPrice PriceInterval(const XmlDocument &config, pugi::xml_node provider,
                            const QStringList &quantities, double timeOfDay, const Clock &clock);

double IntervalCost(const XmlDocument &config, pugi::xml_node provider,
                    const QStringList &quantities, double timeOfDay, const Clock &clock);
