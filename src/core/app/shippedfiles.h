#pragma once

#include "core/app/folders.h"

#include <QString>

namespace pelinor::core {

/// Copies every regular file of `source` into `destination` (subfolders are neither copied nor entered).
/// With `keepExisting` a file that already exists in the destination is left alone; otherwise it is
/// replaced atomically. Failed copies are skipped. Returns the number of copies attempted; 0 when
/// either folder is missing.
int copyFolderFiles(const QString& source, const QString& destination, bool keepExisting);

/// Brings the user's copies of the shipped files up to date from the program folder: system files and
/// tables always (tables replace the user's own when `replaceTables`), then, unless `noSamples`, the
/// sample word books; the Russian samples replace same-named files, the Greek and Ukrainian ones never do.
void copyShippedFiles(const Folders& folders, bool replaceTables, bool noSamples);

/// Writes the version marker `markerName` into the system folder: one line "GF-RD1" in code page 932.
/// Returns false with a message in `error` when the file cannot be written.
bool writeVersionMarker(const QString& systemFolder, const QString& markerName, QString* error = nullptr);

/// Deletes the old settings file and every "Leaf*.txt" marker other than `markerName` (case-sensitive)
/// from the system folder.
void removeOldMarkers(const QString& systemFolder, const QString& markerName);

/// The first-run step of start-up: when the version marker `markerName` is missing from the system folder,
/// copies the shipped files, writes the marker and removes the old markers. Returns true when the copy
/// ran. A marker that cannot be written is reported through `error` (the copy then runs again at the
/// next start).
bool updateShippedFilesOnNewVersion(
    const Folders& folders, const QString& markerName, bool replaceTables, bool noSamples, QString* error = nullptr);

} // namespace pelinor::core
