#pragma once

#include "core/common/textcodec.h"

#include <QString>
#include <QStringList>

namespace pelinor::core {

/// Outcome of reading a text file.
struct TextFileContent {
    bool exists = false; ///< the file was there
    bool readable = false; ///< its bytes could be read (and it was not over the size limit)
    TextEncoding encoding = TextEncoding::Cp932;
    QStringList lines;
    QString error; ///< message for the user when the file exists but could not be read
};

/// Splits text into lines at CR LF, a lone CR or a lone LF. A final line break does not give an empty
/// last line; an empty text gives no lines.
QStringList splitLines(QStringView text);

/// Reads a text file with byte-order-mark detection (UTF-16 LE, UTF-16 BE, UTF-8, else code page 932)
/// and splits it into lines. A file larger than `maxBytes` (when positive) is treated as unreadable, and so
/// is anything but a regular file (see readFileBytes()).
TextFileContent readTextFile(const QString& path, qint64 maxBytes = -1);

/// Joins lines with CR LF after every line, the last one too.
QString joinLines(const QStringList& lines);

/// Writes lines, each ended by CR LF, in the given encoding (code page 932 without mark, UTF-16 LE with
/// mark, ...), replacing the file atomically. See writeFileAtomically() for `error`.
bool writeTextFile(const QString& path, const QStringList& lines, TextEncoding encoding, QString* error = nullptr);

/// Writes lines as writeTextFile() does, in code page 932 when every character comes back unchanged from it,
/// else in UTF-8 with its byte-order mark, which reading honours. For files that hold names and paths, which
/// a "?" or a look-alike character would break. Half surrogates are left out (see withoutLoneSurrogates()).
bool writeTextFileKeepingText(const QString& path, const QStringList& lines, QString* error = nullptr);

} // namespace pelinor::core
