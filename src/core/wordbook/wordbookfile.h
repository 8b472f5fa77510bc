#pragma once

#include "core/wordbook/wordbookheader.h"
#include "core/wordbook/wordentry.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <initializer_list>
#include <optional>
#include <span>

namespace pelinor::core {

class RegularFileReader;

// The word book file (".utx"): UTF-16 little-endian with the mark FF FE, CR LF after every line; lines 1 to
// 3 are title, group and sound folder, every further line is one entry of seven double-quoted fields.

/// Outcome of reading a word book file.
enum class WordBookReadStatus {
    Read, ///< the file was read as a word book
    Missing, ///< there is no such file
    NotAWordBook, ///< the file has fewer than three lines
    Unreadable, ///< the file is there but could not be read; see the error message
};

/// A word book file as read: header and entries (numbered from 1), with the outcome.
struct WordBookContent {
    WordBookReadStatus status = WordBookReadStatus::Missing;
    QString error; ///< message for the user when status is Unreadable
    WordBookHeader header;
    QList<WordEntry> entries;
};

/// Default extension of word book files, without the dot.
inline constexpr QStringView kWordBookExtension = u"utx";

/// Reads the whole text of a word book file: always UTF-16 little-endian, a leading FF FE skipped, a
/// trailing odd byte dropped. Gives Read (whatever the text holds), Missing (no file; a folder counts as
/// none) or Unreadable with `error` set to a message for the user. The memory `text` holds is used again
/// where it is large enough.
WordBookReadStatus readWordBookText(const QString& path, QString* text, QString* error = nullptr);
/// The same for a file already opened, named `path` in messages.
WordBookReadStatus readWordBookText(
    RegularFileReader& file, const QString& path, QString* text, QString* error = nullptr);

/// Calls `lineFunction(QStringView)` for each line of `text`, cut at CR LF, a lone CR or a lone LF, as
/// splitLines() cuts them, but without copying. Stops early when the function returns false.
template <typename LineFunction> void forEachWordBookLine(QStringView text, LineFunction lineFunction)
{
    const qsizetype n = text.size();
    const QChar* data = text.data();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = data[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        if (!lineFunction(text.sliced(start, i - start)))
            return;
        if (c == u'\r' && i + 1 < n && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lineFunction(text.sliced(start));
}

/// Cuts an entry line into its seven stored fields, escapes untouched; nullopt when the line does not
/// split into exactly seven fields by splitFields().
std::optional<std::array<QString, kWordFieldCount>> splitEntryLine(QStringView line);

/// An entry from an entry line: fields 1 to 6 with the quote escape removed, the colour as stored. The
/// number is left 0. nullopt when the line is no entry.
std::optional<WordEntry> parseEntryLine(QStringView line);

/// The entry line of an entry, without line break: each field in double quotes, joined by commas,
/// fields 1 to 6 with the quote escape applied. See storableEntry() for texts that cannot be stored.
QString formatEntryLine(const WordEntry& entry);

/// The entry without the characters that would cut its line in the file: a line break left in fields 1 to
/// 6 becomes the line-break escape (each CR LF, CR or LF one "#$0D") and U+0000 is dropped from them; the
/// colour loses line breaks, U+0000 and double quotes. The writer does the same, so that such an entry is
/// not split into broken lines and lost.
WordEntry storableEntry(WordEntry entry);

/// The header as it will read back after being written: each line break inside a header text becomes
/// one space, since a header text is one line of the file.
WordBookHeader storableHeader(WordBookHeader header);

/// Reads a word book file. Entry lines that are not seven fields are skipped; entries are numbered.
WordBookContent readWordBookFile(const QString& path);

/// Writes a whole word book file, replacing the file atomically: on failure the old file is untouched,
/// false is returned and `error` gets a message for the user.
bool writeWordBookFile(
    const QString& path, const WordBookHeader& header, const QList<WordEntry>& entries, QString* error = nullptr);

/// Writes a whole word book file whose entries are the concatenation of `parts`, so that a change to a
/// long list can be written before it is made to the list.
bool writeWordBookFile(const QString& path, const WordBookHeader& header,
    std::initializer_list<std::span<const WordEntry>> parts, QString* error = nullptr);

/// Writes a new word book of the three header lines and no entries, replacing any file of that name.
bool createWordBookFile(const QString& path, const WordBookHeader& header, QString* error = nullptr);

} // namespace pelinor::core
