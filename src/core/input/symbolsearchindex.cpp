#include "core/input/symbolsearchindex.h"

#include "core/common/hexcode.h"
#include "core/input/unicodenames.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <optional>

namespace pelinor::core {

namespace {

constexpr char32_t kLastCode = 0x10FFFF;

// Buckets of a match, best first: the whole name, a word of the name, the start of a word, anywhere.
enum Rank { WholeName, WholeWord, WordStart, Inside, RankCount };

using Buckets = std::array<std::vector<char32_t>, RankCount>;

bool isInsertable(char32_t code)
{
    return code != 0 && code <= kLastCode && !(code >= 0xD800 && code <= 0xDFFF);
}

// A code typed as such: "U+" and hex digits, or four to six hex digits with at least one decimal digit
// among them (a word such as "face" is a word first).
std::optional<char32_t> codeOfQuery(QStringView query)
{
    bool prefixed = false;
    if (query.size() > 2 && (query.startsWith(u"U+") || query.startsWith(u"u+"))) {
        query = query.mid(2);
        prefixed = true;
    }
    if (query.size() < (prefixed ? 1 : 4) || query.size() > 6)
        return std::nullopt;
    bool digit = false;
    char32_t code = 0;
    for (QChar c : query) {
        const char16_t u = c.unicode();
        int value = -1;
        if (u >= u'0' && u <= u'9') {
            value = u - u'0';
            digit = true;
        } else if (u >= u'A' && u <= u'F') {
            value = u - u'A' + 10;
        } else if (u >= u'a' && u <= u'f') {
            value = u - u'a' + 10;
        }
        if (value < 0)
            return std::nullopt;
        code = code * 16 + static_cast<char32_t>(value);
    }
    if (!(prefixed || digit) || !isInsertable(code))
        return std::nullopt;
    return code;
}

bool isWordBoundary(QChar c)
{
    return !c.isLetterOrNumber();
}

Rank rankIn(QStringView haystack, qsizetype at, qsizetype length)
{
    const bool before = at == 0 || isWordBoundary(haystack.at(at - 1));
    const qsizetype end = at + length;
    const bool after = end == haystack.size() || isWordBoundary(haystack.at(end));
    if (at == 0 && end == haystack.size())
        return WholeName;
    if (before && after)
        return WholeWord;
    return before ? WordStart : Inside;
}

bool isAsciiBoundary(char c)
{
    return c == ' ' || c == '-' || c == '\n';
}

void take(char32_t code, std::vector<char32_t>& out, std::vector<bool>& seen)
{
    if (seen[code])
        return;
    seen[code] = true;
    out.push_back(code);
}

void flush(Buckets& buckets, std::vector<char32_t>& out, std::vector<bool>& seen)
{
    for (std::vector<char32_t>& bucket : buckets) {
        for (char32_t code : bucket)
            take(code, out, seen);
    }
}

} // namespace

SymbolSearchIndex::SymbolSearchIndex(DatabaseSource databases)
    : m_databases(std::move(databases))
{
}

QString SymbolSearchIndex::fold(QStringView text)
{
    QString folded = text.toString().normalized(QString::NormalizationForm_KC).toCaseFolded();
    // Hiragana and katakana name the same sounds; the databases write names in either.
    for (QChar& c : folded) {
        if (c.unicode() >= 0x3041 && c.unicode() <= 0x3096)
            c = QChar(static_cast<char16_t>(c.unicode() + 0x60));
    }
    return folded;
}

void SymbolSearchIndex::invalidate()
{
    m_built = false;
    m_entries.clear();
    m_entryOfCode.clear();
    m_unicodeNames.clear();
    m_unicodeNames.shrink_to_fit();
    m_unicodeNameStart = {};
    m_unicodeCodes = {};
    m_numberedNames = {};
}

void SymbolSearchIndex::build() const
{
    if (m_built)
        return;
    m_built = true;
    const QList<SymbolEntry> entries = m_databases ? m_databases() : QList<SymbolEntry>();
    m_entries.reserve(static_cast<std::size_t>(entries.size()));
    for (const SymbolEntry& source : entries) {
        if (!isHexCode(source.code))
            continue;
        const char32_t code = charOfHexCode(source.code).unicode();
        // The same character in several databases is listed once, with the names met first.
        if (!isInsertable(code) || m_entryOfCode.contains(code))
            continue;
        DatabaseEntry entry;
        entry.code = code;
        entry.englishName = decodeHexEscapes(source.englishName);
        entry.japaneseName = source.japaneseName;
        entry.note = source.note;
        entry.folded = fold(entry.englishName) + u'\n' + fold(entry.japaneseName) + u'\n' + fold(entry.note);
        m_entryOfCode.insert(code, static_cast<qsizetype>(m_entries.size()));
        m_entries.push_back(std::move(entry));
    }

    m_unicodeNames.reserve(std::size_t{4} << 20);
    forEachUnicodeName([this](char32_t code, std::string_view name) { addUnicodeName(code, name); });
    m_unicodeNames.shrink_to_fit();
}

void SymbolSearchIndex::addUnicodeName(char32_t code, std::string_view name) const
{
    const std::size_t hyphen = name.rfind('-');
    if (hyphen != std::string_view::npos && hyphen + 1 < name.size()) {
        char digits[16];
        const int length = std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(code));
        if (name.substr(hyphen + 1) == std::string_view(digits, static_cast<std::size_t>(length))) {
            const std::string_view prefix = name.substr(0, hyphen + 1);
            if (m_numberedNames.empty() || m_numberedNames.back().prefix != prefix)
                m_numberedNames.push_back({std::string(prefix), {}});
            m_numberedNames.back().codes.push_back(code);
            return;
        }
    }
    m_unicodeNameStart.push_back(static_cast<std::uint32_t>(m_unicodeNames.size()));
    m_unicodeCodes.push_back(code);
    m_unicodeNames.append(name);
    m_unicodeNames.push_back('\n');
}

void SymbolSearchIndex::searchLetter(char letter, Buckets& buckets) const
{
    // A single letter is in nearly every name; alone it means a name or a word that is that letter
    // ("LATIN SMALL LETTER A"). The numbered names have no word of one letter.
    const char* const begin = m_unicodeNames.data();
    const std::size_t size = m_unicodeNames.size();
    std::size_t name = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (begin[i] != letter || !(i == 0 || isAsciiBoundary(begin[i - 1])) || !isAsciiBoundary(begin[i + 1]))
            continue;
        while (name + 1 < m_unicodeNameStart.size() && m_unicodeNameStart[name + 1] <= i)
            ++name;
        const bool whole = m_unicodeNameStart[name] == i && begin[i + 1] == '\n';
        std::vector<char32_t>& bucket = buckets[whole ? WholeName : WholeWord];
        if (bucket.empty() || bucket.back() != m_unicodeCodes[name])
            bucket.push_back(m_unicodeCodes[name]);
    }
}

qsizetype SymbolSearchIndex::unicodeNameCount() const
{
    std::size_t count = m_unicodeCodes.size();
    for (const NumberedNames& names : m_numberedNames)
        count += names.codes.size();
    return static_cast<qsizetype>(count);
}

void SymbolSearchIndex::searchNumberedNames(const std::string& upper, Buckets& buckets) const
{
    for (const NumberedNames& names : m_numberedNames) {
        const std::string& prefix = names.prefix;
        // Within the shared part the whole group matches.
        if (const std::size_t at = prefix.find(upper); at != std::string::npos) {
            const bool before = at == 0 || isAsciiBoundary(prefix[at - 1]);
            const std::size_t end = at + upper.size();
            const bool after = end < prefix.size() && isAsciiBoundary(prefix[end]);
            const Rank rank = before ? (after ? WholeWord : WordStart) : Inside;
            buckets[rank].insert(buckets[rank].end(), names.codes.begin(), names.codes.end());
            continue;
        }
        // Otherwise the query must end the prefix and begin the code: "IDEOGRAPH-4E0".
        const std::size_t hyphen = upper.rfind('-');
        if (hyphen == std::string::npos || !prefix.ends_with(std::string_view(upper).substr(0, hyphen + 1)))
            continue;
        const std::string_view digits = std::string_view(upper).substr(hyphen + 1);
        for (char32_t code : names.codes) {
            char hex[16];
            const int length = std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(code));
            const std::string_view full(hex, static_cast<std::size_t>(length));
            if (full.starts_with(digits))
                buckets[full.size() == digits.size() ? WholeWord : Inside].push_back(code);
        }
    }
}

std::vector<char32_t> SymbolSearchIndex::search(QStringView query) const
{
    const QStringView trimmed = query.trimmed();
    if (trimmed.isEmpty())
        return {};
    build();

    std::vector<char32_t> found;
    std::vector<bool> seen(kLastCode + 1, false);
    if (const std::optional<char32_t> code = codeOfQuery(trimmed))
        take(*code, found, seen);
    const QList<uint> units = trimmed.toUcs4();
    if (units.size() == 1 && isInsertable(units.front()))
        take(units.front(), found, seen);

    QString folded = fold(trimmed);
    folded.remove(u'\n');
    if (folded.isEmpty())
        return found;
    searchDatabases(folded, found, seen);

    // Unicode names are upper-case ASCII: a query with anything else cannot be in one.
    std::string upper;
    upper.reserve(static_cast<std::size_t>(folded.size()));
    for (QChar c : folded) {
        if (c.unicode() >= 0x80)
            return found;
        upper.push_back(static_cast<char>(QChar::toUpper(c.unicode())));
    }
    searchUnicodeNames(upper, found, seen);
    return found;
}

void SymbolSearchIndex::searchDatabases(
    const QString& folded, std::vector<char32_t>& out, std::vector<bool>& seen) const
{
    Buckets buckets;
    for (const DatabaseEntry& entry : m_entries) {
        qsizetype at = entry.folded.indexOf(folded);
        if (at < 0)
            continue;
        Rank best = Inside;
        // Each of the three names is a name of its own for the ranking.
        for (; at >= 0 && best != WholeName; at = entry.folded.indexOf(folded, at + 1)) {
            const qsizetype start = entry.folded.lastIndexOf(u'\n', at) + 1;
            qsizetype end = entry.folded.indexOf(u'\n', at);
            if (end < 0)
                end = entry.folded.size();
            const QStringView name = QStringView(entry.folded).mid(start, end - start);
            best = std::min(best, rankIn(name, at - start, folded.size()));
        }
        buckets[best].push_back(entry.code);
    }
    flush(buckets, out, seen);
}

void SymbolSearchIndex::searchUnicodeNames(
    const std::string& upper, std::vector<char32_t>& out, std::vector<bool>& seen) const
{
    if (upper.empty() || upper.find('\n') != std::string::npos)
        return;
    Buckets buckets;
    if (upper.size() == 1) {
        searchLetter(upper.front(), buckets);
        flush(buckets, out, seen);
        return;
    }
    const char* const begin = m_unicodeNames.data();
    const char* const end = begin + m_unicodeNames.size();
    const std::boyer_moore_horspool_searcher searcher(upper.begin(), upper.end());
    const std::size_t length = upper.size();
    const char* from = begin;
    while (from < end) {
        const char* hit = std::search(from, end, searcher);
        if (hit == end)
            break;
        const auto position = static_cast<std::uint32_t>(hit - begin);
        const auto next = std::upper_bound(m_unicodeNameStart.begin(), m_unicodeNameStart.end(), position);
        const auto index = static_cast<std::size_t>(next - m_unicodeNameStart.begin()) - 1;
        const char* nameBegin = begin + m_unicodeNameStart[index];
        const char* nameEnd = next == m_unicodeNameStart.end() ? end - 1 : begin + *next - 1;
        Rank best = Inside;
        for (const char* at = hit; at != nullptr && best != WholeName;) {
            const bool before = at == nameBegin || isAsciiBoundary(at[-1]);
            const bool after = at + length == nameEnd || isAsciiBoundary(at[length]);
            Rank rank = Inside;
            if (at == nameBegin && at + length == nameEnd)
                rank = WholeName;
            else if (before && after)
                rank = WholeWord;
            else if (before)
                rank = WordStart;
            best = std::min(best, rank);
            const char* again = std::search(at + 1, nameEnd, searcher);
            at = again == nameEnd ? nullptr : again;
        }
        buckets[best].push_back(m_unicodeCodes[index]);
        from = nameEnd + 1;
    }
    searchNumberedNames(upper, buckets);
    flush(buckets, out, seen);
}

SymbolDescription SymbolSearchIndex::describe(char32_t code) const
{
    SymbolDescription description;
    description.code = code;
    description.text = QString::fromUcs4(&code, 1);
    build();
    if (const auto it = m_entryOfCode.constFind(code); it != m_entryOfCode.constEnd()) {
        const DatabaseEntry& entry = m_entries[static_cast<std::size_t>(*it)];
        description.englishName = entry.englishName;
        description.japaneseName = entry.japaneseName;
        description.note = entry.note;
    }
    const auto it = std::lower_bound(m_unicodeCodes.begin(), m_unicodeCodes.end(), code);
    if (it != m_unicodeCodes.end() && *it == code) {
        const auto index = static_cast<std::size_t>(it - m_unicodeCodes.begin());
        const std::uint32_t start = m_unicodeNameStart[index];
        const std::size_t stop
            = index + 1 < m_unicodeNameStart.size() ? m_unicodeNameStart[index + 1] - 1 : m_unicodeNames.size() - 1;
        description.unicodeName
            = QString::fromLatin1(m_unicodeNames.data() + start, static_cast<qsizetype>(stop - start));
    }
    return description;
}

std::size_t SymbolSearchIndex::memoryBytes() const
{
    std::size_t bytes = m_unicodeNames.capacity() + m_unicodeNameStart.capacity() * sizeof(std::uint32_t)
        + m_unicodeCodes.capacity() * sizeof(char32_t) + m_entries.capacity() * sizeof(DatabaseEntry);
    for (const NumberedNames& names : m_numberedNames)
        bytes += sizeof(NumberedNames) + names.prefix.capacity() + names.codes.capacity() * sizeof(char32_t);
    for (const DatabaseEntry& entry : m_entries) {
        const qsizetype units = entry.englishName.capacity() + entry.japaneseName.capacity() + entry.note.capacity()
            + entry.folded.capacity();
        bytes += static_cast<std::size_t>(units) * sizeof(char16_t);
    }
    bytes += static_cast<std::size_t>(m_entryOfCode.capacity()) * (sizeof(char32_t) + sizeof(qsizetype) + 8);
    return bytes;
}

} // namespace pelinor::core
