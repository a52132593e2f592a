#pragma once

#include <QObject>
#include <QString>

// One attempt to bring a phonebook entry up, started by ConnectionService::dial().
// The dial dialog shows its progress texts and closes when it finishes.
class DialAttempt : public QObject
{
    Q_OBJECT
public:
    enum class State { Dialing, Connected, Failed, Cancelled };

    explicit DialAttempt(QObject *parent = nullptr) : QObject(parent) {}

    State state() const { return m_state; }
    // The last progress text, or the reason of a failure.
    QString message() const { return m_message; }
    bool isFinished() const { return m_state != State::Dialing; }

    // Gives up: a pending activation is withdrawn. Finishes as Cancelled.
    virtual void cancel() = 0;

signals:
    void progress(const QString &text);
    void finished(DialAttempt::State state, const QString &reason);

protected:
    void reportProgress(const QString &text)
    {
        if (isFinished())
            return;
        m_message = text;
        emit progress(text);
    }
    void finish(State state, const QString &reason = QString())
    {
        if (isFinished())
            return;
        m_state = state;
        m_message = reason;
        emit finished(state, reason);
    }

private:
    State m_state = State::Dialing;
    QString m_message;
};
