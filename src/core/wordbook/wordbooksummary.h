#pragma once

#include "core/wordbook/wordbookfile.h"

#include <QString>
#include <QtGlobal>

namespace pelinor::core {

class RegularFileReader;

/// What the word book list shows of a word book file without opening it.
struct WordBookSummary {
    WordBookReadStatus status = WordBookReadStatus::Missing;
    QString error; ///< message for the user when status is Unreadable
    QString title;
    QString group;
    /// Number of lines after the three header lines, empty and broken entry lines included.
    qsizetype entryLineCount = 0;

    bool isWordBook() const { return status == WordBookReadStatus::Read; }
};

/// Reads title, group and entry-line count of a word book file. A file of fewer than three lines is no
/// word book.
WordBookSummary readWordBookSummary(const QString& path);
/// The same for a file already opened, named `path` in messages.
WordBookSummary readWordBookSummary(RegularFileReader& file, const QString& path);

} // namespace pelinor::core
