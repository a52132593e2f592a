#include "settings/ListEditorDialog.h"

#include "settings/ConfigLists.h"
#include "settings/FormParts.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ListEditorDialog::ListEditorDialog(const QString &caption, const char *name,
                                   const QString &listName, XmlDocument &config,
                                   const QString &section, QWidget *parent)
    : QDialog(parent), FConfig(config)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(listName);
    btnAdd = FormParts::button(this, tr("&Add"), "btnAdd");
    btnEdit = FormParts::button(this, tr("&Edit"), "btnEdit");
    btnDel = FormParts::button(this, tr("&Delete"), "btnDel");
    btnOk = FormParts::button(this, tr("Ok"), "btnOk");
    btnOk->setDefault(true);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(btnAdd);
    buttons->addWidget(btnEdit);
    buttons->addWidget(btnDel);
    buttons->addStretch();
    buttons->addWidget(btnOk);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(ListBox1);
    layout->addLayout(buttons);
    resize(300, 200);

    connect(btnAdd, &QPushButton::clicked, this, [this] { btnAddClick(); });
    connect(btnEdit, &QPushButton::clicked, this, [this] { btnEditClick(); });
    connect(btnDel, &QPushButton::clicked, this, [this] { btnDelClick(); });
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &ListEditorDialog::ListBox1DblClick);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &ListEditorDialog::UEditUpdate);
    connect(ListBox1, &QListWidget::currentRowChanged, this, &ListEditorDialog::UEditUpdate);

    ConfigLists::fill(ListBox1, FConfig, section);
    UEditUpdate();
}

void ListEditorDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    btnOk->setFocus();
}

void ListEditorDialog::UEditUpdate()
{
    const bool selected = ConfigLists::selectedRow(ListBox1) >= 0;
    btnEdit->setEnabled(selected);
    btnDel->setEnabled(selected);
}

void ListEditorDialog::ListBox1DblClick()
{
    if (btnEdit->isEnabled())
        btnEditClick();
}

void ListEditorDialog::appendEntry(const QString &text, pugi::xml_node element)
{
    auto *entry = new QListWidgetItem(text, ListBox1);
    entry->setData(Qt::UserRole, ConfigLists::elementData(element));
    ConfigLists::selectRow(ListBox1, ListBox1->count() - 1);
}

void ListEditorDialog::removeEntry(int row)
{
    delete ListBox1->takeItem(row);
    ConfigLists::selectRow(ListBox1, row - 1);
    UEditUpdate();
}
