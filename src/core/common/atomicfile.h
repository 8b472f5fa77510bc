#pragma once

#include <QByteArray>
#include <QString>

namespace pelinor::core {

/// Replaces the file at `path` with `bytes` through a temporary file in the same folder and an atomic
/// rename, so that a crash, a full disk or a killed process never leaves a half-written file: either the
/// old content or the new one is on disk. Every byte must reach the temporary file (and the disk, where
/// the system can tell) before the rename; a short write leaves the old file as it was. On failure returns
/// false and, when `error` is given, sets it to a message for the user that names the file and the reason.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

/// For tests of a full disk: while `bytes` is zero or more, every writeFileAtomically() stops after that
/// many bytes of its file and fails as a full disk does. A negative value restores normal writing.
void setWriteLimitForTesting(qint64 bytes);

} // namespace pelinor::core
