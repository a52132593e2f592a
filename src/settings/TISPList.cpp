#include "settings/TISPList.h"

#include "connection/ConnectionService.h"
#include "settings/ConfigLists.h"
#include "settings/FormParts.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TISPList::TISPList(ConnectionService &service, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ISPList"));
    setWindowTitle(tr("ISP List"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(tr("Phonebook entries"));
    QHBoxLayout *buttons = FormParts::okCancelRow(this, &btnSelect, &btnCancel);
    btnSelect->setText(tr("&Select"));
    btnSelect->setObjectName(QStringLiteral("btnSelect"));
    connect(btnSelect, &QPushButton::clicked, this, &QDialog::accept);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ListBox1);
    layout->addLayout(buttons);
    resize(260, 235);

    // Every connection that can be dialled, also those that do not count
    // yet: making one a provider is what makes it count.
    ListBox1->addItems(service.allEntryNames());
    // The first entry is chosen, so Select at once takes it.
    ConfigLists::selectRow(ListBox1, 0);
}

QString TISPList::selectedEntry() const
{
    const int row = ConfigLists::selectedRow(ListBox1);
    return row >= 0 ? ListBox1->item(row)->text() : QString();
}

QString SelectPhonebookEntry(ConnectionService &service, QWidget *parent)
{
    TISPList picker(service, parent);
    picker.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    if (picker.exec() != QDialog::Accepted)
        return QString();
    return picker.selectedEntry();
}
