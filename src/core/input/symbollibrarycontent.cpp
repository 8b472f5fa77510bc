#include "core/input/symbollibrarycontent.h"

#include "core/common/hexcode.h"
#include "core/input/symbollibrarynameindex.h"
#include "core/input/symbollibrarypages.h"

#include <QDir>

#include <algorithm>

namespace pelinor::core {

SymbolLibraryContent SymbolLibraryContent::of(const SymbolLibraryPage& page, const SymbolLibraryNameIndex* names)
{
    SymbolLibraryContent content;
    content.m_page = page.id;
    for (size_t i = 0; i < content.m_cells.size(); ++i) {
        SymbolLibraryCell& cell = content.m_cells[i];
        cell.text = page.texts[i];
        cell.red = page.red[i];
        if (!names || cell.text.isEmpty())
            continue;
        if (const SymbolEntry* entry = names->find(cell.text.at(0))) {
            cell.englishName = decodeHexEscapes(entry->englishName);
            cell.japaneseName = entry->japaneseName;
            cell.note = entry->note;
        }
    }
    return content;
}

SymbolLibraryContent SymbolLibraryContent::load(
    const SymbolLibraryPage& page, const Settings& settings, const QString& tableFolder)
{
    const QString fileName = symbolLibraryDatabaseName(page.names, settings);
    if (fileName.isEmpty() || tableFolder.isEmpty())
        return of(page);
    const SymbolLibraryNameIndex names = SymbolLibraryNameIndex::read(QDir(tableFolder).filePath(fileName));
    SymbolLibraryContent content = of(page, &names);
    content.m_nameError = names.readError();
    return content;
}

SymbolLibraryContent SymbolLibraryContent::ofCells(const QList<SymbolLibraryCell>& cells)
{
    SymbolLibraryContent content;
    const auto count = std::min(static_cast<std::size_t>(cells.size()), content.m_cells.size());
    for (std::size_t i = 0; i < count; ++i)
        content.m_cells[i] = cells.at(static_cast<qsizetype>(i));
    return content;
}

bool SymbolLibraryContent::isEmpty() const
{
    return std::all_of(m_cells.begin(), m_cells.end(), [](const SymbolLibraryCell& c) { return c.isEmpty(); });
}

} // namespace pelinor::core
