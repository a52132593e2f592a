#pragma once

#include <QDialog>
#include <QStringList>

class ConnectionService;
class Prompter;
class QListWidget;
class QPushButton;

// The phonebook dialog: starts the system's connection editor when there is
// one (without waiting for it), edits the list here where the back end keeps
// it itself, and otherwise tells the user where connections are edited.
class PhonebookDialog : public QDialog
{
    Q_OBJECT
public:
    static void run(ConnectionService &service, Prompter &prompter, QWidget *parent);

    PhonebookDialog(const QStringList &entries, Prompter &prompter, QWidget *parent);

    QStringList entries() const;
    void accept() override;

private:
    void addEntry();
    void removeEntry();
    void updateButtons();

    Prompter &m_prompter;
    QListWidget *m_list = nullptr;
    QPushButton *m_remove = nullptr;
};
