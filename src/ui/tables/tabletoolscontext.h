#pragma once

#include <QColor>
#include <QString>

#include <functional>

class QWidget;

namespace pelinor::core {
class Folders;
class Settings;
} // namespace pelinor::core

namespace pelinor::platform {
class ShellOpener;
}

namespace pelinor::ui {

/// What the table tools work with; the workbench hands it in.
struct TableToolsContext {
    core::Settings& settings;
    core::Folders& folders;
    /// Shows the saved HTML pages in the user's browser.
    platform::ShellOpener& shellOpener;
    /// The main window: the tools are centred on it and owned by it while open.
    QWidget* mainWindow = nullptr;
    /// Ends the program as closing the main window does (after a table was saved, so that the next start
    /// loads it).
    std::function<void()> endProgram = {};
    /// Puts back the user's own keyboard layout (when a tool opens).
    std::function<void()> restoreStartupLayout = {};
    /// Switches on the current script's keyboard layout (when a tool closes in the input modes that type
    /// through the script's layout).
    std::function<void()> selectScriptLayout = {};
    /// Asks for a file to open / to save (parent, start folder, filter, default suffix); empty on cancel.
    /// Default: QFileDialog.
    std::function<QString(QWidget*, const QString&, const QString&, const QString&)> chooseOpenFile = {};
    std::function<QString(QWidget*, const QString&, const QString&, const QString&)> chooseSaveFile = {};
    /// The colour chooser of "参照"; an invalid colour on cancel. Default: QColorDialog.
    std::function<QColor(QWidget*, const QColor&)> chooseColour = {};
};

} // namespace pelinor::ui
