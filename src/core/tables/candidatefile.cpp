#include "core/tables/candidatefile.h"

#include "core/common/fieldsplitter.h"
#include "core/common/textfile.h"
#include "core/tables/tablefile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace pelinor::core {

namespace {

constexpr int kFieldCount = 1 + CandidateLine::SlotCount;

QString tr(const char* text)
{
    return QCoreApplication::translate("pelinor::core::CandidateFile", text);
}

// Characters that would end or split a quoted field.
bool breaksQuotedField(QStringView text)
{
    return std::any_of(
        text.begin(), text.end(), [](QChar c) { return c == u'"' || c == u'\r' || c == u'\n' || c.unicode() == 0; });
}

// Characters that would end or split an unquoted field: the comma, the double quote and U+0000 to U+0020.
bool breaksPlainField(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c == u',' || c == u'"' || c.unicode() <= 0x20; });
}

} // namespace

QString CandidateFile::triggerField(const QString& trigger)
{
    return trigger == u"\"" ? QStringLiteral("0022") : trigger;
}

QString CandidateFile::triggerOfField(const QString& field)
{
    return field == u"0022" ? QStringLiteral("\"") : field;
}

CandidateFile CandidateFile::read(const QString& path)
{
    CandidateFile file;
    const TextFileContent content = readTextFile(path, kMaxTableFileBytes);
    file.m_fileExists = content.exists;
    if (!content.exists)
        return file;
    if (!content.readable) {
        file.m_readError = content.error;
        return file;
    }

    const QString fileName = QFileInfo(path).fileName();
    for (qsizetype i = 0; i < content.lines.size(); ++i) {
        const QStringList fields = splitFields(content.lines[i]);
        const int lineNumber = static_cast<int>(i + 1);
        if (i == 0 && fields.size() == 2) {
            file.m_hasHeader = true;
            file.m_header = {fields[0], fields[1]};
            continue;
        }
        if (fields.size() != kFieldCount) {
            // Blank lines carry nothing; any other line was meant to say something.
            if (!content.lines[i].trimmed().isEmpty())
                file.m_skipped.append(
                    {fileName, lineNumber, tr("欄の数が %1 です（10 のはずです）。").arg(fields.size())});
            continue;
        }
        CandidateLine line;
        line.trigger = triggerOfField(fields[0]);
        for (int slot = 0; slot < CandidateLine::SlotCount; ++slot)
            line.candidates[static_cast<std::size_t>(slot)] = fields[slot + 1];
        if (!line.hasCandidates())
            continue;
        if (line.trigger.isEmpty()) {
            file.m_skipped.append({fileName, lineNumber, tr("トリガーが空です。")});
            continue;
        }
        file.m_lines.append(line);
        file.m_lineNumbers.append(lineNumber);
    }
    return file;
}

CandidateFile::Header CandidateFile::defaultsForFileName(QStringView fileName)
{
    struct Default {
        const char16_t* fileName;
        Header header;
    };
    static const Default defaults[] = {
        {u"CandThai.csv", {u"DBThai.csv"_qs, u"Alphabet_Lower"_qs}},
        {u"CandThai2.csv", {u"DBThai.csv"_qs, u"Alphabet_Lower"_qs}},
        {u"CandAll.csv", {u"DBPhonet.csv"_qs, u"Alphabet_Upper"_qs}},
    };
    for (const Default& d : defaults) {
        if (fileName == QStringView(d.fileName))
            return d.header;
    }
    return {QString(), u"Alphabet_Lower"_qs};
}

void CandidateFile::applyFileNameDefaults(QStringView fileName)
{
    if (!m_hasHeader || m_header.symbolDatabase.isEmpty())
        m_header = defaultsForFileName(fileName);
}

qsizetype CandidateFile::indexOfTrigger(QStringView trigger) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].trigger == trigger)
            return i;
    }
    return -1;
}

std::optional<QStringList> CandidateFile::toLines(QString* error) const
{
    QStringList lines;
    const auto refuse = [&](const QString& message) -> std::optional<QStringList> {
        if (error)
            *error = message;
        return std::nullopt;
    };

    if (breaksQuotedField(m_header.symbolDatabase))
        return refuse(tr("記号DBのファイル名「%1」は候補ファイルに保存できません。").arg(m_header.symbolDatabase));
    if (breaksPlainField(m_header.triggerMode))
        return refuse(tr("トリガーモード「%1」は候補ファイルに保存できません。").arg(m_header.triggerMode));
    lines.append(u'"' + m_header.symbolDatabase + QLatin1StringView("\",") + m_header.triggerMode);

    for (const CandidateLine& line : m_lines) {
        // A line without trigger or without candidates carries nothing that a reader would take.
        if (line.trigger.isEmpty() || !line.hasCandidates())
            continue;
        const QString trigger = triggerField(line.trigger);
        if (breaksQuotedField(trigger))
            return refuse(tr("トリガー「%1」は候補ファイルに保存できません。").arg(line.trigger));
        QString text = u'"' + trigger + u'"';
        for (const QString& slot : line.candidates) {
            if (breaksPlainField(slot))
                return refuse(tr("トリガー「%1」の候補「%2」は候補ファイルに保存できません。").arg(line.trigger, slot));
            text += u',';
            text += slot;
        }
        lines.append(text);
    }
    return lines;
}

bool CandidateFile::write(const QString& path, QString* error) const
{
    const std::optional<QStringList> lines = toLines(error);
    // Code page 932 unless a field would not come back from it as it is (the symbol database's file name
    // above all, which a "?" or a look-alike character would point elsewhere).
    return lines && writeTextFileKeepingText(path, *lines, error);
}

} // namespace pelinor::core
