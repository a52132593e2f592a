#include "settings/TISPEdit.h"

#include "core/Prompter.h"
#include "core/Version.h"
#include "settings/ConfigLists.h"
#include "settings/TISPList.h"

#include <QListWidget>

TISPEdit::TISPEdit(XmlDocument &config, ConnectionService &service, Prompter &prompter,
                   QWidget *parent)
    : ListEditorDialog(tr("ISP"), "ISPEdit", tr("Providers"), config, QStringLiteral("ISP"),
                       parent),
      m_service(service), m_prompter(prompter)
{
}

void TISPEdit::btnAddClick()
{
    const QString name = SelectPhonebookEntry(m_service, this);
    if (name.isEmpty())
        return;
    if (ConfigLists::holdsName(ListBox1, name)) {
        m_prompter.message(QString::fromLatin1(kApplicationName), tr("ISP already exist"));
        return;
    }
    pugi::xml_node providers = ConfigLists::section(FConfig, "ISP");
    if (!providers)
        return;
    pugi::xml_node provider = providers.append_child("Item");
    if (!provider)
        return;
    setAttributeText(provider, "Name", name);
    appendEntry(name, provider);
    m_added.append(provider);
}

pugi::xml_node TISPEdit::addedProvider() const
{
    return m_added.isEmpty() ? pugi::xml_node() : m_added.last();
}

void TISPEdit::btnEditClick()
{
    const int row = ConfigLists::selectedRow(ListBox1);
    pugi::xml_node provider = ConfigLists::element(ListBox1, row);
    if (!provider)
        return;
    const QString current = ListBox1->item(row)->text();
    // Cancel keeps the name as it was.
    const QString name = m_prompter.editText(tr("ISP"), tr("ISP"), current).value_or(current);
    if (name.isEmpty())
        return;
    if (ConfigLists::holdsName(ListBox1, name, row)) {
        m_prompter.message(QString::fromLatin1(kApplicationName), tr("ISP already exist"));
        return;
    }
    setAttributeText(provider, "Name", name);
    ListBox1->item(row)->setText(name);
}

void TISPEdit::btnDelClick()
{
    const int row = ConfigLists::selectedRow(ListBox1);
    pugi::xml_node provider = ConfigLists::element(ListBox1, row);
    if (!provider)
        return;
    if (m_prompter.question(QString::fromLatin1(kApplicationName), tr("Delete setting for ISP?"),
                            Prompter::Yes | Prompter::No) != Prompter::Yes)
        return;
    m_added.removeAll(provider);
    provider.parent().remove_child(provider);
    removeEntry(row);
}

void EditISPList(XmlDocument &config, ConnectionService &service, Prompter &prompter,
                 QWidget *parent, pugi::xml_node *added)
{
    TISPEdit editor(config, service, prompter, parent);
    editor.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    editor.exec();
    if (added)
        *added = editor.addedProvider();
}
