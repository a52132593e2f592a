#include "cli/CommandArguments.h"

#include "cli/CliContext.h"

#include <QCommandLineParser>
#include <QDate>
#include <QRegularExpression>
#include <QTime>

#include <utility>

namespace {

QString bare(const QString &option)
{
    qsizetype dashes = 0;
    while (dashes < option.size() && option[dashes] == QLatin1Char('-'))
        ++dashes;
    return option.mid(dashes);
}

struct CommandOptions
{
    const char *name;
    QStringList valueOptions;
    QStringList flags = {};
};

const QList<CommandOptions> &commandTable()
{
    static const QList<CommandOptions> table = {
        {"decode", {}},
        {"encode", {QStringLiteral("--in")}},
        {"sessions", {QStringLiteral("--format")}},
        {"months", {QStringLiteral("--format")}},
        {"cost",
         {QStringLiteral("--config"), QStringLiteral("--provider"), QStringLiteral("--at"),
          QStringLiteral("--minutes"), QStringLiteral("--received-mb"),
          QStringLiteral("--sent-mb")}},
        {"usage",
         {QStringLiteral("--at"), QStringLiteral("--provider"), QStringLiteral("--format")},
         {QStringLiteral("--daily")}},
        {"price",
         {QStringLiteral("--provider"), QStringLiteral("--at"), QStringLiteral("--minutes"),
          QStringLiteral("--within"), QStringLiteral("--format")}},
        {"status", {QStringLiteral("--format")}},
        {"dial", {}},
        {"hangup", {}},
    };
    return table;
}

} // namespace

CommandArguments::CommandArguments(const QStringList &arguments, const QStringList &valueOptions,
                                   const QStringList &flags)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QStringList withValue{QStringLiteral("home")};
    for (const QString &option : valueOptions)
        withValue.append(bare(option));
    for (const QString &name : std::as_const(withValue))
        parser.addOption(QCommandLineOption(name, QString(), name));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parser.addOption(QCommandLineOption(QStringLiteral("version")));
    for (const QString &flag : flags)
        parser.addOption(QCommandLineOption(bare(flag)));

    // The parser takes the program's name first.
    if (!parser.parse(QStringList{QStringLiteral("dialometer-cli")} + arguments)) {
        m_error = parser.errorText();
        return;
    }
    m_positional = parser.positionalArguments();
    for (const QString &name : parser.optionNames()) {
        const QString canonical = name == QLatin1String("h") ? QStringLiteral("help") : name;
        if (withValue.contains(canonical) && m_names.contains(canonical)) {
            m_error = CliText::tr("option --%1 is given twice").arg(canonical);
            return;
        }
        m_names.append(canonical);
        m_values.append(withValue.contains(canonical) ? parser.value(name) : QString());
    }
}

CommandArguments CommandArguments::forCommand(const QString &command, const QStringList &arguments)
{
    for (const CommandOptions &options : commandTable()) {
        if (command == QLatin1String(options.name))
            return CommandArguments(arguments, options.valueOptions, options.flags);
    }
    return CommandArguments(arguments, {});
}

bool CommandArguments::isCommand(const QString &command)
{
    for (const CommandOptions &options : commandTable()) {
        if (command == QLatin1String(options.name))
            return true;
    }
    return false;
}

bool CommandArguments::has(const QString &option) const
{
    return m_names.contains(bare(option));
}

QString CommandArguments::value(const QString &option, const QString &fallback) const
{
    const qsizetype at = m_names.indexOf(bare(option));
    return at < 0 ? fallback : m_values[at];
}

bool CommandArguments::readMoment(const QString &text, QDate *day, QTime *clockTime)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^(\\d{4})-(\\d{2})-(\\d{2})T(\\d{2}):(\\d{2}):(\\d{2})(?:\\.(\\d{1,3}))?$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return false;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const QString fraction = m.captured(7);
    const int ms = fraction.isEmpty() ? 0 : fraction.leftJustified(3, QLatin1Char('0')).toInt();
    const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt(), ms);
    if (!date.isValid() || !time.isValid())
        return false;
    *day = date;
    *clockTime = time;
    return true;
}
