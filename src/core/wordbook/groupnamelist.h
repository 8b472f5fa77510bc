#pragma once

#include "core/common/textfile.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

namespace pelinor::core {

// The group name list "GroupName.txt" in the system folder: one group name per line, in list order,
// read with byte-order-mark detection (else code page 932) and written in code page 932 without mark,
// CR LF after every line; in UTF-8 with its mark when a name would not come back unchanged from code page 932.

/// File name of the group name list.
inline constexpr QStringView kGroupNameListFileName = u"GroupName.txt";

/// Most names the group editor lets the list hold.
inline constexpr qsizetype kMaxGroupNames = 30;
/// Fewest names the group editor leaves when deleting.
inline constexpr qsizetype kMinGroupNames = 2;

/// The group choices offered while there is no group name list: "あいさつ" and "その他".
QStringList defaultGroupNames();

/// Path of the group name list in the given system folder.
QString groupNameListPath(const QString& systemFolder);

/// Reads the group name list. `exists` is false when there is no file; `readable` false with `error` set
/// when it could not be read.
TextFileContent readGroupNameList(const QString& systemFolder);

/// Writes the group name list, replacing the file atomically (see writeTextFileKeepingText()).
bool writeGroupNameList(const QString& systemFolder, const QStringList& names, QString* error = nullptr);

/// The group choices of a drop-down list and the one to select.
struct GroupChoices {
    QStringList names;
    /// Index of the first name equal to the preferred one (exact, case-sensitive), or -1 for none.
    qsizetype selected = -1;
    /// Message for the user when the group name list exists but could not be read; the names are then
    /// the default ones.
    QString error;
};

/// The data side of filling a group drop-down: the lines of the group name list when it exists, else
/// defaultGroupNames(); `preferred` is selected when it is not empty and one of them.
GroupChoices fillGroupChoices(const QString& systemFolder, const QString& preferred);

} // namespace pelinor::core
