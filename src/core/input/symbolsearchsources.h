#pragma once

#include "core/tables/symbolentry.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace pelinor::core {

class Settings;

/// File names of the symbol databases whose names the symbol search looks through, as the settings name
/// them, each once: the phonetic database first (its names are the ones a search by sound wants), then the
/// scripts' and the symbol library's own.
QStringList symbolSearchDatabaseNames(const Settings& settings);

/// The entries of those databases in `tableFolder`, in that order. Missing or unreadable files add nothing.
QList<SymbolEntry> readSymbolSearchDatabases(const QStringList& fileNames, const QString& tableFolder);

} // namespace pelinor::core
