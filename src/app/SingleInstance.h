#pragma once

#include <QString>

// The guard that lets one instance run per data folder: an exclusive flock()
// on a lock file there. The kernel drops the lock when the process ends,
// however it ends, so a crash never leaves a stale guard behind.
class SingleInstance
{
public:
    // The lock file's name inside the data folder.
    static constexpr const char *kLockName = "DialometerMutex";

    explicit SingleInstance(const QString &folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // Takes the guard without waiting. False when another process (or another
    // guard in this one) holds it, or when the lock file cannot be opened;
    // errorText() then says which.
    bool acquire();
    bool isHeld() const { return m_fd >= 0; }
    // True when acquire() failed because another instance holds the guard.
    bool heldElsewhere() const { return m_heldElsewhere; }
    QString errorText() const { return m_error; }
    QString lockPath() const { return m_path; }

private:
    QString m_path;
    int m_fd = -1;
    bool m_heldElsewhere = false;
    QString m_error;
};
