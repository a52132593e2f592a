#include "cli/StatisticsCommands.h"

#include "cli/CliContext.h"
#include "cli/CommandArguments.h"
#include "cli/SessionListing.h"
#include "cli/TableOutput.h"
#include "core/DataFolder.h"
#include "core/TextForms.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

#include <algorithm>

namespace {

bool readFormat(const CommandArguments &args, const CliContext &context, const QString &command,
                TableOutput::Format *format)
{
    const QString name = args.value(QStringLiteral("--format"), QStringLiteral("text"));
    if (TableOutput::parseFormat(name, format))
        return true;
    context.complain(command, CliText::tr("unknown format \"%1\" (text, csv or json)").arg(name));
    return false;
}

QString textOrEmpty(const QVariant &value, QString (*form)(double, const QLocale &))
{
    return value.isNull() ? QString() : form(value.toDouble(), QLocale::system());
}

QString countOrEmpty(const QVariant &value)
{
    return value.isNull() ? QString() : TextForms::countText(value.toLongLong());
}

QString moneyOrEmpty(const QVariant &value)
{
    return value.isNull() ? QString() : TextForms::moneyText(value.toDouble()).trimmed();
}

// The label of the totals line of the CSV output: a format, so English.
QString csvTotalLabel(qint64 count)
{
    return count == 1 ? QStringLiteral("Total: 1 session")
                      : QStringLiteral("Total: %1 sessions").arg(count);
}

// The same label for people; English says "1 session" without a plural file.
QString totalLabel(qint64 count)
{
    return count == 1 ? CliText::tr("Total: 1 session")
                      : CliText::tr("Total: %n sessions", nullptr, int(count));
}

void writeSessionsText(QTextStream &out, const QList<TableOutput::Row> &rows,
                       const SessionListing::Totals &totals)
{
    using L = SessionListing;
    QList<QStringList> lines;
    lines.append({CliText::tr("Time"), CliText::tr("Duration"), CliText::tr("Traffic In"),
                  CliText::tr("Traffic Out"), CliText::tr("Traffic Sum"), CliText::tr("Cost"),
                  CliText::tr("Speed"), CliText::tr("Connection"), CliText::tr("User")});
    for (const TableOutput::Row &row : rows) {
        lines.append({textOrEmpty(row[L::Time], TextForms::dateTimeText),
                      textOrEmpty(row[L::Duration], TextForms::durationText),
                      countOrEmpty(row[L::TrafficIn]), countOrEmpty(row[L::TrafficOut]),
                      countOrEmpty(row[L::TrafficSum]), moneyOrEmpty(row[L::Cost]),
                      textOrEmpty(row[L::Speed], TextForms::numberText),
                      row[L::ConnectName].toString(), row[L::UserName].toString()});
    }
    lines.append({totalLabel(totals.count), TextForms::durationText(totals.durationDays),
                  TextForms::countText(totals.trafficIn), TextForms::countText(totals.trafficOut),
                  TextForms::countText(totals.trafficSum),
                  TextForms::moneyText(totals.cost).trimmed(), QString(), QString(), QString()});
    TableOutput::writeAligned(out, lines,
                              {false, true, true, true, true, true, true, false, false});
}

// A row with Time and Duration in their machine forms.
TableOutput::Row machineRow(const TableOutput::Row &row)
{
    TableOutput::Row result = row;
    const QString time = SessionListing::isoTime(row[SessionListing::Time]);
    result[SessionListing::Time] = time.isEmpty() ? QVariant() : QVariant(time);
    result[SessionListing::Duration] = SessionListing::seconds(row[SessionListing::Duration]);
    return result;
}

TableOutput::Row totalsRow(const SessionListing::Totals &totals)
{
    return {QVariant(totals.count),      SessionListing::seconds(totals.durationDays),
            QVariant(totals.trafficIn),  QVariant(totals.trafficOut),
            QVariant(totals.trafficSum), QVariant(totals.cost)};
}

const QStringList kTotalsNames = {QStringLiteral("Count"),      QStringLiteral("Duration"),
                                  QStringLiteral("TrafficIn"),  QStringLiteral("TrafficOut"),
                                  QStringLiteral("TrafficSum"), QStringLiteral("Cost")};

bool checkHome(const CliContext &context)
{
    if (QFileInfo(context.home).isDir())
        return true;
    context.complain(context.home, CliText::tr("no such data folder"));
    return false;
}

} // namespace

int runSessions(const QStringList &arguments, const CliContext &context)
{
    const CommandArguments args =
        CommandArguments::forCommand(QStringLiteral("sessions"), arguments);
    if (!args.error().isEmpty()) {
        context.complain(QStringLiteral("sessions"), args.error());
        return ExitUsage;
    }
    TableOutput::Format format;
    if (!readFormat(args, context, QStringLiteral("sessions"), &format))
        return ExitUsage;

    QList<TableOutput::Row> rows;
    if (args.positional().isEmpty()) {
        // This month's file; before the first connection of a month there is
        // none yet, which is an empty month, not an error.
        if (!checkHome(context))
            return ExitDataError;
        const QString fileName =
            logsDir(context.home) + QLatin1Char('/') + statsFileName(QDate::currentDate());
        QString problem;
        QString warning;
        if (QFileInfo::exists(fileName) &&
            !SessionListing::load(fileName, &rows, &problem, &warning)) {
            context.complain(fileName, problem);
            return ExitDataError;
        }
        if (!warning.isEmpty())
            context.complain(fileName, warning);
    } else {
        bool failed = false;
        for (const QString &fileName : args.positional()) {
            QString problem;
            QString warning;
            if (!SessionListing::load(fileName, &rows, &problem, &warning)) {
                context.complain(fileName, problem);
                failed = true;
            } else if (!warning.isEmpty()) {
                context.complain(fileName, warning);
            }
        }
        if (failed)
            return ExitDataError;
    }

    const SessionListing::Totals totals = SessionListing::totals(rows);
    switch (format) {
    case TableOutput::Format::Text:
        writeSessionsText(context.out, rows, totals);
        break;
    case TableOutput::Format::Csv: {
        QList<TableOutput::Row> out;
        out.reserve(rows.size() + 1);
        for (const TableOutput::Row &row : std::as_const(rows))
            out.append(machineRow(row));
        TableOutput::Row total = totalsRow(totals);
        total[0] = csvTotalLabel(totals.count);
        total.append({QVariant(), QVariant(), QVariant()});
        out.append(total);
        TableOutput::writeCsv(context.out, SessionListing::columnNames(), out);
        break;
    }
    case TableOutput::Format::Json: {
        QJsonArray sessions;
        for (const TableOutput::Row &row : std::as_const(rows))
            sessions.append(
                TableOutput::jsonObject(SessionListing::columnNames(), machineRow(row)));
        const QJsonObject root{
            {QStringLiteral("sessions"), sessions},
            {QStringLiteral("totals"), TableOutput::jsonObject(kTotalsNames, totalsRow(totals))}};
        TableOutput::writeJson(context.out, QJsonDocument(root));
        break;
    }
    }
    context.out.flush();
    return ExitSuccess;
}

int runMonths(const QStringList &arguments, const CliContext &context)
{
    const CommandArguments args = CommandArguments::forCommand(QStringLiteral("months"), arguments);
    if (!args.error().isEmpty() || !args.positional().isEmpty()) {
        context.complain(QStringLiteral("months"),
                         args.error().isEmpty()
                             ? CliText::tr("usage: months [--format text|csv|json]")
                             : args.error());
        return ExitUsage;
    }
    TableOutput::Format format;
    if (!readFormat(args, context, QStringLiteral("months"), &format))
        return ExitUsage;
    if (!checkHome(context))
        return ExitDataError;

    // Month files are named yy_mm.sn2; order them by the month they hold.
    struct MonthFile
    {
        QDate month;
        QString path;
    };
    QList<MonthFile> files;
    const QDir logs(logsDir(context.home));
    for (const QFileInfo &info : logs.entryInfoList({statsFileFilter()}, QDir::Files)) {
        const QDate month = statsFileMonth(info.fileName());
        if (month.isValid())
            files.append({month, info.filePath()});
    }
    std::sort(files.begin(), files.end(),
              [](const MonthFile &a, const MonthFile &b) { return a.month < b.month; });

    // A damaged month is reported and skipped; the others are still listed.
    bool failed = false;
    QList<TableOutput::Row> months;
    for (const MonthFile &file : std::as_const(files)) {
        QList<TableOutput::Row> rows;
        QString problem;
        QString warning;
        if (!SessionListing::load(file.path, &rows, &problem, &warning)) {
            context.complain(file.path, problem);
            failed = true;
            continue;
        }
        if (!warning.isEmpty())
            context.complain(file.path, warning);
        const SessionListing::Totals totals = SessionListing::totals(rows);
        months.append({file.month.toString(QStringLiteral("yyyy-MM")), QVariant(totals.count),
                       QVariant(totals.durationDays), QVariant(totals.trafficIn),
                       QVariant(totals.trafficOut), QVariant(totals.cost)});
    }

    const QStringList names = {QStringLiteral("Month"),      QStringLiteral("Sessions"),
                               QStringLiteral("Duration"),   QStringLiteral("TrafficIn"),
                               QStringLiteral("TrafficOut"), QStringLiteral("Cost")};
    switch (format) {
    case TableOutput::Format::Text: {
        QList<QStringList> lines;
        lines.append({CliText::tr("Month"), CliText::tr("Sessions"), CliText::tr("Duration"),
                      CliText::tr("Traffic In"), CliText::tr("Traffic Out"), CliText::tr("Cost")});
        for (const TableOutput::Row &m : std::as_const(months)) {
            lines.append({m[0].toString(), TextForms::countText(m[1].toLongLong()),
                          TextForms::durationText(m[2].toDouble()),
                          TextForms::countText(m[3].toLongLong()),
                          TextForms::countText(m[4].toLongLong()),
                          TextForms::moneyText(m[5].toDouble()).trimmed()});
        }
        TableOutput::writeAligned(context.out, lines, {false, true, true, true, true, true});
        break;
    }
    case TableOutput::Format::Csv:
    case TableOutput::Format::Json: {
        QList<TableOutput::Row> out;
        for (TableOutput::Row m : std::as_const(months)) {
            m[2] = SessionListing::seconds(m[2]);
            out.append(m);
        }
        if (format == TableOutput::Format::Csv) {
            TableOutput::writeCsv(context.out, names, out);
        } else {
            QJsonArray array;
            for (const TableOutput::Row &m : std::as_const(out))
                array.append(TableOutput::jsonObject(names, m));
            TableOutput::writeJson(context.out, QJsonDocument(array));
        }
        break;
    }
    }
    context.out.flush();
    return failed ? ExitDataError : ExitSuccess;
}
