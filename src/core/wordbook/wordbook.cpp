#include "core/wordbook/wordbook.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <numeric>
#include <vector>

namespace pelinor::core {

namespace {

using Part = std::span<const WordEntry>;

void setError(QString* error, const QString& message)
{
    if (error)
        *error = message;
}

// Entries [from, to) of a list, as a part of the list that is written.
Part range(const QList<WordEntry>& entries, qsizetype from, qsizetype to)
{
    return Part(entries.constData() + from, static_cast<size_t>(to - from));
}

void renumberFrom(QList<WordEntry>& entries, qsizetype from)
{
    for (qsizetype i = from; i < entries.size(); ++i)
        entries[i].number = i + 1;
}

} // namespace

QString WordBook::filePath() const
{
    return isOpen() ? QDir(m_folder).filePath(m_fileName) : QString();
}

WordBookReadStatus WordBook::readWordBook(const QString& folder, const QString& fileName, QString* error)
{
    WordBookContent content = readWordBookFile(QDir(folder).filePath(fileName));
    switch (content.status) {
    case WordBookReadStatus::Missing:
        break;
    case WordBookReadStatus::Unreadable:
        setError(error, content.error);
        break;
    case WordBookReadStatus::NotAWordBook:
        close();
        break;
    case WordBookReadStatus::Read:
        m_folder = folder;
        m_fileName = fileName;
        m_header = std::move(content.header);
        m_entries = std::move(content.entries);
        break;
    }
    return content.status;
}

bool WordBook::writeWordBook(QString* error) const
{
    if (!isOpen())
        return true;
    return writeWordBookFile(filePath(), m_header, m_entries, error);
}

void WordBook::close()
{
    m_folder.clear();
    m_fileName.clear();
    m_header = {};
    m_entries.clear();
}

bool WordBook::checkOpen(QString* error) const
{
    if (isOpen())
        return true;
    setError(error, QCoreApplication::translate("pelinor::core::WordBook", "単語帳が開かれていません。"));
    return false;
}

bool WordBook::checkIndex(qsizetype index, qsizetype limit, QString* error) const
{
    if (!checkOpen(error))
        return false;
    if (index >= 0 && index < limit)
        return true;
    setError(error, QCoreApplication::translate("pelinor::core::WordBook", "指定された単語は単語帳にありません。"));
    return false;
}

bool WordBook::write(const WordBookHeader& header, std::initializer_list<Part> parts, QString* error) const
{
    return writeWordBookFile(filePath(), header, parts, error);
}

bool WordBook::setHeader(const WordBookHeader& header, QString* error)
{
    if (!checkOpen(error))
        return false;
    WordBookHeader next = storableHeader(header);
    if (!write(next, {range(m_entries, 0, m_entries.size())}, error))
        return false;
    m_header = std::move(next);
    return true;
}

bool WordBook::applyEntries(QList<WordEntry> entries, QString* error)
{
    if (!checkOpen(error))
        return false;
    for (WordEntry& entry : entries)
        entry = storableEntry(std::move(entry));
    renumberEntries(entries);
    if (!write(m_header, {range(entries, 0, entries.size())}, error))
        return false;
    m_entries = std::move(entries);
    return true;
}

bool WordBook::appendEntry(const WordEntry& entry, QString* error)
{
    return insertEntry(m_entries.size(), entry, error);
}

bool WordBook::insertEntry(qsizetype index, const WordEntry& entry, QString* error)
{
    if (!checkIndex(index, m_entries.size() + 1, error))
        return false;
    const WordEntry stored = storableEntry(entry);
    const qsizetype n = m_entries.size();
    if (!write(m_header, {range(m_entries, 0, index), Part(&stored, 1), range(m_entries, index, n)}, error))
        return false;
    m_entries.insert(index, stored);
    renumberFrom(m_entries, index);
    return true;
}

bool WordBook::replaceEntry(qsizetype index, const WordEntry& entry, QString* error)
{
    if (!checkIndex(index, m_entries.size(), error))
        return false;
    WordEntry stored = storableEntry(entry);
    stored.number = index + 1;
    const qsizetype n = m_entries.size();
    if (!write(m_header, {range(m_entries, 0, index), Part(&stored, 1), range(m_entries, index + 1, n)}, error))
        return false;
    m_entries[index] = std::move(stored);
    return true;
}

bool WordBook::removeEntry(qsizetype index, QString* error)
{
    if (!checkIndex(index, m_entries.size(), error))
        return false;
    if (!write(m_header, {range(m_entries, 0, index), range(m_entries, index + 1, m_entries.size())}, error))
        return false;
    m_entries.removeAt(index);
    renumberFrom(m_entries, index);
    return true;
}

qsizetype WordBook::movedEntryIndex(qsizetype from, qsizetype before)
{
    return before <= from ? before : before - 1;
}

bool WordBook::moveEntry(qsizetype from, qsizetype before, QString* error)
{
    if (!checkIndex(from, m_entries.size(), error) || !checkIndex(before, m_entries.size() + 1, error))
        return false;
    const qsizetype to = movedEntryIndex(from, before);
    const qsizetype n = m_entries.size();
    const Part moved = range(m_entries, from, from + 1);
    const bool written = to >= from
        ? write(m_header,
            {range(m_entries, 0, from), range(m_entries, from + 1, to + 1), moved, range(m_entries, to + 1, n)}, error)
        : write(m_header, {range(m_entries, 0, to), moved, range(m_entries, to, from), range(m_entries, from + 1, n)},
            error);
    if (!written)
        return false;
    m_entries.move(from, to);
    renumberFrom(m_entries, std::min(from, to));
    return true;
}

bool WordBook::setEntryColour(qsizetype index, const QString& colour, QString* error)
{
    if (!checkIndex(index, m_entries.size(), error))
        return false;
    WordEntry entry = m_entries[index];
    entry.colour = colour;
    return replaceEntry(index, entry, error);
}

bool WordBook::sortEntries(WordField field, int direction, QString* error)
{
    if (!checkOpen(error))
        return false;
    const qsizetype n = m_entries.size();
    std::vector<QString> keys;
    keys.reserve(static_cast<size_t>(n));
    for (const WordEntry& entry : m_entries) {
        const QString& text = entry.field(field);
        keys.push_back(field == WordField::ForeignWord ? text.toLower() : text);
    }
    std::vector<qsizetype> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), qsizetype(0));
    const bool descending = direction < 0;
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int c = QStringView(keys[static_cast<size_t>(a)]).compare(keys[static_cast<size_t>(b)]);
        return descending ? c > 0 : c < 0;
    });

    QList<WordEntry> next;
    next.reserve(n);
    for (qsizetype i : order)
        next.append(m_entries[i]);
    renumberEntries(next);
    if (!write(m_header, {range(next, 0, n)}, error))
        return false;
    m_entries = std::move(next);
    return true;
}

} // namespace pelinor::core
