#pragma once

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/input/keyboardlayoutengine.h"
#include "core/input/tablesets.h"
#include "core/tables/skippedline.h"
#include "core/wordbook/wordbook.h"
#include "ui/app/mainmenus.h"
#include "ui/pad/tpadfrm.h"

#include <QMainWindow>
#include <QPoint>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QKeyEvent;
class QPlainTextEdit;
class QSplitter;
class QTabWidget;

namespace pelinor::core {
struct ScriptInfo;
}

namespace pelinor::platform {
class ShellOpener;
class WindowSystem;
} // namespace pelinor::platform

namespace pelinor::ui {

class CommandPanel;
class FontPanel;
class KeyPanelColumn;
class SymbolLibraryPanel;
class RomajiKeyPanel;
class ScreenKeyboard;
class PhoneticKeyPanel;
class WordBookController;
class TriggerKeyInput;
class TransferController;

/// The main window, the workbench: the top bar with the function keys, the transfer controls and the
/// font panel; the phonetic and foreign-language input areas beside the key panel column; the lower tab
/// area with the word list and the symbol library; the status bar. Creating it runs the program's
/// start-up steps in their fixed order; closing it runs the shutdown steps and writes the settings file.
class TMainFrm : public QMainWindow {
    Q_OBJECT

public:
    /// `folders` must have been set up; the window keeps its own copy and owns the settings record.
    /// `windowSystem` finds the transfer target and delivers the paste; when null the window creates the
    /// one of this platform.
    explicit TMainFrm(const core::Folders& folders, platform::WindowSystem* windowSystem = nullptr,
                      QWidget* parent = nullptr);
    ~TMainFrm() override;

    core::Settings& settings() { return m_settings; }
    const core::Folders& folders() const { return m_folders; }
    const MainMenus& menus() const { return m_menus; }
    core::TableSets& tables() { return m_tables; }

    QLineEdit* phoneticArea() const { return m_phoneticArea; }
    QPlainTextEdit* foreignArea() const { return m_foreignArea; }
    KeyPanelColumn* keyPanelColumn() const { return m_keyPanels; }
    QTabWidget* lowerTabs() const { return m_lowerTabs; }
    CommandPanel* commandPanel() const { return m_commandPanel; }
    FontPanel* fontPanel() const { return m_fontPanel; }
    SymbolLibraryPanel* symbolLibrary() const { return m_symbolLibrary; }
    RomajiKeyPanel* romajiPanel() const { return m_romajiPanel; }
    ScreenKeyboard* screenKeyboard() const { return m_screenKeyboard; }
    PhoneticKeyPanel* phoneticPanel() const { return m_phoneticPanel; }
    WordBookController* wordBooks() const { return m_wordBooks; }
    TriggerKeyInput* triggerInput() const { return m_triggerInput; }
    TransferController* transfer() const { return m_transfer; }
    QLabel* statusPanel(int index) const { return m_statusPanels.at(static_cast<size_t>(index)); }

    /// Makes input mode 1 to 7 current: script, captions, folders, font, tables and panels follow.
    void SwitchInputMode(int mode);
    /// Empties both input areas and gives the foreign-language area the focus (F2).
    void AreaClear();
    /// Writes the short label of the current transfer mode into the transfer-mode display.
    void ShowTransferMode();
    /// F7: closes an open word book, hides this window and shows the character PAD until the user closes it.
    void PadMode();
    /// What a PAD opened now borrows from this window.
    PadContext padContext();
    /// Where the PAD was last closed in this run; none before its first closing.
    std::optional<QPoint> padPosition() const { return m_padPosition; }

    /// Replaces the desktop's "open with its program" for the HTML lists, sound files and the folder list.
    using FileOpener = std::function<bool(const QString& path)>;
    void setFileOpener(FileOpener opener) { m_fileOpener = std::move(opener); }

    /// Applies the stored geometry (or the centred default) and gives the foreign-language area the
    /// focus; runs once, when the window is first shown.
    void PlaceMainWindow();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void buildActions();
    void buildWindow();
    QWidget* buildTopBar();
    QWidget* buildInputPanel();
    void SetUpMainWindow();
    void BuildFunctionKeyBar();
    void ApplyStoredMode();
    void wireControls();
    void applyStoredSplits();
    void applyUnderStretch(bool on);
    void captionTransferModeItems();
    void captionKeyboardPage(bool withSpace);
    void applyForeignFont(const QString& family);
    void fontBoxChanged();
    void sizeBoxChanged();
    void inputModeBoxChanged(int item);
    void chooseRussianLayout(bool typewriter);
    void keyPanelPageChosen(int page);
    void buildScreenKeyboard();
    void connectKeyInput();
    /// The keyboard layout of the layout modes: a physical key becomes the script's character. An accent
    /// that a non-character key releases goes to insertion target `target`.
    QString translateScriptKey(const QKeyEvent& event, int target);
    /// "一覧": the HTML list of the side's candidate file, when there is one.
    void openCandidateList(core::TableSide side);
    bool openFile(const QString& path);
    /// In the layout modes, Shift and Caps Lock in a foreign-language field switch the on-screen keyboard.
    void passShiftToKeyboard(const QKeyEvent& event);
    void switchFocusBetweenAreas();
    void runEditCommand(const char* method);
    /// Inserts text from a key panel or the symbol library at the caret of the foreign-language area.
    void insertIntoForeignArea(const QString& text);
    void loadForeignTables();
    /// Shows the table lines that a load had to leave out, if any.
    void reportSkippedTableLines(const QList<core::SkippedLine>& skipped);
    void storeLiveState();
    /// Shows a failed write into the system folder; only the first one of a run is shown.
    void reportSystemWriteFailure(const QString& message);

    core::Folders m_folders;
    core::Settings m_settings;
    core::TableSets m_tables;
    core::WordBook m_wordBook;
    MainMenus m_menus;

    QAction* m_exitAction = nullptr;
    QAction* m_clearAction = nullptr;
    QAction* m_registerAction = nullptr;
    QAction* m_modifyAction = nullptr;
    QAction* m_searchAction = nullptr;
    QAction* m_padAction = nullptr;
    QAction* m_optionAction = nullptr;
    QAction* m_transferAction = nullptr;
    QAction* m_focusSwitchAction = nullptr;

    CommandPanel* m_commandPanel = nullptr;
    FontPanel* m_fontPanel = nullptr;
    QCheckBox* m_underStretchBox = nullptr;
    QSplitter* m_topSplitter = nullptr;
    QSplitter* m_middleSplitter = nullptr;
    QSplitter* m_verticalSplitter = nullptr;
    QLineEdit* m_phoneticArea = nullptr;
    QPlainTextEdit* m_foreignArea = nullptr;
    KeyPanelColumn* m_keyPanels = nullptr;
    QTabWidget* m_lowerTabs = nullptr;
    SymbolLibraryPanel* m_symbolLibrary = nullptr;
    RomajiKeyPanel* m_romajiPanel = nullptr;
    ScreenKeyboard* m_screenKeyboard = nullptr;
    PhoneticKeyPanel* m_phoneticPanel = nullptr;
    WordBookController* m_wordBooks = nullptr;
    TriggerKeyInput* m_triggerInput = nullptr;
    std::unique_ptr<platform::WindowSystem> m_ownWindowSystem;
    platform::WindowSystem* m_windowSystem = nullptr;
    TransferController* m_transfer = nullptr;
    std::unique_ptr<platform::ShellOpener> m_shellOpener;
    FileOpener m_fileOpener;
    std::optional<QPoint> m_padPosition;
    core::KeyboardLayoutEngine m_layoutEngine;
    /// Caps Lock as the key presses seen by the input fields have left it.
    bool m_capsLock = false;
    std::array<QLabel*, 2> m_statusPanels{};

    bool m_placed = false;
    bool m_splitsApplied = false;
    bool m_closed = false;
    bool m_systemWriteFailureShown = false;
};

} // namespace pelinor::ui
