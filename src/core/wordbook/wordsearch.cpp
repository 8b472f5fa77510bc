#include "core/wordbook/wordsearch.h"

#include "core/common/folderlisting.h"
#include "core/wordbook/entrylinecounter.h"
#include "core/wordbook/textscan.h"
#include "core/wordbook/wordbookescapes.h"
#include "core/wordbook/wordbookfile.h"

#include <QDir>

#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pelinor::core {

namespace {

bool isLineEnd(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

// Index just past the line break at `i` (CR LF, CR or LF).
qsizetype skipLineBreak(const char16_t* data, qsizetype n, qsizetype i)
{
    if (i < n && data[i] == u'\r' && i + 1 < n && data[i + 1] == u'\n')
        return i + 2;
    return i < n ? i + 1 : n;
}

// Index of the first character at or after `i` that is at most U+0022: every character that ends a
// field (a double quote) or breaks a line is one of them, so the characters in between need no look.
// Eight characters are tested at once where the processor allows it.
qsizetype nextLowCharacter(const char16_t* data, qsizetype n, qsizetype i)
{
#if defined(__SSE2__)
    const __m128i limit = _mm_set1_epi16(0x22);
    const __m128i zero = _mm_setzero_si128();
    while (i + 8 <= n) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        // c - 0x22 saturates to 0 exactly for c <= 0x22.
        const __m128i low = _mm_cmpeq_epi16(_mm_subs_epu16(chars, limit), zero);
        const int mask = _mm_movemask_epi8(low);
        if (mask != 0)
            return i + __builtin_ctz(static_cast<unsigned>(mask)) / 2;
        i += 8;
    }
#endif
    while (i < n && data[i] > u'"')
        ++i;
    return i;
}

// Reads an entry line of the shape the program writes (seven quoted fields without quotes, line breaks
// or U+0000 inside) starting at `start`; the field `wanted` is given as `field`. Returns the index of the
// line's end, or -1 when the line has another shape (it then needs the general field splitting).
qsizetype readPlainEntryLine(const char16_t* data, qsizetype n, qsizetype start, int wanted, QStringView* field)
{
    qsizetype i = start;
    for (int k = 0; k < kWordFieldCount; ++k) {
        if (i >= n || data[i] != u'"')
            return -1;
        const qsizetype fieldStart = ++i;
        for (;;) {
            i = nextLowCharacter(data, n, i);
            if (i >= n)
                return -1;
            const char16_t c = data[i];
            if (c == u'"')
                break;
            if (c == u'\r' || c == u'\n' || c == 0)
                return -1;
            ++i;
        }
        if (k == wanted)
            *field = QStringView(data + fieldStart, i - fieldStart);
        ++i;
        if (k < kWordFieldCount - 1) {
            if (i >= n || data[i] != u',')
                return -1;
            ++i;
        }
    }
    return i == n || isLineEnd(data[i]) ? i : -1;
}

// Whether `text` holds `part` (not empty), compared by UTF-16 code unit. Fields are short, so a plain
// walk over the first character beats a general search that must first set itself up.
bool containsPart(QStringView text, QStringView part)
{
    const qsizetype last = text.size() - part.size();
    if (last < 0)
        return false;
    const char16_t* h = text.utf16();
    const char16_t* p = part.utf16();
    const char16_t first = p[0];
    const auto restBytes = static_cast<size_t>(part.size() - 1) * sizeof(char16_t);
    for (qsizetype i = 0; i <= last; ++i) {
        if (h[i] == first && std::memcmp(h + i + 1, p + 1, restBytes) == 0)
            return true;
    }
    return false;
}

qsizetype lineEndFrom(const char16_t* data, qsizetype n, qsizetype i)
{
    while (i < n && !isLineEnd(data[i]))
        ++i;
    return i;
}

} // namespace

WordSearchQuery WordSearchQuery::fromUserText(WordField field, QStringView text)
{
    return WordSearchQuery{field, encodePlainTextLineBreaks(encodeQuotes(text))};
}

QString WordSearchHit::numberText() const
{
    return exact ? QLatin1Char('*') + QString::number(number) : QString::number(number);
}

QStringList wordBookFileNames(const QString& folder)
{
    // The same listing as the word book list's, so that results come in the order of its rows.
    QStringList names;
    for (const FolderListing::Entry& entry : FolderListing(folder).files(u".utx"))
        names.append(entry.name);
    return names;
}

QList<WordSearchHit> searchWordBookText(QStringView text, const QString& fileName, const WordSearchQuery& query)
{
    QList<WordSearchHit> hits;
    const QStringView needle = query.storedText;
    if (needle.isEmpty())
        return hits;
    const auto* data = reinterpret_cast<const char16_t*>(text.data());
    const qsizetype n = text.size();
    const int wanted = static_cast<int>(query.field);

    // The three header lines; a text that does not hold them is no word book.
    qsizetype i = 0;
    QStringView title;
    for (int line = 0; line < 3; ++line) {
        if (i >= n)
            return hits;
        const qsizetype end = lineEndFrom(data, n, i);
        if (line == 0)
            title = QStringView(data + i, end - i);
        i = skipLineBreak(data, n, end);
    }

    QString titleText;
    qsizetype number = 0;
    // Only the lines that hold the search text are read field by field; the entries in between are
    // only counted, for the numbers.
    const EntryLineCounter counter(text);
    while (i < n) {
        const qsizetype at = findText(text, i, needle, widestVectorWidth());
        if (at >= n)
            break;
        qsizetype start = at;
        while (start > i && !isLineEnd(data[start - 1]))
            --start;
        number += counter.countEntries(i, start);

        QStringView value;
        qsizetype end = readPlainEntryLine(data, n, start, wanted, &value);
        // Lines of another shape are rare; their fields live here while the line is looked at.
        std::optional<std::array<QString, kWordFieldCount>> general;
        if (end < 0) {
            end = lineEndFrom(data, n, start);
            general = splitEntryLine(QStringView(data + start, end - start));
            if (!general) {
                i = skipLineBreak(data, n, end);
                continue;
            }
            value = general->at(static_cast<size_t>(wanted));
        }
        ++number;
        const bool exact = value == needle;
        if (exact || (value.size() > needle.size() && containsPart(value, needle))) {
            if (titleText.isNull())
                titleText = title.toString();
            WordSearchHit hit;
            hit.fileName = fileName;
            hit.title = titleText;
            hit.number = number;
            hit.exact = exact;
            if (std::optional<WordEntry> entry = parseEntryLine(QStringView(data + start, end - start)))
                hit.entry = std::move(*entry);
            hit.entry.number = number;
            hits.append(std::move(hit));
        }
        i = skipLineBreak(data, n, end);
    }
    return hits;
}

WordSearchFileResult searchWordBookFile(
    const QString& folder, const QString& fileName, const WordSearchQuery& query, QString* buffer)
{
    WordSearchFileResult result;
    const WordBookReadStatus status = readWordBookText(QDir(folder).filePath(fileName), buffer, &result.error);
    if (status == WordBookReadStatus::Read)
        result.hits = searchWordBookText(*buffer, fileName, query);
    for (WordSearchHit& hit : result.hits)
        hit.folder = folder;
    return result;
}

const WordSearchHit& WordSearchResults::at(qsizetype row) const
{
    const qsizetype exactCount = m_exact.size();
    return row < exactCount ? m_exact.at(exactCount - 1 - row) : m_partial.at(row - exactCount);
}

qsizetype WordSearchResults::add(WordSearchHit hit)
{
    if (hit.exact) {
        m_exact.append(std::move(hit));
        return 0;
    }
    m_partial.append(std::move(hit));
    return size() - 1;
}

void WordSearchResults::clear()
{
    m_exact.clear();
    m_partial.clear();
}

} // namespace pelinor::core
