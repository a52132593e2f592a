#include "access/TfrmPasswordBox.h"

#include "core/Prompter.h"
#include "core/Version.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString TfrmPasswordBox::enterPasswordText()
{
    return tr("Enter password");
}

namespace {
// The name of the field, also the label of the line asked without the box.
QString passwordLabel()
{
    return TfrmPasswordBox::tr("Password");
}
} // namespace

TfrmPasswordBox::TfrmPasswordBox(const QString &prompt, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmPasswordBox"));
    setWindowTitle(prompt);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *label = new QLabel(tr("&Password"), this);
    edtPassword = new QLineEdit(this);
    edtPassword->setObjectName(QStringLiteral("edtPassword"));
    edtPassword->setEchoMode(QLineEdit::Password);
    edtPassword->setAccessibleName(passwordLabel());
    edtPassword->setAccessibleDescription(prompt);
    label->setBuddy(edtPassword);

    btnOk = new QPushButton(tr("Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(btnOk, QDialogButtonBox::AcceptRole);
    buttons->addButton(btnCancel, QDialogButtonBox::RejectRole);
    // Ok checks the field first; only Cancel closes through the box's signal.
    disconnect(buttons, nullptr, this, nullptr);
    connect(btnOk, &QPushButton::clicked, this, &TfrmPasswordBox::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(edtPassword);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(215);
    edtPassword->setFocus();
}

QString TfrmPasswordBox::password() const
{
    return edtPassword->text();
}

void TfrmPasswordBox::btnOkClick()
{
    if (edtPassword->text().isEmpty()) {
        m_prompter.forWindow(this)->message(QString::fromLatin1(kApplicationName),
                                            enterPasswordText());
        return;
    }
    accept();
}

std::optional<QString> TfrmPasswordBox::ask(const QString &prompt, Prompter &prompter,
                                            QWidget *parent)
{
    TfrmPasswordBox box(prompt, prompter, parent);
    // Over a window it blocks that window only, so a log-in dialog that
    // comes up meanwhile still takes input.
    box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.password();
}

QString InputPassword(Prompter &prompter, const QString &prompt)
{
    for (;;) {
        const std::optional<QString> text = prompter.textInput(prompt, passwordLabel(), true);
        if (!text)
            return QString();
        if (!text->isEmpty())
            return *text;
        prompter.message(QString::fromLatin1(kApplicationName),
                         TfrmPasswordBox::enterPasswordText());
    }
}
