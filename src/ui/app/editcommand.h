#pragma once

class QWidget;

namespace pelinor::core {
class Settings;
}

namespace pelinor::ui {

struct MainMenus;

/// The commands of the "編集" menu.
enum class EditCommand { Undo, Cut, Copy, Paste, Delete, SelectAll };

/// Runs `command` on `field` when it is a line or a multi-line text field; does nothing otherwise.
void runEditCommand(QWidget* field, EditCommand command);

/// Makes the "編集" menu of `window` run its commands on the window's focused field and show the stored
/// word wrap and scroll bar choices when it opens.
void connectEditMenu(const MainMenus& menus, QWidget* window, const core::Settings& settings);

} // namespace pelinor::ui
