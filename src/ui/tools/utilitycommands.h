#pragma once

#include <QObject>

class QPoint;
class QWidget;

namespace pelinor::core {
class Folders;
class Settings;
} // namespace pelinor::core

namespace pelinor::platform {
class ShellOpener;
}

namespace pelinor::ui {

class InputPanel;
struct MainMenus;
class TextFileCommands;

/// What the utility commands work with; the workbench hands it in.
struct UtilityCommandsContext {
    core::Settings& settings;
    core::Folders& folders;
    /// Opens the help book with its program.
    platform::ShellOpener& shellOpener;
    /// The input areas the commands read, fill and change the look of.
    InputPanel& inputPanel;
    /// The window the dialogs and messages belong to.
    QWidget* mainWindow = nullptr;
};

/// The small commands of the main window's menus: the text files of "ファイル", word wrap and scroll bars of
/// "編集", the code value checker, help and the version dialog, and the phonetic area's own menu with its
/// font. What they switch is stored in the settings at once.
class UtilityCommands : public QObject {
    Q_OBJECT

public:
    explicit UtilityCommands(UtilityCommandsContext context, QObject* parent = nullptr);

    /// The text file commands of the "ファイル" menu.
    TextFileCommands& textFiles() { return *m_textFiles; }
    /// Connects the menu items these commands stand behind.
    void connectMenus(const MainMenus& menus);

    void toggleWordWrap();
    void toggleScrollBars();
    /// Shows the code values of the foreign-language area's text in the phonetic area.
    void checkCodeValues();
    void openHelp();
    void showVersion();
    /// Asks for the phonetic area's font (sizes 8 to 50).
    void choosePhoneticFont();
    void resetPhoneticFont();

private:
    void showPhoneticAreaMenu(const QPoint& at);
    void applyPhoneticFont(const QString& family, int size);

    UtilityCommandsContext m_context;
    TextFileCommands* m_textFiles = nullptr;
};

} // namespace pelinor::ui
