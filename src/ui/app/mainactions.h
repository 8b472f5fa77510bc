#pragma once

class QAction;
class QWidget;

namespace pelinor::ui {

/// The main window's function-key commands: the buttons of the command panel and their keys (F1 to F9).
/// Built into the window so that the keys reach it before any control.
struct MainActions {
    QAction* exit = nullptr;
    QAction* clear = nullptr; ///< F2
    QAction* registerWord = nullptr; ///< F4
    QAction* modifyWord = nullptr; ///< F5
    QAction* search = nullptr; ///< F6
    QAction* pad = nullptr; ///< F7
    QAction* option = nullptr; ///< F8
    QAction* transfer = nullptr; ///< F9
    /// F1 switches the focus between the two input areas; it has no button.
    QAction* focusSwitch = nullptr;

    /// Builds every action into `window`.
    static MainActions build(QWidget* window);
};

} // namespace pelinor::ui
