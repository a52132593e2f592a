#include "backends/pppd/PppdDialAttempt.h"

#include "backends/pppd/PppdExitStatus.h"
#include "backends/pppd/PppdService.h"

PppdDialAttempt::PppdDialAttempt(PppdService *service, const QString &peer)
    : m_service(service), m_peer(peer)
{
}

void PppdDialAttempt::start()
{
    reportProgress(tr("Connecting to %1…").arg(m_peer));

    m_process = new QProcess(this);
    // Nobody reads pppd's chatter; a full pipe would stall it.
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->setStandardErrorFile(QProcess::nullDevice());
    connect(m_process, &QProcess::finished, this, &PppdDialAttempt::onFinished);
    connect(m_process, &QProcess::errorOccurred, this, &PppdDialAttempt::onError);
    m_process->start(m_service->paths().ponCommand, {m_peer, QStringLiteral("updetach")});

    // A peer configured to stay in the foreground never lets pon return:
    // seeing its link come up is as good.
    m_watch.setInterval(250);
    connect(&m_watch, &QTimer::timeout, this, &PppdDialAttempt::checkConnected);
    m_watch.start();
}

PppdDialAttempt::~PppdDialAttempt()
{
    // A pppd that is still running belongs to the connection, not to this
    // attempt: destroying the process object would kill it.
    if (m_process && m_process->state() != QProcess::NotRunning && m_service) {
        disconnect(m_process, nullptr, this, nullptr);
        m_process->setParent(m_service);
        connect(m_process, &QProcess::finished, m_process, &QObject::deleteLater);
    }
}

void PppdDialAttempt::cancel()
{
    if (isFinished())
        return;
    m_watch.stop();
    if (m_process && m_process->state() != QProcess::NotRunning) {
        disconnect(m_process, nullptr, this, nullptr);
        m_process->terminate();
        if (!m_process->waitForFinished(3000))
            m_process->kill();
    }
    finish(State::Cancelled);
}

void PppdDialAttempt::onFinished(int exitCode, QProcess::ExitStatus status)
{
    m_watch.stop();
    if (status == QProcess::CrashExit) {
        finish(State::Failed, tr("pppd stopped unexpectedly."));
    } else if (exitCode == 0) {
        finish(State::Connected);
    } else {
        finish(State::Failed, tr("Could not connect: %1 (pppd exit status %2).")
                                  .arg(pppdExitReason(exitCode))
                                  .arg(exitCode));
    }
}

void PppdDialAttempt::onError(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return;
    m_watch.stop();
    finish(State::Failed,
           tr("%1 could not be run (%2). Is the ppp package installed?")
               .arg(m_service ? m_service->paths().ponCommand : QStringLiteral("pon"),
                    m_process->errorString()));
}

void PppdDialAttempt::checkConnected()
{
    if (m_service && m_service->isPeerConnected(m_peer)) {
        m_watch.stop();
        finish(State::Connected);
    }
}
