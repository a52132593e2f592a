#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstance::SingleInstance(const QString &folder)
    : m_path(QDir(folder).filePath(QString::fromLatin1(kLockName)))
{
}

SingleInstance::~SingleInstance()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing the descriptor drops the lock
}

bool SingleInstance::acquire()
{
    if (m_fd >= 0)
        return true;
    m_heldElsewhere = false;
    m_error.clear();
    // Opening an existing lock file changes nothing in it, so a second
    // instance leaves every file as it found it.
    const QByteArray path = QFile::encodeName(m_path);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_error = QCoreApplication::translate("SingleInstance", "Cannot open %1: %2")
                      .arg(m_path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK) {
            m_heldElsewhere = true;
            m_error = QCoreApplication::translate("SingleInstance", "Another instance holds %1")
                          .arg(m_path);
        } else {
            m_error = QCoreApplication::translate("SingleInstance", "Cannot lock %1: %2")
                          .arg(m_path, QString::fromLocal8Bit(std::strerror(err)));
        }
        return false;
    }
    m_fd = fd;
    return true;
}
