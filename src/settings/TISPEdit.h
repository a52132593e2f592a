#pragma once

#include "settings/ListEditorDialog.h"

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

private:
    ConnectionService &m_service;
    Prompter &m_prompter;
};

// Runs the provider list editor modally on config.
void EditISPList(XmlDocument &config, ConnectionService &service, Prompter &prompter,
                 QWidget *parent = nullptr);
