#include "cli/UsageCommand.h"

#include "cli/CliContext.h"
#include "cli/CommandArguments.h"
#include "cli/ReportOptions.h"
#include "cli/TableOutput.h"
#include "core/DataFolder.h"
#include "core/MachineText.h"
#include "core/TextForms.h"
#include "cost/PlanUsage.h"
#include "cost/ProviderPlan.h"
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
    lines.append({QStringLiteral("Provider"), QStringLiteral("Period start"),
                  QStringLiteral("Period end"), QStringLiteral("Sessions"),
                  QStringLiteral("Duration"), QStringLiteral("Traffic MB"),
                  QStringLiteral("Cap MB"), QStringLiteral("Projected MB"), QStringLiteral("Cost"),
                  QStringLiteral("Cost cap"), QStringLiteral("Projected cost")});
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

} // namespace

int runUsage(const QStringList &arguments, const CliContext &context)
{
    const QString command = QStringLiteral("usage");
    const CommandArguments args = CommandArguments::forCommand(command, arguments);
    TableOutput::Format format;
    QDate day;
    QTime clockTime;
    if (!ReportOptions::checkArguments(args, command,
                                       QStringLiteral("usage: usage [--at YYYY-MM-DDTHH:MM:SS] "
                                                      "[--provider NAME] [--format text|json]"),
                                       context) ||
        !ReportOptions::readTextOrJson(args, command, context, &format) ||
        !ReportOptions::readAt(args, command, context, &day, &clockTime))
        return ExitUsage;
    QDateTime at = QDateTime::currentDateTime();
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
            context.complain(configName, QStringLiteral("no provider named \"%1\"").arg(name));
            return ExitDataError;
        }
    }

    QList<PlanUsage> usages;
    usages.reserve(plans.size());
    for (const ProviderPlan &plan : std::as_const(plans))
        usages.append(PlanUsage(plan, at));
    CountMonthFiles(logsDir(context.home), usages);

    if (format == TableOutput::Format::Json) {
        QJsonArray providers;
        for (const PlanUsage &usage : std::as_const(usages))
            providers.append(usageObject(usage));
        const QJsonObject answer{{QStringLiteral("at"), isoTime(at)},
                                 {QStringLiteral("providers"), providers}};
        TableOutput::writeJson(context.out, QJsonDocument(answer));
    } else {
        writeText(context.out, usages);
    }
    context.out.flush();
    return ExitSuccess;
}
