#include "core/wordbook/folderlistfile.h"

#include "core/common/textfile.h"

#include <QDir>

namespace pelinor::core {

QString folderListPath(const QString& systemFolder)
{
    return QDir(systemFolder).filePath(kFolderListFileName.toString());
}

FolderList readOrCreateFolderList(const QString& systemFolder, const QString& first, const QString& second)
{
    const QString path = folderListPath(systemFolder);
    FolderList list;
    TextFileContent content = readTextFile(path);
    if (!content.exists) {
        list.folders = QStringList{first, second};
        writeTextFileKeepingText(path, list.folders, &list.error);
        return list;
    }
    if (!content.readable) {
        list.error = content.error;
        return list;
    }
    list.folders = std::move(content.lines);
    return list;
}

bool addFolderToList(const QString& systemFolder, const QString& folder, QString* error)
{
    const QString path = folderListPath(systemFolder);
    const TextFileContent content = readTextFile(path);
    if (content.exists && !content.readable) {
        if (error)
            *error = content.error;
        return false;
    }
    QStringList lines = content.lines;
    if (lines.contains(folder))
        return true;
    lines.prepend(folder);
    if (lines.size() > kMaxListedFolders)
        lines.resize(kMaxListedFolders);
    return writeTextFileKeepingText(path, lines, error);
}

} // namespace pelinor::core
