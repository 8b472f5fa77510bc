#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace pelinor::core {
class Folders;
class Settings;
} // namespace pelinor::core

namespace pelinor::ui {

/// What the candidate editor works with. The desktop services are replaceable, so that tests neither open
/// native file dialogs nor end the test program.
struct CandidateEditorContext {
    core::Settings& settings;
    core::Folders& folders;
    /// The window the editor and its dialogs are centred on and belong to.
    QWidget* mainWindow = nullptr;

    using FileChooser = std::function<QString(QWidget* parent, const QString& startFolder, const QString& filter)>;
    /// Asks for a file to open in a folder with a filter ("候補ファイル(Cand*.csv)"); gives its path, or
    /// empty on cancel. Default: QFileDialog.
    FileChooser chooseOpenFile = {};
    /// Asks for a file to save to, as chooseOpenFile does. Default: QFileDialog.
    FileChooser chooseSaveFile = {};
    /// Ends the program as a normal exit does; called once the editor has closed, when the user chose to
    /// restart after a save.
    std::function<void()> endProgram = {};
    /// Puts back the user's own keyboard layout (when the editor opens).
    std::function<void()> restoreStartupLayout = {};
    /// Switches on the current script's keyboard layout (when the editor closes in the input modes that
    /// type through the script's layout).
    std::function<void()> selectScriptLayout = {};
};

} // namespace pelinor::ui
