#pragma once

#include "core/common/folderlisting.h"

#include <QFile>
#include <QString>
#include <QtGlobal>

namespace pelinor::core {

/// Reads one regular file from start to end, checked as openRegularFile() checks it (a device, a pipe or a
/// socket is never opened for reading), with no more than a stat, an open, an fstat and the reads. For
/// the many small files of a folder listing, where a QFile and its buffer cost more than the reading.
class RegularFileReader {
public:
    enum class Status {
        Open, ///< ready to read
        Missing, ///< nothing by that name, or a folder
        Unreadable, ///< something else than a regular file, or it could not be opened; see error()
    };

    explicit RegularFileReader(const QString& path);
    /// A file of an open folder listing; what the folder said is a regular file is not looked at again
    /// before it is opened.
    RegularFileReader(const FolderListing& folder, const FolderListing::Entry& file);
    ~RegularFileReader();
    RegularFileReader(const RegularFileReader&) = delete;
    RegularFileReader& operator=(const RegularFileReader&) = delete;

    Status status() const { return m_status; }
    /// The size the file system gave when the file was opened; what the reads give may differ.
    qint64 size() const { return m_size; }
    /// Reads up to `maxBytes`, fewer only at the end of the file; -1 on an error (see readFailure()).
    qint64 read(char* data, qint64 maxBytes);
    /// A message for the user that names the file, when it is unreadable.
    QString error() const { return m_error; }
    /// The system's reason when a read failed, for a message of the caller's own.
    QString readFailure() const { return m_readFailure; }

private:
    Status m_status = Status::Missing;
    qint64 m_size = 0;
    QString m_error;
    QString m_readFailure;
#ifdef Q_OS_UNIX
    void open(int folderFd, const QByteArray& name, const QString& path, bool knownRegular);

    int m_fd = -1;
#else
    QFile m_file;
#endif
};

} // namespace pelinor::core
