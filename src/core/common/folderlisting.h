#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace pelinor::core {

/// An open folder whose files are listed and then opened by name, relative to the folder: a folder of a
/// thousand word books is read without walking the folder's whole path for every file, and listed without
/// a stat of every name.
class FolderListing {
public:
    explicit FolderListing(const QString& folder);
    ~FolderListing();
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;

    /// False when the folder is not there or cannot be read.
    bool isOpen() const;
    QString folder() const { return m_folder; }
    QString filePath(const QString& name) const;

    /// A name of the folder, and whether the folder itself said that it is a regular file.
    struct Entry {
        QString name;
        bool regular = false;
    };

    /// What ends in `suffix` (without regard to case) of everything in the folder but folders and links
    /// to folders: hidden files, devices, pipes and broken links included, as for QDir::Files |
    /// QDir::Hidden | QDir::System. Sorted by name, as QDir::Name sorts.
    QList<Entry> files(QStringView suffix) const;

#ifdef Q_OS_UNIX
    /// The open folder, for opening its files by name.
    int descriptor() const
    {
        return m_fd;
    }
#endif

private:
    QString m_folder;
#ifdef Q_OS_UNIX
    int m_fd = -1;
#endif
};

} // namespace pelinor::core
