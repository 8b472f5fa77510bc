#include "core/common/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pelinor::core {

namespace {

// Reads to the end, or to one byte past `maxBytes` when that is positive. The buffer grows with what comes
// instead of being sized for the limit, which is far above what a table or the settings hold.
QByteArray readUpTo(QFile& file, qint64 maxBytes)
{
    if (maxBytes <= 0)
        return file.readAll();
    const qint64 cap = maxBytes + 1;
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(std::clamp<qint64>(file.size() + 1, 1, cap)));
    while (bytes.size() < cap) {
        const qsizetype before = bytes.size();
        const qint64 want
            = std::min<qint64>(cap - before, std::max<qint64>({bytes.capacity() - before, before, 64 * 1024}));
        bytes.resize(before + static_cast<qsizetype>(want));
        const qint64 got = file.read(bytes.data() + before, want);
        bytes.resize(before + static_cast<qsizetype>(std::max<qint64>(got, 0)));
        if (got < want) // the end of a regular file, or an error the caller sees in file.error()
            break;
    }
    return bytes;
}

} // namespace

QString notRegularFileMessage(const QString& path)
{
    return QCoreApplication::translate("pelinor::core::RegularFile",
        "ファイル「%1」はデバイスやパイプなどの通常のファイルではないため、読み込みませんでした。")
        .arg(QDir::toNativeSeparators(path));
}

QString unreadableFileMessage(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("pelinor::core::RegularFile", "ファイル「%1」を読めませんでした。\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

bool openRegularFile(QFile& file, const QString& path, QString* error)
{
    const auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    // The type is checked before opening: opening a pipe for reading already waits for a writer.
    if (!QFileInfo(path).isFile())
        return fail(QFileInfo::exists(path)
                ? notRegularFileMessage(path)
                : unreadableFileMessage(
                    path, QCoreApplication::translate("pelinor::core::RegularFile", "ファイルがありません。")));
#ifdef Q_OS_UNIX
    // Opened without blocking and checked again, in case the name was replaced in between.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return fail(unreadableFileMessage(path, qt_error_string(errno)));
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return fail(notRegularFileMessage(path));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return fail(unreadableFileMessage(path, file.errorString()));
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(unreadableFileMessage(path, file.errorString()));
#endif
    return true;
}

FileBytes readFileBytes(const QString& path, qint64 maxBytes)
{
    FileBytes result;
    const QFileInfo info(path);
    result.exists = info.exists() && !info.isDir();
    if (!result.exists)
        return result;
    QFile file;
    if (!openRegularFile(file, path, &result.error))
        return result;
    result.bytes = readUpTo(file, maxBytes);
    if (file.error() != QFileDevice::NoError) {
        result.error = unreadableFileMessage(path, file.errorString());
        result.bytes.clear();
        return result;
    }
    if (maxBytes > 0 && result.bytes.size() > maxBytes) {
        result.error
            = QCoreApplication::translate("pelinor::core::RegularFile", "ファイル「%1」は大きすぎて読めません。")
                  .arg(QDir::toNativeSeparators(path));
        result.bytes.clear();
        return result;
    }
    result.readable = true;
    return result;
}

} // namespace pelinor::core
