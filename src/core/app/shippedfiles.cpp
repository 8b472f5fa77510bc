#include "core/app/shippedfiles.h"

#include "core/common/atomicfile.h"
#include "core/common/regularfile.h"
#include "core/common/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pelinor::core {

namespace {

bool copyOneFile(const QString& source, const QString& target)
{
    // The source folder may hold anything: only regular files are copied.
    const FileBytes in = readFileBytes(source);
    return in.readable && writeFileAtomically(target, in.bytes);
}

} // namespace

int copyFolderFiles(const QString& source, const QString& destination, bool keepExisting)
{
    if (!QFileInfo(source).isDir() || !QFileInfo(destination).isDir())
        return 0;
    int attempted = 0;
    const QFileInfoList entries = QDir(source).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& entry : entries) {
        ++attempted;
        const QString target = destination + QLatin1Char('/') + entry.fileName();
        if (keepExisting && QFileInfo::exists(target))
            continue;
        copyOneFile(entry.absoluteFilePath(), target);
    }
    return attempted;
}

void copyShippedFiles(const Folders& folders, bool replaceTables, bool noSamples)
{
    const QString program = folders.programFolder() + QLatin1Char('/');
    copyFolderFiles(program + QStringLiteral("Sys"), folders.systemFolder(), true);
    copyFolderFiles(program + QStringLiteral("Tbl"), folders.userTableFolder(), !replaceTables);
    if (noSamples)
        return;
    copyFolderFiles(program + QStringLiteral("bookA"), folders.wordBookFolder(ScriptFolder::Russian), false);
    copyFolderFiles(program + QStringLiteral("bookG"), folders.dictionaryFolder(ScriptFolder::Russian), false);
    copyFolderFiles(program + QStringLiteral("GreekA"), folders.wordBookFolder(ScriptFolder::Greek), true);
    copyFolderFiles(program + QStringLiteral("GreekG"), folders.dictionaryFolder(ScriptFolder::Greek), true);
    copyFolderFiles(program + QStringLiteral("UkraineA"), folders.wordBookFolder(ScriptFolder::Ukrainian), true);
    copyFolderFiles(program + QStringLiteral("UkraineG"), folders.dictionaryFolder(ScriptFolder::Ukrainian), true);
}

bool writeVersionMarker(const QString& systemFolder, const QString& markerName, QString* error)
{
    return writeTextFile(
        systemFolder + QLatin1Char('/') + markerName, {QStringLiteral("GF-RD1")}, TextEncoding::Cp932, error);
}

void removeOldMarkers(const QString& systemFolder, const QString& markerName)
{
    const QDir dir(systemFolder);
    const QString oldSettings = dir.filePath(Folders::oldSettingsFileName());
    if (QFileInfo(oldSettings).isFile())
        QFile::remove(oldSettings);
    const QStringList markers = dir.entryList({QStringLiteral("Leaf*.txt")}, QDir::Files | QDir::Hidden);
    for (const QString& name : markers) {
        // The pattern ignores case, as file names do on the systems the markers come from; the current
        // marker is kept only under its exact name.
        if (name != markerName)
            QFile::remove(dir.filePath(name));
    }
}

bool updateShippedFilesOnNewVersion(
    const Folders& folders, const QString& markerName, bool replaceTables, bool noSamples, QString* error)
{
    if (QFileInfo::exists(folders.systemFolder() + QLatin1Char('/') + markerName))
        return false;
    copyShippedFiles(folders, replaceTables, noSamples);
    writeVersionMarker(folders.systemFolder(), markerName, error);
    removeOldMarkers(folders.systemFolder(), markerName);
    return true;
}

} // namespace pelinor::core
