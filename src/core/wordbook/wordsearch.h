#pragma once

#include "core/wordbook/wordentry.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

namespace pelinor::core {

// Searching one field of the word books of a folder: an entry whose field equals the search text is an
// exact match, one whose field holds it a partial match. Fields are compared as they are stored, so the
// search text is first given the escapes the stored fields carry.

/// What to look for: a field and the text as it would be stored in that field.
struct WordSearchQuery {
    WordField field = WordField::Japanese;
    /// The search text with the quote escape and the line-break escape applied.
    QString storedText;

    /// The query for a text as the user typed it: a double quote becomes "#$22" and each line break
    /// "#$0D", as in the stored fields, so that the user finds what the word list shows.
    static WordSearchQuery fromUserText(WordField field, QStringView text);
};

/// One entry found.
struct WordSearchHit {
    /// The folder searched, and the word book's file name within it: two books may share a title.
    QString folder;
    QString fileName;
    QString title;
    /// The entry's number in its book, as the word list numbers it.
    qsizetype number = 0;
    bool exact = false;
    /// The entry: fields 1 to 6 with the quote escape removed, the colour as stored.
    WordEntry entry;

    /// The number as the result list shows it: exact matches carry a "*" before it.
    QString numberText() const;
};

/// What searching one word book gave.
struct WordSearchFileResult {
    QList<WordSearchHit> hits;
    /// Message for the user when the file could not be read; the search stops there.
    QString error;
};

/// The "*.utx" files of a folder, in the order the word book list reads them (by name). A folder that
/// does not exist has none.
QStringList wordBookFileNames(const QString& folder);

/// Searches the text of one word book file. A text of fewer than three lines is no word book and gives
/// nothing; entry lines that are not seven fields are skipped and not counted.
QList<WordSearchHit> searchWordBookText(QStringView text, const QString& fileName, const WordSearchQuery& query);

/// Reads and searches `fileName` of `folder`. A missing file gives nothing. The text is read into `buffer`,
/// whose memory serves the next book again.
WordSearchFileResult searchWordBookFile(
    const QString& folder, const QString& fileName, const WordSearchQuery& query, QString* buffer);

/// The result list in its order: exact matches on top, the exact match found last first, then the partial
/// matches in the order they were found.
class WordSearchResults {
public:
    qsizetype size() const { return m_exact.size() + m_partial.size(); }
    bool isEmpty() const { return size() == 0; }
    const WordSearchHit& at(qsizetype row) const;
    /// Adds a hit and gives the row it now stands in.
    qsizetype add(WordSearchHit hit);
    void clear();

private:
    QList<WordSearchHit> m_exact; // in the order found; shown in reverse
    QList<WordSearchHit> m_partial;
};

} // namespace pelinor::core
