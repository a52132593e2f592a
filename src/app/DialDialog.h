#pragma once

#include "connection/DialAttempt.h"

#include <QDialog>

#include <memory>

class ConnectionService;
class QLabel;
class QPushButton;

// The dial dialog: dials one phonebook entry and shows how it goes. It
// closes by itself when the line is up, shows the reason when dialing
// fails, and Cancel withdraws the attempt. Modal to the main window, with its
// own event loop, so the program's timers and the tray menu go on.
class DialDialog : public QDialog
{
    Q_OBJECT
public:
    static void run(ConnectionService &service, const QString &entryName, QWidget *parent);

    DialDialog(std::unique_ptr<DialAttempt> attempt, const QString &entryName, QWidget *parent);
    ~DialDialog() override;

    void reject() override;

private:
    void onProgress(const QString &text);
    void onFinished(DialAttempt::State state, const QString &reason);

    std::unique_ptr<DialAttempt> m_attempt;
    QLabel *m_status = nullptr;
    QPushButton *m_button = nullptr;
};
