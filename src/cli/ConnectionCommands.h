#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// The commands that work on connections through the chosen back end:
// "status", "dial" and "hangup". arguments are those after the command; home
// is the data folder, whose configuration says which connections count.
// Returns the exit code: 0 success, 1 a failure of the connection service,
// 2 a usage error.
int runConnectionCommand(const QString &command, const QStringList &arguments, const QString &home,
                         QTextStream &out, QTextStream &err);
