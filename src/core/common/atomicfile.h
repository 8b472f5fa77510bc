#pragma once

#include <QByteArray>
#include <QString>

namespace pelinor::core {

/// Replaces the file at `path` with `bytes` through a temporary file in the same folder and an atomic
/// rename, so that a crash, a full disk or a killed process never leaves a half-written file: either the
/// old content or the new one is on disk. On failure returns false and, when `error` is given, sets it
/// to a message for the user that names the file and the reason.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace pelinor::core
