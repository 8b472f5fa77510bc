#include "ui/app/tmainfrm.h"

#include "core/app/inputmodecontroller.h"
#include "core/app/settings.h"
#include "core/app/windowplacement.h"
#include "platform/shellopener.h"
#include "ui/app/commandpanel.h"
#include "ui/app/fontboxes.h"
#include "ui/app/fontpanel.h"
#include "ui/app/keypanelcolumn.h"
#include "ui/app/keypanelcontroller.h"
#include "ui/common/qtcolours.h"
#include "ui/common/screenplacement.h"
#include "ui/input/scriptkeytranslator.h"
#include "ui/input/symbollibrarypanel.h"
#include "ui/wordbook/wordbookcontroller.h"

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

TMainFrm::TMainFrm(const MainWindowModel& model, QWidget* parent)
    : QMainWindow(parent)
    , m_settings(model.settings)
    , m_folders(model.folders)
    , m_tables(model.tables)
    , m_wordBook(model.wordBook)
    , m_inputModes(model.inputModes)
    , m_triggerInput(model.triggerInput)
    , m_shellOpener(model.shellOpener)
    , m_scriptKeys(std::make_unique<ScriptKeyTranslator>(model.triggerInput))
{
    setObjectName(QStringLiteral("MainFrm"));
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
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTopBar());

    m_middleSplitter = new QSplitter(Qt::Horizontal);
    m_middleSplitter->setObjectName(QStringLiteral("MiddleSplitter"));
    m_middleSplitter->setHandleWidth(8);
    m_middleSplitter->setChildrenCollapsible(false);
    m_middleSplitter->addWidget(buildInputPanel());
    m_keyPanelColumn = new KeyPanelColumn;
    m_middleSplitter->addWidget(m_keyPanelColumn);
    m_middleSplitter->setStretchFactor(0, 1);
    m_middleSplitter->setStretchFactor(1, 0);
    m_keyPanels = new KeyPanelController(*m_keyPanelColumn, m_settings, m_tables, m_inputModes, m_triggerInput,
        *m_scriptKeys, m_phoneticArea, m_foreignArea, this);

    buildLowerPages();
    m_verticalSplitter = new QSplitter(Qt::Vertical);
    m_verticalSplitter->setObjectName(QStringLiteral("VerticalSplitter"));
    m_verticalSplitter->setHandleWidth(8);
    m_verticalSplitter->setChildrenCollapsible(false);
    m_verticalSplitter->addWidget(m_middleSplitter);
    m_verticalSplitter->addWidget(m_lowerTabs);
    layout->addWidget(m_verticalSplitter, 1);
    setCentralWidget(central);
    buildStatusBar();
}

QWidget* TMainFrm::buildTopBar()
{
    m_commandPanel = new CommandPanel({m_actions.exit, m_actions.clear, m_actions.registerWord, m_actions.modifyWord,
                                          m_actions.search, m_actions.pad, m_actions.option},
        m_actions.transfer);
    // The buttons are named after their commands, so that they can be found as what they do.
    for (int i = 0; i < CommandPanel::kButtonCount; ++i)
        m_commandPanel->button(i)->setObjectName(
            m_commandPanel->button(i)->defaultAction()->objectName() + QStringLiteral("Button"));
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

void TMainFrm::buildLowerPages()
{
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
    m_symbolLibrary = new SymbolLibraryPanel(m_settings, m_folders, m_lowerTabs->widget(1));
}

void TMainFrm::buildStatusBar()
{
    QFont statusFont(QStringLiteral("ＭＳ Ｐゴシック"));
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
    QFont windowFont(QStringLiteral("ＭＳ Ｐゴシック"));
    windowFont.setPixelSize(16);
    setFont(windowFont);

    m_menus.russianTypewriter->setText(tr("ロシア語 (ﾀｲﾌﾟﾗｲﾀ)"));
    m_menus.russianStandard->setText(tr("ロシア語"));
    m_underStretchBox->setChecked(m_settings.flag(SettingKey::UnderStretchFlg));
    applyUnderStretch(m_underStretchBox->isChecked());
    captionTransferModeItems();
    setUpFontBoxes();
    setUpInputAreas();
    // The lower tab area's height and the font panel's width wait until the window has its size
    // (applyStoredSplits).
}

void TMainFrm::setUpFontBoxes()
{
    QComboBox* fontBox = m_fontPanel->fontBox();
    fillFontBox(fontBox, m_settings.integer(SettingKey::FontMode), m_settings.scriptCharset());
    if (!selectFontInBox(fontBox, m_settings.text(SettingKey::UsrMainFont)))
        fontBox->setEditText(QStringLiteral("Times New Roman"));
    QComboBox* sizeBox = m_fontPanel->sizeBox();
    fillSizeBox(sizeBox, 9, 60);
    sizeBox->setEditText(QString::number(m_settings.integer(SettingKey::UsrMainFontSize)));
}

void TMainFrm::setUpInputAreas()
{
    const bool fixedSizes = m_settings.flag(SettingKey::DispFSizeLockFlg);
    QFont phoneticFont(m_settings.text(SettingKey::UsrSubFont));
    phoneticFont.setPointSize(m_settings.integer(fixedSizes ? SettingKey::DispSubFSize : SettingKey::UsrSubFontSize));
    m_phoneticArea->setFont(phoneticFont);
    QPalette palette = m_phoneticArea->palette();
    palette.setColor(QPalette::Base, toQColor(m_settings.phoneticAreaColour()));
    m_phoneticArea->setPalette(palette);
    m_phoneticArea->setPlaceholderText(tr("< 発音記号 >"));
    m_phoneticArea->setAttribute(Qt::WA_InputMethodEnabled, false);

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
        .menus = m_menus,
        .titlePanel = m_statusPanels[0],
        .folderPanel = m_statusPanels[1],
        .phoneticArea = m_phoneticArea,
        .foreignArea = m_foreignArea,
        .page = m_lowerTabs->widget(0),
        .mainWindow = this,
        .openFile = [this](const QString& path) { return m_shellOpener.openFile(path); }};
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
        QTimer::singleShot(0, this, [this] { applyStoredSplits(); });
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
    if (m_splitsApplied) {
        m_settings.setInteger(SettingKey::UnderHeight, m_lowerTabs->height());
        m_settings.setInteger(SettingKey::FontPanelWidth, m_fontPanel->width());
    }
}

} // namespace pelinor::ui
