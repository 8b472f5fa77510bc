#pragma once

#include "core/input/symbollibrarypage.h"

#include <QList>
#include <QString>

namespace pelinor::core {

class Settings;

/// Every page of the symbol library, in SymbolLibraryPageId order: the ten page button pages, then the
/// thirteen pages of the page list. Built once, on first use.
const QList<SymbolLibraryPage>& symbolLibraryPages();

const SymbolLibraryPage& symbolLibraryPage(SymbolLibraryPageId id);

/// File name of the symbol database that a page takes its cell names from, as the settings name it;
/// empty for a page without names.
QString symbolLibraryDatabaseName(SymbolLibraryNameSource source, const Settings& settings);

} // namespace pelinor::core
