#include "ui/wordbook/folderlistfile.h"

#include "core/common/textcodec.h"
#include "core/common/textfile.h"

#include <QDir>

namespace pelinor::ui {

namespace {

bool writeFolderList(const QString& path, const QStringList& lines, QString* error)
{
    const QString whole = core::joinLines(lines);
    const bool fitsCp932 = core::decodeCp932(core::encodeCp932(whole)) == whole;
    return core::writeTextFile(path, lines, fitsCp932 ? core::TextEncoding::Cp932 : core::TextEncoding::Utf8, error);
}

} // namespace

QString folderListPath(const QString& systemFolder)
{
    return QDir(systemFolder).filePath(kFolderListFileName.toString());
}

FolderList readOrCreateFolderList(const QString& systemFolder, const QString& first, const QString& second)
{
    const QString path = folderListPath(systemFolder);
    FolderList list;
    core::TextFileContent content = core::readTextFile(path);
    if (!content.exists) {
        list.folders = QStringList{first, second};
        writeFolderList(path, list.folders, &list.error);
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
    const core::TextFileContent content = core::readTextFile(path);
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
    return writeFolderList(path, lines, error);
}

} // namespace pelinor::ui
