#include "core/common/regularfilereader.h"

#include "core/common/regularfile.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pelinor::core {

#ifdef Q_OS_UNIX

RegularFileReader::RegularFileReader(const QString& path)
{
    if (!path.isEmpty())
        open(AT_FDCWD, QFile::encodeName(path), path, false);
}

RegularFileReader::RegularFileReader(const FolderListing& folder, const FolderListing::Entry& file)
{
    if (folder.isOpen() && !file.name.isEmpty())
        open(folder.descriptor(), QFile::encodeName(file.name), folder.filePath(file.name), file.regular);
}

void RegularFileReader::open(int folderFd, const QByteArray& name, const QString& path, bool knownRegular)
{
    // The type is checked before opening: opening a device may already do something, and a pipe waits.
    // What the folder listed as a regular file needs no second look.
    if (!knownRegular) {
        struct stat before = {};
        if (::fstatat(folderFd, name.constData(), &before, 0) != 0 || S_ISDIR(before.st_mode))
            return;
        if (!S_ISREG(before.st_mode)) {
            m_status = Status::Unreadable;
            m_error = notRegularFileMessage(path);
            return;
        }
    }
    // Opened without blocking and checked again, in case the name was replaced in between.
    m_fd = ::openat(folderFd, name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (m_fd < 0) {
        // A listed file that went away since is missing, as it would have been a moment later.
        if (!(knownRegular && errno == ENOENT)) {
            m_status = Status::Unreadable;
            m_error = unreadableFileMessage(path, qt_error_string(errno));
        }
        return;
    }
    struct stat opened = {};
    if (::fstat(m_fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        m_status = Status::Unreadable;
        m_error = notRegularFileMessage(path);
        return;
    }
    m_size = static_cast<qint64>(opened.st_size);
    m_status = Status::Open;
}

RegularFileReader::~RegularFileReader()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

qint64 RegularFileReader::read(char* data, qint64 maxBytes)
{
    if (m_status != Status::Open)
        return -1;
    qint64 total = 0;
    while (total < maxBytes) {
        const ssize_t got = ::read(m_fd, data + total, static_cast<size_t>(maxBytes - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            m_readFailure = qt_error_string(errno);
            return -1;
        }
        if (got == 0)
            break;
        total += got;
    }
    return total;
}

#else

RegularFileReader::RegularFileReader(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return;
    m_status = Status::Unreadable;
    if (!openRegularFile(m_file, path, &m_error))
        return;
    m_size = m_file.size();
    m_status = Status::Open;
}

RegularFileReader::RegularFileReader(const FolderListing& folder, const FolderListing::Entry& file)
    : RegularFileReader(folder.isOpen() && !file.name.isEmpty() ? folder.filePath(file.name) : QString())
{
}

RegularFileReader::~RegularFileReader() = default;

qint64 RegularFileReader::read(char* data, qint64 maxBytes)
{
    if (m_status != Status::Open)
        return -1;
    const qint64 got = m_file.read(data, maxBytes);
    if (got < 0)
        m_readFailure = m_file.errorString();
    return got;
}

#endif

} // namespace pelinor::core
