#pragma once

#include <QString>
#include <QStringView>

namespace pelinor::core {

/// Longest window title that the transfer target keeps.
inline constexpr qsizetype kMaxTargetTitleLength = 254;

/// Whether a window with this title may become the transfer target, by its title alone. Refused, compared
/// exactly and case-sensitively: "Program Manager" (the desktop), "Pelinor" and every title that begins with
/// "Pelinor" (this program's own windows), "スタート メニュー" with blanks around it; and, while sound files
/// are played with the external player (`mediaPlayer`), "Windows Media Player" and the title equal to
/// `lastSoundName`, the last played sound file without its extension (so that with no sound played yet, an
/// empty title is refused).
bool isTrackableTitle(QStringView title, bool mediaPlayer, QStringView lastSoundName);

/// A window title as the target keeps it: at most kMaxTargetTitleLength code units, never ending in half of a
/// surrogate pair.
QString targetTitle(const QString& title);

/// The name the external player shows for a sound file: the file name without folder and without its last
/// extension ("word.mp3" gives "word"); empty for an empty name.
QString soundNameForTitle(const QString& soundFile);

} // namespace pelinor::core
