#include "cli/PriceCommand.h"

#include "cli/CliContext.h"
#include "cli/CommandArguments.h"
#include "cli/ReportOptions.h"
#include "cli/TableOutput.h"
#include "core/MachineText.h"
#include "core/TextForms.h"
#include "cost/TariffOutlook.h"
#include "store/XmlDocument.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <optional>

namespace {

const QString kCommand = QStringLiteral("price");

// The longest connection and the widest window asked about.
constexpr qint64 kMaxMinutes = 7 * 24 * 60;
constexpr qint64 kMaxHours = 31 * 24;

struct ProviderOutlook
{
    QString name;
    TariffOutlook outlook;
    TariffInForce now;
    double costNow = 0.0;
    std::optional<CheapestStart> cheapest;
};

bool readWhole(const QString &text, qint64 lowest, qint64 highest, qint64 *value)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,9}$"));
    if (!digits.match(text).hasMatch())
        return false;
    const qint64 number = text.toLongLong();
    if (number < lowest || number > highest)
        return false;
    *value = number;
    return true;
}

QJsonValue isoOrNull(const std::optional<ClockMs> &moment)
{
    return moment ? QJsonValue(MachineText::isoTime(ClockMsToDays(*moment)))
                  : QJsonValue(QJsonValue::Null);
}

QJsonValue nameOrNull(const TariffPrices &tariff)
{
    return tariff.name.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(tariff.name);
}

QJsonObject nowObject(const TariffInForce &now)
{
    const QJsonValue null(QJsonValue::Null);
    const std::optional<TariffPrices> &t = now.tariff;
    return {{QStringLiteral("tariffType"), t ? QJsonValue(t->id) : null},
            {QStringLiteral("name"), t ? nameOrNull(*t) : null},
            {QStringLiteral("minute"), t ? TableOutput::jsonValue(t->minute) : null},
            {QStringLiteral("receivedMB"), t ? TableOutput::jsonValue(t->input) : null},
            {QStringLiteral("sentMB"), t ? TableOutput::jsonValue(t->output) : null},
            {QStringLiteral("until"), isoOrNull(now.until)}};
}

QJsonObject providerObject(const ProviderOutlook &p)
{
    const QJsonValue null(QJsonValue::Null);
    QJsonObject object{{QStringLiteral("name"), p.name},
                       {QStringLiteral("now"), null},
                       {QStringLiteral("costNow"), null},
                       {QStringLiteral("cheapest"), null}};
    if (!p.outlook.hasTariffs())
        return object;
    object.insert(QStringLiteral("now"), nowObject(p.now));
    object.insert(QStringLiteral("costNow"), TableOutput::jsonValue(p.costNow));
    if (p.cheapest) {
        const std::optional<TariffPrices> &t = p.cheapest->tariff;
        object.insert(
            QStringLiteral("cheapest"),
            QJsonObject{{QStringLiteral("start"), isoOrNull(p.cheapest->start)},
                        {QStringLiteral("cost"), TableOutput::jsonValue(p.cheapest->cost)},
                        {QStringLiteral("tariffType"), t ? QJsonValue(t->id) : null}});
    }
    return object;
}

QString tariffName(const std::optional<TariffPrices> &tariff)
{
    if (!tariff)
        return QStringLiteral("-");
    return tariff->name.isEmpty() ? tariff->id : tariff->name;
}

QString momentText(const std::optional<ClockMs> &moment)
{
    return moment ? TextForms::dateTimeText(ClockMsToDays(*moment)) : QStringLiteral("-");
}

QString money(double value)
{
    return TextForms::moneyText(value).trimmed();
}

void writeText(QTextStream &out, const QList<ProviderOutlook> &providers, qint64 minutes)
{
    QList<QStringList> lines;
    lines.append({CliText::tr("Provider"), CliText::tr("Tariff now"), CliText::tr("Per minute"),
                  CliText::tr("Until"), CliText::tr("Cost of %1 min").arg(minutes),
                  CliText::tr("Cheapest start"), CliText::tr("Cost"), CliText::tr("Tariff")});
    for (const ProviderOutlook &p : providers) {
        if (!p.outlook.hasTariffs()) {
            lines.append({p.name, QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"),
                          QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"),
                          QStringLiteral("-")});
            continue;
        }
        const std::optional<TariffPrices> &t = p.now.tariff;
        lines.append({p.name, tariffName(t),
                      t ? TextForms::numberText(t->minute) : QStringLiteral("-"),
                      momentText(p.now.until), money(p.costNow),
                      p.cheapest ? momentText(p.cheapest->start) : QStringLiteral("-"),
                      p.cheapest ? money(p.cheapest->cost) : QStringLiteral("-"),
                      p.cheapest ? tariffName(p.cheapest->tariff) : QStringLiteral("-")});
    }
    TableOutput::writeAligned(out, lines, {false, false, true, false, true, false, true, false});
}

} // namespace

int runPrice(const QStringList &arguments, const CliContext &context)
{
    const CommandArguments args = CommandArguments::forCommand(kCommand, arguments);
    TableOutput::Format format;
    const QDateTime now = QDateTime::currentDateTime();
    QDate day = now.date();
    QTime clockTime = now.time();
    if (!ReportOptions::checkArguments(args, kCommand,
                                       CliText::tr("usage: price [--provider NAME] [--at "
                                                   "YYYY-MM-DDTHH:MM:SS] [--minutes M] "
                                                   "[--within HOURS] [--format text|json]"),
                                       context) ||
        !ReportOptions::readTextOrJson(args, kCommand, context, &format) ||
        !ReportOptions::readAt(args, kCommand, context, &day, &clockTime))
        return ExitUsage;
    const ClockMs at = ToClockMs(day, clockTime);
    qint64 minutes = 60;
    qint64 hours = 24;
    const struct
    {
        const char *option;
        qint64 *value;
        qint64 highest;
    } wholeOptions[] = {{"--minutes", &minutes, kMaxMinutes}, {"--within", &hours, kMaxHours}};
    for (const auto &whole : wholeOptions) {
        const QString option = QLatin1String(whole.option);
        if (args.has(option) && !readWhole(args.value(option), 1, whole.highest, whole.value)) {
            context.complain(kCommand, CliText::tr("%1 \"%2\" is not a whole number from 1 to %3")
                                           .arg(option, args.value(option))
                                           .arg(whole.highest));
            return ExitUsage;
        }
    }

    QString configName;
    XmlDocument config;
    if (!ReportOptions::readConfiguration(context, config, &configName))
        return ExitDataError;
    const bool oneProvider = args.has(QStringLiteral("--provider"));
    const QString wanted = args.value(QStringLiteral("--provider"));
    QList<ProviderOutlook> providers;
    for (pugi::xml_node item = config.root().child("ISP").child("Item"); item;
         item = item.next_sibling("Item")) {
        const QString name = attributeText(item, "Name");
        if (oneProvider && name != wanted)
            continue;
        ProviderOutlook p{name, TariffOutlook(config, item), {}, 0.0, std::nullopt};
        p.now = p.outlook.inForce(at);
        p.costNow = p.outlook.connectionCost(at, minutes);
        p.cheapest = p.outlook.cheapest(at, minutes, hours);
        providers.append(p);
        if (oneProvider)
            break;
    }
    if (oneProvider && providers.isEmpty()) {
        context.complain(configName, CliText::tr("no provider named \"%1\"").arg(wanted));
        return ExitDataError;
    }

    if (format == TableOutput::Format::Json) {
        QJsonArray list;
        for (const ProviderOutlook &p : std::as_const(providers))
            list.append(providerObject(p));
        const QJsonObject answer{{QStringLiteral("at"), MachineText::isoTime(ClockMsToDays(at))},
                                 {QStringLiteral("minutes"), minutes},
                                 {QStringLiteral("providers"), list}};
        TableOutput::writeJson(context.out, QJsonDocument(answer));
    } else {
        writeText(context.out, providers, minutes);
    }
    context.out.flush();
    return ExitSuccess;
}
