#pragma once

#include <QObject>

#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace pelinor::core {
enum class TransferMode;
}

namespace pelinor::ui {

/// The main window's menu bar and the actions of its items. The actions are created here and wired by
/// the main window and the parts that own them.
struct MainMenus {
    QMenu* file = nullptr;
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* saveAs = nullptr;
    QAction* exit = nullptr;

    QMenu* edit = nullptr;
    QAction* undo = nullptr;
    QAction* cut = nullptr;
    QAction* copy = nullptr;
    QAction* paste = nullptr;
    QAction* remove = nullptr;
    QAction* selectAll = nullptr;
    QAction* wordWrap = nullptr;
    QAction* scrollBars = nullptr;

    QMenu* ime = nullptr;
    QAction* russianTypewriter = nullptr;
    QAction* russianStandard = nullptr;

    /// "単語帳 (&W)": empty here; the word book part makes its commands and the window places them.
    QMenu* wordBook = nullptr;

    QMenu* transferMode = nullptr;
    /// Modes 11 to 14, then 1 to 5, in menu order.
    std::array<QAction*, 9> transferModes{};

    QMenu* options = nullptr;
    QAction* settings = nullptr;

    QMenu* tools = nullptr;
    QAction* symbolDatabase = nullptr;
    QAction* candidateEditor = nullptr;
    QAction* htmlListTool = nullptr;
    QAction* conversionTool = nullptr;
    QAction* codeChecker = nullptr;

    QMenu* help = nullptr;
    QAction* helpContents = nullptr;
    QAction* version = nullptr;

    /// Builds every menu into `bar`.
    static MainMenus build(QMenuBar* bar);
    /// The transfer mode of an item of the transfer-mode menu.
    static core::TransferMode transferModeOfItem(int item);
};

} // namespace pelinor::ui
