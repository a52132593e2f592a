#pragma once

#include "core/TextForms.h"
#include "store/MonthStatistics.h"

#include <QString>
#include <QStringList>

// Sessions as the session monitor records them, and month files of them.
struct Session
{
    double time;     // days
    double duration; // days
    qint64 in = 0;
    qint64 out = 0;
    double cost = 0;
    QString name = QStringLiteral("Provider");
    QString user = QString();
    double speed = 49.333;
};

inline QStringList sessionRecord(const Session &s)
{
    return {
        QStringLiteral("Time=") + TextForms::dateTimeText(s.time),
        QStringLiteral("Duration=") + TextForms::dateTimeText(s.duration),
        QStringLiteral("TrafficIn=") + QString::number(s.in),
        QStringLiteral("TrafficOut=") + QString::number(s.out),
        QStringLiteral("Cost=") + TextForms::numberText(s.cost),
        QStringLiteral("Speed=") + TextForms::numberText(s.speed),
        QStringLiteral("ConnectName=") + s.name,
        QStringLiteral("UserName=") + s.user,
    };
}

// A month file holding the sessions (in this order); the month is left open
// in *month when given.
inline void writeMonth(const QString &fileName, const QList<Session> &sessions)
{
    MonthStatistics month(fileName);
    month.open();
    for (const Session &s : sessions)
        month.AppendSession(sessionRecord(s));
    month.save();
}

constexpr double kDecember1 = 46357.0; // 1 December 2026
constexpr double kHour = 1.0 / 24;
