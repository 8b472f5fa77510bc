#include "core/wordbook/wordbookfile.h"

#include "core/common/atomicfile.h"
#include "core/common/fieldsplitter.h"
#include "core/common/regularfilereader.h"
#include "core/common/textcodec.h"
#include "core/wordbook/wordbookescapes.h"

#include <QCoreApplication>
#include <QDir>
#include <QSysInfo>
#include <QtEndian>

#include <algorithm>

namespace pelinor::core {

namespace {

constexpr QLatin1StringView kQuoteEscape("#$22");
constexpr QLatin1StringView kLineBreakEscape("#$0D");

bool isLineBreak(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

// Characters that need more than a plain copy when a field of fields 1 to 6 is written.
bool needsCareInText(QStringView text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\r' || u == u'\n' || u == u'\0')
            return true;
    }
    return false;
}

// Appends a field of fields 1 to 6 with the quote escape applied. A line break that reached the field
// unescaped becomes one "#$0D" and U+0000 is dropped: either would cut the entry line.
void appendTextField(QString& out, QStringView text, bool escapeQuotes = true)
{
    if (!needsCareInText(text)) {
        out += text;
        return;
    }
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'"' && escapeQuotes) {
            out += kQuoteEscape;
        } else if (isLineBreak(c)) {
            out += kLineBreakEscape;
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
        } else if (c != u'\0') {
            out += QChar(c);
        }
    }
}

QString storableColour(const QString& colour)
{
    QString out = colour;
    out.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return u == u'"' || u == u'\r' || u == u'\n' || u == u'\0';
    });
    return out;
}

// The colour passes unchanged, except for characters that would break the line.
void appendColourField(QString& out, const QString& colour)
{
    if (needsCareInText(colour))
        out += storableColour(colour);
    else
        out += colour;
}

QString storableHeaderLine(const QString& text)
{
    bool hasBreak = false;
    for (QChar c : text)
        hasBreak = hasBreak || isLineBreak(c.unicode());
    if (!hasBreak)
        return text;
    QString out;
    out.reserve(text.size());
    forEachWordBookLine(text, [&out](QStringView part) {
        if (!out.isEmpty())
            out += u' ';
        out += part;
        return true;
    });
    return out;
}

void appendEntryLine(QString& out, const WordEntry& entry)
{
    for (int k = 0; k < kWordFieldCount; ++k) {
        out += k == 0 ? QLatin1StringView("\"") : QLatin1StringView("\",\"");
        const auto which = static_cast<WordField>(k);
        if (which == WordField::Colour)
            appendColourField(out, entry.colour);
        else
            appendTextField(out, entry.field(which));
    }
    out += u'"';
}

// The fast reading of an entry line as the program writes it: seven quoted fields without quotes or
// U+0000 inside, in one pass. Any other shape goes through splitFields(), which gives the same fields for
// lines of this shape. `store(k, text)` receives field k (0-based); on false some fields may have been
// stored. `hashInText` tells whether fields 1 to 6 hold a "#", the start of every escape.
template <typename Store> bool splitPlainEntryLine(QStringView line, Store store, bool* hashInText)
{
    const qsizetype n = line.size();
    const char16_t* data = line.utf16();
    if (n < 2 || data[0] != u'"')
        return false;
    bool hash = false;
    int k = 0;
    qsizetype start = 1;
    for (qsizetype i = 1; i < n; ++i) {
        const char16_t c = data[i];
        if (c == u'"') {
            store(k, line.sliced(start, i - start));
            if (k == kWordFieldCount - 1) {
                *hashInText = hash;
                return i == n - 1;
            }
            if (i + 2 >= n || data[i + 1] != u',' || data[i + 2] != u'"')
                return false;
            ++k;
            i += 2;
            start = i + 1;
        } else if (c == u'#') {
            hash = hash || k < kWordFieldCount - 1;
        } else if (c == u'\0') {
            return false;
        }
    }
    return false;
}

void decodeQuotesInPlace(QString& text)
{
    if (text.contains(kQuoteEscape))
        text.replace(kQuoteEscape, QStringLiteral("\""));
}

// The whole file as text, the byte-order mark first.
QString wordBookText(const WordBookHeader& header, std::initializer_list<std::span<const WordEntry>> parts)
{
    const WordBookHeader head = storableHeader(header);
    qsizetype size = 1 + head.title.size() + head.group.size() + head.soundFolder.size() + 6;
    for (std::span<const WordEntry> part : parts) {
        for (const WordEntry& entry : part) {
            size += 3 * kWordFieldCount + 1; // quotes, commas and CR LF
            for (int k = 0; k < kWordFieldCount; ++k)
                size += entry.field(static_cast<WordField>(k)).size();
        }
    }

    QString text;
    text.reserve(size + size / 16);
    text += QChar(0xFEFF);
    for (const QString* line : {&head.title, &head.group, &head.soundFolder}) {
        text += *line;
        text += QLatin1StringView("\r\n");
    }
    for (std::span<const WordEntry> part : parts) {
        for (const WordEntry& entry : part) {
            appendEntryLine(text, entry);
            text += QLatin1StringView("\r\n");
        }
    }
    return text;
}

// The UTF-16 little-endian bytes of a text. On a little-endian machine they are the text's own buffer,
// valid while the text lives and is not changed.
QByteArray utf16LeBytes(const QString& text)
{
    const auto* data = reinterpret_cast<const char*>(text.constData());
    const qsizetype size = 2 * text.size();
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian)
        return QByteArray::fromRawData(data, size);
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        qToLittleEndian(text[i].unicode(), bytes.data() + 2 * i);
    return bytes;
}

QString readError(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("pelinor::core::WordBookFile", "単語帳ファイル「%1」を読めませんでした。\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

WordBookReadStatus readWordBookText(const QString& path, QString* text, QString* error)
{
    RegularFileReader file(path);
    return readWordBookText(file, path, text, error);
}

WordBookReadStatus readWordBookText(RegularFileReader& file, const QString& path, QString* text, QString* error)
{
    // The word book list reads every book of a folder at start, so this is one stat, open and fstat and
    // the reads; the bytes go straight into the string's buffer, so a large book is read without a copy.
    // The string's own memory is kept: a search reads many books into one string without asking the
    // system for fresh memory each time.
    text->truncate(0);
    if (file.status() == RegularFileReader::Status::Missing)
        return WordBookReadStatus::Missing;
    if (file.status() == RegularFileReader::Status::Unreadable) {
        if (error)
            *error = file.error();
        return WordBookReadStatus::Unreadable;
    }
    char16_t first = 0;
    const qint64 firstBytes = file.read(reinterpret_cast<char*>(&first), 2);
    bool ok = firstBytes >= 0;
    if (ok && firstBytes == 2) {
        first = qFromLittleEndian(first);
        const bool marked = first == 0xFEFF;
        const qsizetype start = marked ? 0 : 1;
        const qsizetype rest = static_cast<qsizetype>(std::max<qint64>(file.size() - 2, 0) / 2);
        text->resize(start + rest);
        if (!marked)
            (*text)[0] = QChar(first);
        const qint64 got = file.read(reinterpret_cast<char*>(text->data() + start), 2 * rest);
        ok = got >= 0;
        if (ok) {
            text->truncate(start + static_cast<qsizetype>(got / 2));
            if constexpr (QSysInfo::ByteOrder == QSysInfo::BigEndian) {
                for (qsizetype i = start; i < text->size(); ++i)
                    (*text)[i] = QChar(qFromLittleEndian((*text)[i].unicode()));
            }
        }
    }
    if (!ok) {
        if (error)
            *error = readError(path, file.readFailure());
        text->truncate(0);
        return WordBookReadStatus::Unreadable;
    }
    return WordBookReadStatus::Read;
}

std::optional<std::array<QString, kWordFieldCount>> splitEntryLine(QStringView line)
{
    std::array<QString, kWordFieldCount> fields;
    bool hash = false;
    const auto store = [&fields](int k, QStringView text) { fields[static_cast<size_t>(k)] = text.toString(); };
    if (splitPlainEntryLine(line, store, &hash))
        return fields;
    QStringList parts = splitFields(line);
    if (parts.size() != kWordFieldCount)
        return std::nullopt;
    for (size_t k = 0; k < fields.size(); ++k)
        fields[k] = std::move(parts[static_cast<qsizetype>(k)]);
    return fields;
}

std::optional<WordEntry> parseEntryLine(QStringView line)
{
    WordEntry entry;
    bool hash = false;
    const auto store = [&entry](int k, QStringView text) { entry.field(static_cast<WordField>(k)) = text.toString(); };
    if (!splitPlainEntryLine(line, store, &hash)) {
        QStringList parts = splitFields(line);
        if (parts.size() != kWordFieldCount)
            return std::nullopt;
        for (int k = 0; k < kWordFieldCount; ++k)
            entry.field(static_cast<WordField>(k)) = std::move(parts[k]);
        hash = true;
    }
    if (hash) {
        for (int k = 0; k < kWordFieldCount - 1; ++k)
            decodeQuotesInPlace(entry.field(static_cast<WordField>(k)));
    }
    return entry;
}

QString formatEntryLine(const WordEntry& entry)
{
    QString line;
    appendEntryLine(line, entry);
    return line;
}

WordEntry storableEntry(WordEntry entry)
{
    for (int k = 0; k < kWordFieldCount; ++k) {
        const auto which = static_cast<WordField>(k);
        QString& text = entry.field(which);
        if (!needsCareInText(text))
            continue;
        if (which == WordField::Colour) {
            text = storableColour(text);
        } else {
            QString storable;
            storable.reserve(text.size());
            appendTextField(storable, text, false);
            text = storable;
        }
    }
    return entry;
}

WordBookHeader storableHeader(WordBookHeader header)
{
    header.title = storableHeaderLine(header.title);
    header.group = storableHeaderLine(header.group);
    header.soundFolder = storableHeaderLine(header.soundFolder);
    return header;
}

WordBookContent readWordBookFile(const QString& path)
{
    WordBookContent content;
    QString text;
    content.status = readWordBookText(path, &text, &content.error);
    if (content.status != WordBookReadStatus::Read)
        return content;

    qsizetype lineCount = 0;
    forEachWordBookLine(text, [&lineCount](QStringView) {
        ++lineCount;
        return true;
    });
    if (lineCount < 3) {
        content.status = WordBookReadStatus::NotAWordBook;
        return content;
    }

    content.entries.reserve(lineCount - 3);
    qsizetype line = 0;
    forEachWordBookLine(text, [&](QStringView lineText) {
        ++line;
        if (line == 1)
            content.header.title = lineText.toString();
        else if (line == 2)
            content.header.group = lineText.toString();
        else if (line == 3)
            content.header.soundFolder = lineText.toString();
        else if (auto entry = parseEntryLine(lineText))
            content.entries.append(std::move(*entry));
        return true;
    });
    renumberEntries(content.entries);
    return content;
}

bool writeWordBookFile(
    const QString& path, const WordBookHeader& header, const QList<WordEntry>& entries, QString* error)
{
    return writeWordBookFile(
        path, header, {std::span(entries.constData(), static_cast<size_t>(entries.size()))}, error);
}

bool writeWordBookFile(const QString& path, const WordBookHeader& header,
    std::initializer_list<std::span<const WordEntry>> parts, QString* error)
{
    const QString text = wordBookText(header, parts);
    return writeFileAtomically(path, utf16LeBytes(text), error);
}

bool createWordBookFile(const QString& path, const WordBookHeader& header, QString* error)
{
    return writeWordBookFile(path, header, {}, error);
}

} // namespace pelinor::core
