#pragma once

#include "core/app/folders.h"

#include <QString>
#include <QStringList>

namespace pelinor::core {

/// "設定ファイルを初期化する": removes the settings file from the system folder, so that the next start runs
/// with the defaults. Only the file itself goes (a link of that name is removed as a link). True when no
/// settings file is left.
bool removeSettingsFile(const Folders& folders);

/// "すべてを削除する", what it would remove: from the Russian word book and dictionary folders and the user
/// table folder, every regular file whose name is the name of a file shipped in the program's bookA, bookG
/// and Tbl folders; from the system folder the settings file, "FolList.txt", "GroupName.txt", "Work.rtf" and
/// the version marker `markerName`. Files of other names, the Greek and Ukrainian folders and every folder
/// stay. Links are never followed: a link in a user folder is left, and a user folder that is itself a link
/// (or lies in a linked folder of the program's own, "Norvanta/Pelinor") is not entered, so nothing outside
/// the user's own folders is touched. Absolute paths, in the order of removal.
QStringList filesToRemoveBeforeUninstall(const Folders& folders, const QString& markerName);

/// Removes the files filesToRemoveBeforeUninstall() names. Failures are skipped. Returns the files removed.
QStringList removeFilesBeforeUninstall(const Folders& folders, const QString& markerName);

} // namespace pelinor::core
