#pragma once

#include "store/XmlDocument.h"

#include <QString>
#include <QStringList>
#include <QVariant>

class QComboBox;
class QListWidget;

// Lists of configuration entries in widgets: every list entry carries its
// element, so handlers act on the element and never on a position.
namespace ConfigLists {

QVariant elementData(pugi::xml_node element);
pugi::xml_node elementOf(const QVariant &data);

// Fill a list or a drop-down list with the Name of every entry of a section
// that has one, in document order, each bound to its element. Nothing is
// selected afterwards.
void fill(QListWidget *list, const XmlDocument &config, const QString &section);
void fill(QComboBox *combo, const XmlDocument &config, const QString &section);

pugi::xml_node element(const QListWidget *list, int row);
pugi::xml_node element(const QComboBox *combo, int index);
// The entry of a drop-down list bound to element, or -1.
int indexOf(const QComboBox *combo, pugi::xml_node element);

// True when another row than exceptRow holds name, letter case ignored.
bool holdsName(const QListWidget *list, const QString &name, int exceptRow = -1);

// Selects row (no entry when it is out of range) and makes it current.
void selectRow(QListWidget *list, int row);
// The row of the selected entry, -1 when none is selected. Buttons act on
// the selection: Ctrl and an arrow key move the current row without it.
int selectedRow(const QListWidget *list);

// The section element of the document's root, or a null node.
pugi::xml_node section(const XmlDocument &config, const char *name);

// The Name of the tariff type whose ID is id, "_" when there is none.
QString tariffTypeName(const XmlDocument &config, const QString &id);
// The tree text of a time range.
QString rangeText(const QString &time1, const QString &time2, const QString &typeName);

// Exchange lists of the single-item editors: "name=value" lines.
bool hasLine(const QStringList &list, const QString &name);
QString lineValue(const QStringList &list, const QString &name);
void setLine(QStringList &list, const QString &name, const QString &value);

} // namespace ConfigLists
