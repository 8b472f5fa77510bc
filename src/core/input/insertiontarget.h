#pragma once

namespace pelinor::core {

/// Where a side's chosen candidate goes: the field of that side in one of the program's windows. The
/// caller names it with the trigger key, and it stays the side's target until the side's next trigger key.
enum class InsertionTarget {
    None = -1, ///< before a side's first trigger key: nothing is inserted anywhere
    MainWindow = 1, ///< the main window's input areas
    RegistrationDialog = 2, ///< the fields of the word registration dialog
    EditDialog = 3, ///< the fields of the word edit dialog
    SearchWindow = 4, ///< the search field of the word book search window
    Pad = 5, ///< the character PAD's input line
};

} // namespace pelinor::core
