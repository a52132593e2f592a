#pragma once

#include "core/Clock.h"
#include "store/ConfigKeys.h"
#include "store/DataFiles.h"
#include "store/XmlDocument.h"

#include <QList>
#include <QString>
#include <QStringList>

// The configuration: root MainContent with the sections General,
// TariffTypes, ISP, Users and Graph. Settings are child elements of their
// section with the value in the attribute Value; list entries are Item.

// The day elements of a provider's schedule, Monday first; a date's weekday
// is its position here counted from 1.
extern const QStringList DayNames;
// The five sections, in the order a fresh configuration holds them.
extern const QStringList ConfigSectionNames;

// Fills document from the configuration file, or builds a fresh one when the
// file is missing or unreadable; afterwards it has a root and all sections.
// A damaged file is first kept under another name (PreserveUnreadableFile),
// so the next save does not destroy it; saves over a file that cannot be
// opened or read are refused (RefuseSaves). Returns how reading it went.
DocumentLoad OpenConfig(const QString &fileName, XmlDocument &document,
                        const Clock &clock = SystemClock());
// A fresh configuration: MainContent with the five empty sections.
void NewConfig(XmlDocument &document);
// Adds the root and any section that is missing, at the end.
void EnsureConfigSections(XmlDocument &document);
// Writes the configuration file; true on success (the program ignores it).
bool SaveConfig(const QString &fileName, const XmlDocument &document);

// One entry of a section list: its Name and its element.
struct SectionItem
{
    QString name;
    pugi::xml_node element;
};

// Fills list with the entries of a section that have a Name, in document
// order; returns index unchanged so a caller can keep its selection.
int ListSectionItems(const XmlDocument &document, const QString &section, QList<SectionItem> &list,
                     int index);
// The first child of parent whose attribute has exactly value (case
// significant), or a null node.
pugi::xml_node FindChildByAttribute(pugi::xml_node parent, const QString &attribute,
                                    const QString &value);
// The Value of a setting; a missing setting element is added, empty.
QString GetSectionValue(XmlDocument &document, const QString &section, const QString &key);
// Sets the Value of an existing setting element; does nothing when it is missing.
void SetSectionValue(XmlDocument &document, const QString &section, const QString &key,
                     const QString &value);
QString GetGeneralValue(XmlDocument &document, const QString &key);
void SetGeneralValue(XmlDocument &document, const QString &key, const QString &value);

// Reading without changing the document, for readers that hold it const: the
// Value of a setting, or fallback when the section, the setting element or
// its Value is missing. A Value that is present but empty reads empty.
QString ReadSectionValue(const XmlDocument &document, const QString &section, const QString &key,
                         const QString &fallback = QString());
// The same for a setting of the table in ConfigKeys.h, with its fallback.
QString ReadSetting(const XmlDocument &document, const ConfigKey &key);
