#pragma once

#include "core/app/inputmodes.h"
#include "core/input/tablesets.h"
#include "core/tables/skippedline.h"
#include "ui/app/mainactions.h"
#include "ui/app/mainmenus.h"
#include "ui/pad/tpadfrm.h"
#include "ui/transfer/transfercontroller.h"
#include "ui/wordbook/wordbookcontext.h"

#include <QMainWindow>
#include <QPoint>

#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace pelinor::core {
class Folders;
class InputModeController;
class Settings;
class SymbolCollections;
class SymbolSearchIndex;
class WordBook;
} // namespace pelinor::core

namespace pelinor::platform {
class ShellOpener;
}

namespace pelinor::ui {

class CommandPanel;
class FontPanel;
class InputPanel;
class KeyPanelColumn;
class KeyPanelController;
class MainSplitters;
class ScriptKeyTranslator;
class SymbolLibraryPanel;
class WordBookController;

/// What the main window shows and works with; the workbench builds all of it before the window and it must
/// outlive the window.
struct MainWindowModel {
    core::Settings& settings;
    core::Folders& folders;
    core::TableSets& tables;
    core::WordBook& wordBook;
    core::InputModeController& inputModes;
    TriggerKeyInput& triggerInput;
    platform::ShellOpener& shellOpener;
    /// The symbol name search and the user's recent and favourite symbols, for the library and the PAD.
    core::SymbolSearchIndex* symbolSearch = nullptr;
    core::SymbolCollections* symbolCollections = nullptr;
};

/// The main window's panels that change after start-up through the menu commands and the settings dialog.
struct MainWindowPanels {
    InputPanel& inputPanel;
    FontPanel& fontPanel;
    KeyPanelController& keyPanels;
};

/// The main window, the workbench: the top bar with the function keys, the transfer controls and the
/// font panel; the phonetic and foreign-language input areas beside the key panel column; the lower tab
/// area with the word list and the symbol library; the status bar. It lays out its controls from the
/// settings and connects them to the controllers; the Workbench builds and starts everything.
class TMainFrm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainFrm(const MainWindowModel& model, QWidget* parent = nullptr);
    ~TMainFrm() override;

    /// The controls a transfer reads and that show the transfer target.
    TransferWidgets transferWidgets();
    /// The controls and services of the word book part; its page is the lower tab "単語リスト".
    WordBookContext wordBookContext();
    /// Connects the commands, menus and input areas to the controllers built from this window's controls.
    void connectControllers(TransferController& transfer, WordBookController& wordBooks);
    /// The stored list layouts and the word list page, once the stored input mode has been applied.
    void applyStoredLayout();

    /// Empties both input areas and gives the foreign-language area the focus (F2).
    void areaClear();
    /// F7: closes an open word book, hides this window and shows the character PAD until the user closes it.
    void padMode();
    /// What a PAD opened now borrows from this window.
    PadContext padContext();
    /// Where the PAD's own area (inside its frame) was when it was last closed in this run; none before its
    /// first closing.
    std::optional<QPoint> padPosition() const { return m_padPosition; }

    /// The panels whose look the menu commands and the settings dialog change; the workbench hands them to
    /// the parts that own those commands.
    MainWindowPanels panels();

    /// Writes the window's geometry, the splits and the word list's columns into the settings; nothing when
    /// the window was never shown, so the stored values stand.
    void storeLiveState();
    /// The menu bar's actions, for the parts that own the commands behind them.
    const MainMenus& menus() const { return m_menus; }
    /// Shows the table lines that a load had to leave out, if any.
    void reportSkippedTableLines(const QList<core::SkippedLine>& skipped);
    /// The menu item "候補エディタ"; the workbench connects it to the candidate editor.

Q_SIGNALS:
    /// The window is closing for the first time: the program ends.
    void closing();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    QWidget* buildTopBar(QWidget* central);
    void buildStatusBar();
    void buildLowerPages(QWidget* central);
    void setUpMainWindow();
    void followInputModes();
    void connectCommands();
    void connectMenus();
    void connectFontPanel();
    void placeMainWindow();
    void applyScript(const core::ScriptInfo& script);
    void showInputMode(core::InputMode mode);
    void inputModeBoxChanged(int item);
    void fontBoxChanged();
    void sizeBoxChanged();

    core::Settings& m_settings;
    core::Folders& m_folders;
    core::TableSets& m_tables;
    core::WordBook& m_wordBook;
    core::InputModeController& m_inputModes;
    TriggerKeyInput& m_triggerInput;
    core::SymbolSearchIndex* m_symbolSearch = nullptr;
    core::SymbolCollections* m_symbolCollections = nullptr;
    platform::ShellOpener& m_shellOpener;
    std::unique_ptr<ScriptKeyTranslator> m_scriptKeys;
    TransferController* m_transfer = nullptr;
    WordBookController* m_wordBooks = nullptr;

    MainActions m_actions;
    MainMenus m_menus;
    CommandPanel* m_commandPanel = nullptr;
    FontPanel* m_fontPanel = nullptr;
    QCheckBox* m_underStretchBox = nullptr;
    std::unique_ptr<MainSplitters> m_splitters;
    InputPanel* m_inputPanel = nullptr;
    QLineEdit* m_phoneticArea = nullptr;
    QPlainTextEdit* m_foreignArea = nullptr;
    KeyPanelColumn* m_keyPanelColumn = nullptr;
    KeyPanelController* m_keyPanels = nullptr;
    QTabWidget* m_lowerTabs = nullptr;
    SymbolLibraryPanel* m_symbolLibrary = nullptr;
    std::array<QLabel*, 2> m_statusPanels{};
    std::optional<QPoint> m_padPosition;

    bool m_placed = false;
    bool m_closed = false;
};

} // namespace pelinor::ui
