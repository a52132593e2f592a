#include "store/ConfigDocument.h"

#include "store/DataFiles.h"

const QStringList DayNames = {
    QStringLiteral("Monday"),   QStringLiteral("Tuesday"), QStringLiteral("Wednesday"),
    QStringLiteral("Thursday"), QStringLiteral("Friday"),  QStringLiteral("Saturday"),
    QStringLiteral("Sunday"),
};

const QStringList ConfigSectionNames = {
    QStringLiteral("General"), QStringLiteral("TariffTypes"), QStringLiteral("ISP"),
    QStringLiteral("Users"),   QStringLiteral("Graph"),
};

DocumentLoad OpenConfig(const QString &fileName, XmlDocument &document, const Clock &clock)
{
    const DocumentLoad load = ReadDocument(fileName, document);
    if (!load.loaded()) {
        if (load.outcome == DocumentLoad::Damaged)
            PreserveUnreadableFile(fileName, clock);
        else if (load.outcome == DocumentLoad::Inaccessible)
            RefuseSaves(fileName);
        NewConfig(document);
    }
    EnsureConfigSections(document);
    return load;
}

void NewConfig(XmlDocument &document)
{
    // A document that still holds something would refuse a second root.
    document.clear();
    pugi::xml_node root = document.addRoot("MainContent");
    for (const QString &section : ConfigSectionNames)
        root.append_child(section.toUtf8().constData());
}

void EnsureConfigSections(XmlDocument &document)
{
    pugi::xml_node root = document.root();
    if (!root)
        root = document.addRoot("MainContent");
    for (const QString &section : ConfigSectionNames) {
        const QByteArray name = section.toUtf8();
        if (!root.child(name.constData()))
            root.append_child(name.constData());
    }
}

bool SaveConfig(const QString &fileName, const XmlDocument &document)
{
    return SaveDocument(fileName, document);
}

int ListSectionItems(const XmlDocument &document, const QString &section, QList<SectionItem> &list,
                     int index)
{
    list.clear();
    const pugi::xml_node node = document.root().child(section.toUtf8().constData());
    for (pugi::xml_node item = node.first_child(); item; item = item.next_sibling()) {
        const pugi::xml_attribute name = item.attribute("Name");
        if (name)
            list.append({QString::fromUtf8(name.value()), item});
    }
    return index;
}

pugi::xml_node FindChildByAttribute(pugi::xml_node parent, const QString &attribute,
                                    const QString &value)
{
    const QByteArray name = attribute.toUtf8();
    const QByteArray text = value.toUtf8();
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        const pugi::xml_attribute found = child.attribute(name.constData());
        if (found && text == found.value())
            return child;
    }
    return {};
}

QString GetSectionValue(XmlDocument &document, const QString &section, const QString &key)
{
    pugi::xml_node node = document.root().child(section.toUtf8().constData());
    // An element without a name would make the document unwritable.
    if (!node || key.isEmpty())
        return {};
    const QByteArray keyName = key.toUtf8();
    const pugi::xml_node setting = node.child(keyName.constData());
    if (!setting) {
        node.append_child(keyName.constData());
        return {};
    }
    return attributeText(setting, "Value");
}

void SetSectionValue(XmlDocument &document, const QString &section, const QString &key,
                     const QString &value)
{
    pugi::xml_node setting =
        document.root().child(section.toUtf8().constData()).child(key.toUtf8().constData());
    if (setting)
        setAttributeText(setting, "Value", value);
}

QString GetGeneralValue(XmlDocument &document, const QString &key)
{
    return GetSectionValue(document, QStringLiteral("General"), key);
}

void SetGeneralValue(XmlDocument &document, const QString &key, const QString &value)
{
    SetSectionValue(document, QStringLiteral("General"), key, value);
}

QString ReadSectionValue(const XmlDocument &document, const QString &section, const QString &key,
                         const QString &fallback)
{
    const pugi::xml_node setting =
        document.root().child(section.toUtf8().constData()).child(key.toUtf8().constData());
    if (!setting || key.isEmpty() || !hasAttribute(setting, "Value"))
        return fallback;
    return attributeText(setting, "Value");
}

QString ReadSetting(const XmlDocument &document, const ConfigKey &key)
{
    return ReadSectionValue(document, key.sectionName(), key.keyName(), key.fallbackValue());
}
