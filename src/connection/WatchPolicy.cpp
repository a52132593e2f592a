#include "connection/WatchPolicy.h"

#include "store/XmlDocument.h"

WatchPolicy WatchPolicy::fromConfig(const XmlDocument &config)
{
    WatchPolicy policy;
    const pugi::xml_node root = config.root();
    if (!root)
        return policy;
    policy.watchAll =
        attributeText(root.child("General").child("WatchAll"), "Value") == QLatin1String("1");
    for (pugi::xml_node item = root.child("ISP").first_child(); item; item = item.next_sibling()) {
        const QString name = attributeText(item, "Name");
        if (!name.isEmpty() && !policy.providerNames.contains(name))
            policy.providerNames.append(name);
    }
    return policy;
}
