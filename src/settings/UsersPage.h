#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;
class SettingsPageHost;

// The Users tab: the users of user mode with their passwords.
class UsersPage : public QWidget
{
    Q_OBJECT
public:
    explicit UsersPage(SettingsPageHost &host, QWidget *parent = nullptr);

    // Lists the users of the working copy and selects the first.
    void load();

    void btnAddUserClick();
    void btnEditUserClick();
    void btnDelUserClick();
    void btnPasswordUserClick();
    void lstUserDblClick();
    void ctnUpdateUserUpdate();

private:
    SettingsPageHost &m_host;
    QListWidget *lstUser;
    QPushButton *btnAddUser;
    QPushButton *btnEditUser;
    QPushButton *btnDelUser;
    QPushButton *btnPasswordUser;
};
