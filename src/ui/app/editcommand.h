#pragma once

class QWidget;

namespace pelinor::ui {

/// The commands of the "編集" menu.
enum class EditCommand { Undo, Cut, Copy, Paste, Delete, SelectAll };

/// Runs `command` on `field` when it is a line or a multi-line text field; does nothing otherwise.
void runEditCommand(QWidget* field, EditCommand command);

} // namespace pelinor::ui
