#pragma once

#include "settings/ListEditorDialog.h"

#include <QList>

class ConnectionService;
class Prompter;

// The list of providers: add one from the phonebook, rename, delete.
class TISPEdit : public ListEditorDialog
{
    Q_OBJECT
public:
    TISPEdit(XmlDocument &config, ConnectionService &service, Prompter &prompter,
             QWidget *parent = nullptr);

    void btnAddClick() override;
    void btnEditClick() override;
    void btnDelClick() override;

    // The provider added last that is still listed, or a null node.
    pugi::xml_node addedProvider() const;

private:
    ConnectionService &m_service;
    Prompter &m_prompter;
    QList<pugi::xml_node> m_added;
};

// Runs the provider list editor modally on config. added, when given, is
// set to the provider added last that was not deleted again (a null node
// when there is none).
void EditISPList(XmlDocument &config, ConnectionService &service, Prompter &prompter,
                 QWidget *parent = nullptr, pugi::xml_node *added = nullptr);
