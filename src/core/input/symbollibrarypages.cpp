#include "core/input/symbollibrarypages.h"

#include "core/app/settings.h"
#include "core/input/symbollibrarypagedata.h"

#include <QCoreApplication>

namespace pelinor::core {

namespace {

QString translated(const char* text)
{
    return text ? QCoreApplication::translate("pelinor::core::SymbolLibraryPages", text) : QString();
}

SymbolLibraryPage expand(const SymbolLibraryPageSource& source)
{
    SymbolLibraryPage page;
    page.id = source.id;
    page.caption = translated(source.caption);
    page.hint = translated(source.hint);
    page.bold = source.bold;
    page.names = source.names;
    for (const SymbolLibraryRun& run : source.runs) {
        auto index = static_cast<size_t>(run.firstCell - 1);
        if (run.text) {
            page.texts.at(index) = QString::fromUtf16(run.text);
            continue;
        }
        for (char32_t code = run.firstCode; code <= run.lastCode; ++code, ++index)
            page.texts.at(index) = QChar(static_cast<char16_t>(code));
    }
    for (int cell : source.redCells)
        page.red.at(static_cast<size_t>(cell - 1)) = true;
    return page;
}

} // namespace

const QList<SymbolLibraryPage>& symbolLibraryPages()
{
    static const QList<SymbolLibraryPage> pages = [] {
        QList<SymbolLibraryPage> all;
        for (const SymbolLibraryPageSource& source : symbolLibraryPageSources())
            all.append(expand(source));
        return all;
    }();
    return pages;
}

const SymbolLibraryPage& symbolLibraryPage(SymbolLibraryPageId id)
{
    return symbolLibraryPages().at(static_cast<qsizetype>(id));
}

QString symbolLibraryDatabaseName(SymbolLibraryNameSource source, const Settings& settings)
{
    switch (source) {
    case SymbolLibraryNameSource::None:
        return {};
    case SymbolLibraryNameSource::Russian:
        return settings.text(SettingKey::RussianUDBFile);
    case SymbolLibraryNameSource::Ukrainian:
        return settings.text(SettingKey::UkrainianUDBFile);
    case SymbolLibraryNameSource::Greek:
        return settings.text(SettingKey::GreekUDBFile);
    case SymbolLibraryNameSource::Belarusian:
        return settings.libraryDatabaseName(LibraryScript::Belarusian);
    case SymbolLibraryNameSource::Bulgarian:
        return settings.libraryDatabaseName(LibraryScript::Bulgarian);
    case SymbolLibraryNameSource::Macedonian:
        return settings.libraryDatabaseName(LibraryScript::Macedonian);
    case SymbolLibraryNameSource::Serbian:
        return settings.libraryDatabaseName(LibraryScript::Serbian);
    }
    return {};
}

} // namespace pelinor::core
