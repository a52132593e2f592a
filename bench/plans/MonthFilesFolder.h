#pragma once

#include "core/DataFolder.h"
#include "core/TextForms.h"
#include "store/ConfigDocument.h"
#include "store/DataFiles.h"
#include "store/StatisticsLog.h"
#include "store/XmlDocument.h"

#include <QDir>
#include <QTemporaryDir>

inline constexpr int kSessionsPerMonth = 10000;

// A data folder whose Logs hold the 12 month files of 2026, 10,000 sessions
// each, spread evenly over the month among five providers ("Provider 0" to
// "Provider 4").
struct MonthFilesFolder
{
    QTemporaryDir dir;
    QString logs;

    MonthFilesFolder()
    {
        logs = dir.filePath(QStringLiteral("Logs"));
        QDir().mkpath(logs);
        for (int month = 1; month <= 12; ++month) {
            const QDate first(2026, month, 1);
            const double firstDay = TextForms::toDays(first.startOfDay());
            const double step = first.daysInMonth() / double(kSessionsPerMonth);
            XmlDocument document;
            NewStatistics(document);
            pugi::xml_node data = document.root().child("Data");
            for (int i = 0; i < kSessionsPerMonth; ++i) {
                pugi::xml_node line = data.append_child("Line");
                setAttributeText(line, "Time", TextForms::dateTimeText(firstDay + i * step));
                setAttributeText(line, "Duration",
                                 TextForms::dateTimeText(0.0123 + (i % 97) * 0.0007));
                setAttributeText(line, "TrafficIn", QString::number(1234567 + i * 131));
                setAttributeText(line, "TrafficOut", QString::number(234567 + i * 17));
                setAttributeText(line, "Cost", TextForms::numberText(1.25 + (i % 13) * 0.37));
                setAttributeText(line, "Speed", TextForms::numberText(49.333));
                setAttributeText(line, "ConnectName", QStringLiteral("Provider %1").arg(i % 5));
                setAttributeText(line, "UserName", QStringLiteral("user%1").arg(i % 4));
            }
            SaveDocument(logs + QLatin1Char('/') + statsFileName(first), document);
        }
    }

    // A configuration of three providers ("Provider 0" to "Provider 2");
    // withPlans: plans with both caps whose periods start on the 1st, 15th
    // and 31st, so that they need one and two month files.
    static void writeConfig(const QString &path, bool withPlans)
    {
        XmlDocument document;
        NewConfig(document);
        pugi::xml_node isp = document.root().child("ISP");
        const char *starts[] = {"1", "15", "31"};
        for (int p = 0; p < 3; ++p) {
            pugi::xml_node item = isp.append_child("Item");
            setAttributeText(item, "Name", QStringLiteral("Provider %1").arg(p));
            if (withPlans) {
                setAttributeText(item, "PeriodStart", QLatin1String(starts[p]));
                setAttributeText(item, "TrafficCap", TextForms::numberText(5120.5));
                setAttributeText(item, "CostCap", TextForms::numberText(30));
            }
        }
        SaveDocument(path, document);
    }
};
