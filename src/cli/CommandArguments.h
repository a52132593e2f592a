#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The arguments after a command's name: options that take a value
// ("--format csv" or "--format=csv"), flags, and the remaining positional
// arguments. "--" ends the options.
class CommandArguments
{
public:
    CommandArguments(const QStringList &arguments, const QStringList &valueOptions,
                     const QStringList &flags = {});

    // Empty when the arguments were understood; otherwise what is wrong.
    QString error() const { return m_error; }
    bool has(const QString &option) const { return m_values.contains(option); }
    QString value(const QString &option, const QString &fallback = QString()) const
    {
        return m_values.value(option, fallback);
    }
    const QStringList &positional() const { return m_positional; }

private:
    QHash<QString, QString> m_values;
    QStringList m_positional;
    QString m_error;
};
