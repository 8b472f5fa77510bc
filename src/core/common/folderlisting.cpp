#include "core/common/folderlisting.h"

#include <QDir>
#include <QFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pelinor::core {

QString FolderListing::filePath(const QString& name) const
{
    return m_folder.endsWith(QLatin1Char('/')) ? m_folder + name : m_folder + QLatin1Char('/') + name;
}

#ifdef Q_OS_UNIX

FolderListing::FolderListing(const QString& folder)
    : m_folder(folder)
{
    if (!folder.isEmpty())
        m_fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

FolderListing::~FolderListing()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FolderListing::isOpen() const
{
    return m_fd >= 0;
}

QList<FolderListing::Entry> FolderListing::files(QStringView suffix) const
{
    QList<Entry> names;
    if (m_fd < 0)
        return names;
    // The listing gets its own descriptor: closedir() closes the one it is given.
    const int listFd = ::dup(m_fd);
    DIR* dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (!dir) {
        if (listFd >= 0)
            ::close(listFd);
        return names;
    }
    ::rewinddir(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name == QLatin1StringView(".") || name == QLatin1StringView("..")
            || !name.endsWith(suffix, Qt::CaseInsensitive))
            continue;
        if (entry->d_type == DT_DIR)
            continue;
        // Only a link, or a file system that does not tell the type, needs a look at what the name is.
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat status = {};
            if (::fstatat(m_fd, entry->d_name, &status, 0) == 0 && S_ISDIR(status.st_mode))
                continue;
        }
        names.append(Entry{name, entry->d_type == DT_REG});
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return names;
}

#else

FolderListing::FolderListing(const QString& folder)
    : m_folder(folder)
{
}

FolderListing::~FolderListing() = default;

bool FolderListing::isOpen() const
{
    return !m_folder.isEmpty() && QDir(m_folder).exists();
}

QList<FolderListing::Entry> FolderListing::files(QStringView suffix) const
{
    QList<Entry> names;
    if (!isOpen())
        return names;
    const QStringList found = QDir(m_folder).entryList(
        QStringList{QLatin1Char('*') + suffix.toString()}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : found)
        names.append(Entry{name, false});
    return names;
}

#endif

} // namespace pelinor::core
