#pragma once

#include "core/wordbook/wordbookfile.h"
#include "core/wordbook/wordbookheader.h"
#include "core/wordbook/wordentry.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <initializer_list>
#include <span>

namespace pelinor::core {

/// The open word book: where its file lies, its header and its entries. At most one is open; while none
/// is, every field is empty.
///
/// Every change is written to the file before it is taken into the model: a change whose write fails
/// leaves both the file and the model as they were and returns false with a message for the user.
/// Entries are renumbered after every change of the list.
class WordBook {
public:
    bool isOpen() const { return !m_fileName.isEmpty(); }
    /// Folder the book was opened from (the word book folder current at that time).
    const QString& folder() const { return m_folder; }
    /// File name within the folder, without folder.
    const QString& fileName() const { return m_fileName; }
    /// Folder and file name together; empty while no book is open.
    QString filePath() const;

    const WordBookHeader& header() const { return m_header; }
    const QString& title() const { return m_header.title; }
    const QString& group() const { return m_header.group; }
    const QString& soundFolder() const { return m_header.soundFolder; }

    const QList<WordEntry>& entries() const { return m_entries; }
    qsizetype entryCount() const { return m_entries.size(); }

    /// Opens `fileName` of `folder`, replacing the open book. A missing file changes nothing and an
    /// unreadable one changes nothing but `error`. A file of fewer than three lines is no word book: the
    /// model is closed, so that a later write cannot put an empty entry list into the book that was open.
    WordBookReadStatus readWordBook(const QString& folder, const QString& fileName, QString* error = nullptr);

    /// Writes the open book to its file, replacing it. Does nothing and succeeds when no book is open.
    bool writeWordBook(QString* error = nullptr) const;

    /// Forgets the open book.
    void close();

    /// Replaces the header (the properties dialog). The file name stays.
    bool setHeader(const WordBookHeader& header, QString* error = nullptr);

    /// Replaces the whole entry list: the general form of every change below.
    bool applyEntries(QList<WordEntry> entries, QString* error = nullptr);

    /// Appends an entry at the end.
    bool appendEntry(const WordEntry& entry, QString* error = nullptr);
    /// Inserts an entry so that it gets position `index` (0-based, 0 to entryCount()).
    bool insertEntry(qsizetype index, const WordEntry& entry, QString* error = nullptr);
    /// Replaces all seven fields of the entry at `index`.
    bool replaceEntry(qsizetype index, const WordEntry& entry, QString* error = nullptr);
    /// Removes the entry at `index`.
    bool removeEntry(qsizetype index, QString* error = nullptr);
    /// Moves the entry at `from` directly above the entry now at `before` (0-based, 0 to entryCount(),
    /// where entryCount() means the end). The moved entry lands at `before` when `before` <= `from`, else
    /// at `before` - 1; see movedEntryIndex().
    bool moveEntry(qsizetype from, qsizetype before, QString* error = nullptr);
    /// Sets the text colour of the entry at `index` (colour text, or empty for the default colour).
    bool setEntryColour(qsizetype index, const QString& colour, QString* error = nullptr);
    /// Sorts the entries by one field, stable. The foreign word is compared lower-cased, then by UTF-16
    /// code unit; every other field by code unit as it stands. A negative `direction` sorts descending.
    bool sortEntries(WordField field, int direction, QString* error = nullptr);

    /// Index at which moveEntry(from, before) puts the entry.
    static qsizetype movedEntryIndex(qsizetype from, qsizetype before);

private:
    bool checkOpen(QString* error) const;
    bool checkIndex(qsizetype index, qsizetype limit, QString* error) const;
    bool write(
        const WordBookHeader& header, std::initializer_list<std::span<const WordEntry>> parts, QString* error) const;

    QString m_folder;
    QString m_fileName;
    WordBookHeader m_header;
    QList<WordEntry> m_entries;
};

} // namespace pelinor::core
