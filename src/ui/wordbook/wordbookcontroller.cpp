#include "ui/wordbook/wordbookcontroller.h"

#include "core/app/folders.h"
#include "core/app/inputmodes.h"
#include "core/app/settings.h"
#include "core/wordbook/wordbook.h"
#include "core/wordbook/wordbookescapes.h"
#include "core/wordbook/wordbookrow.h"
#include "core/wordbook/wordbookscanahead.h"
#include "core/wordbook/wordsearch.h"
#include "platform/shellopener.h"
#include "ui/wordbook/tsearchfrm.h"
#include "ui/wordbook/wordbooklistmodel.h"
#include "ui/wordbook/wordbookmanagement.h"
#include "ui/wordbook/wordbookmessages.h"
#include "ui/wordbook/wordbookpanel.h"
#include "ui/wordbook/wordentrydialog.h"
#include "ui/wordbook/wordentrydialogs.h"
#include "ui/wordbook/wordlistdelegate.h"
#include "ui/wordbook/wordlistpresenter.h"
#include "ui/wordbook/wordlistview.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

namespace pelinor::ui {

namespace {

constexpr int kSplitterHandleWidth = 8;

// A folder path as a menu caption: no access keys.
QString menuCaption(const QString& text)
{
    QString caption = text;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

} // namespace

WordBookController::WordBookController(WordBookContext context, QObject* parent)
    : QObject(parent)
    , m_context(std::move(context))
    , m_folders(m_context.folders, m_context.settings)
{
    Q_ASSERT(m_context.page && m_context.phoneticArea && m_context.foreignArea);
    buildCommands();
    buildPage();
    buildContextMenus();
    wireControls();
    updateMenuStates();
    m_wordList->applySettings();
    setCommandStates(CommandState::Start);
}

WordBookController::~WordBookController() = default;

void WordBookController::buildCommands()
{
    const auto command = [this](const char* text, const char* objectName) {
        auto* action = new QAction(tr(text), this);
        action->setObjectName(QLatin1StringView(objectName));
        return action;
    };
    Commands& c = m_commands;
    c.newWordBook = command("単語帳の新規作成", "WordBookNew");
    c.properties = command("単語帳のプロパティ変更", "WordBookProperties");
    c.deleteWordBook = command("単語帳の削除", "WordBookDelete");
    c.editGroupNames = command("グループ名編集", "WordBookGroups");
    c.createDictionaryFiles = command("一括辞書ファイル生成", "WordBookDictionaryFiles");
    c.playWithMediaPlayer = command("音声ファイルをWMPで再生する", "WordBookMediaPlayer");
    c.playWithMediaPlayer->setCheckable(true);
    c.search = command("単語帳検索", "WordBookSearch");
    c.moveWord = command("単語移動", "WordMove");
    c.jump = command("ジャンプ (&J)", "WordJump");
    c.deleteWord = command("単語削除", "WordDelete");
    c.closeWordBook = command("単語帳を閉じる", "WordBookClose");
}

QAction* WordBookController::makeSeparator()
{
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    return separator;
}

void WordBookController::buildPage()
{
    auto* layout = new QHBoxLayout(m_context.page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_splitter = new QSplitter(Qt::Horizontal, m_context.page);
    m_splitter->setObjectName(QStringLiteral("WordBookSplitter"));
    m_splitter->setAccessibleName(tr("単語リスト"));
    m_splitter->setHandleWidth(kSplitterHandleWidth);
    m_splitter->setChildrenCollapsible(false);
    layout->addWidget(m_splitter);

    m_wordList = new WordListPresenter(m_context, m_splitter, this);
    m_dialogs = new WordEntryDialogs(m_context, *m_wordList, this);
    m_management = new WordBookManagement(m_context, *this, this);

    m_bookListModel = new WordBookListModel(this);
    m_panel = new WordBookPanel(m_bookListModel, m_splitter);
    m_panel->setMinimumWidth(1);
    m_panel->autoDoorBox()->setChecked(m_context.settings.flag(core::SettingKey::AutoDoorFlg));
    m_panel->setDirectionLabels(m_context.settings.foreignFirstLabel(), m_context.settings.japaneseFirstLabel());
    const bool foreignFirst = m_context.settings.flag(core::SettingKey::EiwaFlg);
    m_panel->foreignFirstButton()->setChecked(foreignFirst);
    m_panel->japaneseFirstButton()->setChecked(!foreignFirst);

    m_splitter->addWidget(m_wordList->view());
    m_splitter->addWidget(m_panel);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setSizes({qMax(1, m_context.page->width() - WordBookPanel::kOpenWidth - kSplitterHandleWidth),
        WordBookPanel::kOpenWidth});

    m_folderMenu = new QMenu(m_panel);
    m_folderMenu->setObjectName(QStringLiteral("FolderMenu"));
    m_folderMenu->setAccessibleName(tr("変更"));

    const Commands& c = m_commands;
    m_menuActions = {c.newWordBook, c.properties, c.deleteWordBook, makeSeparator(), c.editGroupNames, makeSeparator(),
        c.createDictionaryFiles, makeSeparator(), c.playWithMediaPlayer, makeSeparator(), c.search, makeSeparator(),
        m_dialogs->registerAction(), m_dialogs->editAction(), c.moveWord, c.jump, c.deleteWord, makeSeparator(),
        c.closeWordBook};
}

void WordBookController::buildContextMenus()
{
    WordListView* words = m_wordList->view();
    auto* separator = new QAction(words);
    separator->setSeparator(true);
    words->setContextMenuPolicy(Qt::ActionsContextMenu);
    words->addActions({m_dialogs->editAction(), m_commands.moveWord, m_commands.jump, m_commands.deleteWord, separator,
        m_dialogs->colourAction()});

    QTableView* books = m_panel->listView();
    auto* bookSeparator = new QAction(books);
    bookSeparator->setSeparator(true);
    books->setContextMenuPolicy(Qt::ActionsContextMenu);
    books->addActions({m_commands.properties, m_commands.deleteWordBook, bookSeparator, m_commands.closeWordBook});
}

void WordBookController::wireControls()
{
    connect(m_panel->newButton(), &QPushButton::clicked, this, [this] { m_commands.newWordBook->trigger(); });
    connect(m_panel->dictionaryButton(), &QToolButton::toggled, this, &WordBookController::setDictionaryMode);
    connect(m_panel->folderButton(), &QPushButton::clicked, this, &WordBookController::popUpFolderMenu);
    connect(m_panel->foreignFirstButton(), &QRadioButton::clicked, this, [this] { chooseDirection(true); });
    connect(m_panel->japaneseFirstButton(), &QRadioButton::clicked, this, [this] { chooseDirection(false); });
    connect(m_panel->autoDoorBox(), &QCheckBox::clicked, this,
        [this](bool on) { m_context.settings.setFlag(core::SettingKey::AutoDoorFlg, on); });
    connect(m_panel, &WordBookPanel::doorWidthChanged, this, &WordBookController::applyDoorWidth);
    connect(m_panel, &WordBookPanel::doorStarted, this, [this] { m_wordList->setDoorMoving(true); });
    connect(m_panel, &WordBookPanel::doorStopped, this, [this] { m_wordList->setDoorMoving(false); });
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] {
        const QList<int> sizes = m_splitter->sizes();
        if (sizes.size() == 2 && m_panel->isDoorIdle())
            m_panel->setDoorWidth(sizes[1]);
    });

    QTableView* books = m_panel->listView();
    connect(books, &QTableView::clicked, this, &WordBookController::bookListClicked);
    connect(books->horizontalHeader(), &QHeaderView::sectionClicked, this, &WordBookController::bookListHeaderClicked);

    connect(
        m_wordList, &WordListPresenter::entrySelected, this, [this] { setCommandStates(CommandState::EntryClicked); });
    connect(m_wordList, &WordListPresenter::bookLost, this, &WordBookController::closeWordBook);
    connect(m_dialogs, &WordEntryDialogs::entryAdded, this, &WordBookController::updateEntryCount);
    connect(m_dialogs, &WordEntryDialogs::entryDialogOpening, this, &WordBookController::entryDialogOpening);

    connect(m_commands.playWithMediaPlayer, &QAction::triggered, this, &WordBookController::toggleMediaPlayer);
    connect(m_commands.createDictionaryFiles, &QAction::triggered, this, &WordBookController::createDictionaryFiles);
    WordBookManagement* m = m_management;
    connect(m_commands.closeWordBook, &QAction::triggered, m, &WordBookManagement::closeWordBook);
    connect(m_commands.newWordBook, &QAction::triggered, m, &WordBookManagement::newWordBook);
    connect(m_commands.properties, &QAction::triggered, m, &WordBookManagement::editProperties);
    connect(m_commands.deleteWordBook, &QAction::triggered, m, &WordBookManagement::deleteWordBook);
    connect(m_commands.editGroupNames, &QAction::triggered, m, &WordBookManagement::editGroupNames);
    connect(m_commands.moveWord, &QAction::triggered, m, &WordBookManagement::moveWord);
    connect(m_commands.jump, &QAction::triggered, m, &WordBookManagement::jump);
    connect(m_commands.deleteWord, &QAction::triggered, m, &WordBookManagement::deleteWord);
    connect(m_commands.search, &QAction::triggered, this, &WordBookController::openSearchWindow);
}

QList<QAction*> WordBookController::menuActions() const
{
    return m_menuActions;
}

void WordBookController::updateMenuStates()
{
    m_commands.playWithMediaPlayer->setChecked(m_context.settings.flag(core::SettingKey::MediaPlayerFlg));
    m_commands.createDictionaryFiles->setEnabled(m_folders.canCreateDictionaryFiles());
}

void WordBookController::toggleMediaPlayer()
{
    const bool on = !m_context.settings.flag(core::SettingKey::MediaPlayerFlg);
    m_context.settings.setFlag(core::SettingKey::MediaPlayerFlg, on);
    m_commands.playWithMediaPlayer->setChecked(on);
}

void WordBookController::reportError(const QString& message) const
{
    showWordBookWarning(m_context.dialogParent(), message);
}

WordListView* WordBookController::wordListView() const
{
    return m_wordList->view();
}

WordListModel* WordBookController::wordListModel() const
{
    return m_wordList->model();
}

WordListDelegate* WordBookController::wordListDelegate() const
{
    return m_wordList->delegate();
}

// --- Folders and the word book list ---

void WordBookController::setWordBookFolder(const QString& folder)
{
    m_folders.setCurrentFolder(folder);
    listWordBooks();
}

void WordBookController::listWordBooks()
{
    if (m_context.wordBook.isOpen())
        closeWordBook();
    const QString folder = m_folders.currentFolder();
    core::WordBookScan scan
        = m_context.scanAhead ? m_context.scanAhead->take(folder) : core::scanWordBookFolder(folder);
    m_bookListModel->setRows(std::move(scan.rows));
    m_bookListModel->sortRows(WordBookListModel::GroupColumn, m_groupDirection);
    updateFolderStatus();
    if (!scan.errors.isEmpty())
        reportError(scan.errors.join(QStringLiteral("\n\n")));
}

void WordBookController::sortWordBookListByGroup()
{
    m_bookListModel->sortRows(WordBookListModel::GroupColumn, m_groupDirection);
}

void WordBookController::updateFolderStatus()
{
    if (!m_context.folderPanel)
        return;
    m_context.folderPanel->setText(tr("●単語帳フォルダ　") + QDir::toNativeSeparators(m_folders.currentFolder())
        + tr("　・・・　[") + QString::number(m_bookListModel->total()) + QLatin1Char(']'));
}

void WordBookController::showTitleStatus()
{
    if (m_context.titlePanel)
        m_context.titlePanel->setText(tr("●タイトル：「") + m_context.wordBook.title() + tr("」"));
}

bool WordBookController::openWordBook(const QString& fileName)
{
    QString error;
    const core::WordBookReadStatus status
        = m_context.wordBook.readWordBook(m_folders.currentFolder(), fileName, &error);
    switch (status) {
    case core::WordBookReadStatus::Missing:
        return false;
    case core::WordBookReadStatus::Unreadable:
        reportError(error);
        return false;
    case core::WordBookReadStatus::NotAWordBook:
        closeWordBook();
        return false;
    case core::WordBookReadStatus::Read:
        break;
    }
    m_wordList->showBook(true);
    showTitleStatus();
    m_context.settings.setText(core::SettingKey::LastWB, fileName);
    if (m_context.wordBook.entryCount() > 0 && m_context.settings.flag(core::SettingKey::LastVisibleFlg))
        m_wordList->view()->scrollToBottom();
    setCommandStates(CommandState::BookOpened);
    return true;
}

void WordBookController::selectWordBookByFile(const QString& fileName)
{
    const int row = m_bookListModel->rowOfFile(fileName);
    if (row < 0)
        return;
    QTableView* books = m_panel->listView();
    const QModelIndex index = m_bookListModel->index(row, 0);
    books->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    books->scrollTo(index);
    bookListClicked(index);
}

void WordBookController::closeWordBook()
{
    m_context.wordBook.close();
    m_wordList->showBook(false);
    m_context.settings.setText(core::SettingKey::LastWB, QString());
    m_wordList->forgetPlayedSound();
    setCommandStates(CommandState::Closed);
    if (m_context.titlePanel)
        m_context.titlePanel->clear();
}

void WordBookController::updateEntryCount()
{
    if (m_context.wordBook.isOpen())
        m_bookListModel->setCount(m_context.wordBook.fileName(), m_context.wordBook.entryCount());
    updateFolderStatus();
}

void WordBookController::bookListClicked(const QModelIndex& index)
{
    if (!index.isValid() || !m_panel->listView()->selectionModel()->isRowSelected(index.row(), QModelIndex()))
        return;
    openWordBook(m_bookListModel->row(index.row()).fileName);
    operateDoor();
}

void WordBookController::bookListHeaderClicked(int section)
{
    int* direction = nullptr;
    switch (section) {
    case WordBookListModel::TitleColumn:
        direction = &m_titleDirection;
        break;
    case WordBookListModel::FileNameColumn:
        direction = &m_fileNameDirection;
        break;
    case WordBookListModel::GroupColumn:
        direction = &m_groupDirection;
        break;
    default:
        return;
    }
    *direction = -*direction;
    m_bookListModel->sortRows(static_cast<WordBookListModel::Column>(section), *direction);
}

// --- Dictionary mode and the folder menu ---

void WordBookController::showDictionaryButton(bool down)
{
    const QSignalBlocker blocker(m_panel->dictionaryButton());
    m_panel->dictionaryButton()->setChecked(down);
}

void WordBookController::setDictionaryMode(bool on)
{
    showDictionaryButton(on);
    if (m_folders.setDictionaryMode(on))
        listWordBooks();
}

void WordBookController::buildFolderMenu()
{
    m_folderMenu->clear();
    QString error;
    for (const QString& folder : m_folders.folderMenuEntries(&error)) {
        QAction* action = m_folderMenu->addAction(menuCaption(folder));
        action->setData(folder);
        connect(action, &QAction::triggered, this, [this, folder] { setWordBookFolder(folder); });
    }
    m_folderMenu->addSeparator();
    QAction* browse = m_folderMenu->addAction(tr("参照"));
    browse->setObjectName(QStringLiteral("FolderMenuBrowse"));
    connect(browse, &QAction::triggered, this, &WordBookController::browseForFolder);
    QAction* edit = m_folderMenu->addAction(tr("このメニューを編集する （最大10フォルダ）"));
    edit->setObjectName(QStringLiteral("FolderMenuEdit"));
    connect(edit, &QAction::triggered, this, &WordBookController::editFolderList);
    if (!error.isEmpty())
        reportError(error);
}

void WordBookController::popUpFolderMenu()
{
    buildFolderMenu();
    QPushButton* button = m_panel->folderButton();
    m_folderMenu->popup(button->mapToGlobal(QPoint(5, button->height())));
}

void WordBookController::browseForFolder()
{
    const QString caption = tr("希望するカレントの単語帳フォルダを指定して下さい。");
    const QString start = m_folders.currentFolder();
    QWidget* parent = m_context.dialogParent();
    const QString chosen = m_context.chooseFolder ? m_context.chooseFolder(parent, caption, start)
                                                  : QFileDialog::getExistingDirectory(parent, caption, start);
    if (chosen.isEmpty())
        return;
    const QString folder = QDir::cleanPath(chosen);
    QString error;
    if (!m_folders.addToFolderMenu(folder, &error))
        reportError(error);
    setWordBookFolder(folder);
}

void WordBookController::editFolderList()
{
    const QString path = m_folders.folderMenuFile();
    if (QFileInfo::exists(path))
        m_context.shellOpener.openFile(path);
}

void WordBookController::createDictionaryFiles()
{
    if (!m_folders.canCreateDictionaryFiles())
        return;
    if (!askWordBookQuestion(
            m_context.dialogParent(), tr("この辞書フォルダに一括で空の辞書ファイルを生成します。よろしいですか？")))
        return;
    const core::DictionaryFileBatch batch = m_folders.createDictionaryFiles();
    if (!batch.error.isEmpty()) {
        reportError(batch.error);
        if (batch.created.isEmpty())
            return;
    }
    if (askWordBookQuestion(m_context.dialogParent(), tr("生成を完了しました。今すぐ主画面に反映しますか？")))
        listWordBooks();
}

// --- The door and the direction ---

void WordBookController::operateDoor()
{
    m_panel->operateDoor();
}

void WordBookController::applyDoorWidth(int width)
{
    const QList<int> sizes = m_splitter->sizes();
    const int total = sizes.size() == 2 ? sizes[0] + sizes[1] : 0;
    m_splitter->setSizes({qMax(0, total - width), width});
}

void WordBookController::showDirectionButtons(bool foreignFirst)
{
    const QSignalBlocker a(m_panel->foreignFirstButton());
    const QSignalBlocker b(m_panel->japaneseFirstButton());
    m_panel->foreignFirstButton()->setChecked(foreignFirst);
    m_panel->japaneseFirstButton()->setChecked(!foreignFirst);
}

void WordBookController::chooseDirection(bool foreignFirst)
{
    showDirectionButtons(foreignFirst);
    m_wordList->setForeignFirst(foreignFirst);
}

// --- The main window's steps ---

void WordBookController::applyStoredLayout()
{
    m_wordList->applyStoredLayout();
    showDirectionButtons(m_context.settings.flag(core::SettingKey::EiwaFlg));
    if (m_folders.takeStoredDictionaryMode())
        setDictionaryMode(true);
}

void WordBookController::storeLiveState()
{
    m_wordList->storeLiveState();
}

void WordBookController::onScriptChanged(const core::ScriptInfo& script)
{
    m_wordList->setLanguageName(script.name);
    m_panel->setDirectionLabels(script.foreignFirst, script.japaneseFirst);
    showDictionaryButton(false);
    m_folders.followScript(script.folder);
    listWordBooks();
    m_wordList->applyDirection();
    if (!m_panel->isDoorOpen())
        operateDoor();
}

void WordBookController::clear()
{
    m_wordList->showBook(false);
}

void WordBookController::setCommandStates(CommandState state)
{
    const bool bookOpen = state == CommandState::BookOpened || state == CommandState::EntryClicked;
    const bool entry = state == CommandState::EntryClicked;
    const Commands& c = m_commands;
    c.newWordBook->setEnabled(true);
    c.search->setEnabled(true);
    c.editGroupNames->setEnabled(true);
    m_dialogs->registerAction()->setEnabled(bookOpen);
    m_dialogs->editAction()->setEnabled(entry);
    c.deleteWordBook->setEnabled(bookOpen);
    c.deleteWord->setEnabled(entry);
    c.moveWord->setEnabled(entry);
    c.properties->setEnabled(bookOpen);
    c.closeWordBook->setEnabled(bookOpen);
    c.jump->setEnabled(bookOpen);
    m_dialogs->colourAction()->setEnabled(entry);
}

// --- The search window ---

void WordBookController::openSearchWindow()
{
    if (m_searchWindow || !m_commands.search->isEnabled())
        return;
    SearchWindowSetup setup;
    setup.languageName = m_wordList->languageName();
    setup.inputMode = core::inputModeFromNumber(m_context.settings.integer(core::SettingKey::InputMode));
    setup.listStyle = m_wordList->delegate()->style();
    setup.currentFolder = [this] { return m_folders.currentFolder(); };
    setup.dictionaryFolder = [this] { return m_context.folders.currentDictionaryFolder(); };
    setup.restoreStartupLayout = m_context.restoreStartupLayout;
    setup.selectScriptLayout = m_context.selectScriptLayout;
    // Owned by the main window, so that it stays above it.
    auto* window = new TSearchFrm(m_context.settings, std::move(setup), m_context.dialogParent());
    m_searchWindow = window;
    connect(window, &TSearchFrm::closing, this, [this](const QPoint& position) { m_searchPosition = position; });
    connect(window, &TSearchFrm::inputRequested, this, [this](const QString& phonetic, const QString& foreign) {
        if (!phonetic.isEmpty())
            m_context.phoneticArea->insert(phonetic);
        if (!foreign.isEmpty())
            m_context.foreignArea->insertPlainText(foreign);
    });
    connect(window, &TSearchFrm::editRequested, this, &WordBookController::editSearchHit);
    Q_EMIT searchWindowOpening(window);
    if (m_searchPosition) {
        window->setGeometry(QRect(*m_searchPosition, window->size()));
    } else {
        const QPoint centre = m_context.dialogParent()->geometry().center();
        window->move(centre.x() - window->width() / 2, centre.y() - window->height() / 2);
    }
    window->show();
    window->raise();
    window->activateWindow();
    window->searchBox()->setFocus();
}

TSearchFrm* WordBookController::searchWindow() const
{
    return m_searchWindow.data();
}

void WordBookController::showWordListPage()
{
    for (QWidget* w = m_context.page->parentWidget(); w; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            tabs->setCurrentWidget(m_context.page);
            return;
        }
    }
}

void WordBookController::editSearchHit(const core::WordSearchHit& hit, bool dictionary)
{
    if (dictionary && !isDictionaryMode())
        setDictionaryMode(true);
    // The book is found by its file in the folder that was searched: titles may repeat.
    if (QDir::cleanPath(m_folders.currentFolder()) != QDir::cleanPath(hit.folder)
        || m_bookListModel->rowOfFile(hit.fileName) < 0)
        return;
    selectWordBookByFile(hit.fileName);
    const core::WordBook& book = m_context.wordBook;
    if (!book.isOpen() || book.fileName() != hit.fileName || hit.number > book.entryCount())
        return;
    showWordListPage();
    m_wordList->view()->setFocus();
    m_wordList->selectEntry(hit.number);
    if (m_searchWindow)
        m_searchWindow->close();
    m_dialogs->modifyWord();
}

} // namespace pelinor::ui
