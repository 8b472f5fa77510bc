#include "ui/app/workbench.h"

#include "core/app/inputmodecontroller.h"
#include "core/app/inputmodes.h"
#include "core/app/shippedfiles.h"
#include "core/app/versionmarker.h"
#include "core/input/symbolcollections.h"
#include "core/input/symbolsearchindex.h"
#include "core/input/symbolsearchsources.h"
#include "platform/shellopener.h"
#include "platform/windowsystem.h"
#include "ui/app/settingslauncher.h"
#include "ui/app/tmainfrm.h"
#include "ui/input/triggerkeyinput.h"
#include "ui/tables/candidateeditorlauncher.h"
#include "ui/tables/tabletools.h"
#include "ui/tools/utilitycommands.h"
#include "ui/transfer/transfercontroller.h"
#include "ui/wordbook/wordbookcontroller.h"

#include <QAction>
#include <QMessageBox>
#include <QTimer>

namespace pelinor::ui {

using core::SettingKey;

Workbench::Workbench(const core::Folders& folders, DesktopServices services)
    : m_folders(folders)
    , m_windowSystem(services.windowSystem)
    , m_shellOpener(services.shellOpener)
{
    if (!m_windowSystem) {
        m_ownWindowSystem = platform::createWindowSystem();
        m_windowSystem = m_ownWindowSystem.get();
    }
    if (!m_shellOpener) {
        m_ownShellOpener = platform::createShellOpener();
        m_shellOpener = m_ownShellOpener.get();
    }
    loadSettings();
    updateShippedFiles();
    loadPhoneticTables();
    buildControllers();
    connectControllers();
    start();
}

Workbench::~Workbench()
{
    // The controllers work on the window's controls, so they go before it.
    m_settingsLauncher.reset();
    m_utilities.reset();
    m_tableTools.reset();
    m_candidateEditor.reset();
    m_wordBooks.reset();
    m_transfer.reset();
    m_window.reset();
}

void Workbench::loadSettings()
{
    // The defaults first, then the file over them. The start-up keyboard layout stays the user's own: the
    // program never replaces it at the system level.
    m_settings.setDefaults();
    m_settings.setVersionMarkerName(core::versionMarkerName(core::programVersion()));
    QString error;
    if (!m_settings.load(m_folders.settingsFile(), &error))
        QMessageBox::warning(nullptr, QStringLiteral("Pelinor"), error, QMessageBox::Yes);
    m_folders.setCurrentTableFolder(
        m_settings.flag(SettingKey::SysTblFlg) ? m_folders.systemTableFolder() : m_folders.userTableFolder());
}

void Workbench::updateShippedFiles()
{
    // The first start of a version brings the user's copies of the shipped files up to date, as the stored
    // TblOWFlg and NoSampleFlg say.
    QString error;
    core::updateShippedFilesOnNewVersion(m_folders, m_settings.versionMarkerName(),
        m_settings.flag(SettingKey::TblOWFlg), m_settings.flag(SettingKey::NoSampleFlg), &error);
    if (!error.isEmpty())
        reportSystemWriteFailure(error);
}

void Workbench::scanWordBooksAhead()
{
    // The stored mode's script decides the folder the word book list shows at start. It is read while the
    // window is built; the samples a new version brings are in it by now.
    const core::InputModeInfo& mode = core::inputModeInfo(m_inputModes->mode());
    if (mode.hasScript)
        m_wordBookScan.start(m_folders.wordBookFolder(core::scriptInfo(mode.script).folder));
}

void Workbench::loadPhoneticTables()
{
    // The foreign tables depend on the input mode and are loaded by its switch at start.
    m_tables.phonetic().loadTableSet(m_folders.currentTableFolder(), m_settings.text(SettingKey::PhCandFile),
        m_settings.text(SettingKey::PhUDBFile));
}

void Workbench::buildControllers()
{
    m_inputModes = std::make_unique<core::InputModeController>(m_settings, m_folders, m_tables);
    scanWordBooksAhead();
    m_triggerInput = std::make_unique<TriggerKeyInput>(m_tables, m_settings);
    buildSymbolSearch();
    m_window = std::make_unique<TMainFrm>(MainWindowModel{.settings = m_settings,
        .folders = m_folders,
        .tables = m_tables,
        .wordBook = m_wordBook,
        .inputModes = *m_inputModes,
        .triggerInput = *m_triggerInput,
        .shellOpener = *m_shellOpener,
        .symbolSearch = m_symbolSearch.get(),
        .symbolCollections = m_symbolCollections.get()});
    m_transfer
        = std::make_unique<TransferController>(m_settings, m_folders, *m_windowSystem, m_window->transferWidgets());
    // Constructed after the settings file was read: it takes the stored dictionary mode.
    WordBookContext wordBookContext = m_window->wordBookContext();
    wordBookContext.scanAhead = &m_wordBookScan;
    m_wordBooks = std::make_unique<WordBookController>(std::move(wordBookContext));
    // A restart after a saved candidate file closes the main window as a normal exit does.
    m_candidateEditor = std::make_unique<CandidateEditorLauncher>(CandidateEditorContext{
        .settings = m_settings, .folders = m_folders, .mainWindow = m_window.get(), .endProgram = [this] {
            m_window->close();
        }});
    // A saved table takes effect at the next start: the tools end the program as closing the window does.
    m_tableTools = std::make_unique<TableTools>(TableToolsContext{.settings = m_settings,
        .folders = m_folders,
        .shellOpener = *m_shellOpener,
        .mainWindow = m_window.get(),
        .endProgram = [this] { m_window->close(); }});
    buildMenuCommands();
}

void Workbench::buildMenuCommands()
{
    const MainWindowPanels panels = m_window->panels();
    m_utilities = std::make_unique<UtilityCommands>(UtilityCommandsContext{.settings = m_settings,
        .folders = m_folders,
        .shellOpener = *m_shellOpener,
        .inputPanel = panels.inputPanel,
        .mainWindow = m_window.get()});
    // A reset, a removal or changed table files end the program as closing the window does.
    m_settingsLauncher = std::make_unique<SettingsLauncher>(SettingsLauncherContext{.settings = m_settings,
        .folders = m_folders,
        .inputModes = *m_inputModes,
        .inputPanel = panels.inputPanel,
        .fontPanel = panels.fontPanel,
        .keyPanels = panels.keyPanels,
        .wordBooks = *m_wordBooks,
        .transfer = *m_transfer,
        .mainWindow = m_window.get(),
        .endProgram = [this] { m_window->close(); }});
}

void Workbench::buildSymbolSearch()
{
    // The search reads the databases the settings name from the table folder current at its first use.
    m_symbolSearch = std::make_unique<core::SymbolSearchIndex>([this] {
        return core::readSymbolSearchDatabases(
            core::symbolSearchDatabaseNames(m_settings), m_folders.currentTableFolder());
    });
    m_symbolCollections = std::make_unique<core::SymbolCollections>(m_folders.systemFolder());
    QString error;
    if (!m_symbolCollections->load(&error))
        reportSystemWriteFailure(error);
    // Every symbol inserted from a key panel, a candidate window or the library passes through here.
    QObject::connect(m_triggerInput.get(), &TriggerKeyInput::textInserted, m_symbolCollections.get(),
        &core::SymbolCollections::recordInsertion);
    QObject::connect(m_symbolCollections.get(), &core::SymbolCollections::writeFailed, m_symbolCollections.get(),
        [this](const QString& message) { reportSystemWriteFailure(message); });
    QObject::connect(m_inputModes.get(), &core::InputModeController::scriptChanged, m_symbolCollections.get(),
        [this] { m_symbolSearch->invalidate(); });
}

void Workbench::connectControllers()
{
    m_window->connectControllers(*m_transfer, *m_wordBooks);
    QObject::connect(m_inputModes.get(), &core::InputModeController::scriptChanged, m_wordBooks.get(),
        &WordBookController::onScriptChanged);
    QObject::connect(m_window.get(), &TMainFrm::closing, m_window.get(), [this] { shutDown(); });
    QObject::connect(m_window->menus().candidateEditor, &QAction::triggered, m_candidateEditor.get(),
        &CandidateEditorLauncher::open);
    QObject::connect(m_window->menus().symbolDatabase, &QAction::triggered, m_tableTools.get(),
        &TableTools::openSymbolDatabaseEditor);
    QObject::connect(
        m_window->menus().htmlListTool, &QAction::triggered, m_tableTools.get(), &TableTools::openHtmlListTool);
    m_utilities->connectMenus(m_window->menus());
    QObject::connect(
        m_window->menus().settings, &QAction::triggered, m_settingsLauncher.get(), &SettingsLauncher::open);
}

void Workbench::start()
{
    // The one switch to the stored mode lists the script's word books and loads its tables; the stored
    // list layouts and dictionary mode come after it, because a script change leaves dictionary mode.
    m_inputModes->start();
    m_window->applyStoredLayout();
    // Lines the tables had to leave out are shown once start-up has completed.
    QTimer::singleShot(0, m_window.get(), [this] { m_window->reportSkippedTableLines(m_tables.skippedLines()); });
}

void Workbench::shutDown()
{
    m_tables.releaseTables();
    QString symbolsError;
    if (!m_symbolCollections->saveRecent(&symbolsError))
        reportSystemWriteFailure(symbolsError);
    m_wordBooks->clear();
    // A reset asks to keep the settings file away.
    if (m_settings.discardSettings())
        return;
    m_window->storeLiveState();
    QString error;
    if (!m_settings.save(m_folders.settingsFile(), &error))
        reportSystemWriteFailure(error);
}

void Workbench::reportSystemWriteFailure(const QString& message)
{
    if (m_systemWriteFailureShown)
        return;
    m_systemWriteFailureShown = true;
    QWidget* parent = m_window && m_window->isVisible() ? m_window.get() : nullptr;
    QMessageBox::warning(parent, QStringLiteral("Pelinor"), message, QMessageBox::Yes);
}

} // namespace pelinor::ui
