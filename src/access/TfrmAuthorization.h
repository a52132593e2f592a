#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

class ConnectionService;
class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class XmlDocument;

// What a log-in dialog works with. The references must outlive the dialog;
// pass an owner to ShowAuthorization() when they may not.
struct AuthorizationContext
{
    // Every active connection is hung up when nobody logs in.
    ConnectionService &service;
    // The live configuration: the users, and LastUser, which a log-in writes.
    XmlDocument &config;
    // The configuration file, written whenever a dialog closes.
    QString configPath;
    // Takes the name of the user who logged in (the monitor's CurrentUserName).
    std::function<void(const QString &)> setCurrentUserName;
    // The program's prompter; required. The dialog's messages go through its
    // forWindow(dialog): boxes over the dialog itself, which block the dialog
    // alone (not hidden behind it, and the rest of the program goes on).
    Prompter *prompter = nullptr;
    // Shows a tray balloon (title, text); may be empty.
    std::function<void(const QString &, const QString &)> showBalloon;
    // Monotonic milliseconds since some fixed point; empty: a steady clock.
    std::function<qint64()> elapsedMs;
};

class TfrmAuthorization;

// Opens a log-in dialog for a connection that just came up and returns at
// once: the dialog is modeless, stays on top, counts down 30 seconds and then
// hangs up. It is a top-level window of its own, child of no other window, so
// that no window modal to the main window (statistics, settings, a message
// box) blocks it. It frees itself when it closes, and is freed without
// hanging up when owner (if any) is destroyed first.
TfrmAuthorization *ShowAuthorization(const AuthorizationContext &context, QObject *owner = nullptr);

// The log-in dialog of user mode: who is at the computer names themselves and
// gives their password, or every connection is hung up. Every way of closing
// it (Ok with the right password, Disconnect, Escape, the close box, the end
// of the countdown) goes through FormClose.
class TfrmAuthorization : public QDialog
{
    Q_OBJECT
public:
    // Seconds until the line is hung up.
    static constexpr int kSeconds = 30;
    // The balloon that announces a dialog.
    static QString balloonText();

    explicit TfrmAuthorization(const AuthorizationContext &context);
    ~TfrmAuthorization() override;

    // Handlers.
    void btnOkClick();
    void btnCancelClick();
    void Timer1Timer();

    bool Authorized() const { return m_authorized; }
    int SecondsLeft() const { return m_secondsLeft; }

    // Escape closes the dialog the same way as Disconnect.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    friend TfrmAuthorization *ShowAuthorization(const AuthorizationContext &, QObject *);

    void fillUsers();
    void showCountdown();
    void placeOnScreen();
    void FormClose();
    // Shows a message; false when the dialog was closed meanwhile (the
    // countdown goes on while a message box is open).
    bool say(const QString &text);

    AuthorizationContext m_context;
    // The context's prompter over this dialog.
    std::unique_ptr<Prompter> m_prompter;
    qint64 m_startMs = 0;
    bool m_authorized = false;
    int m_secondsLeft = kSeconds;
    bool m_closed = false;
    int m_promptDepth = 0;

    QLabel *Label1 = nullptr;
    QComboBox *cmbUser = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *edtPassword = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
    QTimer *Timer1 = nullptr;
};
