#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTextStream>

// Exit codes of dialometer-cli.
enum CliExit : int {
    ExitSuccess = 0,
    ExitDataError = 1, // a file is missing, unreadable or not what it should be
    ExitUsage = 2,     // the command line is wrong
};

// The translation context of the tool's texts for people: its text output,
// its error messages and its help. JSON and CSV names are a format and stay.
struct CliText
{
    Q_DECLARE_TR_FUNCTIONS(CliText)
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
