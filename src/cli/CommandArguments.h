#pragma once

#include <QString>
#include <QStringList>

class QDate;
class QTime;

// The arguments of one command of the tool, read by QCommandLineParser:
// options may stand before or after the positional arguments, an option of
// valueOptions takes a value ("--format csv" or "--format=csv"), a flag takes
// none, and "--" ends the options. The tool's own options (--home DIR, --help
// or -h, --version) are understood after a command too.
//
// Options are named as the user writes them, with their dashes: "--format".
class CommandArguments
{
public:
    CommandArguments(const QStringList &arguments, const QStringList &valueOptions,
                     const QStringList &flags = {});

    // The options of a command by its name, the tool's own options included;
    // an unknown command has only those.
    static CommandArguments forCommand(const QString &command, const QStringList &arguments);
    static bool isCommand(const QString &command);

    // Empty when the arguments were understood; otherwise what is wrong.
    QString error() const { return m_error; }
    bool has(const QString &option) const;
    QString value(const QString &option, const QString &fallback = QString()) const;
    const QStringList &positional() const { return m_positional; }

    // A moment given as YYYY-MM-DDTHH:MM:SS with optional milliseconds, read
    // strictly as a local date and clock time; false when it is none.
    static bool readMoment(const QString &text, QDate *day, QTime *clockTime);

private:
    QStringList m_names;  // the options given, without dashes
    QStringList m_values; // their values, in the same order
    QStringList m_positional;
    QString m_error;
};
