#pragma once

#include "core/Clock.h"
#include "store/XmlDocument.h"

#include <QDate>
#include <QList>
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

// One piece of a weekday's schedule: from startMs of the day up to the next
// piece's start (or midnight) the tariff type of that ID is in force (empty:
// none, not even a default).
struct TariffPiece
{
    qint64 startMs = 0;
    QString type;
};

// The provider's schedule of a weekday (1 Monday .. 7 Sunday) as pieces, the
// first from 0, each of another type than the one before: the type in force
// changes only where a range starts or ends.
QList<TariffPiece> TariffDayPieces(pugi::xml_node provider, int weekday);

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

// The cost of a stretch of connection from `from` to `to`, however long: each
// moment's minutes at the tariff in force then (the stretch is split where a
// range starts or ends and at midnight, in local time), the traffic spread
// over it evenly, as nobody watched when it passed.
double SpanCost(const XmlDocument &config, pugi::xml_node provider, const QDateTime &from,
                const QDateTime &to, double megabytesIn, double megabytesOut);

// The same with the quantities as "Minute=…", "Input=…", "Output=…" number
// texts under the user's locale; a quantity that is missing or not a number
// counts as none.
IntervalQuantities QuantitiesFromList(const QStringList &quantities);
IntervalPrice PriceInterval(const XmlDocument &config, pugi::xml_node provider,
                            const QStringList &quantities, double timeOfDay, const Clock &clock);
double IntervalCost(const XmlDocument &config, pugi::xml_node provider,
                    const QStringList &quantities, double timeOfDay, const Clock &clock);
