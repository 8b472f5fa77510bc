#pragma once

#include <QString>
#include <QStringView>

namespace pelinor::core {

/// Outcome of reading a text file for the foreign-language input area.
struct UserTextRead {
    bool ok = false;
    QString text; ///< the file's text, line breaks as LF
    QString error; ///< message for the user when the file was not taken
};

/// Files larger than this are no texts one types in the input area; reading one would stall the program.
inline constexpr qint64 kMaxUserTextBytes = 8 * 1024 * 1024;

/// Reads a text file for the input area. A byte-order mark (UTF-16 LE, UTF-16 BE, UTF-8) is honoured; a file
/// without one is read in the first of UTF-8, code page 932 and UTF-16 LE that gives a text. A file that is larger than
/// kMaxUserTextBytes, not a regular file, or not text (NUL characters or many control characters after decoding) is
/// refused with a message.
UserTextRead readUserTextFile(const QString& path);

/// True when decoded text looks like a text: no NUL, and control characters other than tab, line feed,
/// form feed and carriage return make up at most one in a hundred characters.
bool looksLikeText(QStringView text);

/// The file form of the input area's text: UTF-16 little-endian with its byte-order mark FF FE, every line
/// break (LF, CR LF or a lone CR) written as CR LF.
QByteArray userTextFileBytes(QStringView text);

/// Writes the input area's text as userTextFileBytes() gives it, replacing the file atomically; on failure
/// the old file is untouched and `error` says why.
bool writeUserTextFile(const QString& path, QStringView text, QString* error = nullptr);

} // namespace pelinor::core
