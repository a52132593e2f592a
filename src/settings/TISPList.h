#pragma once

#include <QDialog>
#include <QString>

class ConnectionService;
class QListWidget;
class QPushButton;

// The phonebook entry picker: every entry the running connection service can
// dial, one of which becomes a new provider.
class TISPList : public QDialog
{
    Q_OBJECT
public:
    explicit TISPList(ConnectionService &service, QWidget *parent = nullptr);

    // The selected entry, or the empty string.
    QString selectedEntry() const;

private:
    QListWidget *ListBox1;
    QPushButton *btnSelect;
    QPushButton *btnCancel;
};

// Runs the picker; the chosen entry name, or the empty string when nothing
// was chosen or the picker was cancelled.
QString SelectPhonebookEntry(ConnectionService &service, QWidget *parent = nullptr);
