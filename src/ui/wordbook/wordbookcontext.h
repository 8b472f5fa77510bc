#pragma once

#include <QColor>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace pelinor::core {
class Folders;
class Settings;
class WordBook;
class WordBookScanAhead;
} // namespace pelinor::core

namespace pelinor::platform {
class ShellOpener;
}

namespace pelinor::ui {

/// What the word book part of the main window works with: the main window's records and controls it
/// shares, the page it fills, and the desktop services it asks for (each replaceable, so that tests
/// neither start programs nor open native dialogs).
struct WordBookContext {
    core::Settings& settings;
    core::Folders& folders;
    /// The open word book, owned by the main window.
    core::WordBook& wordBook;
    /// Opens sound files and the folder menu file with the programs the desktop associates with them.
    platform::ShellOpener& shellOpener;
    /// Status bar panel 1 (250 wide): the open word book's title.
    QLabel* titlePanel = nullptr;
    /// Status bar panel 2 (480 wide): the current word book folder and the total entry count.
    QLabel* folderPanel = nullptr;
    QLineEdit* phoneticArea = nullptr;
    QPlainTextEdit* foreignArea = nullptr;
    /// The lower tab page "単語リスト", empty and without layout: the word list and the word book panel are
    /// built into it.
    QWidget* page = nullptr;
    /// Window the dialogs are centred on; the page's window when null.
    QWidget* mainWindow = nullptr;
    /// The reading of the start folder begun before the window was built; null: folders are read when
    /// they are listed.
    core::WordBookScanAhead* scanAhead = nullptr;

    /// Asks for a folder (caption, start folder); gives it, or empty on cancel. Default: QFileDialog.
    std::function<QString(QWidget* parent, const QString& caption, const QString& startFolder)> chooseFolder = {};
    /// Asks for a sound file to open, starting in a folder; gives its path, or empty. Default: QFileDialog.
    std::function<QString(QWidget* parent, const QString& startFolder)> chooseSoundFile = {};
    /// The save dialog of a new word book (start path with the proposed file name); gives the chosen path,
    /// or empty on cancel. It does not ask about replacing a file: the caller does. Default: QFileDialog.
    std::function<QString(QWidget* parent, const QString& startPath)> chooseWordBookFile = {};
    /// The colour chooser of "カスタム"; gives an invalid colour on cancel. Default: QColorDialog.
    std::function<QColor(QWidget* parent, const QColor& initial)> chooseColour = {};
    /// Puts back the user's own keyboard layout (when a dialog opens).
    std::function<void()> restoreStartupLayout = {};
    /// Switches on the current script's keyboard layout (when a dialog closes in the input modes that
    /// type through the script's layout).
    std::function<void()> selectScriptLayout = {};

    /// The window that message boxes and dialogs belong to.
    QWidget* dialogParent() const;
};

} // namespace pelinor::ui
