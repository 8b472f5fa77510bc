#include "core/input/symbollibrarynameindex.h"

#include "core/common/hexcode.h"
#include "core/tables/symboldatabase.h"

namespace pelinor::core {

SymbolLibraryNameIndex SymbolLibraryNameIndex::read(const QString& path)
{
    SymbolDatabase database = SymbolDatabase::read(path);
    SymbolLibraryNameIndex index;
    index.m_fileExists = database.fileExists();
    index.m_readError = database.readError();
    index.m_entries = std::move(database.entries());
    index.m_index.reserve(index.m_entries.size());
    for (qsizetype i = 0; i < index.m_entries.size(); ++i) {
        const QString& code = index.m_entries.at(i).code;
        if (!isHexCode(code))
            continue;
        const char16_t unit = charOfHexCode(code).unicode();
        if (!index.m_index.contains(unit)) // a later entry with the same code is never found
            index.m_index.insert(unit, i);
    }
    return index;
}

const SymbolEntry* SymbolLibraryNameIndex::find(QChar code) const
{
    const auto it = m_index.constFind(code.unicode());
    return it == m_index.constEnd() ? nullptr : &m_entries.at(*it);
}

} // namespace pelinor::core
