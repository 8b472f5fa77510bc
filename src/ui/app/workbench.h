#pragma once

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/input/tablesets.h"
#include "core/wordbook/wordbook.h"
#include "core/wordbook/wordbookscanahead.h"

#include <memory>

namespace pelinor::core {
class InputModeController;
class SymbolCollections;
class SymbolSearchIndex;
} // namespace pelinor::core

namespace pelinor::platform {
class ShellOpener;
class WindowSystem;
} // namespace pelinor::platform

namespace pelinor::ui {

class CandidateEditorLauncher;
class SettingsLauncher;
class TableTools;
class TMainFrm;
class TransferController;
class TriggerKeyInput;
class UtilityCommands;
class WordBookController;

/// The desktop services the workbench uses; a null one is replaced by this platform's own.
struct DesktopServices {
    /// Finds the transfer target and delivers the paste.
    platform::WindowSystem* windowSystem = nullptr;
    /// Opens the HTML lists, sound files and the folder list with their programs.
    platform::ShellOpener* shellOpener = nullptr;
};

/// The program's composition root. It owns the settings, the folders, the table sets, the word book, the
/// desktop services and the controllers, builds all of them before anything is connected, and hands them
/// to the main window, which only lays out its controls and connects them. Constructing it runs the
/// start-up up to a complete, not yet shown main window; closing the window runs the shutdown and writes
/// the settings file.
class Workbench {
public:
    /// `folders` must have been set up; the workbench keeps its own copy.
    explicit Workbench(const core::Folders& folders, DesktopServices services = {});
    ~Workbench();
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;

    core::Settings& settings() { return m_settings; }
    core::Folders& folders() { return m_folders; }
    core::TableSets& tables() { return m_tables; }
    core::WordBook& wordBook() { return m_wordBook; }
    core::InputModeController& inputModes() { return *m_inputModes; }
    TriggerKeyInput& triggerInput() { return *m_triggerInput; }
    TransferController& transfer() { return *m_transfer; }
    WordBookController& wordBooks() { return *m_wordBooks; }
    CandidateEditorLauncher& candidateEditor() { return *m_candidateEditor; }
    UtilityCommands& utilities() { return *m_utilities; }
    SettingsLauncher& settingsLauncher() { return *m_settingsLauncher; }
    TMainFrm& window() { return *m_window; }

private:
    void loadSettings();
    void updateShippedFiles();
    void scanWordBooksAhead();
    void loadPhoneticTables();
    void buildControllers();
    void buildMenuCommands();
    void buildSymbolSearch();
    void connectControllers();
    void start();
    void shutDown();
    /// Shows a failed write into the system folder; only the first one of a run is shown.
    void reportSystemWriteFailure(const QString& message);

    core::Folders m_folders;
    core::Settings m_settings;
    core::TableSets m_tables;
    core::WordBook m_wordBook;
    core::WordBookScanAhead m_wordBookScan;
    std::unique_ptr<platform::WindowSystem> m_ownWindowSystem;
    platform::WindowSystem* m_windowSystem = nullptr;
    std::unique_ptr<platform::ShellOpener> m_ownShellOpener;
    platform::ShellOpener* m_shellOpener = nullptr;
    std::unique_ptr<core::InputModeController> m_inputModes;
    std::unique_ptr<TriggerKeyInput> m_triggerInput;
    std::unique_ptr<core::SymbolSearchIndex> m_symbolSearch;
    std::unique_ptr<core::SymbolCollections> m_symbolCollections;
    std::unique_ptr<TMainFrm> m_window;
    std::unique_ptr<TransferController> m_transfer;
    std::unique_ptr<WordBookController> m_wordBooks;
    std::unique_ptr<CandidateEditorLauncher> m_candidateEditor;
    std::unique_ptr<TableTools> m_tableTools;
    std::unique_ptr<UtilityCommands> m_utilities;
    std::unique_ptr<SettingsLauncher> m_settingsLauncher;
    bool m_systemWriteFailureShown = false;
};

} // namespace pelinor::ui
