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

// One time range of a day element that can be in force: from startMs
// (inclusive) to endMs (exclusive), in ms of the day; node is the range
// element, whose TariffType is read only when it matches.
struct TariffRange
{
    qint64 startMs = 0;
    qint64 endMs = 0;
    pugi::xml_node node;
};

// Reads a range element; false when it never matches (a time missing or not
// a time, or an end not after the start).
bool ReadTariffRange(pugi::xml_node range, TariffRange *out);
// Whether the range decides the type at msOfDay: it holds that time and has
// a TariffType, whose text goes to *type (empty: the default applies).
bool TariffRangeDecides(const TariffRange &range, qint64 msOfDay, QString *type);
// The provider's day element of a weekday (1 Monday .. 7 Sunday), or none.
pugi::xml_node TariffDay(pugi::xml_node provider, int weekday);

// The ID of the tariff type in force on that date at that time of day (a
// fraction of a day): the first range of the day element that holds the time
// (start inclusive, end exclusive, never across midnight), else DefCost.
// Empty when neither gives one.
QString TariffTypeAt(pugi::xml_node provider, const QDate &date, double timeOfDay);

// What a connection used during one interval, each quantity named after the
// price it is multiplied by.
struct IntervalQuantities
{
    double minutes = 0.0;      // Minute: minutes of connection
    double megabytesIn = 0.0;  // Input: megabytes received (1 048 576 bytes)
    double megabytesOut = 0.0; // Output: megabytes sent
};

// The cost of one interval: each price of the tariff type in force times the
// quantity of the same name. A price that is missing or not a number, or a
// quantity that is not finite, adds nothing. The weekday comes from clock.now().
IntervalPrice PriceInterval(const XmlDocument &config, pugi::xml_node provider,
                            const IntervalQuantities &quantities, double timeOfDay,
                            const Clock &clock);

double IntervalCost(const XmlDocument &config, pugi::xml_node provider,
                    const IntervalQuantities &quantities, double timeOfDay, const Clock &clock);

// The same with the quantities as "Minute=…", "Input=…", "Output=…" number
// texts under the user's locale; a quantity that is missing or not a number
// counts as none.
IntervalQuantities QuantitiesFromList(const QStringList &quantities);
IntervalPrice PriceInterval(const XmlDocument &config, pugi::xml_node provider,
                            const QStringList &quantities, double timeOfDay, const Clock &clock);
double IntervalCost(const XmlDocument &config, pugi::xml_node provider,
                    const QStringList &quantities, double timeOfDay, const Clock &clock);
