#include "core/app/userfilecleanup.h"

#include "core/input/symbolcollections.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pelinor::core {

namespace {

// The program makes its user folders three levels deep below the user's roots ("Norvanta/Pelinor/bookA");
// none of those levels may be a link, or removing files there would reach into some other place.
constexpr int kOwnFolderDepth = 3;

bool isOwnFolder(const QString& folder)
{
    QString path = QDir::cleanPath(folder);
    for (int level = 0; level < kOwnFolderDepth && !path.isEmpty(); ++level) {
        const QFileInfo info(path);
        if (info.isSymLink() || !info.isDir())
            return false;
        path = info.path();
    }
    return true;
}

// A regular file that is not a link: the only kind of entry the cleanup removes.
bool isPlainFile(const QString& path)
{
    const QFileInfo info(path);
    return !info.isSymLink() && info.isFile();
}

void addShippedNames(const QString& shipped, const QString& user, QStringList& files)
{
    if (!QFileInfo(shipped).isDir() || !isOwnFolder(user))
        return;
    const QFileInfoList entries = QDir(shipped).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString target = user + QLatin1Char('/') + entry.fileName();
        if (isPlainFile(target))
            files.append(target);
    }
}

} // namespace

bool removeSettingsFile(const Folders& folders)
{
    const QString file = folders.settingsFile();
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (info.isDir())
        return false;
    return QFile::remove(file);
}

QStringList filesToRemoveBeforeUninstall(const Folders& folders, const QString& markerName)
{
    QStringList files;
    const QString program = folders.programFolder() + QLatin1Char('/');
    addShippedNames(program + QStringLiteral("bookA"), folders.wordBookFolder(ScriptFolder::Russian), files);
    addShippedNames(program + QStringLiteral("bookG"), folders.dictionaryFolder(ScriptFolder::Russian), files);
    addShippedNames(folders.systemTableFolder(), folders.userTableFolder(), files);

    const QString system = folders.systemFolder();
    if (!isOwnFolder(system))
        return files;
    for (const QString& name : {Folders::settingsFileName(), QStringLiteral("FolList.txt"),
             QStringLiteral("GroupName.txt"), QStringLiteral("Work.rtf"), SymbolCollections::recentFileName(),
             SymbolCollections::favouriteFileName(), markerName}) {
        // A marker name is a plain file name; anything with a separator is not the program's.
        if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == QStringLiteral(".."))
            continue;
        const QString file = system + QLatin1Char('/') + name;
        if (isPlainFile(file))
            files.append(file);
    }
    return files;
}

QStringList removeFilesBeforeUninstall(const Folders& folders, const QString& markerName)
{
    QStringList removed;
    for (const QString& file : filesToRemoveBeforeUninstall(folders, markerName)) {
        if (QFile::remove(file))
            removed.append(file);
    }
    return removed;
}

} // namespace pelinor::core
