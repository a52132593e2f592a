#include "app/DialDialog.h"

#include "connection/ConnectionService.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

void DialDialog::run(ConnectionService &service, const QString &entryName, QWidget *parent)
{
    std::unique_ptr<DialAttempt> attempt = service.dial(entryName);
    if (!attempt)
        return;
    // An entry that is already up, or a dial withdrawn at once, needs no window.
    if (attempt->state() == DialAttempt::State::Connected ||
        attempt->state() == DialAttempt::State::Cancelled)
        return;
    DialDialog dialog(std::move(attempt), entryName, parent);
    dialog.exec();
}

DialDialog::DialDialog(std::unique_ptr<DialAttempt> attempt, const QString &entryName,
                       QWidget *parent)
    : QDialog(parent), m_attempt(std::move(attempt))
{
    setObjectName(QStringLiteral("DialDialog"));
    setWindowTitle(entryName);
    // Modal to the main window, not to the program: the tray menu stays
    // usable while a line is dialled.
    setWindowModality(Qt::WindowModal);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setWordWrap(true);
    m_status->setMinimumWidth(280);
    m_button = new QPushButton(tr("Cancel"), this);
    m_button->setObjectName(QStringLiteral("btnCancel"));
    connect(m_button, &QPushButton::clicked, this, &DialDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addLayout(buttons);

    connect(m_attempt.get(), &DialAttempt::progress, this, &DialDialog::onProgress);
    connect(m_attempt.get(), &DialAttempt::finished, this, &DialDialog::onFinished);

    if (m_attempt->isFinished())
        onFinished(m_attempt->state(), m_attempt->message());
    else
        onProgress(m_attempt->message().isEmpty() ? tr("Connecting to %1…").arg(entryName)
                                                  : m_attempt->message());
}

DialDialog::~DialDialog()
{
    // Signals from an attempt that outlives nothing here must not reach us.
    if (m_attempt)
        disconnect(m_attempt.get(), nullptr, this, nullptr);
}

void DialDialog::onProgress(const QString &text)
{
    m_status->setText(text);
}

void DialDialog::onFinished(DialAttempt::State state, const QString &reason)
{
    switch (state) {
    case DialAttempt::State::Connected:
    case DialAttempt::State::Cancelled:
        accept();
        break;
    case DialAttempt::State::Failed:
        m_status->setText(reason.isEmpty() ? tr("The connection could not be made.") : reason);
        m_button->setText(tr("Close"));
        break;
    case DialAttempt::State::Dialing:
        break;
    }
}

void DialDialog::reject()
{
    // Cancel, Escape and the window's close button all withdraw a pending dial.
    if (!m_attempt->isFinished())
        m_attempt->cancel();
    QDialog::reject();
}
