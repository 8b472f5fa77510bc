#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace pelinor::test {

/// A small tmpfs mounted on a private temporary folder, for tests of a full disk: fill() takes every free
/// byte, release() gives them back. Mounting needs root (or a user namespace); where the system does not
/// allow it, mounted() is false and reason() says why, so that the test can skip.
class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes = 256 * 1024)
    {
        if (!m_dir.isValid()) {
            m_reason = QStringLiteral("no temporary folder");
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0700";
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                options.constData())
            != 0) {
            m_reason = QStringLiteral("mounting a small tmpfs is not allowed here (%1); it needs root")
                           .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        m_mounted = true;
    }

    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }

    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString reason() const { return m_reason; }
    QString path(const QString& relative = QString()) const
    {
        return relative.isEmpty() ? m_dir.path() : m_dir.path() + QLatin1Char('/') + relative;
    }

    /// Writes a filler file until the disk is full. Returns false when the disk never filled.
    bool fill() const
    {
        const int fd = ::open(QFile::encodeName(path(fillerName())).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        if (fd < 0)
            return false;
        // Whole pages first, then single bytes for whatever part of a page is left.
        int lastError = 0;
        for (const qsizetype size : {4096, 1}) {
            const QByteArray block(size, 'x');
            errno = 0;
            while (::write(fd, block.constData(), static_cast<size_t>(size)) == size) { }
            lastError = errno;
        }
        const bool full = lastError == ENOSPC;
        ::close(fd);
        return full;
    }

    /// Removes the filler file.
    void release() const { QFile::remove(path(fillerName())); }

private:
    static QString fillerName() { return QStringLiteral(".filler"); }

    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
};

} // namespace pelinor::test
