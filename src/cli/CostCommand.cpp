#include "cli/CostCommand.h"

#include "cli/CliContext.h"
#include "cli/CommandArguments.h"
#include "cli/DataFileReader.h"
#include "cli/TableOutput.h"
#include "core/Clock.h"
#include "cost/TariffCost.h"
#include "store/ConfigDocument.h"
#include "store/XmlDocument.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// A plain number with "." as decimal point.
bool readPlainNumber(const QString &text, double *value)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[-+]?(\\d+(\\.\\d*)?|\\.\\d+)([eE][-+]?\\d+)?$"));
    if (!pattern.match(text).hasMatch())
        return false;
    bool ok = false;
    const double result = text.toDouble(&ok);
    if (!ok || !std::isfinite(result))
        return false;
    *value = result;
    return true;
}

} // namespace

int runCost(const QStringList &arguments, const CliContext &context)
{
    const QString usage =
        CliText::tr("usage: cost --config FILE --provider NAME --at YYYY-MM-DDTHH:MM:SS[.zzz] "
                    "[--minutes M] [--received-mb X] [--sent-mb Y]");
    const CommandArguments args = CommandArguments::forCommand(QStringLiteral("cost"), arguments);
    if (!args.error().isEmpty() || !args.positional().isEmpty()) {
        context.complain(QStringLiteral("cost"), args.error().isEmpty() ? usage : args.error());
        return ExitUsage;
    }
    for (const char *required : {"--config", "--provider", "--at"}) {
        if (!args.has(QLatin1String(required))) {
            context.complain(QStringLiteral("cost"),
                             CliText::tr("%1 is missing; %2").arg(QLatin1String(required), usage));
            return ExitUsage;
        }
    }
    QDate day;
    QTime clockTime;
    if (!CommandArguments::readMoment(args.value(QStringLiteral("--at")), &day, &clockTime)) {
        context.complain(QStringLiteral("cost"),
                         CliText::tr("--at \"%1\" is not a date and time like "
                                     "2026-12-09T05:00:00")
                             .arg(args.value(QStringLiteral("--at"))));
        return ExitUsage;
    }
    // The quantities, named as the tariff types name their prices.
    IntervalQuantities quantities;
    const std::pair<const char *, double *> options[] = {{"--minutes", &quantities.minutes},
                                                         {"--received-mb", &quantities.megabytesIn},
                                                         {"--sent-mb", &quantities.megabytesOut}};
    for (const auto &[option, quantity] : options) {
        const QString text = args.value(QLatin1String(option), QStringLiteral("0"));
        double value = 0.0;
        if (!readPlainNumber(text, &value)) {
            context.complain(QStringLiteral("cost"),
                             CliText::tr("%1 \"%2\" is not a number (use \".\" as the decimal "
                                         "point)")
                                 .arg(QLatin1String(option), text));
            return ExitUsage;
        }
        *quantity = value;
    }

    const QString configName = args.value(QStringLiteral("--config"));
    XmlDocument config;
    QString problem;
    if (!DataFileReader::read(configName, config, &problem)) {
        context.complain(configName, problem);
        return ExitDataError;
    }
    const QString providerName = args.value(QStringLiteral("--provider"));
    const pugi::xml_node provider =
        FindChildByAttribute(config.root().child("ISP"), QStringLiteral("Name"), providerName);
    if (!provider) {
        context.complain(configName, CliText::tr("no provider named \"%1\"").arg(providerName));
        return ExitDataError;
    }

    // The time of day is the clock reading as given, even in an hour that a
    // daylight-saving change skips; the clock gives the weekday.
    const ManualClock clock(QDateTime(day, clockTime));
    const double timeOfDay = clockTime.msecsSinceStartOfDay() / 86400000.0;
    const IntervalPrice price = PriceInterval(config, provider, quantities, timeOfDay, clock);
    const QJsonObject answer{{QStringLiteral("cost"), TableOutput::jsonValue(price.cost)},
                             {QStringLiteral("tariffType"), price.tariffType}};
    TableOutput::writeJson(context.out, QJsonDocument(answer), QJsonDocument::Compact);
    context.out.flush();
    return ExitSuccess;
}
