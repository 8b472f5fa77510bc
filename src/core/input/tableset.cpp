#include "core/input/tableset.h"

#include "core/common/fieldsplitter.h"
#include "core/common/hexcode.h"
#include "core/common/textfile.h"
#include "core/tables/tablefile.h"

#include <QCoreApplication>
#include <QDir>

#include <optional>

namespace pelinor::core {

namespace {

constexpr qsizetype kCandidateFieldCount = 1 + CandidateRecord::SlotCount;
constexpr qsizetype kSymbolFieldCount = 6;

QString tr(const char* text)
{
    return QCoreApplication::translate("pelinor::core::TableSet", text);
}

// A four-character code field of a candidate file: hexadecimal digits of either case.
std::optional<char16_t> codeOfField(QStringView field)
{
    char16_t value = 0;
    for (QChar c : field) {
        const char16_t u = c.unicode();
        int digit = -1;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        else if (u >= u'a' && u <= u'f')
            digit = u - u'a' + 10;
        if (digit < 0)
            return std::nullopt;
        value = static_cast<char16_t>((value << 4) | digit);
    }
    return value;
}

// Reads a table file; a file that exists but cannot be read is reported and read as empty.
QStringList readLines(const QString& path, const QString& fileName, QList<SkippedLine>& skipped)
{
    TextFileContent content = readTextFile(path, kMaxTableFileBytes);
    if (content.exists && !content.readable)
        skipped.append({fileName, 0, content.error});
    return std::move(content.lines);
}

} // namespace

void TableSet::releaseTables()
{
    m_records.clear();
    m_records.shrink_to_fit();
    m_recordOfKey.clear();
    m_symbols.clear();
    m_symbols.shrink_to_fit();
    m_symbolOfCode.clear();
    m_skipped.clear();
}

void TableSet::loadTableSet(
    const QString& tableFolder, const QString& candidateFileName, const QString& symbolDatabaseFileName)
{
    releaseTables();
    const QDir folder(tableFolder);
    loadCandidates(folder.filePath(candidateFileName), candidateFileName);
    loadSymbols(folder.filePath(symbolDatabaseFileName), symbolDatabaseFileName);
}

void TableSet::loadCandidates(const QString& path, const QString& fileName)
{
    const QStringList lines = readLines(path, fileName, m_skipped);
    m_records.reserve(static_cast<std::size_t>(lines.size()));
    m_recordOfKey.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList fields = splitFields(lines[i]);
        if (fields.size() != kCandidateFieldCount || fields[0].isEmpty())
            continue;
        const int lineNumber = static_cast<int>(i + 1);

        CandidateRecord record;
        if (fields[0].size() == 4) {
            const std::optional<char16_t> key = codeOfField(fields[0]);
            if (!key) {
                m_skipped.append({fileName, lineNumber, tr("キー「%1」が16進数ではありません。").arg(fields[0])});
                continue;
            }
            record.key = *key;
        } else {
            record.key = fields[0][0].unicode();
        }

        bool usable = true;
        for (int slot = 1; slot <= CandidateRecord::SlotCount && usable; ++slot) {
            const QString& field = fields[slot];
            if (field.size() != 4)
                continue;
            const std::optional<char16_t> candidate = codeOfField(field);
            if (candidate) {
                record.candidates[static_cast<std::size_t>(slot - 1)] = *candidate;
            } else {
                m_skipped.append(
                    {fileName, lineNumber, tr("候補%1「%2」が16進数ではありません。").arg(slot).arg(field)});
                usable = false;
            }
        }
        if (!usable)
            continue;

        // Key 0 is never looked up; any other key answers with its first line only.
        if (record.key != 0) {
            const auto first = m_recordOfKey.constFind(record.key);
            if (first != m_recordOfKey.constEnd()) {
                m_skipped.append({fileName, lineNumber, tr("キー「%1」は前の行と重複しています。").arg(fields[0])});
                continue;
            }
            m_recordOfKey.insert(record.key, static_cast<qsizetype>(m_records.size()));
        }
        m_records.push_back(record);
    }
}

void TableSet::loadSymbols(const QString& path, const QString& fileName)
{
    // The distinct candidates, in the order of their first appearance.
    QHash<char16_t, std::size_t> wanted;
    std::vector<char16_t> order;
    for (const CandidateRecord& record : m_records) {
        for (char16_t candidate : record.candidates) {
            if (candidate != 0 && !wanted.contains(candidate)) {
                wanted.insert(candidate, order.size());
                order.push_back(candidate);
            }
        }
    }
    if (order.empty())
        return;

    const QStringList lines = readLines(path, fileName, m_skipped);
    std::vector<std::optional<TUDB>> found(order.size());
    std::size_t remaining = order.size();
    for (qsizetype i = 0; i < lines.size() && remaining > 0; ++i) {
        const QStringList fields = splitFields(lines[i]);
        if (fields.size() != kSymbolFieldCount || !isHexCode(fields[1]))
            continue;
        const char16_t code = charOfHexCode(fields[1]).unicode();
        const auto at = wanted.constFind(code);
        if (at == wanted.constEnd() || found[*at])
            continue;
        const std::optional<int> auxiliary = parseTableInteger(fields[4]);
        if (!auxiliary) {
            m_skipped.append(
                {fileName, static_cast<int>(i + 1), tr("補助「%1」が整数ではありません。").arg(fields[4])});
            continue;
        }
        found[*at] = TUDB{code, fields[3], decodeHexEscapes(fields[2]), *auxiliary, fields[5]};
        --remaining;
    }

    m_symbols.reserve(order.size() - remaining);
    m_symbolOfCode.reserve(static_cast<qsizetype>(order.size() - remaining));
    for (std::optional<TUDB>& symbol : found) {
        if (!symbol)
            continue;
        m_symbolOfCode.insert(symbol->code, static_cast<qsizetype>(m_symbols.size()));
        m_symbols.push_back(std::move(*symbol));
    }
}

bool TableSet::isTrigger(char16_t key) const
{
    const auto at = m_recordOfKey.constFind(key);
    if (at == m_recordOfKey.constEnd())
        return false;
    for (char16_t candidate : m_records[static_cast<std::size_t>(*at)].candidates) {
        if (candidate != 0)
            return true;
    }
    return false;
}

void TableSet::fetchCandidates(char16_t key, CandidateBuffer& buffer) const
{
    buffer.clear();
    const auto at = m_recordOfKey.constFind(key);
    if (at == m_recordOfKey.constEnd())
        return;
    const CandidateRecord& record = m_records[static_cast<std::size_t>(*at)];
    for (int slot = 1; slot <= CandidateRecord::SlotCount; ++slot)
        buffer.setSlot(slot, record.candidates[static_cast<std::size_t>(slot - 1)]);
}

const TUDB* TableSet::findSymbol(char16_t code) const
{
    if (code == 0)
        return nullptr;
    const auto at = m_symbolOfCode.constFind(code);
    return at == m_symbolOfCode.constEnd() ? nullptr : &m_symbols[static_cast<std::size_t>(*at)];
}

QString TableSet::symbolText(char16_t code, SymbolPart part) const
{
    const TUDB* symbol = findSymbol(code);
    if (!symbol)
        return {};
    switch (part) {
    case SymbolPart::JapaneseName:
        return symbol->japaneseName;
    case SymbolPart::EnglishName:
        return symbol->englishName;
    case SymbolPart::Note:
        return symbol->note;
    }
    return {};
}

} // namespace pelinor::core
