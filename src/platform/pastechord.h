#pragma once

#include <QString>
#include <QStringList>

namespace pelinor::platform {

/// The key chord that pastes the clipboard into a window.
enum class PasteChord {
    CtrlV, ///< what nearly every program takes
    CtrlShiftV ///< terminal emulators, where Ctrl+V is a control character for the program inside
};

/// Whether a window class name (either part of X11's WM_CLASS, or an application id such as
/// "org.wezfurlong.wezterm") names a terminal emulator. Case does not matter.
bool isTerminalWindowClass(const QString& name);

/// The chord for a window whose class names are `names` (e.g. the instance and the class of WM_CLASS):
/// Ctrl+Shift+V if any of them names a terminal emulator, else Ctrl+V.
PasteChord pasteChordFor(const QStringList& names);

/// "Ctrl+V" or "Ctrl+Shift+V", for logs and tests.
QString pasteChordName(PasteChord chord);

} // namespace pelinor::platform
