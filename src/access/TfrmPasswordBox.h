#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class Prompter;
class QLineEdit;
class QPushButton;

// A small modal dialog that asks for one password; the caller's prompt is
// its caption. It compares nothing: checking the text is the caller's part.
class TfrmPasswordBox : public QDialog
{
    Q_OBJECT
public:
    // The message the dialog shows when Ok is pressed on an empty field.
    static QString enterPasswordText();

    TfrmPasswordBox(const QString &prompt, Prompter &prompter, QWidget *parent = nullptr);

    QString password() const;

    // Shows a fresh dialog modally; the typed text on Ok (never empty),
    // nothing on Cancel, Escape or the close box.
    static std::optional<QString> ask(const QString &prompt, Prompter &prompter,
                                      QWidget *parent = nullptr);

    void btnOkClick();

private:
    Prompter &m_prompter;
    QLineEdit *edtPassword;
    QPushButton *btnOk;
    QPushButton *btnCancel;
};

// Asks for a password through the prompter with prompt as the caption.
// Returns the typed text unaltered, or the empty string when cancelled; an
// empty entry is refused with "Enter password" and asked again.
QString InputPassword(Prompter &prompter, const QString &prompt);
