#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The month files of a Logs folder, "yy_mm.sn2", in the order of their months.
class MonthFiles
{
public:
    // The first day of the month a file name stands for, or an invalid date.
    static QDate monthOf(const QString &fileName);
    // The month files of the folder, earliest first, as full paths.
    static QStringList list(const QString &logsDir);
    // The nearest month file before / after the month of fileName, or empty.
    static QString previous(const QString &logsDir, const QString &fileName);
    static QString next(const QString &logsDir, const QString &fileName);
};
