#include "ui/app/tmainfrm.h"

#include "core/app/inputmodes.h"
#include "core/app/shippedfiles.h"
#include "core/app/versionmarker.h"
#include "core/app/windowplacement.h"
#include "core/tables/skippedline.h"
#include "ui/app/commandpanel.h"
#include "ui/app/fontboxes.h"
#include "ui/app/fontpanel.h"
#include "ui/app/keypanelcolumn.h"
#include "ui/common/qtcolours.h"
#include "ui/common/screenplacement.h"
#include "ui/input/phonetickeypanel.h"
#include "ui/input/romajikeypanel.h"
#include "ui/input/screenkeyboard.h"
#include "ui/input/symbollibrarypanel.h"
#include "ui/input/triggerkeyinput.h"
#include "ui/transfer/transfercontroller.h"
#include "platform/shellopener.h"
#include "platform/windowsystem.h"
#include "ui/wordbook/wordbookcontext.h"
#include "ui/wordbook/wordbookcontroller.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace pelinor::ui {

using core::SettingKey;

TMainFrm::TMainFrm(const core::Folders& folders, platform::WindowSystem* windowSystem, QWidget* parent)
    : QMainWindow(parent)
    , m_folders(folders)
    , m_windowSystem(windowSystem)
{
    if (m_windowSystem == nullptr) {
        m_ownWindowSystem = platform::createWindowSystem();
        m_windowSystem = m_ownWindowSystem.get();
    }
    m_shellOpener = platform::createShellOpener();
    setObjectName(QStringLiteral("MainFrm"));
    FormCreate();
}

TMainFrm::~TMainFrm() = default;

void TMainFrm::FormCreate()
{
    // 1. Defaults of every setting and run-time value; this version's marker name. The start-up keyboard
    //    layout is the user's own, which the program never replaces at the system level.
    m_settings.setDefaults();
    m_settings.setVersionMarkerName(core::versionMarkerName(core::programVersion()));

    // 2. The settings file over the defaults; this fixes the current table folder.
    QString error;
    if (!m_settings.load(m_folders.settingsFile(), &error))
        QMessageBox::warning(this, QStringLiteral("Pelinor"), error, QMessageBox::Yes);
    m_folders.setCurrentTableFolder(
        m_settings.flag(SettingKey::SysTblFlg) ? m_folders.systemTableFolder() : m_folders.userTableFolder());

    // 3. First start of this version: bring the user's copies of the shipped files up to date. The stored
    //    TblOWFlg and NoSampleFlg decide how.
    error.clear();
    core::updateShippedFilesOnNewVersion(m_folders, m_settings.versionMarkerName(),
        m_settings.flag(SettingKey::TblOWFlg), m_settings.flag(SettingKey::NoSampleFlg), &error);
    if (!error.isEmpty())
        reportSystemWriteFailure(error);

    // 4. The phonetic tables.
    m_tables.phonetic().loadTableSet(m_folders.currentTableFolder(), m_settings.text(SettingKey::PhCandFile),
        m_settings.text(SettingKey::PhUDBFile));
    // 5. The foreign-language tables of the stored current table files.
    m_tables.foreign().loadTableSet(m_folders.currentTableFolder(), m_settings.text(SettingKey::GaCandFile),
        m_settings.text(SettingKey::GaUDBFile));

    // 6. The window's controls from the settings.
    buildActions();
    buildWindow();
    SetUpMainWindow();

    // 7. The function-key bar.
    BuildFunctionKeyBar();
    m_triggerInput = new TriggerKeyInput(m_tables, m_settings, this);
    m_transfer = new TransferController(m_settings, m_folders, *m_windowSystem,
                                        TransferWidgets{m_foreignArea, m_phoneticArea, m_commandPanel->indicator(),
                                                        m_commandPanel->autoPasteBox(),
                                                        m_commandPanel->modeDisplay(), this},
                                        this);

    // 8. The romaji key panel of the foreign-language script.
    m_romajiPanel = new RomajiKeyPanel(m_settings);
    m_romajiPanel->setReplacementTarget(m_foreignArea);
    m_keyPanels->setPageWidget(KeyPanelColumn::RomajiPage, m_romajiPanel);
    // 9. The on-screen keyboards.
    m_screenKeyboard = new ScreenKeyboard(m_tables.foreign());
    m_keyPanels->setPageWidget(KeyPanelColumn::KeyboardPage, m_screenKeyboard);
    buildScreenKeyboard();
    // 10. The phonetic-symbol key panel.
    m_phoneticPanel = new PhoneticKeyPanel(m_settings);
    m_keyPanels->setPageWidget(KeyPanelColumn::PhoneticPage, m_phoneticPanel);
    m_phoneticPanel->rebuild(m_tables.phonetic());

    // 11. The symbol library.
    m_symbolLibrary = new SymbolLibraryPanel(m_settings, m_folders, m_lowerTabs->widget(1));
    connect(m_symbolLibrary, &SymbolLibraryPanel::symbolChosen, this, &TMainFrm::insertIntoForeignArea);

    // 12. The word book list of the current word book folder.
    m_wordBooks = new WordBookController(
        WordBookContext{.settings = m_settings,
                        .folders = m_folders,
                        .wordBook = m_wordBook,
                        .menus = m_menus,
                        .titlePanel = m_statusPanels[0],
                        .folderPanel = m_statusPanels[1],
                        .phoneticArea = m_phoneticArea,
                        .foreignArea = m_foreignArea,
                        .page = m_lowerTabs->widget(0),
                        .mainWindow = this,
                        .openFile = [this](const QString& path) { return openFile(path); }},
        this);
    m_wordBooks->ListWordBooks();

    // 13. The stored input mode and list layout.
    ApplyStoredMode();
    wireControls();
    connectKeyInput();

    // Lines the tables had to leave out are shown once start-up has completed.
    QTimer::singleShot(0, this, [this] { reportSkippedTableLines(m_tables.skippedLines()); });
}

void TMainFrm::loadForeignTables()
{
    m_tables.foreign().loadTableSet(m_folders.currentTableFolder(), m_settings.text(SettingKey::GaCandFile),
        m_settings.text(SettingKey::GaUDBFile));
}

void TMainFrm::reportSkippedTableLines(const QList<core::SkippedLine>& skipped)
{
    if (!skipped.isEmpty())
        QMessageBox::warning(this, QStringLiteral("Pelinor"), core::skippedLinesMessage(skipped), QMessageBox::Yes);
}

void TMainFrm::buildActions()
{
    struct Command {
        QAction** action;
        const char* caption;
        const char* hint;
        QKeySequence key;
    };
    const Command commands[] = {
        {&m_exitAction, "閉る", nullptr, {}},
        {&m_clearAction, "ｸﾘｱ", "F2キー", QKeySequence(Qt::Key_F2)},
        {&m_registerAction, "登録", "F4キー", QKeySequence(Qt::Key_F4)},
        {&m_modifyAction, "編集", "F5キー", QKeySequence(Qt::Key_F5)},
        {&m_searchAction, "検索", "F6キー", QKeySequence(Qt::Key_F6)},
        {&m_padAction, "PAD", "F7キー", QKeySequence(Qt::Key_F7)},
        {&m_optionAction, "設定", "F8キー", QKeySequence(Qt::Key_F8)},
        {&m_transferAction, "転送", "F9キー", QKeySequence(Qt::Key_F9)},
    };
    for (const Command& c : commands) {
        // The command bar gives the actions their pictures.
        auto* action = new QAction(tr(c.caption), this);
        if (c.hint)
            action->setToolTip(tr(c.hint));
        action->setShortcut(c.key);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        *c.action = action;
    }
    m_exitAction->setObjectName(QStringLiteral("Exit"));
    m_clearAction->setObjectName(QStringLiteral("AreaClear"));
    m_registerAction->setObjectName(QStringLiteral("RegWord"));
    m_modifyAction->setObjectName(QStringLiteral("ModWord"));
    m_searchAction->setObjectName(QStringLiteral("SearchWord"));
    m_padAction->setObjectName(QStringLiteral("PadMode"));
    m_optionAction->setObjectName(QStringLiteral("Option"));
    m_transferAction->setObjectName(QStringLiteral("TransferTxt1"));

    m_focusSwitchAction = new QAction(this);
    m_focusSwitchAction->setShortcut(QKeySequence(Qt::Key_F1));
    m_focusSwitchAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_focusSwitchAction);

    // The windows behind these commands are not part of the program yet.
    for (QAction* pending : {m_searchAction, m_optionAction})
        pending->setEnabled(false);
}

void TMainFrm::buildWindow()
{
    m_menus = MainMenus::build(menuBar());

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTopBar());

    m_middleSplitter = new QSplitter(Qt::Horizontal);
    m_middleSplitter->setObjectName(QStringLiteral("MiddleSplitter"));
    m_middleSplitter->setHandleWidth(8);
    m_middleSplitter->setChildrenCollapsible(false);
    m_middleSplitter->addWidget(buildInputPanel());
    m_keyPanels = new KeyPanelColumn;
    m_middleSplitter->addWidget(m_keyPanels);
    m_middleSplitter->setStretchFactor(0, 1);
    m_middleSplitter->setStretchFactor(1, 0);

    m_lowerTabs = new QTabWidget;
    m_lowerTabs->setObjectName(QStringLiteral("LowerTabs"));
    m_lowerTabs->setMinimumHeight(80);
    for (const char* name : {"WordListPage", "SymbolLibraryPage"}) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(name));
        m_lowerTabs->addTab(page, QString());
    }
    m_lowerTabs->setTabText(0, tr("単語リスト"));
    m_lowerTabs->setTabText(1, tr("記号奥の手"));

    m_verticalSplitter = new QSplitter(Qt::Vertical);
    m_verticalSplitter->setObjectName(QStringLiteral("VerticalSplitter"));
    m_verticalSplitter->setHandleWidth(8);
    m_verticalSplitter->setChildrenCollapsible(false);
    m_verticalSplitter->addWidget(m_middleSplitter);
    m_verticalSplitter->addWidget(m_lowerTabs);
    layout->addWidget(m_verticalSplitter, 1);
    setCentralWidget(central);

    QFont statusFont(QStringLiteral("ＭＳ Ｐゴシック"));
    statusFont.setPixelSize(12);
    for (size_t i = 0; i < m_statusPanels.size(); ++i) {
        auto* panel = new QLabel;
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        panel->setFixedWidth(i == 0 ? 250 : 480);
        panel->setFont(statusFont);
        statusBar()->addWidget(panel);
        m_statusPanels[i] = panel;
    }
}

QWidget* TMainFrm::buildTopBar()
{
    m_commandPanel = new CommandPanel(
        {m_exitAction, m_clearAction, m_registerAction, m_modifyAction, m_searchAction, m_padAction, m_optionAction},
        m_transferAction);
    m_fontPanel = new FontPanel;

    auto* stretchPanel = new QWidget;
    stretchPanel->setObjectName(QStringLiteral("UnderStretchPanel"));
    auto* stretchLayout = new QHBoxLayout(stretchPanel);
    stretchLayout->setContentsMargins(6, 0, 6, 0);
    auto* stretchLabel = new QLabel(tr("下伸び"));
    m_underStretchBox = new QCheckBox;
    m_underStretchBox->setObjectName(QStringLiteral("UnderStretchBox"));
    m_underStretchBox->setAccessibleName(tr("下伸び"));
    stretchLabel->setBuddy(m_underStretchBox);
    stretchLayout->addWidget(stretchLabel);
    stretchLayout->addWidget(m_underStretchBox);
    stretchLayout->addStretch(1);

    m_topSplitter = new QSplitter(Qt::Horizontal);
    m_topSplitter->setObjectName(QStringLiteral("TopSplitter"));
    m_topSplitter->setHandleWidth(5);
    m_topSplitter->setChildrenCollapsible(false);
    m_topSplitter->setFixedHeight(66);
    m_topSplitter->addWidget(m_commandPanel);
    m_topSplitter->addWidget(m_fontPanel);
    m_topSplitter->addWidget(stretchPanel);
    m_topSplitter->setStretchFactor(0, 0);
    m_topSplitter->setStretchFactor(1, 0);
    m_topSplitter->setStretchFactor(2, 1);
    return m_topSplitter;
}

QWidget* TMainFrm::buildInputPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("InputPanel"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_phoneticArea = new QLineEdit(panel);
    m_phoneticArea->setObjectName(QStringLiteral("PhoneticArea"));
    m_phoneticArea->setAccessibleName(tr("発音記号"));
    m_phoneticArea->setMinimumHeight(24);
    m_phoneticArea->installEventFilter(this);

    m_foreignArea = new QPlainTextEdit(panel);
    m_foreignArea->setObjectName(QStringLiteral("ForeignArea"));
    m_foreignArea->setAccessibleName(tr("外国語"));
    m_foreignArea->installEventFilter(this);

    layout->addWidget(m_phoneticArea);
    layout->addWidget(m_foreignArea, 1);
    return panel;
}

void TMainFrm::SetUpMainWindow()
{
    setWindowTitle(QStringLiteral("Pelinor"));
    setMinimumSize(core::kMainWindowMinimumSize);
    QFont windowFont(QStringLiteral("ＭＳ Ｐゴシック"));
    windowFont.setPixelSize(16);
    setFont(windowFont);

    // 1.-2. The layout menu and the keyboard page.
    m_menus.russianTypewriter->setText(tr("ロシア語 (ﾀｲﾌﾟﾗｲﾀ)"));
    m_menus.russianStandard->setText(tr("ロシア語"));
    captionKeyboardPage(false);
    // 3. The transfer-mode display.
    ShowTransferMode();
    // 5. The check boxes.
    m_commandPanel->autoPasteBox()->setChecked(m_settings.flag(SettingKey::AutoPasteFlg));
    m_underStretchBox->setChecked(m_settings.flag(SettingKey::UnderStretchFlg));
    applyUnderStretch(m_underStretchBox->isChecked());
    // 6. The foreign transfer-mode items.
    captionTransferModeItems();
    // 7.-8. Font and size boxes.
    QComboBox* fontBox = m_fontPanel->fontBox();
    FillFontBox(fontBox, m_settings.integer(SettingKey::FontMode), m_settings.scriptCharset());
    if (!SelectFontInBox(fontBox, m_settings.text(SettingKey::UsrMainFont)))
        fontBox->setEditText(QStringLiteral("Times New Roman"));
    QComboBox* sizeBox = m_fontPanel->sizeBox();
    FillSizeBox(sizeBox, 9, 60);
    sizeBox->setEditText(QString::number(m_settings.integer(SettingKey::UsrMainFontSize)));

    // 13. The phonetic input area.
    const bool fixedSizes = m_settings.flag(SettingKey::DispFSizeLockFlg);
    m_phoneticArea->clear();
    QFont phoneticFont(m_settings.text(SettingKey::UsrSubFont));
    phoneticFont.setPointSize(m_settings.integer(fixedSizes ? SettingKey::DispSubFSize : SettingKey::UsrSubFontSize));
    m_phoneticArea->setFont(phoneticFont);
    QPalette palette = m_phoneticArea->palette();
    palette.setColor(QPalette::Base, toQColor(m_settings.phoneticAreaColour()));
    m_phoneticArea->setPalette(palette);
    m_phoneticArea->setPlaceholderText(tr("< 発音記号 >"));
    m_phoneticArea->setAttribute(Qt::WA_InputMethodEnabled, false);

    // 14. The foreign-language input area.
    m_foreignArea->clear();
    QFont foreignFont(m_settings.text(SettingKey::UsrMainFont));
    foreignFont.setPointSize(m_settings.integer(fixedSizes ? SettingKey::DispMainFSize : SettingKey::UsrMainFontSize));
    m_foreignArea->setFont(foreignFont);
    m_foreignArea->setAttribute(Qt::WA_InputMethodEnabled, false);
    const Qt::ScrollBarPolicy bars
        = m_settings.flag(SettingKey::ScroBarsFlg) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    m_foreignArea->setHorizontalScrollBarPolicy(bars);
    m_foreignArea->setVerticalScrollBarPolicy(bars);
    m_foreignArea->setLineWrapMode(
        m_settings.flag(SettingKey::WordWrapFlg) ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    // 15. The lower tab area's height and the font panel's width are applied once the window has its
    //     size (applyStoredSplits).
}

void TMainFrm::BuildFunctionKeyBar()
{
    // The buttons are part of the command panel; the keys reach the window before any control.
    for (int i = 0; i < CommandPanel::kButtonCount; ++i)
        m_commandPanel->button(i)->setObjectName(
            m_commandPanel->button(i)->defaultAction()->objectName() + QStringLiteral("Button"));
}

void TMainFrm::ApplyStoredMode()
{
    // 1.-2. The stored mode, shown in the box without running the box's own rule.
    const int mode = m_settings.integer(SettingKey::InputMode);
    {
        const QSignalBlocker blocker(m_fontPanel->inputModeBox());
        m_fontPanel->inputModeBox()->setCurrentIndex(core::inputMode(mode).mode - 1);
    }
    SwitchInputMode(mode);
    // 3.-4., 6. The word list's columns, row height and direction, and the dictionary folder.
    m_wordBooks->applyStoredLayout();
    // 5. The symbol library's default category and layout.
    m_symbolLibrary->selectDefaultCategory();
    m_symbolLibrary->relayout();
    // 7. The word list page is shown.
    m_lowerTabs->setCurrentIndex(0);
}

void TMainFrm::applyStoredSplits()
{
    if (m_splitsApplied)
        return;
    m_splitsApplied = true;
    // Layouts still waiting to run (the status bar's, among others) would otherwise take their room from
    // the splitters after the stored sizes are set, and the smaller sizes would be stored at exit.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const int fontPanelWidth = std::max(193, m_settings.integer(SettingKey::FontPanelWidth));
    const int topTotal = m_topSplitter->width() - 2 * m_topSplitter->handleWidth();
    const int commandWidth = m_commandPanel->width();
    m_topSplitter->setSizes({commandWidth, fontPanelWidth, std::max(0, topTotal - commandWidth - fontPanelWidth)});

    const int underHeight = std::max(80, m_settings.integer(SettingKey::UnderHeight));
    const int total = m_verticalSplitter->height() - m_verticalSplitter->handleWidth();
    m_verticalSplitter->setSizes({std::max(0, total - underHeight), underHeight});

    const int middleTotal = m_middleSplitter->width() - m_middleSplitter->handleWidth();
    m_middleSplitter->setSizes({std::max(0, middleTotal - 385), 385});
}

void TMainFrm::applyUnderStretch(bool on)
{
    // On: the input panel keeps its height and the lower tab area takes what the window gains; off: the
    // other way round.
    m_verticalSplitter->setStretchFactor(0, on ? 0 : 1);
    m_verticalSplitter->setStretchFactor(1, on ? 1 : 0);
    m_settings.setFlag(SettingKey::UnderStretchFlg, on);
}

void TMainFrm::PlaceMainWindow()
{
    setWindowTitle(QStringLiteral("Pelinor"));
    const core::MainRect stored = m_settings.mainRect();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize(1024, 768);
    const QRect placed = core::mainWindowPlacement(stored.left, stored.top, stored.right, stored.bottom, screenSize);
    setGeometry(placedOnScreens(this, placed));
    m_foreignArea->setFocus();
}

void TMainFrm::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        PlaceMainWindow();
        // The splitters know their sizes once the layout has run for the placed geometry.
        QTimer::singleShot(0, this, [this] { applyStoredSplits(); });
    }
    QMainWindow::showEvent(event);
}

void TMainFrm::closeEvent(QCloseEvent* event)
{
    if (!m_closed) {
        m_closed = true;
        FormClose();
    }
    QMainWindow::closeEvent(event);
}

void TMainFrm::FormClose()
{
    // 1. The four tables of the input engine.
    m_tables.releaseTables();
    // 2. The word list.
    m_wordBooks->clear();
    // 3. The start-up keyboard layout is the user's own and was never replaced at the system level.
    // 4. The settings file, unless a reset asked to keep it away.
    if (m_settings.discardSettings())
        return;
    storeLiveState();
    QString error;
    if (!m_settings.save(m_folders.settingsFile(), &error))
        reportSystemWriteFailure(error);
}

void TMainFrm::storeLiveState()
{
    if (!m_placed)
        return; // never shown: the stored layout values stand as they are
    // The client area is stored and restored, so that window frames and decorations never make the
    // window creep from one run to the next.
    const QRect rect = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    m_settings.setMainGeometry(rect.x(), rect.y(), rect.width(), rect.height());
    m_wordBooks->storeLiveState();
    if (m_splitsApplied) {
        m_settings.setInteger(SettingKey::UnderHeight, m_lowerTabs->height());
        m_settings.setInteger(SettingKey::FontPanelWidth, m_fontPanel->width());
    }
}

void TMainFrm::reportSystemWriteFailure(const QString& message)
{
    if (m_systemWriteFailureShown)
        return;
    m_systemWriteFailureShown = true;
    QMessageBox::warning(isVisible() ? this : nullptr, QStringLiteral("Pelinor"), message, QMessageBox::Yes);
}

} // namespace pelinor::ui
