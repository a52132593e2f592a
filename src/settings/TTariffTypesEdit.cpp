#include "settings/TTariffTypesEdit.h"

#include "core/Prompter.h"
#include "core/Version.h"
#include "settings/ConfigLists.h"
#include "settings/TTypesEdit.h"

#include <QListWidget>

#include <algorithm>

namespace {
const char *const kPriceKeys[] = {"Minute", "Input", "Output"};
}

TTariffTypesEdit::TTariffTypesEdit(XmlDocument &config, Prompter &prompter, QWidget *parent)
    : ListEditorDialog(tr("Tariff types"), "TariffTypesEdit", tr("Tariff types"), config,
                       QStringLiteral("TariffTypes"), parent),
      m_prompter(prompter)
{
    for (int row = 0; row < ListBox1->count(); ++row) {
        const pugi::xml_node type = ConfigLists::element(ListBox1, row);
        if (hasAttribute(type, "ID"))
            FMaxID = std::max(FMaxID, attributeText(type, "ID").trimmed().toInt());
    }
}

void TTariffTypesEdit::btnAddClick()
{
    QStringList list;
    if (!EditTariffType(list, m_prompter, this))
        return;
    const QString name = ConfigLists::lineValue(list, QStringLiteral("Name"));
    if (ConfigLists::holdsName(ListBox1, name)) {
        m_prompter.message(QString::fromLatin1(kApplicationName), tr("Tariff types already exist"));
        return;
    }
    pugi::xml_node types = ConfigLists::section(FConfig, "TariffTypes");
    if (!types)
        return;
    pugi::xml_node type = types.append_child("Item");
    if (!type)
        return;
    ++FMaxID;
    setAttributeText(type, "ID", QString::number(FMaxID));
    setAttributeText(type, "Name", name);
    for (const char *key : kPriceKeys)
        if (ConfigLists::hasLine(list, QString::fromLatin1(key)))
            setAttributeText(type, key, ConfigLists::lineValue(list, QString::fromLatin1(key)));

    appendEntry(name, type);
}

void TTariffTypesEdit::btnEditClick()
{
    const int row = ConfigLists::selectedRow(ListBox1);
    pugi::xml_node type = ConfigLists::element(ListBox1, row);
    if (!type)
        return;
    QStringList list;
    for (const char *key : {"Name", "Minute", "Input", "Output"})
        if (hasAttribute(type, key))
            ConfigLists::setLine(list, QString::fromLatin1(key), attributeText(type, key));
    if (!EditTariffType(list, m_prompter, this))
        return;
    const QString name = ConfigLists::lineValue(list, QStringLiteral("Name"));
    if (ConfigLists::holdsName(ListBox1, name, row)) {
        m_prompter.message(QString::fromLatin1(kApplicationName), tr("Tariff types already exist"));
        return;
    }
    setAttributeText(type, "Name", name);
    for (const char *key : kPriceKeys) {
        if (ConfigLists::hasLine(list, QString::fromLatin1(key)))
            setAttributeText(type, key, ConfigLists::lineValue(list, QString::fromLatin1(key)));
        else
            type.remove_attribute(key);
    }
    ListBox1->item(row)->setText(name);
}

bool TTariffTypesEdit::isUsed(const QString &id) const
{
    const QByteArray text = id.toUtf8();
    const pugi::xml_node providers = ConfigLists::section(FConfig, "ISP");
    for (pugi::xml_node provider : providers.children()) {
        const pugi::xml_attribute defCost = provider.attribute("DefCost");
        if (defCost && text == defCost.value())
            return true;
        for (pugi::xml_node day : provider.children())
            for (pugi::xml_node range : day.children()) {
                const pugi::xml_attribute type = range.attribute("TariffType");
                if (type && text == type.value())
                    return true;
            }
    }
    return false;
}

void TTariffTypesEdit::btnDelClick()
{
    const int row = ConfigLists::selectedRow(ListBox1);
    pugi::xml_node type = ConfigLists::element(ListBox1, row);
    if (!type)
        return;
    const QString title = QString::fromLatin1(kApplicationName);
    if (m_prompter.question(title, tr("Delete tariff type?"), Prompter::Yes | Prompter::No) !=
        Prompter::Yes)
        return;
    if (isUsed(attributeText(type, "ID"))) {
        m_prompter.message(title, tr("Tariff type is used"));
        return;
    }
    type.parent().remove_child(type);
    removeEntry(row);
}

void EditTariffTypes(XmlDocument &config, Prompter &prompter, QWidget *parent)
{
    TTariffTypesEdit editor(config, prompter, parent);
    editor.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    editor.exec();
}
