#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace pelinor::core {

/// The message for the user that `path` is a device, a pipe or the like and was not read.
QString notRegularFileMessage(const QString& path);
/// The message for the user that `path` could not be read, with the system's reason.
QString unreadableFileMessage(const QString& path, const QString& reason);

/// Opens `file` for reading the regular file at `path` (or the one a link names). A device, a pipe, a
/// socket or a folder is never read: /dev/zero gives bytes without end and a pipe waits for a writer, so a
/// file name in the settings that names one would stop the program. Returns false and, when `error` is
/// given, sets a message for the user that names the file.
bool openRegularFile(QFile& file, const QString& path, QString* error = nullptr);

/// Outcome of reading a file whole.
struct FileBytes {
    bool exists = false; ///< something other than a folder is there
    bool readable = false; ///< it is a regular file, could be read and was within the size limit
    QByteArray bytes;
    QString error; ///< message for the user when the file exists but could not be read
};

/// Reads a regular file whole (see openRegularFile()). With a positive `maxBytes` at most one byte more than
/// that is read, and a file found longer is unreadable: the limit holds for what the file gives, not for
/// the size the file system reports. A folder counts as missing.
FileBytes readFileBytes(const QString& path, qint64 maxBytes = -1);

} // namespace pelinor::core
