#include "core/tables/symboldatabase.h"

#include "core/common/fieldsplitter.h"
#include "core/common/hexcode.h"
#include "core/common/textcodec.h"
#include "core/common/textfile.h"
#include "core/tables/tablefile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace pelinor::core {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("pelinor::core::SymbolDatabase", text);
}

// Characters that would end or split a quoted field.
bool isUnstorable(QChar c)
{
    return c == u'"' || c == u'\r' || c == u'\n' || c.unicode() == 0;
}

bool hasUnstorable(QStringView text)
{
    return std::any_of(text.begin(), text.end(), isUnstorable);
}

bool survivesCodePage(QStringView text)
{
    return decodeCp932(encodeCp932(text)) == text;
}

// Stores the characters of an English name that the file cannot hold as "#$" escapes, which every reader
// of English names resolves.
QString escapeEnglishName(const QString& name)
{
    if (!hasUnstorable(name) && survivesCodePage(name))
        return name;
    QString escaped;
    escaped.reserve(name.size() + 12);
    for (QChar c : name) {
        if (isUnstorable(c) || c.isSurrogate() || !survivesCodePage(QStringView(&c, 1)))
            escaped += QLatin1StringView("#$") + hexCodeOf(c);
        else
            escaped += c;
    }
    return escaped;
}

QString quoted(const QString& field)
{
    return u'"' + field + u'"';
}

} // namespace

SymbolDatabase SymbolDatabase::read(const QString& path)
{
    SymbolDatabase database;
    const TextFileContent content = readTextFile(path, kMaxTableFileBytes);
    database.m_fileExists = content.exists;
    if (!content.exists)
        return database;
    if (!content.readable) {
        database.m_readError = content.error;
        return database;
    }

    const QString fileName = QFileInfo(path).fileName();
    QList<QStringList> lines;
    lines.reserve(content.lines.size());
    for (const QString& line : content.lines)
        lines.append(splitFields(line));

    if (!lines.isEmpty() && lines.first().size() == 2) {
        database.m_hasHeader = true;
        database.m_header = {lines.first()[0], lines.first()[1]};
    }

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList& fields = lines[i];
        if (fields.size() != 3 || fields[0] != u"Group")
            continue;
        const std::optional<int> number = parseTableInteger(fields[1]);
        if (!number) {
            database.m_skipped.append(
                {fileName, static_cast<int>(i + 1), tr("グループ番号「%1」が整数ではありません。").arg(fields[1])});
            continue;
        }
        database.m_groups.append({*number, fields[2]});
    }

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList& fields = lines[i];
        if (fields.size() != 6)
            continue;
        const std::optional<int> group = parseTableInteger(fields[0]);
        if (!group) {
            database.m_skipped.append(
                {fileName, static_cast<int>(i + 1), tr("グループ番号「%1」が整数ではありません。").arg(fields[0])});
            continue;
        }
        database.m_entries.append({*group, fields[1], fields[2], fields[3], fields[4], fields[5]});
    }

    std::stable_sort(database.m_skipped.begin(), database.m_skipped.end(),
        [](const SkippedLine& a, const SkippedLine& b) { return a.lineNumber < b.lineNumber; });
    return database;
}

SymbolDatabase::Header SymbolDatabase::defaultsForFileName(QStringView fileName)
{
    struct Default {
        const char16_t* fileName;
        Header header;
    };
    static const Default defaults[] = {
        {u"DBPhonet.csv", {u"発音記号"_qs, u"Segoe UI"_qs}},
        {u"DBThai.csv", {u"タイ文字"_qs, u"Times New Roman"_qs}},
        {u"DBMyanmar.csv", {u"ミャンマー文字"_qs, u"Padauk Book"_qs}},
        {u"DBLao.csv", {u"ラオス文字"_qs, u"DokChampa"_qs}},
        {u"DBKhmer.csv", {u"クメール文字"_qs, u"Khmer OS Battambang"_qs}},
        {u"DBRuss.csv", {u"キリル文字"_qs, u"Times New Roman"_qs}},
    };
    for (const Default& d : defaults) {
        if (fileName == QStringView(d.fileName))
            return d.header;
    }
    return {u"その他"_qs, u"Times New Roman"_qs};
}

void SymbolDatabase::applyFileNameDefaults(QStringView fileName)
{
    if (m_header.writingSystem.isEmpty())
        m_header = defaultsForFileName(fileName);
}

qsizetype SymbolDatabase::indexOfCode(QStringView code) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].code == code)
            return i;
    }
    return -1;
}

std::optional<QStringList> SymbolDatabase::toLines(QString* error) const
{
    QStringList lines;
    const auto refuse = [&](const QString& what) -> std::optional<QStringList> {
        if (error) {
            *error = tr("%1 行目の%2に、記号DBに保存できない文字（二重引用符か改行）があります。")
                         .arg(lines.size() + 1)
                         .arg(what);
        }
        return std::nullopt;
    };

    if (hasUnstorable(m_header.writingSystem))
        return refuse(tr("使用文字"));
    if (hasUnstorable(m_header.displayFont))
        return refuse(tr("フォント名"));
    lines.append(quoted(m_header.writingSystem) + u',' + quoted(m_header.displayFont));

    for (const SymbolGroup& group : m_groups) {
        if (hasUnstorable(group.name))
            return refuse(tr("グループ名"));
        lines.append(QLatin1StringView("Group,") + QString::number(group.number) + u',' + quoted(group.name));
    }

    for (const SymbolEntry& entry : m_entries) {
        if (!isHexCode(entry.code))
            continue;
        if (hasUnstorable(entry.japaneseName))
            return refuse(tr("日本語名"));
        if (hasUnstorable(entry.auxiliary))
            return refuse(tr("補助"));
        if (hasUnstorable(entry.note))
            return refuse(tr("備考"));
        lines.append(QString::number(entry.group) + u',' + quoted(entry.code) + u','
            + quoted(escapeEnglishName(entry.englishName)) + u',' + quoted(entry.japaneseName) + u','
            + quoted(entry.auxiliary) + u',' + quoted(entry.note));
    }
    return lines;
}

bool SymbolDatabase::write(const QString& path, QString* error) const
{
    const std::optional<QStringList> lines = toLines(error);
    // Code page 932 unless a name or note would not come back from it as it is.
    return lines && writeTextFileKeepingText(path, *lines, error);
}

} // namespace pelinor::core
