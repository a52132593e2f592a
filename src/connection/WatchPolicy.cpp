#include "connection/WatchPolicy.h"

#include "store/ConfigDocument.h"
#include "store/ConfigKeys.h"
#include "store/XmlDocument.h"

WatchPolicy WatchPolicy::fromConfig(const XmlDocument &config)
{
    WatchPolicy policy;
    const pugi::xml_node root = config.root();
    if (!root)
        return policy;
    policy.watchAll = ReadSetting(config, ConfigKeys::WatchAll) == QLatin1String(ConfigKeys::Yes);
    for (pugi::xml_node item = root.child("ISP").first_child(); item; item = item.next_sibling()) {
        const QString name = attributeText(item, "Name");
        if (!name.isEmpty() && !policy.providerNames.contains(name))
            policy.providerNames.append(name);
    }
    return policy;
}
