#pragma once

#include "settings/ListEditorDialog.h"

class Prompter;

// The list of tariff types: add, edit and delete. A new type's ID is one
// above the highest ID the list held when it opened, raised by every Add.
class TTariffTypesEdit : public ListEditorDialog
{
    Q_OBJECT
public:
    TTariffTypesEdit(XmlDocument &config, Prompter &prompter, QWidget *parent = nullptr);

    void btnAddClick() override;
    void btnEditClick() override;
    void btnDelClick() override;

    int maxId() const { return FMaxID; }

private:
    bool isUsed(const QString &id) const;

    Prompter &m_prompter;
    int FMaxID = 0;
};

// Runs the list editor modally on config.
void EditTariffTypes(XmlDocument &config, Prompter &prompter, QWidget *parent = nullptr);
