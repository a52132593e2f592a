#pragma once

#include "store/XmlDocument.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QTime>

#include <array>
#include <optional>

// Moments as the schedule sees them: ms on the local clock since day 0
// (30 December 1899 00:00), every day 24 hours long.
using ClockMs = qint64;
ClockMs ToClockMs(const QDate &date, const QTime &time);
ClockMs ToClockMs(const QDateTime &local);
// The same moment as a days value (TextForms, MachineText).
double ClockMsToDays(ClockMs ms);

// A tariff type with the prices that count; a price that is missing or not
// a number is 0, as the cost engine charges nothing for it.
struct TariffPrices
{
    QString id;
    QString name; // empty when the type has none
    double minute = 0.0;
    double input = 0.0;  // per MB received
    double output = 0.0; // per MB sent
};

struct TariffInForce
{
    // None: no tariff type is in force (nothing is charged meanwhile).
    std::optional<TariffPrices> tariff;
    // The first later moment at which the type in force changes; none when
    // it does not within lookAheadDays.
    std::optional<ClockMs> until;
};

struct CheapestStart
{
    ClockMs start = 0;
    double cost = 0.0;
    std::optional<TariffPrices> tariff; // in force at the start
};

// What a provider's weekly schedule charges ahead of time: the tariff type in
// force at a moment and until when, what a connection of some minutes costs
// by the per-minute prices (the fee once), and the start within a window at
// which such a connection costs least. The schedule is read once, as the
// cost engine reads it (TariffCost), into a week of intervals of one type
// each; the answers walk those intervals, never the single minutes.
class TariffOutlook
{
public:
    static constexpr int lookAheadDays() { return 8; }

    TariffOutlook(const XmlDocument &config, pugi::xml_node provider);

    // False when no moment of the week has a tariff type that TariffTypes
    // defines: then nothing is ever charged but the fee, and the answers
    // below say nothing.
    bool hasTariffs() const { return !m_tariffs.isEmpty(); }
    // PayConn, the charge per connection.
    double fee() const { return m_fee; }

    TariffInForce inForce(ClockMs at) const;
    // The fee plus the per-minute prices over [start, start + minutes).
    double connectionCost(ClockMs start, qint64 minutes) const;
    // The whole-minute start within [from, from + hours] at which a
    // connection of that many minutes costs least, the earliest of equal
    // ones; none without tariffs.
    std::optional<CheapestStart> cheapest(ClockMs from, qint64 minutes, qint64 hours) const;

private:
    // From startMs of the day on, up to the next one's start, type tariff
    // (an index of m_tariffs, -1 for none).
    struct Interval
    {
        qint64 startMs = 0;
        int tariff = -1;
    };

    int tariffIndex(const XmlDocument &config, const QString &id);
    // The type in force at a moment, and where its interval of the day ends.
    int tariffAt(ClockMs at, ClockMs *intervalEnd) const;
    double minuteCost(ClockMs from, ClockMs to) const;
    std::optional<TariffPrices> prices(int tariff) const;

    std::array<QList<Interval>, 7> m_week; // Monday first
    QList<TariffPrices> m_tariffs;
    QHash<QString, int> m_indexOfId;
    double m_fee = 0.0;
};
