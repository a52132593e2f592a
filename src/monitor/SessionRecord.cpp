#include "monitor/SessionRecord.h"

#include "core/TextForms.h"

QStringList SessionRecord(double startTime, const SessionCounters &counters, double cost,
                          const QString &entryName, const QString &userName, const QLocale &locale)
{
    constexpr double msPerDay = 86400000.0;
    return {
        QStringLiteral("Time=") + TextForms::dateTimeText(startTime, locale),
        // The platform's connection time, not the time since the start.
        QStringLiteral("Duration=") +
            TextForms::dateTimeText(double(counters.dwConnectDuration) / msPerDay, locale),
        QStringLiteral("TrafficIn=") + QString::number(counters.dwBytesRcved),
        QStringLiteral("TrafficOut=") + QString::number(counters.dwBytesXmited),
        QStringLiteral("Cost=") + TextForms::numberText(cost, locale),
        QStringLiteral("Speed=") + TextForms::speedText(counters.dwBps, locale),
        QStringLiteral("ConnectName=") + entryName,
        QStringLiteral("UserName=") + userName,
    };
}
