#include "backends/sim/DemoConfiguration.h"

#include "core/TextForms.h"
#include "plans/ProviderPlan.h"
#include "store/ConfigDocument.h"
#include "store/XmlDocument.h"

#include <QFileInfo>

namespace {

struct DemoType
{
    int id;
    const char *name;
    double minute; // 0: the price is not charged
    double input;
    double output;
};

constexpr DemoType kTypes[] = {
    {1, "Day", 0.03, 0.10, 0.10},
    {2, "Night", 0.01, 0.05, 0.05},
    {3, "Weekend", 0.015, 0.0, 0.0},
    {4, "Mobile data", 0.0, 0.50, 0.50},
};

struct DemoRange
{
    const char *days; // one letter per day, Monday first: "x" has the range
    int fromHour;
    int fromMinute;
    int toHour;
    int toMinute;
    int type;
};

struct DemoProvider
{
    const char *name; // a phonebook entry of the demo scenario
    double fee;
    int defaultType;
    QList<DemoRange> ranges;
    double trafficCapMB = 0; // a metered plan, 0: none
};

const QList<DemoProvider> &providers()
{
    static const QList<DemoProvider> list = {
        {"Home Dial-up", 0.05, 2, {{"xxxxx..", 8, 0, 20, 0, 1}, {".....xx", 9, 0, 18, 0, 3}}},
        {"Office ISDN",
         0.10,
         1,
         {{"xxxxx..", 0, 0, 7, 0, 2}, {"xxxxx..", 19, 0, 23, 59, 2}, {".....xx", 0, 0, 23, 59, 2}}},
        {"Mobile GPRS", 0.0, 4, {{"xxxxxxx", 0, 0, 6, 0, 2}}, 2048},
    };
    return list;
}

QString amount(double value)
{
    return value > 0.0 ? TextForms::numberText(value) : QString();
}

QString time(int hour, int minute)
{
    return TextForms::timeOfDayText((hour * 60 + minute) / 1440.0);
}

void setting(pugi::xml_node section, const char *key, const char *value)
{
    section.append_child(key).append_attribute("Value").set_value(value);
}

} // namespace

void BuildDemoConfiguration(XmlDocument &config)
{
    NewConfig(config);
    const pugi::xml_node root = config.root();

    const pugi::xml_node general = root.child("General");
    setting(general, "Calculate", "1");
    setting(general, "UserMode", "0");
    setting(general, "WatchAll", "0");
    setting(general, "Password", "");

    pugi::xml_node types = root.child("TariffTypes");
    for (const DemoType &type : kTypes) {
        pugi::xml_node item = types.append_child("Item");
        setAttributeText(item, "ID", QString::number(type.id));
        setAttributeText(item, "Name", QString::fromLatin1(type.name));
        const std::pair<const char *, double> prices[] = {
            {"Minute", type.minute}, {"Input", type.input}, {"Output", type.output}};
        for (const auto &[key, price] : prices)
            if (price > 0.0)
                setAttributeText(item, key, amount(price));
    }

    pugi::xml_node isp = root.child("ISP");
    for (const DemoProvider &provider : providers()) {
        pugi::xml_node item = isp.append_child("Item");
        setAttributeText(item, "Name", QString::fromLatin1(provider.name));
        setAttributeText(item, "PayConn", amount(provider.fee));
        setAttributeText(item, "DefCost", QString::number(provider.defaultType));
        if (provider.trafficCapMB > 0) {
            ProviderPlan plan;
            plan.name = QString::fromLatin1(provider.name);
            plan.trafficCapMB = provider.trafficCapMB;
            WriteProviderPlan(item, plan);
        }
        for (int day = 0; day < DayNames.size(); ++day) {
            pugi::xml_node dayElement = item.append_child(DayNames[day].toLatin1().constData());
            for (const DemoRange &range : provider.ranges) {
                if (range.days[day] != 'x')
                    continue;
                pugi::xml_node element = dayElement.append_child("Item");
                setAttributeText(element, "Time1", time(range.fromHour, range.fromMinute));
                setAttributeText(element, "Time2", time(range.toHour, range.toMinute));
                setAttributeText(element, "TariffType", QString::number(range.type));
            }
        }
    }

    const pugi::xml_node graph = root.child("Graph");
    setting(graph, "VertAx", "1");
    setting(graph, "HorAx", "1");
    setting(graph, "Type", "1");
}

bool WriteDemoConfiguration(const QString &configPath)
{
    if (QFileInfo::exists(configPath))
        return false;
    XmlDocument config;
    BuildDemoConfiguration(config);
    return SaveConfig(configPath, config);
}
