#include "settings/ConfigLists.h"

#include "store/ConfigDocument.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>

namespace ConfigLists {

QVariant elementData(pugi::xml_node element)
{
    return QVariant::fromValue(reinterpret_cast<quintptr>(element.internal_object()));
}

pugi::xml_node elementOf(const QVariant &data)
{
    return pugi::xml_node(reinterpret_cast<pugi::xml_node_struct *>(data.value<quintptr>()));
}

void fill(QListWidget *list, const XmlDocument &config, const QString &section)
{
    QList<SectionItem> items;
    ListSectionItems(config, section, items, -1);
    list->clear();
    for (const SectionItem &item : std::as_const(items)) {
        auto *entry = new QListWidgetItem(item.name, list);
        entry->setData(Qt::UserRole, elementData(item.element));
    }
    list->setCurrentRow(-1);
}

void fill(QComboBox *combo, const XmlDocument &config, const QString &section)
{
    QList<SectionItem> items;
    ListSectionItems(config, section, items, -1);
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const SectionItem &item : std::as_const(items))
        combo->addItem(item.name, elementData(item.element));
    combo->setCurrentIndex(-1);
}

pugi::xml_node element(const QListWidget *list, int row)
{
    const QListWidgetItem *entry = list->item(row);
    return entry ? elementOf(entry->data(Qt::UserRole)) : pugi::xml_node();
}

pugi::xml_node element(const QComboBox *combo, int index)
{
    if (index < 0 || index >= combo->count())
        return {};
    return elementOf(combo->itemData(index));
}

int indexOf(const QComboBox *combo, pugi::xml_node element)
{
    if (!element)
        return -1;
    for (int i = 0; i < combo->count(); ++i)
        if (ConfigLists::element(combo, i) == element)
            return i;
    return -1;
}

bool holdsName(const QListWidget *list, const QString &name, int exceptRow)
{
    for (int row = 0; row < list->count(); ++row)
        if (row != exceptRow && list->item(row)->text().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void selectRow(QListWidget *list, int row)
{
    if (row < 0 || row >= list->count()) {
        list->setCurrentRow(-1);
        list->clearSelection();
        return;
    }
    list->setCurrentRow(row);
}

int selectedRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

pugi::xml_node section(const XmlDocument &config, const char *name)
{
    return config.root().child(name);
}

QString tariffTypeName(const XmlDocument &config, const QString &id)
{
    const pugi::xml_node type =
        FindChildByAttribute(section(config, "TariffTypes"), QStringLiteral("ID"), id);
    if (!type || !hasAttribute(type, "Name"))
        return QStringLiteral("_");
    return attributeText(type, "Name");
}

QString rangeText(const QString &time1, const QString &time2, const QString &typeName)
{
    return QCoreApplication::translate("ConfigLists", "from %1 to %2 tariff \"%3\"")
        .arg(time1, time2, typeName);
}

bool hasLine(const QStringList &list, const QString &name)
{
    const QString prefix = name + QLatin1Char('=');
    for (const QString &line : list)
        if (line.startsWith(prefix))
            return true;
    return false;
}

QString lineValue(const QStringList &list, const QString &name)
{
    const QString prefix = name + QLatin1Char('=');
    for (const QString &line : list)
        if (line.startsWith(prefix))
            return line.mid(prefix.size());
    return QString();
}

void setLine(QStringList &list, const QString &name, const QString &value)
{
    const QString prefix = name + QLatin1Char('=');
    for (QString &line : list) {
        if (line.startsWith(prefix)) {
            line = prefix + value;
            return;
        }
    }
    list.append(prefix + value);
}

} // namespace ConfigLists
