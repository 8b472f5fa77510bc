#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace pelinor::core {

// The folder menu file "FolList.txt" in the system folder: one folder path per line, the most recently
// added first. Read with byte-order-mark detection (else code page 932); written in code page 932
// without mark, or as UTF-8 with its mark when a path holds characters that code page lacks, so that a
// Cyrillic or Greek folder name is not turned into "?".

/// File name of the folder menu file.
inline constexpr QStringView kFolderListFileName = u"FolList.txt";

/// Most lines that adding a folder through the menu leaves in the file.
inline constexpr int kMaxListedFolders = 10;

/// Path of the folder menu file in `systemFolder`.
QString folderListPath(const QString& systemFolder);

/// The lines of the folder menu file as they are to be shown.
struct FolderList {
    QStringList folders;
    /// Message for the user when the file could not be read or created; `folders` then holds what could
    /// be had (the two start folders when creating failed).
    QString error;
};

/// Reads the folder menu file; when there is none, first creates it with `first` and `second` (the
/// Russian word book folder and the current dictionary folder).
FolderList readOrCreateFolderList(const QString& systemFolder, const QString& first, const QString& second);

/// Puts `folder` first in the folder menu file unless a line already equals it exactly, keeping at most
/// kMaxListedFolders lines. A missing file counts as empty. Returns false with `error` set when the file
/// could not be read or written; the file is then unchanged.
bool addFolderToList(const QString& systemFolder, const QString& folder, QString* error = nullptr);

} // namespace pelinor::core
