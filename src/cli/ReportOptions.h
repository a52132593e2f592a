#pragma once

#include "cli/TableOutput.h"

#include <QString>

class CommandArguments;
class XmlDocument;
class QDate;
class QTime;
struct CliContext;

// What the commands that report on the configuration (usage, price) read
// alike. Each says what is wrong on context and returns false when the
// command line is wrong.
namespace ReportOptions {

// No error and no positional argument; usage is the command's synopsis.
bool checkArguments(const CommandArguments &args, const QString &command, const QString &usage,
                    const CliContext &context);
// --format text (the default) or json.
bool readTextOrJson(const CommandArguments &args, const QString &command, const CliContext &context,
                    TableOutput::Format *format);
// --at YYYY-MM-DDTHH:MM:SS as a local date and clock time; *day and
// *clockTime stay as they are without --at.
bool readAt(const CommandArguments &args, const QString &command, const CliContext &context,
            QDate *day, QTime *clockTime);

// The configuration of the data folder; false, having said why, when it
// cannot be read.
bool readConfiguration(const CliContext &context, XmlDocument &config, QString *configName);

} // namespace ReportOptions
