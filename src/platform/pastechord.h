#pragma once

#include <QString>
#include <QStringList>

namespace pelinor::platform {

/// The key chord that pastes the transferred text into a window.
enum class PasteChord {
    CtrlV, ///< what nearly every program takes
    CtrlShiftV, ///< terminal emulators, where Ctrl+V is a control character for the program inside
    /// xterm and the rxvt family, which bind no key to the clipboard: Shift+Insert pastes the PRIMARY
    /// selection, which then has to hold the same text as the clipboard
    ShiftInsert
};

/// Whether a window class name (either part of X11's WM_CLASS, or an application id such as
/// "org.wezfurlong.wezterm") names a terminal emulator. Case does not matter.
bool isTerminalWindowClass(const QString& name);

/// The chord for a window whose class names are `names` (e.g. the instance and the class of WM_CLASS): the
/// terminal table's chord for the first name that names a terminal emulator, else Ctrl+V.
PasteChord pasteChordFor(const QStringList& names);

/// Whether the chord pastes the PRIMARY selection rather than the clipboard.
bool pastesPrimarySelection(PasteChord chord);

/// "Ctrl+V", "Ctrl+Shift+V" or "Shift+Insert", for logs and tests.
QString pasteChordName(PasteChord chord);

} // namespace pelinor::platform
