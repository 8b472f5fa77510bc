#include "core/wordbook/wordsearch.h"

#include "core/wordbook/wordbookescapes.h"
#include "core/wordbook/wordbookfile.h"

#include <QDir>

#include <array>

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

// Reads an entry line of the shape the program writes (seven quoted fields without quotes, line breaks
// or U+0000 inside) starting at `start`, in one pass that looks at each character once; the field
// `wanted` is given as `field`. Returns the index of the line's end, or -1 when the line has another
// shape (it then needs the general field splitting).
qsizetype readPlainEntryLine(const char16_t* data, qsizetype n, qsizetype start, int wanted, QStringView* field)
{
    qsizetype i = start;
    for (int k = 0; k < kWordFieldCount; ++k) {
        if (i >= n || data[i] != u'"')
            return -1;
        const qsizetype fieldStart = ++i;
        // Every character that ends or breaks a field is at most U+0022.
        while (i < n && (data[i] > u'"' || (data[i] != u'"' && data[i] != u'\r' && data[i] != u'\n' && data[i] != 0)))
            ++i;
        if (i >= n || data[i] != u'"')
            return -1;
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
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    if (!dir.exists())
        return {};
    return dir.entryList(QStringList{QStringLiteral("*.utx")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
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
    while (i < n) {
        QStringView value;
        qsizetype end = readPlainEntryLine(data, n, i, wanted, &value);
        std::optional<std::array<QString, kWordFieldCount>> general;
        if (end < 0) {
            end = lineEndFrom(data, n, i);
            general = splitEntryLine(QStringView(data + i, end - i));
            if (!general) {
                i = skipLineBreak(data, n, end);
                continue;
            }
            value = general->at(static_cast<size_t>(wanted));
        }
        ++number;
        const bool exact = value == needle;
        if (exact || (value.size() > needle.size() && value.contains(needle))) {
            if (titleText.isNull())
                titleText = title.toString();
            WordSearchHit hit;
            hit.fileName = fileName;
            hit.title = titleText;
            hit.number = number;
            hit.exact = exact;
            if (std::optional<WordEntry> entry = parseEntryLine(QStringView(data + i, end - i)))
                hit.entry = std::move(*entry);
            hit.entry.number = number;
            hits.append(std::move(hit));
        }
        i = skipLineBreak(data, n, end);
    }
    return hits;
}

WordSearchFileResult searchWordBookFile(const QString& folder, const QString& fileName, const WordSearchQuery& query)
{
    WordSearchFileResult result;
    QString text;
    const WordBookReadStatus status = readWordBookText(QDir(folder).filePath(fileName), &text, &result.error);
    if (status == WordBookReadStatus::Read)
        result.hits = searchWordBookText(text, fileName, query);
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
