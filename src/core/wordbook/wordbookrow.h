#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <vector>

namespace pelinor::core {

/// One row of the word book list: a word book of the current folder as its summary shows it.
struct WordBookRow {
    QString title;
    QString fileName; ///< without folder
    QString group;
    qsizetype count = 0; ///< entry-line count of the file

    friend bool operator==(const WordBookRow&, const WordBookRow&) = default;
};

/// The word books of a folder.
struct WordBookScan {
    /// One row per "*.utx" file that is a word book, in title order (locale-aware, case-sensitive; equal
    /// titles keep the order of the file names).
    QList<WordBookRow> rows;
    /// Messages for the files that could not be read; the other files are listed all the same.
    QStringList errors;
};

/// Reads the summary of every "*.utx" file of `folder`. A folder that does not exist gives no rows;
/// files of fewer than three lines and folders named "*.utx" are no word books.
WordBookScan scanWordBookFolder(const QString& folder);

/// The field of a word book row that the list can be sorted by.
enum class WordBookRowKey { Title, FileName, Group };

/// The order of `rows` sorted by `key`, as row indexes: ascending for a positive `direction`, descending
/// for a negative one. Titles compare without regard to case, file names and groups exactly, by UTF-16
/// code units; equal keys keep their order.
std::vector<int> sortedRowOrder(const QList<WordBookRow>& rows, WordBookRowKey key, int direction);

} // namespace pelinor::core
