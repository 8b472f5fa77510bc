#include "core/common/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <algorithm>
#include <atomic>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace pelinor::core {

namespace {

std::atomic<qint64> g_writeLimit{-1};

QString noSpaceMessage()
{
    return qt_error_string(ENOSPC);
}

// Writes every byte or fails. The file is unbuffered: a buffered write reports success for what only sits
// in memory, and when the later flush fails on a full disk, commit() would still put the empty temporary
// file in place of the old one.
bool writeAll(QSaveFile& file, const QByteArray& bytes, QString* reason)
{
    const qint64 limit = g_writeLimit.load();
    const qint64 allowed = limit >= 0 ? std::min<qint64>(limit, bytes.size()) : bytes.size();
    qint64 written = 0;
    while (written < allowed) {
        const qint64 n = file.write(bytes.constData() + written, allowed - written);
        if (n <= 0) {
            *reason = file.error() != QFileDevice::NoError ? file.errorString() : noSpaceMessage();
            return false;
        }
        written += n;
    }
    if (written < bytes.size()) {
        *reason = noSpaceMessage();
        return false;
    }
    return true;
}

// Some file systems report a full disk only when the data goes out to the device, so the data must be
// there before the rename makes the new file the only one.
bool syncToDisk(QSaveFile& file, QString* reason)
{
    if (!file.flush()) {
        *reason = file.errorString();
        return false;
    }
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP) {
        *reason = qt_error_string(errno);
        return false;
    }
#endif
    return true;
}

} // namespace

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    QString reason;
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (!ok)
        reason = file.errorString();
    if (ok)
        ok = writeAll(file, bytes, &reason) && syncToDisk(file, &reason);
    if (ok) {
        ok = file.commit();
        if (!ok)
            reason = file.errorString();
    } else {
        file.cancelWriting();
    }
    if (!ok && error) {
        *error = QCoreApplication::translate("pelinor::core::AtomicFile", "ファイル「%1」を保存できませんでした。\n%2")
                     .arg(QDir::toNativeSeparators(path), reason);
    }
    return ok;
}

void setWriteLimitForTesting(qint64 bytes)
{
    g_writeLimit.store(bytes);
}

} // namespace pelinor::core
