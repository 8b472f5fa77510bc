#include "core/tables/symboldatabasedocument.h"

#include "core/common/hexcode.h"
#include "core/tables/symboldatabase.h"
#include "core/tables/writingsystems.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace pelinor::core {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("pelinor::core::SymbolDatabaseDocument", text);
}

// The rows named in the question before a write; the others are counted.
constexpr qsizetype kNamedRowsInQuestion = 15;

} // namespace

bool SymbolDatabaseDocument::open(const QString& path)
{
    clear();
    SymbolDatabase database = SymbolDatabase::read(path);
    if (!database.readError().isEmpty()) {
        m_readError = database.readError();
        return false;
    }
    m_path = path;
    database.applyFileNameDefaults(QFileInfo(path).fileName());
    setWritingSystem(database.writingSystem());
    m_displayFont = database.displayFont();
    m_groups = std::move(database.groups());
    m_rows = std::move(database.entries());
    m_skipped = database.skippedLines();
    return true;
}

void SymbolDatabaseDocument::clear()
{
    m_path.clear();
    m_readError.clear();
    m_groups.clear();
    m_rows.clear();
    m_skipped.clear();
}

void SymbolDatabaseDocument::setWritingSystem(const QString& name)
{
    m_writingSystem = name;
    m_charset = charsetOfScriptName(name);
}

QString SymbolDatabaseDocument::groupName(int number) const
{
    for (const SymbolGroup& group : m_groups) {
        if (group.number == number)
            return group.name;
    }
    return {};
}

QString SymbolDatabaseDocument::glyph(qsizetype index) const
{
    const QString& code = m_rows.at(index).code;
    return isHexCode(code) ? QString(charOfHexCode(code)) : QString();
}

qsizetype SymbolDatabaseDocument::addPosition(int group, qsizetype selectedRow) const
{
    if (selectedRow >= 0 && selectedRow < m_rows.size()) {
        // Rows of one group stay together: the new row follows the selected group's last row from here on.
        const int selectedGroup = m_rows.at(selectedRow).group;
        qsizetype last = selectedRow;
        for (qsizetype i = selectedRow + 1; i < m_rows.size(); ++i) {
            if (m_rows.at(i).group == selectedGroup)
                last = i;
        }
        return last + 1;
    }
    if (m_rows.isEmpty())
        return 0;
    for (qsizetype i = m_rows.size() - 1; i >= 0; --i) {
        if (m_rows.at(i).group == group)
            return i + 1;
    }
    // The group has no rows yet: it goes before the first following group that has some.
    int nextGroup = -1;
    qsizetype nextRow = m_rows.size();
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const int g = m_rows.at(i).group;
        if (g > group && (nextGroup < 0 || g < nextGroup)) {
            nextGroup = g;
            nextRow = i;
        }
    }
    return nextRow;
}

qsizetype SymbolDatabaseDocument::addRow(int group, qsizetype selectedRow)
{
    const qsizetype at = addPosition(group, selectedRow);
    insertRow(at, group);
    return at;
}

void SymbolDatabaseDocument::insertRow(qsizetype index, int group)
{
    SymbolEntry entry;
    entry.group = group;
    entry.auxiliary = QStringLiteral("0");
    m_rows.insert(qBound(qsizetype(0), index, m_rows.size()), entry);
}

void SymbolDatabaseDocument::removeRow(qsizetype index)
{
    if (index >= 0 && index < m_rows.size())
        m_rows.removeAt(index);
}

qsizetype SymbolDatabaseDocument::duplicateOf(QStringView code, qsizetype row) const
{
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).code == code)
            return i == row ? -1 : i;
    }
    return -1;
}

SymbolDatabaseDocument::CodeChange SymbolDatabaseDocument::setCode(qsizetype row, const QString& typed)
{
    const QString code = typed.trimmed();
    if (!isHexCode(code))
        return {CodeChange::Result::NotHexCode, -1};
    const qsizetype other = duplicateOf(code, row);
    if (other >= 0)
        return {CodeChange::Result::Duplicate, other};
    m_rows[row].code = code;
    return {CodeChange::Result::Taken, -1};
}

QList<qsizetype> SymbolDatabaseDocument::rowsWithoutCode() const
{
    QList<qsizetype> rows;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (!isHexCode(m_rows.at(i).code))
            rows.append(i);
    }
    return rows;
}

QString SymbolDatabaseDocument::rowsWithoutCodeQuestion() const
{
    const QList<qsizetype> rows = rowsWithoutCode();
    if (rows.isEmpty())
        return {};
    QString text = tr("次の行はUnicodeが4桁の16進数（0-9, A-F）でないため、保存されません。");
    for (qsizetype i = 0; i < qMin(rows.size(), kNamedRowsInQuestion); ++i) {
        const SymbolEntry& entry = m_rows.at(rows.at(i));
        text += u'\n'
            + tr("・No:%1　Unicode「%2」　%3　%4")
                  .arg(rowNumber(rows.at(i)))
                  .arg(entry.code, entry.japaneseName, entry.englishName)
                  .trimmed();
    }
    if (rows.size() > kNamedRowsInQuestion)
        text += u'\n' + tr("ほかに %1 行あります。").arg(rows.size() - kNamedRowsInQuestion);
    text += u'\n' + tr("このまま保存しますか？");
    return text;
}

bool SymbolDatabaseDocument::write(const QString& path, QString* error) const
{
    SymbolDatabase database;
    database.setWritingSystem(m_writingSystem);
    database.setDisplayFont(m_displayFont);
    database.groups() = m_groups;
    database.entries() = m_rows;
    return database.write(path, error);
}

} // namespace pelinor::core
