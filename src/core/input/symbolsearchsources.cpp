#include "core/input/symbolsearchsources.h"

#include "core/app/settings.h"
#include "core/tables/symboldatabase.h"

#include <QDir>

namespace pelinor::core {

QStringList symbolSearchDatabaseNames(const Settings& settings)
{
    QStringList names = {settings.text(SettingKey::PhUDBFile), settings.text(SettingKey::RussianUDBFile),
        settings.text(SettingKey::UkrainianUDBFile), settings.text(SettingKey::GreekUDBFile),
        settings.text(SettingKey::GaUDBFile)};
    for (LibraryScript script :
        {LibraryScript::Belarusian, LibraryScript::Bulgarian, LibraryScript::Macedonian, LibraryScript::Serbian})
        names.append(settings.libraryDatabaseName(script));
    QStringList unique;
    for (const QString& name : names) {
        if (!name.isEmpty() && !unique.contains(name, Qt::CaseInsensitive))
            unique.append(name);
    }
    return unique;
}

QList<SymbolEntry> readSymbolSearchDatabases(const QStringList& fileNames, const QString& tableFolder)
{
    QList<SymbolEntry> entries;
    if (tableFolder.isEmpty())
        return entries;
    for (const QString& name : fileNames) {
        SymbolDatabase database = SymbolDatabase::read(QDir(tableFolder).filePath(name));
        entries.append(database.entries());
    }
    return entries;
}

} // namespace pelinor::core
