#pragma once

#include <QString>
#include <QTextStream>

// Exit codes of dialometer-cli.
enum CliExit : int {
    ExitSuccess = 0,
    ExitDataError = 1, // a file is missing, unreadable or not what it should be
    ExitUsage = 2,     // the command line is wrong
};

// What every command gets: the data folder and the two output streams.
struct CliContext
{
    QString home;
    QTextStream &out;
    QTextStream &err;

    // "dialometer-cli: <subject>: <problem>" on the error stream.
    void complain(const QString &subject, const QString &problem) const
    {
        err << "dialometer-cli: " << subject << ": " << problem << Qt::endl;
    }
};
