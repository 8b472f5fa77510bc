#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace pelinor::platform {

SingleInstance::SingleInstance(const QString& name, const QString& folder)
{
    QString dir = folder;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    m_path = dir + QLatin1Char('/') + name + QStringLiteral(".lock");
}

SingleInstance::~SingleInstance()
{
    release();
}

#ifdef Q_OS_UNIX

bool SingleInstance::tryAcquire()
{
    if (m_fd >= 0)
        return true;
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    // The lock file cannot be written at all (no runtime folder, read-only disk): running without the
    // guard is better than not starting.
    if (fd < 0)
        return true;
    // The system drops the lock when its holder ends, however it ends. The lock is not written through to
    // the disk as a QLockFile is: a start would wait for the disk for nothing.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return !held;
    }
    const QByteArray owner = QByteArray::number(QCoreApplication::applicationPid()) + '\n'
        + QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).fileName().toUtf8() + '\n'
        + QSysInfo::machineHostName().toUtf8() + '\n';
    // Who holds the lock is only information, for people and older versions; the lock holds without it.
    // Written over the old text and cut to its length afterwards: emptying the file first frees its block,
    // which some file systems pass on to the disk before the call returns.
    [[maybe_unused]] const bool written
        = ::pwrite(fd, owner.constData(), static_cast<size_t>(owner.size()), 0) == owner.size()
        && ::ftruncate(fd, static_cast<off_t>(owner.size())) == 0;
    m_fd = fd;
    return true;
}

void SingleInstance::release()
{
    if (m_fd < 0)
        return;
    // The file stays as it is: removing it could let a copy that opened it just before lock a file no
    // longer there while a third copy locks a new one. An older version finds the owner gone and takes
    // the file over, as it does after a crash.
    ::close(m_fd);
    m_fd = -1;
}

#else

bool SingleInstance::tryAcquire()
{
    if (m_lock && m_lock->isLocked())
        return true;
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a live process keeps the lock; QLockFile checks the owner's process id and takes over a lock
    // whose owner is gone, however recent it is.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError)
        return false;
    // The lock file cannot be written at all (no runtime folder, read-only disk): running without the
    // guard is better than not starting.
    return true;
}

void SingleInstance::release()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}

#endif

} // namespace pelinor::platform
