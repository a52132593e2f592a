#include "cli/ReportOptions.h"

#include "cli/CliContext.h"
#include "cli/CommandArguments.h"
#include "cli/DataFileReader.h"
#include "core/DataFolder.h"

namespace ReportOptions {

bool checkArguments(const CommandArguments &args, const QString &command, const QString &usage,
                    const CliContext &context)
{
    if (args.error().isEmpty() && args.positional().isEmpty())
        return true;
    context.complain(command, args.error().isEmpty() ? usage : args.error());
    return false;
}

bool readTextOrJson(const CommandArguments &args, const QString &command, const CliContext &context,
                    TableOutput::Format *format)
{
    const QString name = args.value(QStringLiteral("--format"), QStringLiteral("text"));
    if (TableOutput::parseFormat(name, format) && *format != TableOutput::Format::Csv)
        return true;
    context.complain(command, CliText::tr("unknown format \"%1\" (text or json)").arg(name));
    return false;
}

bool readAt(const CommandArguments &args, const QString &command, const CliContext &context,
            QDate *day, QTime *clockTime)
{
    const QString text = args.value(QStringLiteral("--at"));
    if (!args.has(QStringLiteral("--at")) || CommandArguments::readMoment(text, day, clockTime))
        return true;
    context.complain(
        command,
        CliText::tr("--at \"%1\" is not a date and time like 2026-12-09T05:00:00").arg(text));
    return false;
}

bool readConfiguration(const CliContext &context, XmlDocument &config, QString *configName)
{
    *configName = configPath(context.home);
    QString problem;
    if (DataFileReader::read(*configName, config, &problem))
        return true;
    context.complain(*configName, problem);
    return false;
}

} // namespace ReportOptions
