#include "ui/app/tmainfrm.h"

#include "core/app/inputmodecontroller.h"
#include "core/app/settings.h"
#include "core/app/windowplacement.h"
#include "platform/shellopener.h"
#include "ui/app/commandpanel.h"
#include "ui/app/fontpanel.h"
#include "ui/app/inputpanel.h"
#include "ui/app/keypanelcolumn.h"
#include "ui/app/keypanelcontroller.h"
#include "ui/app/mainsplitters.h"
#include "ui/common/fontfamilies.h"
#include "ui/common/screenplacement.h"
#include "ui/input/scriptkeytranslator.h"
#include "ui/input/symbollibrarypanel.h"
#include "ui/wordbook/wordbookcontroller.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
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

TMainFrm::TMainFrm(const MainWindowModel& model, QWidget* parent)
    : QMainWindow(parent)
    , m_settings(model.settings)
    , m_folders(model.folders)
    , m_tables(model.tables)
    , m_wordBook(model.wordBook)
    , m_inputModes(model.inputModes)
    , m_triggerInput(model.triggerInput)
    , m_symbolSearch(model.symbolSearch)
    , m_symbolCollections(model.symbolCollections)
    , m_shellOpener(model.shellOpener)
    , m_scriptKeys(std::make_unique<ScriptKeyTranslator>(model.triggerInput))
{
    setObjectName(QStringLiteral("MainFrm"));
    // The window's font comes first and every panel is made inside the window, so that each control is
    // measured once, in the font it shows, instead of in the application's font and again when it
    // moves into the window.
    QFont windowFont = fontOfFamily(QStringLiteral("ＭＳ Ｐゴシック"));
    windowFont.setPixelSize(16);
    setFont(windowFont);
    m_actions = MainActions::build(this);
    buildWindow();
    setUpMainWindow();
    followInputModes();
}

TMainFrm::~TMainFrm() = default;

void TMainFrm::buildWindow()
{
    m_menus = MainMenus::build(menuBar());
    auto* central = new QWidget(this);
    QWidget* stretchPanel = buildTopBar(central);
    m_inputPanel = new InputPanel(m_settings, central);
    m_phoneticArea = m_inputPanel->phoneticArea();
    m_foreignArea = m_inputPanel->foreignArea();
    // Keys in the areas reach the on-screen keyboard, and their focus the transfer mode (AutoTransFlg).
    m_phoneticArea->installEventFilter(this);
    m_foreignArea->installEventFilter(this);
    m_keyPanelColumn = new KeyPanelColumn(central);
    m_keyPanels = new KeyPanelController(*m_keyPanelColumn, m_settings, m_tables, m_inputModes, m_triggerInput,
        *m_scriptKeys, m_phoneticArea, m_foreignArea, this);
    buildLowerPages(central);
    m_splitters = std::make_unique<MainSplitters>(
        m_commandPanel, m_fontPanel, stretchPanel, m_inputPanel, m_keyPanelColumn, m_lowerTabs, central);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_splitters->topBar());
    layout->addWidget(m_splitters->main(), 1);
    setCentralWidget(central);
    buildStatusBar();
}

QWidget* TMainFrm::buildTopBar(QWidget* central)
{
    m_commandPanel = new CommandPanel({m_actions.exit, m_actions.clear, m_actions.registerWord, m_actions.modifyWord,
                                          m_actions.search, m_actions.pad, m_actions.option},
        m_actions.transfer, central);
    // The buttons are named after their commands, so that they can be found as what they do.
    for (int i = 0; i < CommandPanel::kButtonCount; ++i)
        m_commandPanel->button(i)->setObjectName(
            m_commandPanel->button(i)->defaultAction()->objectName() + QStringLiteral("Button"));
    m_fontPanel = new FontPanel(central);

    auto* stretchPanel = new QWidget(central);
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
    return stretchPanel;
}

void TMainFrm::buildLowerPages(QWidget* central)
{
    m_lowerTabs = new QTabWidget(central);
    m_lowerTabs->setObjectName(QStringLiteral("LowerTabs"));
    m_lowerTabs->setMinimumHeight(80);
    for (const char* name : {"WordListPage", "SymbolLibraryPage"}) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(name));
        m_lowerTabs->addTab(page, QString());
    }
    m_lowerTabs->setTabText(0, tr("単語リスト"));
    m_lowerTabs->setTabText(1, tr("記号奥の手"));
    m_symbolLibrary = new SymbolLibraryPanel(m_settings, m_folders, m_lowerTabs->widget(1));
    m_symbolLibrary->setSymbolSearch(m_symbolSearch, m_symbolCollections);
    // The search needs room that the library's own rows do not have at the default size.
    m_lowerTabs->setCornerWidget(m_symbolLibrary->searchBar(), Qt::TopRightCorner);
    connect(m_symbolLibrary, &SymbolLibraryPanel::searchShown, m_lowerTabs,
        [this] { m_lowerTabs->setCurrentWidget(m_symbolLibrary->parentWidget()); });
}

void TMainFrm::buildStatusBar()
{
    QFont statusFont = fontOfFamily(QStringLiteral("ＭＳ Ｐゴシック"));
    statusFont.setPixelSize(12);
    const char* names[] = {"TitleStatusPanel", "FolderStatusPanel"};
    for (size_t i = 0; i < m_statusPanels.size(); ++i) {
        auto* panel = new QLabel;
        panel->setObjectName(QString::fromLatin1(names[i]));
        panel->setFixedWidth(i == 0 ? 250 : 480);
        panel->setFont(statusFont);
        statusBar()->addWidget(panel);
        m_statusPanels[i] = panel;
    }
}

void TMainFrm::setUpMainWindow()
{
    setWindowTitle(QStringLiteral("Pelinor"));
    setMinimumSize(core::kMainWindowMinimumSize);

    m_menus.russianTypewriter->setText(tr("ロシア語 (ﾀｲﾌﾟﾗｲﾀ)"));
    m_menus.russianStandard->setText(tr("ロシア語"));
    m_underStretchBox->setChecked(m_settings.flag(SettingKey::UnderStretchFlg));
    m_splitters->applyUnderStretch(m_underStretchBox->isChecked(), m_settings);
    m_fontPanel->fillFromSettings(m_settings);
    // The lower tab area's height and the font panel's width wait until the window has its size.
}

TransferWidgets TMainFrm::transferWidgets()
{
    return TransferWidgets{m_foreignArea, m_phoneticArea, m_commandPanel->indicator(), m_commandPanel->autoPasteBox(),
        m_commandPanel->modeDisplay(), this};
}

WordBookContext TMainFrm::wordBookContext()
{
    return WordBookContext{.settings = m_settings,
        .folders = m_folders,
        .wordBook = m_wordBook,
        .shellOpener = m_shellOpener,
        .titlePanel = m_statusPanels[0],
        .folderPanel = m_statusPanels[1],
        .phoneticArea = m_phoneticArea,
        .foreignArea = m_foreignArea,
        .page = m_lowerTabs->widget(0),
        .mainWindow = this};
}

MainWindowPanels TMainFrm::panels()
{
    return MainWindowPanels{*m_inputPanel, *m_fontPanel, *m_keyPanels};
}

void TMainFrm::applyStoredLayout()
{
    m_wordBooks->applyStoredLayout();
    m_symbolLibrary->selectDefaultCategory();
    m_symbolLibrary->relayout();
    m_lowerTabs->setCurrentIndex(0);
}

void TMainFrm::reportSkippedTableLines(const QList<core::SkippedLine>& skipped)
{
    if (!skipped.isEmpty())
        QMessageBox::warning(this, QStringLiteral("Pelinor"), core::skippedLinesMessage(skipped), QMessageBox::Yes);
}

void TMainFrm::placeMainWindow()
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
        placeMainWindow();
        // The splitters know their sizes once the layout has run for the placed geometry.
        QTimer::singleShot(0, this, [this] { m_splitters->applyStoredSizes(m_settings); });
    }
    QMainWindow::showEvent(event);
}

void TMainFrm::closeEvent(QCloseEvent* event)
{
    if (!m_closed) {
        m_closed = true;
        Q_EMIT closing();
    }
    QMainWindow::closeEvent(event);
}

void TMainFrm::storeLiveState()
{
    if (!m_placed)
        return;
    // The client area is stored and restored, so that window frames and decorations never make the
    // window creep from one run to the next.
    const QRect rect = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    m_settings.setMainGeometry(rect.x(), rect.y(), rect.width(), rect.height());
    m_wordBooks->storeLiveState();
    m_splitters->storeSizes(m_settings);
}

} // namespace pelinor::ui
