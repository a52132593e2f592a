#include "settings/UsersPage.h"

#include "core/Prompter.h"
#include "settings/ConfigLists.h"
#include "settings/FormParts.h"
#include "settings/SettingsPageHost.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

UsersPage::UsersPage(SettingsPageHost &host, QWidget *parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("TabSheet3"));
    lstUser = new QListWidget(this);
    lstUser->setObjectName(QStringLiteral("lstUser"));
    lstUser->setAccessibleName(tr("Users"));
    btnAddUser = FormParts::button(this, tr("A&dd"), "btnAddUser");
    btnEditUser = FormParts::button(this, tr("&Edit"), "btnEditUser");
    btnDelUser = FormParts::button(this, tr("De&lete"), "btnDelUser");
    btnPasswordUser = FormParts::button(this, tr("&Password"), "btnPasswordUser");
    connect(btnAddUser, &QPushButton::clicked, this, &UsersPage::btnAddUserClick);
    connect(btnEditUser, &QPushButton::clicked, this, &UsersPage::btnEditUserClick);
    connect(btnDelUser, &QPushButton::clicked, this, &UsersPage::btnDelUserClick);
    connect(btnPasswordUser, &QPushButton::clicked, this, &UsersPage::btnPasswordUserClick);
    connect(lstUser, &QListWidget::itemDoubleClicked, this, &UsersPage::lstUserDblClick);
    connect(lstUser, &QListWidget::itemSelectionChanged, this, &UsersPage::ctnUpdateUserUpdate);
    connect(lstUser, &QListWidget::currentRowChanged, this, &UsersPage::ctnUpdateUserUpdate);

    auto *buttons = new QVBoxLayout;
    for (QWidget *widget : {btnAddUser, btnEditUser, btnDelUser, btnPasswordUser})
        buttons->addWidget(widget);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(lstUser, 1);
    layout->addLayout(buttons);
}

void UsersPage::load()
{
    ConfigLists::fill(lstUser, m_host.workConfig(), tr("Users"));
    ConfigLists::selectRow(lstUser, 0);
    ctnUpdateUserUpdate();
}

void UsersPage::ctnUpdateUserUpdate()
{
    const bool selected = ConfigLists::selectedRow(lstUser) >= 0;
    btnEditUser->setEnabled(selected);
    btnDelUser->setEnabled(selected);
    btnPasswordUser->setEnabled(selected);
}

void UsersPage::lstUserDblClick()
{
    if (btnEditUser->isEnabled())
        btnEditUserClick();
}

void UsersPage::btnAddUserClick()
{
    Prompter &prompter = m_host.context().prompter;
    const QString name =
        prompter.textInput(tr("New user"), tr("Enter user name")).value_or(QString());
    if (name.isEmpty())
        return;
    if (ConfigLists::holdsName(lstUser, name)) {
        prompter.message(FormParts::messageTitle(), tr("User already exist"));
        return;
    }
    pugi::xml_node users = ConfigLists::section(m_host.workConfig(), "Users");
    pugi::xml_node user = users ? users.append_child("Item") : pugi::xml_node();
    if (!user)
        return;
    setAttributeText(user, "Name", name);
    auto *entry = new QListWidgetItem(name, lstUser);
    entry->setData(Qt::UserRole, ConfigLists::elementData(user));
    ConfigLists::selectRow(lstUser, lstUser->count() - 1);
    m_host.changed();
}

void UsersPage::btnEditUserClick()
{
    const int row = ConfigLists::selectedRow(lstUser);
    pugi::xml_node user = ConfigLists::element(lstUser, row);
    if (!user)
        return;
    Prompter &prompter = m_host.context().prompter;
    const QString current = lstUser->item(row)->text();
    const QString name =
        prompter.editText(tr("Edit user"), tr("Enter user name"), current).value_or(current);
    if (name.isEmpty())
        return;
    if (ConfigLists::holdsName(lstUser, name, row)) {
        prompter.message(FormParts::messageTitle(), tr("User already exist"));
        return;
    }
    setAttributeText(user, "Name", name);
    lstUser->item(row)->setText(name);
    m_host.changed();
}

void UsersPage::btnDelUserClick()
{
    const int row = ConfigLists::selectedRow(lstUser);
    pugi::xml_node user = ConfigLists::element(lstUser, row);
    if (!user)
        return;
    if (m_host.context().prompter.question(FormParts::messageTitle(), tr("Delete user?"),
                                           Prompter::Yes | Prompter::No) != Prompter::Yes)
        return;
    user.parent().remove_child(user);
    delete lstUser->takeItem(row);
    ConfigLists::selectRow(lstUser, row - 1);
    ctnUpdateUserUpdate();
    m_host.changed();
}

void UsersPage::btnPasswordUserClick()
{
    pugi::xml_node user = ConfigLists::element(lstUser, ConfigLists::selectedRow(lstUser));
    if (!user)
        return;
    const QString password = m_host.askNewPassword();
    if (password.isEmpty())
        return;
    setAttributeText(user, "Password", password);
    m_host.changed();
}
