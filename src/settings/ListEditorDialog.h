#pragma once

#include "store/XmlDocument.h"

#include <QDialog>

class QListWidget;
class QPushButton;

// A modal list of configuration entries with Add, Edit, Delete and Ok. Each
// change is made at once in the document; there is no Cancel. Edit and
// Delete are enabled exactly while an entry is selected; a double click
// edits.
class ListEditorDialog : public QDialog
{
    Q_OBJECT
public:
    virtual void btnAddClick() = 0;
    virtual void btnEditClick() = 0;
    virtual void btnDelClick() = 0;
    void ListBox1DblClick();
    void UEditUpdate();

protected:
    // Fills the list from a section of config; nothing is selected.
    ListEditorDialog(const QString &caption, const char *name, const QString &listName,
                     XmlDocument &config, const QString &section, QWidget *parent);

    void showEvent(QShowEvent *event) override;
    // Appends an entry bound to element and selects it.
    void appendEntry(const QString &text, pugi::xml_node element);
    // Removes the entry at row and selects the one before it (none after
    // the first).
    void removeEntry(int row);

    XmlDocument &FConfig;
    QListWidget *ListBox1;
    QPushButton *btnAdd;
    QPushButton *btnEdit;
    QPushButton *btnDel;
    QPushButton *btnOk;
};
