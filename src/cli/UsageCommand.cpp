#include "cli/UsageCommand.h"

#include "cli/CliContext.h"
#include "cli/CommandArguments.h"
#include "cli/ReportOptions.h"
#include "cli/TableOutput.h"
#include "core/DataFolder.h"
#include "core/MachineText.h"
#include "core/TextForms.h"
#include "plans/PlanDays.h"
#include "plans/PlanUsage.h"
#include "plans/ProviderPlan.h"
#include "store/XmlDocument.h"

#include <QJsonArray>
#include <QLocale>

#include <cmath>
#include <optional>

namespace {

QString isoTime(const QDateTime &local)
{
    return MachineText::isoTime(TextForms::toDays(local));
}

QJsonValue jsonNumber(const std::optional<double> &value)
{
    return value ? TableOutput::jsonValue(*value) : QJsonValue(QJsonValue::Null);
}

std::optional<double> cap(bool has, double value)
{
    return has ? std::optional<double>(value) : std::nullopt;
}

QJsonObject usageObject(const PlanUsage &usage)
{
    const ProviderPlan &plan = usage.plan();
    return {
        {QStringLiteral("name"), plan.name},
        {QStringLiteral("periodStart"), isoTime(usage.period().start)},
        {QStringLiteral("periodEnd"), isoTime(usage.period().end)},
        {QStringLiteral("sessions"), usage.sessions()},
        {QStringLiteral("seconds"), qint64(std::llround(usage.seconds()))},
        {QStringLiteral("trafficMB"), TableOutput::jsonValue(usage.trafficMB())},
        {QStringLiteral("cost"), TableOutput::jsonValue(usage.cost())},
        {QStringLiteral("trafficCapMB"), jsonNumber(cap(plan.hasTrafficCap(), plan.trafficCapMB))},
        {QStringLiteral("costCap"), jsonNumber(cap(plan.hasCostCap(), plan.costCap))},
        {QStringLiteral("projectedTrafficMB"), jsonNumber(usage.projectedTrafficMB())},
        {QStringLiteral("projectedCost"), jsonNumber(usage.projectedCost())},
    };
}

QString isoDate(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

// What is left of each cap a day until the period's end.
std::optional<double> trafficBudget(const PlanUsage &usage, const PlanDays &days)
{
    return days.dailyBudget(usage.plan().trafficCapMB, usage.trafficMB());
}

std::optional<double> costBudget(const PlanUsage &usage, const PlanDays &days)
{
    return days.dailyBudget(usage.plan().costCap, usage.cost());
}

void addDays(QJsonObject &object, const PlanUsage &usage, const PlanDays &days)
{
    QJsonArray list;
    for (const PlanDay &day : days.days()) {
        list.append(QJsonObject{
            {QStringLiteral("date"), isoDate(day.date)},
            {QStringLiteral("sessions"), day.sessions},
            {QStringLiteral("seconds"), qint64(std::llround(day.seconds()))},
            {QStringLiteral("trafficMB"), TableOutput::jsonValue(day.trafficMB())},
            {QStringLiteral("cost"), TableOutput::jsonValue(day.cost)},
        });
    }
    object.insert(QStringLiteral("days"), list);
    object.insert(QStringLiteral("dailyBudgetMB"), jsonNumber(trafficBudget(usage, days)));
    object.insert(QStringLiteral("dailyBudgetCost"), jsonNumber(costBudget(usage, days)));
}

void writeDaysCsv(QTextStream &out, const QList<PlanUsage> &usages, const QList<PlanDays> &days)
{
    QList<TableOutput::Row> rows;
    for (qsizetype i = 0; i < usages.size(); ++i) {
        for (const PlanDay &day : days[i].days()) {
            rows.append({usages[i].plan().name, isoDate(day.date), qint64(day.sessions),
                         qint64(std::llround(day.seconds())), day.trafficMB(), day.cost});
        }
    }
    TableOutput::writeCsv(out,
                          {QStringLiteral("provider"), QStringLiteral("date"),
                           QStringLiteral("sessions"), QStringLiteral("seconds"),
                           QStringLiteral("trafficMB"), QStringLiteral("cost")},
                          rows);
}

QString megabytes(const std::optional<double> &value)
{
    return value ? QLocale::system().toString(*value, 'f', 1) : QStringLiteral("-");
}

QString money(const std::optional<double> &value)
{
    return value ? TextForms::moneyText(*value).trimmed() : QStringLiteral("-");
}

void writeText(QTextStream &out, const QList<PlanUsage> &usages)
{
    QList<QStringList> lines;
    lines.append({CliText::tr("Provider"), CliText::tr("Period start"), CliText::tr("Period end"),
                  CliText::tr("Sessions"), CliText::tr("Duration"), CliText::tr("Traffic MB"),
                  CliText::tr("Cap MB"), CliText::tr("Projected MB"), CliText::tr("Cost"),
                  CliText::tr("Cost cap"), CliText::tr("Projected cost")});
    for (const PlanUsage &usage : usages) {
        const ProviderPlan &plan = usage.plan();
        lines.append({plan.name, TextForms::dateTimeText(TextForms::toDays(usage.period().start)),
                      TextForms::dateTimeText(TextForms::toDays(usage.period().end)),
                      TextForms::countText(usage.sessions()),
                      TextForms::durationText(usage.seconds() / 86400.0),
                      megabytes(usage.trafficMB()),
                      megabytes(cap(plan.hasTrafficCap(), plan.trafficCapMB)),
                      megabytes(usage.projectedTrafficMB()), money(usage.cost()),
                      money(cap(plan.hasCostCap(), plan.costCap)), money(usage.projectedCost())});
    }
    TableOutput::writeAligned(
        out, lines, {false, false, false, true, true, true, true, true, true, true, true});
}

// The days of each period and what may be used a day until its end.
void writeDaysText(QTextStream &out, const QList<PlanUsage> &usages, const QList<PlanDays> &days)
{
    QList<QStringList> lines;
    lines.append({CliText::tr("Provider"), CliText::tr("Date"), CliText::tr("Sessions"),
                  CliText::tr("Duration"), CliText::tr("Traffic MB"), CliText::tr("Cost")});
    for (qsizetype i = 0; i < usages.size(); ++i) {
        for (const PlanDay &day : days[i].days()) {
            lines.append({usages[i].plan().name, TextForms::shortDateText(day.date),
                          TextForms::countText(day.sessions),
                          TextForms::durationText(day.durationDays), megabytes(day.trafficMB()),
                          money(day.cost)});
        }
    }
    out << '\n';
    TableOutput::writeAligned(out, lines, {false, false, true, true, true, true});

    QList<QStringList> budgets;
    budgets.append({CliText::tr("Provider"), CliText::tr("Days left"), CliText::tr("MB a day"),
                    CliText::tr("Cost a day")});
    for (qsizetype i = 0; i < usages.size(); ++i) {
        budgets.append({usages[i].plan().name, TextForms::countText(days[i].daysLeft()),
                        megabytes(trafficBudget(usages[i], days[i])),
                        money(costBudget(usages[i], days[i]))});
    }
    out << '\n';
    TableOutput::writeAligned(out, budgets, {false, true, true, true});
}

} // namespace

int runUsage(const QStringList &arguments, const CliContext &context)
{
    const QString command = QStringLiteral("usage");
    const CommandArguments args = CommandArguments::forCommand(command, arguments);
    if (!args.error().isEmpty() || !args.positional().isEmpty()) {
        context.complain(command, args.error().isEmpty()
                                      ? CliText::tr("usage: usage [--at YYYY-MM-DDTHH:MM:SS] "
                                                    "[--provider NAME] [--daily] "
                                                    "[--format text|csv|json]")
                                      : args.error());
        return ExitUsage;
    }
    const QString formatName = args.value(QStringLiteral("--format"), QStringLiteral("text"));
    TableOutput::Format format;
    const bool daily = args.has(QStringLiteral("--daily"));
    if (!TableOutput::parseFormat(formatName, &format) ||
        (format == TableOutput::Format::Csv && !daily)) {
        context.complain(
            command, daily
                         ? CliText::tr("unknown format \"%1\" (text, csv or json)").arg(formatName)
                         : CliText::tr("unknown format \"%1\" (text or json; "
                                       "csv with --daily)")
                               .arg(formatName));
        return ExitUsage;
    }
    QDateTime at = QDateTime::currentDateTime();
    QDate day;
    QTime clockTime;
    if (!ReportOptions::readAt(args, command, context, &day, &clockTime))
        return ExitUsage;
    if (args.has(QStringLiteral("--at"))) {
        at = QDateTime(day, clockTime);
        if (!at.isValid()) {
            // A clock time that a daylight-saving change skips: the moment as
            // far after the day's start as the clock time says.
            const QDateTime start = day.startOfDay();
            at = start.addMSecs(clockTime.msecsSinceStartOfDay() -
                                start.time().msecsSinceStartOfDay());
        }
    }

    QString configName;
    XmlDocument config;
    if (!ReportOptions::readConfiguration(context, config, &configName))
        return ExitDataError;
    QList<ProviderPlan> plans = ReadProviderPlans(config);
    if (args.has(QStringLiteral("--provider"))) {
        const QString name = args.value(QStringLiteral("--provider"));
        plans.removeIf([&](const ProviderPlan &plan) { return plan.name != name; });
        if (plans.isEmpty()) {
            context.complain(configName, CliText::tr("no provider named \"%1\"").arg(name));
            return ExitDataError;
        }
    }

    QList<PlanUsage> usages;
    usages.reserve(plans.size());
    for (const ProviderPlan &plan : std::as_const(plans))
        usages.append(PlanUsage(plan, at));
    QList<PlanDays> days;
    if (daily) {
        days.reserve(usages.size());
        for (const PlanUsage &usage : std::as_const(usages))
            days.append(PlanDays(usage));
        CountMonthFiles(logsDir(context.home), usages,
                        [&days](qsizetype i, const PlanSession &session) { days[i].add(session); });
    } else {
        CountMonthFiles(logsDir(context.home), usages);
    }

    if (format == TableOutput::Format::Csv) {
        writeDaysCsv(context.out, usages, days);
    } else if (format == TableOutput::Format::Json) {
        QJsonArray providers;
        for (qsizetype i = 0; i < usages.size(); ++i) {
            QJsonObject object = usageObject(usages[i]);
            if (daily)
                addDays(object, usages[i], days[i]);
            providers.append(object);
        }
        const QJsonObject answer{{QStringLiteral("at"), isoTime(at)},
                                 {QStringLiteral("providers"), providers}};
        TableOutput::writeJson(context.out, QJsonDocument(answer));
    } else {
        writeText(context.out, usages);
        if (daily)
            writeDaysText(context.out, usages, days);
    }
    context.out.flush();
    return ExitSuccess;
}
