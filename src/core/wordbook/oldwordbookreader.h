#pragma once

#include "core/wordbook/oldwordbookformat.h"
#include "core/wordbook/wordbookheader.h"
#include "core/wordbook/wordentry.h"

#include <QByteArray>
#include <QList>

namespace pelinor::core {

/// An old word book as read: the header and entries of the word book it becomes, and how many records
/// the file promised on its second line.
struct OldWordBook {
    /// Title; the group is empty; the sound folder comes from seven-line files only.
    WordBookHeader header;
    /// The complete records, in file order, as entries (numbered from 1). Fields hold their texts as the
    /// old file has them: the word book writer adds the quote escape.
    QList<WordEntry> entries;
    /// The record count of line 2; anything but a number counts as 0.
    qsizetype promisedRecords = 0;

    /// False when the file ends before the last record it promised.
    bool isComplete() const { return entries.size() >= promisedRecords; }
};

/// Reads a four-line-record file. The file is decoded twice, once as code page 932 for the title, count,
/// Japanese meanings, kana readings and notes, once in `foreignCodePage` for the foreign words; double
/// quotes are removed from the foreign words. Reading stops at the first record whose lines are missing.
OldWordBook readFourLineRecords(const QByteArray& bytes, const char* foreignCodePage);

/// Reads a seven-line-record file (UTF-16 little-endian, a leading FF FE skipped). The fields are taken
/// as they stand. Reading stops at the first record whose lines are missing.
OldWordBook readSevenLineRecords(const QByteArray& bytes);

/// Reads an old file of the given format.
OldWordBook readOldWordBook(const QByteArray& bytes, const OldFileFormat& format);

} // namespace pelinor::core
