#pragma once

#include "connection/DialAttempt.h"

#include <QPointer>
#include <QProcess>
#include <QTimer>

class PppdService;

// Dialing one peer: runs "pon PEER updetach", so pppd stays in the
// foreground until the link is up (exit 0) or has failed (its exit status
// says why). Cancel stops that pppd.
class PppdDialAttempt : public DialAttempt
{
    Q_OBJECT
public:
    PppdDialAttempt(PppdService *service, const QString &peer);
    ~PppdDialAttempt() override;

    void cancel() override;

private:
    friend class PppdService;
    // Runs pon; the attempt goes on from there.
    void start();
    void failAtOnce(const QString &reason) { finish(State::Failed, reason); }
    void connectedAtOnce() { finish(State::Connected); }

    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onError(QProcess::ProcessError error);
    void checkConnected();

    QPointer<PppdService> m_service;
    QString m_peer;
    QProcess *m_process = nullptr;
    QTimer m_watch;
};
