#include "ui/wordbook/wordbookcontroller.h"

#include "core/app/folders.h"
#include "core/app/inputmodes.h"
#include "core/app/settings.h"
#include "core/wordbook/wordbook.h"
#include "core/wordbook/wordbookescapes.h"
#include "ui/app/mainmenus.h"
#include "ui/common/qtcolours.h"
#include "ui/common/screenplacement.h"
#include "ui/wordbook/dictionaryfiles.h"
#include "ui/wordbook/folderlistfile.h"
#include "ui/wordbook/tcolourfrm.h"
#include "ui/wordbook/tmodfrm.h"
#include "ui/wordbook/tregfrm.h"
#include "ui/wordbook/wordbooklistmodel.h"
#include "ui/wordbook/wordbookmessages.h"
#include "ui/wordbook/wordbookpanel.h"
#include "ui/wordbook/wordbookrow.h"
#include "ui/wordbook/wordlistdelegate.h"
#include "ui/wordbook/wordlistmodel.h"
#include "ui/wordbook/wordlistview.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
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
#include <QTableView>
#include <QToolButton>
#include <QUrl>

namespace pelinor::ui {

namespace {

constexpr int kSplitterHandleWidth = 8;

// Stored column widths by position, LVCol1Width to LVCol7Width.
constexpr std::array<core::SettingKey, 7> kColumnWidthKeys{core::SettingKey::LVCol1Width, core::SettingKey::LVCol2Width,
    core::SettingKey::LVCol3Width, core::SettingKey::LVCol4Width, core::SettingKey::LVCol5Width,
    core::SettingKey::LVCol6Width, core::SettingKey::LVCol7Width};

bool usesScriptLayout(int mode)
{
    return core::isLayoutMode(core::inputModeFromNumber(mode));
}

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
{
    Q_ASSERT(m_context.page && m_context.phoneticArea && m_context.foreignArea);
    m_languageName = m_context.settings.scriptName();
    m_storedDictionaryMode = m_context.settings.flag(core::SettingKey::DicFlg);
    buildPage();
    wireControls();
    wireMenus();
    applyWordListSettings();
    setCommandStates(CommandState::Start);
}

WordBookController::~WordBookController() = default;

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

    m_wordListModel = new WordListModel(m_context.wordBook, this);
    m_wordListModel->setLanguageName(m_languageName);
    m_wordListModel->setForeignFirst(m_context.settings.flag(core::SettingKey::EiwaFlg));
    m_wordListDelegate = new WordListDelegate(this);
    m_wordList = new WordListView(m_wordListModel, m_wordListDelegate, m_splitter);
    m_wordList->setEnabled(false);
    constexpr std::array<int, 7> defaultWidths{150, 50, 150, 150, 150, 150, 100};
    for (int column = 0; column < 7; ++column)
        m_wordList->setColumnWidthAt(column, defaultWidths[static_cast<size_t>(column)]);

    m_bookListModel = new WordBookListModel(this);
    m_panel = new WordBookPanel(m_bookListModel, m_splitter);
    m_panel->setMinimumWidth(1);
    m_panel->autoDoorBox()->setChecked(m_context.settings.flag(core::SettingKey::AutoDoorFlg));
    m_panel->setDirectionLabels(m_context.settings.foreignFirstLabel(), m_context.settings.japaneseFirstLabel());
    const bool foreignFirst = m_context.settings.flag(core::SettingKey::EiwaFlg);
    m_panel->foreignFirstButton()->setChecked(foreignFirst);
    m_panel->japaneseFirstButton()->setChecked(!foreignFirst);

    m_splitter->addWidget(m_wordList);
    m_splitter->addWidget(m_panel);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setSizes({qMax(1, m_context.page->width() - WordBookPanel::kOpenWidth - kSplitterHandleWidth),
        WordBookPanel::kOpenWidth});

    m_folderMenu = new QMenu(m_panel);
    m_folderMenu->setObjectName(QStringLiteral("FolderMenu"));
    m_folderMenu->setAccessibleName(tr("変更"));

    m_colourAction = new QAction(tr("文字色変更"), this);
    m_colourAction->setObjectName(QStringLiteral("WordColour"));

    // The word list's context menu.
    auto* separator = new QAction(m_wordList);
    separator->setSeparator(true);
    m_wordList->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_wordList->addActions({m_context.menus.editWord, m_context.menus.moveWord, m_context.menus.jump,
        m_context.menus.deleteWord, separator, m_colourAction});

    // The word book list's context menu.
    QTableView* books = m_panel->listView();
    auto* bookSeparator = new QAction(books);
    bookSeparator->setSeparator(true);
    books->setContextMenuPolicy(Qt::ActionsContextMenu);
    books->addActions({m_context.menus.wordBookProperties, m_context.menus.deleteWordBook, bookSeparator,
        m_context.menus.closeWordBook});
}

void WordBookController::wireControls()
{
    connect(m_panel->newButton(), &QPushButton::clicked, this, [this] { m_context.menus.newWordBook->trigger(); });
    connect(m_panel->dictionaryButton(), &QToolButton::toggled, this, &WordBookController::dictionaryButtonToggled);
    connect(m_panel->folderButton(), &QPushButton::clicked, this, &WordBookController::popUpFolderMenu);
    connect(m_panel->foreignFirstButton(), &QRadioButton::clicked, this, [this] { chooseDirection(true); });
    connect(m_panel->japaneseFirstButton(), &QRadioButton::clicked, this, [this] { chooseDirection(false); });
    connect(m_panel->autoDoorBox(), &QCheckBox::clicked, this,
        [this](bool on) { m_context.settings.setFlag(core::SettingKey::AutoDoorFlg, on); });
    connect(m_panel, &WordBookPanel::doorWidthChanged, this, &WordBookController::applyDoorWidth);
    connect(m_panel, &WordBookPanel::doorStarted, this, [this] { m_wordListDelegate->setSkipNote(true); });
    connect(m_panel, &WordBookPanel::doorStopped, this, &WordBookController::doorStopped);
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] {
        const QList<int> sizes = m_splitter->sizes();
        if (sizes.size() == 2 && m_panel->isDoorIdle())
            m_panel->setDoorWidth(sizes[1]);
    });

    QTableView* books = m_panel->listView();
    connect(books, &QTableView::clicked, this, &WordBookController::bookListClicked);
    connect(books->horizontalHeader(), &QHeaderView::sectionClicked, this, &WordBookController::bookListHeaderClicked);

    connect(
        m_wordList->horizontalHeader(), &QHeaderView::sectionClicked, this, &WordBookController::sortWordListByColumn);
    connect(m_wordList, &WordListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && m_wordList->selectedRow() >= 0)
            useEntry(index.row());
    });
    connect(m_wordList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &WordBookController::wordListSelectionChanged);
}

void WordBookController::wireMenus()
{
    MainMenus& menus = m_context.menus;
    connect(menus.wordBook, &QMenu::aboutToShow, this, &WordBookController::wordBookMenuAboutToShow);
    connect(menus.playWithMediaPlayer, &QAction::triggered, this, &WordBookController::toggleMediaPlayer);
    connect(menus.createDictionaryFiles, &QAction::triggered, this, &WordBookController::createDictionaryFiles);
    connect(menus.registerWord, &QAction::triggered, this, &WordBookController::registerWord);
    connect(menus.editWord, &QAction::triggered, this, &WordBookController::modifyWord);
    connect(m_colourAction, &QAction::triggered, this, &WordBookController::changeTextColour);
    wordBookMenuAboutToShow();
}

QWidget* WordBookController::dialogParent() const
{
    return m_context.mainWindow ? m_context.mainWindow : m_context.page->window();
}

void WordBookController::reportError(const QString& message) const
{
    showWordBookWarning(dialogParent(), message);
}

bool WordBookController::openFile(const QString& path) const
{
    if (m_context.openFile)
        return m_context.openFile(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

// --- Folders and the word book list ---

void WordBookController::SetWordBookFolder(const QString& folder)
{
    m_context.folders.setCurrentWordBookFolder(folder);
    ListWordBooks();
}

void WordBookController::ListWordBooks()
{
    if (m_context.wordBook.isOpen())
        CloseWordBook();
    WordBookScan scan = scanWordBookFolder(m_context.folders.currentWordBookFolder());
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
    m_context.folderPanel->setText(tr("●単語帳フォルダ　")
        + QDir::toNativeSeparators(m_context.folders.currentWordBookFolder()) + tr("　・・・　[")
        + QString::number(m_bookListModel->total()) + QLatin1Char(']'));
}

void WordBookController::showTitleStatus()
{
    if (m_context.titlePanel)
        m_context.titlePanel->setText(tr("●タイトル：「") + m_context.wordBook.title() + tr("」"));
}

bool WordBookController::OpenWordBook(const QString& fileName)
{
    QString error;
    const core::WordBookReadStatus status
        = m_context.wordBook.readWordBook(m_context.folders.currentWordBookFolder(), fileName, &error);
    switch (status) {
    case core::WordBookReadStatus::Missing:
        return false;
    case core::WordBookReadStatus::Unreadable:
        reportError(error);
        return false;
    case core::WordBookReadStatus::NotAWordBook:
        CloseWordBook();
        return false;
    case core::WordBookReadStatus::Read:
        break;
    }
    m_wordListModel->showBook(true);
    m_wordList->setEnabled(true);
    showTitleStatus();
    m_context.settings.setText(core::SettingKey::LastWB, fileName);
    if (m_context.wordBook.entryCount() > 0 && m_context.settings.flag(core::SettingKey::LastVisibleFlg))
        m_wordList->scrollToBottom();
    setCommandStates(CommandState::BookOpened);
    return true;
}

void WordBookController::SelectWordBookByFile(const QString& fileName)
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

void WordBookController::CloseWordBook()
{
    m_context.wordBook.close();
    m_wordListModel->showBook(false);
    m_wordList->setEnabled(false);
    m_context.settings.setText(core::SettingKey::LastWB, QString());
    m_lastPlayedSound.clear();
    setCommandStates(CommandState::Closed);
    if (m_context.titlePanel)
        m_context.titlePanel->clear();
}

void WordBookController::UpdateEntryCount()
{
    if (m_context.wordBook.isOpen())
        m_bookListModel->setCount(m_context.wordBook.fileName(), m_context.wordBook.entryCount());
    updateFolderStatus();
}

void WordBookController::bookListClicked(const QModelIndex& index)
{
    if (!index.isValid() || !m_panel->listView()->selectionModel()->isRowSelected(index.row(), QModelIndex()))
        return;
    OpenWordBook(m_bookListModel->row(index.row()).fileName);
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

// --- Dictionary mode ---

bool WordBookController::isDictionaryMode() const
{
    return m_dictionaryMode;
}

void WordBookController::setDictionaryMode(bool on)
{
    {
        const QSignalBlocker blocker(m_panel->dictionaryButton());
        m_panel->dictionaryButton()->setChecked(on);
    }
    if (on == m_dictionaryMode)
        return;
    if (on) {
        m_returnFolder = m_context.folders.currentWordBookFolder();
        m_dictionaryMode = true;
        m_context.settings.setFlag(core::SettingKey::DicFlg, true);
        SetWordBookFolder(m_context.folders.currentDictionaryFolder());
    } else {
        const QString back = m_returnFolder;
        m_dictionaryMode = false;
        m_context.settings.setFlag(core::SettingKey::DicFlg, false);
        m_returnFolder.clear();
        SetWordBookFolder(back);
    }
}

void WordBookController::dictionaryButtonToggled(bool on)
{
    setDictionaryMode(on);
}

// --- The folder menu ---

void WordBookController::buildFolderMenu()
{
    m_folderMenu->clear();
    const FolderList list = readOrCreateFolderList(m_context.folders.systemFolder(),
        m_context.folders.wordBookFolder(core::ScriptFolder::Russian), m_context.folders.currentDictionaryFolder());
    for (const QString& folder : list.folders) {
        if (folder.isEmpty())
            continue;
        QAction* action = m_folderMenu->addAction(menuCaption(folder));
        action->setData(folder);
        connect(action, &QAction::triggered, this, [this, folder] { SetWordBookFolder(folder); });
    }
    m_folderMenu->addSeparator();
    QAction* browse = m_folderMenu->addAction(tr("参照"));
    browse->setObjectName(QStringLiteral("FolderMenuBrowse"));
    connect(browse, &QAction::triggered, this, &WordBookController::browseForFolder);
    QAction* edit = m_folderMenu->addAction(tr("このメニューを編集する （最大10フォルダ）"));
    edit->setObjectName(QStringLiteral("FolderMenuEdit"));
    connect(edit, &QAction::triggered, this, &WordBookController::editFolderList);
    if (!list.error.isEmpty())
        reportError(list.error);
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
    const QString start = m_context.folders.currentWordBookFolder();
    const QString chosen = m_context.chooseFolder ? m_context.chooseFolder(dialogParent(), caption, start)
                                                  : QFileDialog::getExistingDirectory(dialogParent(), caption, start);
    if (chosen.isEmpty())
        return;
    const QString folder = QDir::cleanPath(chosen);
    QString error;
    if (!addFolderToList(m_context.folders.systemFolder(), folder, &error))
        reportError(error);
    SetWordBookFolder(folder);
}

void WordBookController::editFolderList()
{
    const QString path = folderListPath(m_context.folders.systemFolder());
    if (QFileInfo::exists(path))
        openFile(path);
}

// --- Bulk creation of dictionary files ---

void WordBookController::createDictionaryFiles()
{
    if (!m_dictionaryMode)
        return;
    if (!askWordBookQuestion(
            dialogParent(), tr("この辞書フォルダに一括で空の辞書ファイルを生成します。よろしいですか？")))
        return;
    const QString folder = m_context.folders.currentWordBookFolder();
    const DictionaryFileBatch batch
        = ui::createDictionaryFiles(folder, dictionaryFilePrefix(m_context.folders, folder));
    if (!batch.error.isEmpty()) {
        reportError(batch.error);
        if (batch.created.isEmpty())
            return;
    }
    if (askWordBookQuestion(dialogParent(), tr("生成を完了しました。今すぐ主画面に反映しますか？")))
        ListWordBooks();
}

// --- The door ---

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

void WordBookController::doorStopped()
{
    m_wordListDelegate->setSkipNote(false);
    m_wordList->viewport()->update();
}

// --- The word list ---

void WordBookController::ApplyDirection()
{
    m_wordListModel->setForeignFirst(m_context.settings.flag(core::SettingKey::EiwaFlg));
    m_wordListModel->setLanguageName(m_languageName);
    if (!m_context.wordBook.isOpen())
        return;
    const int selected = m_wordList->selectedRow();
    QString error;
    const core::WordBook& book = m_context.wordBook;
    switch (m_context.wordBook.readWordBook(book.folder(), book.fileName(), &error)) {
    case core::WordBookReadStatus::Read:
        m_wordListModel->showBook(true);
        if (selected >= 0 && selected < m_wordListModel->rowCount())
            m_wordList->selectEntryRow(selected);
        break;
    case core::WordBookReadStatus::NotAWordBook:
        CloseWordBook();
        break;
    case core::WordBookReadStatus::Unreadable:
        reportError(error);
        break;
    case core::WordBookReadStatus::Missing:
        break;
    }
}

void WordBookController::chooseDirection(bool foreignFirst)
{
    {
        const QSignalBlocker a(m_panel->foreignFirstButton());
        const QSignalBlocker b(m_panel->japaneseFirstButton());
        m_panel->foreignFirstButton()->setChecked(foreignFirst);
        m_panel->japaneseFirstButton()->setChecked(!foreignFirst);
    }
    if (m_context.settings.flag(core::SettingKey::EiwaFlg) == foreignFirst)
        return;
    const int first = m_wordList->columnWidth(WordListModel::FirstColumn);
    const int fifth = m_wordList->columnWidth(WordListModel::FifthColumn);
    m_wordList->setColumnWidthAt(WordListModel::FirstColumn, fifth);
    m_wordList->setColumnWidthAt(WordListModel::FifthColumn, first);
    m_context.settings.setFlag(core::SettingKey::EiwaFlg, foreignFirst);
    ApplyDirection();
}

void WordBookController::sortWordListByColumn(int column)
{
    if (!m_context.wordBook.isOpen() || column < 0 || column >= WordListModel::ColumnCount)
        return;
    const std::optional<core::WordField> field = m_wordListModel->fieldOfColumn(column);
    if (!field)
        return;
    const QString question = tr("項目「") + m_wordListModel->caption(column)
        + tr("」でソートします。ソートをすると順番は元に戻りませんがソートをしますか？");
    if (!askWordBookQuestion(dialogParent(), question))
        return;
    int& direction = m_columnDirections[static_cast<size_t>(column)];
    direction = -direction;
    QString error;
    if (!m_wordListModel->sortEntries(*field, direction, &error))
        reportError(error);
}

void WordBookController::selectEntry(qsizetype number)
{
    const qsizetype row = number - 1;
    if (row < 0 || row >= m_wordListModel->rowCount())
        return;
    m_wordList->selectEntryRow(static_cast<int>(row));
    setCommandStates(CommandState::EntryClicked);
}

qsizetype WordBookController::selectedEntryIndex() const
{
    return m_wordList->selectedRow();
}

void WordBookController::wordListSelectionChanged()
{
    if (m_wordList->selectedRow() >= 0)
        setCommandStates(CommandState::EntryClicked);
}

void WordBookController::useEntry(qsizetype index)
{
    const core::WordBook& book = m_context.wordBook;
    if (index < 0 || index >= book.entryCount())
        return;
    const core::WordEntry entry = book.entries().at(index);
    const QString phonetic = entry.phonetic;
    const QString foreign = core::decodePlainTextLineBreaks(entry.foreignWord);
    const bool reset = m_context.settings.flag(core::SettingKey::ResetInputFlg);

    if (!phonetic.isEmpty()) {
        QLineEdit* area = m_context.phoneticArea;
        if (reset) {
            area->setFocus();
            area->setText(phonetic);
            area->end(false);
        } else {
            area->insert(phonetic);
        }
    }
    if (!foreign.isEmpty()) {
        QPlainTextEdit* area = m_context.foreignArea;
        area->setFocus();
        if (reset) {
            area->setPlainText(foreign);
            area->moveCursor(QTextCursor::End);
        } else {
            area->insertPlainText(foreign);
        }
    }
    if (!m_context.settings.flag(core::SettingKey::MediaPlayerFlg) || entry.soundFile.isEmpty())
        m_lastPlayedSound.clear();
    else
        playSoundFile(entry.soundFile);
}

bool WordBookController::playSoundFile(const QString& name)
{
    const core::WordBook& book = m_context.wordBook;
    const QString folder
        = book.soundFolder().isEmpty() ? m_context.folders.currentWordBookFolder() : book.soundFolder();
    const QString path = QDir(folder).filePath(name);
    if (!QFileInfo(path).isFile())
        return false;
    m_lastPlayedSound = name;
    openFile(path);
    return true;
}

void WordBookController::applyWordListSettings()
{
    const core::Settings& settings = m_context.settings;
    WordListDelegate::Style style;
    style.foreignFont = QFont(settings.text(core::SettingKey::UsrMainFont));
    style.foreignFont.setPointSize(qMax(1, settings.integer(core::SettingKey::TnMainFontSize)));
    style.phoneticFont = QFont(settings.text(core::SettingKey::UsrSubFont));
    style.phoneticFont.setPointSize(qMax(1, settings.integer(core::SettingKey::TnSubFontSize)));
    style.japaneseFont = QFont(QStringLiteral("ＭＳ Ｐゴシック"));
    style.japaneseFont.setPointSize(qMax(1, settings.integer(core::SettingKey::TnJpFontSize)));
    const core::ColourRgb background = settings.colour(core::SettingKey::CandBg);
    style.phoneticBackground = toQColor(background);
    m_wordListDelegate->setStyle(style);
    m_wordList->setRowHeight(qMax(1, settings.integer(core::SettingKey::LVLineHeight)));
    m_wordList->viewport()->update();
}

// --- Dialogs ---

WordEntryDialogServices WordBookController::dialogServices()
{
    WordEntryDialogServices services;
    services.playSound = [this](const QString& name) { playSoundFile(name); };
    services.chooseSoundFile = m_context.chooseSoundFile;
    if (!services.chooseSoundFile) {
        services.chooseSoundFile = [](QWidget* parent, const QString& start) {
            return QFileDialog::getOpenFileName(parent, QString(), start, tr("(*.mp3)"));
        };
    }
    const QString soundFolder = m_context.wordBook.soundFolder();
    services.soundStartFolder = !soundFolder.isEmpty() && QFileInfo(soundFolder).isDir()
        ? soundFolder
        : m_context.folders.currentWordBookFolder();
    services.restoreStartupLayout = m_context.restoreStartupLayout;
    services.selectScriptLayout = m_context.selectScriptLayout;
    return services;
}

void WordBookController::placeDialog(QWidget* dialog, const std::optional<QRect>& remembered) const
{
    if (remembered) {
        dialog->setGeometry(placedOnScreens(dialog,
            QRect(remembered->left(), remembered->top(), qMax(dialog->minimumWidth(), remembered->width()),
                dialog->height())));
        return;
    }
    const QWidget* owner = dialogParent();
    const QPoint centre = owner->geometry().center();
    dialog->move(centre.x() - dialog->width() / 2, centre.y() - dialog->height() / 2);
}

void WordBookController::afterDialog()
{
    if (usesScriptLayout(m_context.settings.integer(core::SettingKey::InputMode)) && m_context.selectScriptLayout)
        m_context.selectScriptLayout();
    m_context.foreignArea->setFocus();
}

void WordBookController::registerWord()
{
    if (!m_context.wordBook.isOpen() || !m_context.menus.registerWord->isEnabled())
        return;
    TRegFrm dialog(m_context.settings, m_languageName, m_context.settings.integer(core::SettingKey::InputMode),
        m_context.wordBook.entryCount(), m_context.foreignArea->toPlainText(), m_context.phoneticArea->text(),
        dialogServices(), dialogParent());
    dialog.setStoreFunction([this](const core::WordEntry& entry, qsizetype index, QString* error) {
        return storeNewEntry(entry, index, error);
    });
    placeDialog(&dialog, m_registrationRect);
    Q_EMIT entryDialogOpening(&dialog);
    dialog.exec();
    m_registrationRect = dialog.geometry();
    afterDialog();
}

bool WordBookController::storeNewEntry(const core::WordEntry& entry, qsizetype index, QString* error)
{
    if (!m_wordListModel->insertEntry(index, entry, error))
        return false;
    selectEntry(index + 1);
    UpdateEntryCount();
    if (m_context.settings.flag(core::SettingKey::RegClearFlg)) {
        m_context.foreignArea->clear();
        m_context.phoneticArea->clear();
    }
    return true;
}

void WordBookController::modifyWord()
{
    if (!m_context.menus.editWord->isEnabled())
        return;
    const qsizetype index = selectedEntryIndex();
    std::optional<core::WordEntry> entry;
    if (index >= 0 && index < m_context.wordBook.entryCount())
        entry = m_context.wordBook.entries().at(index);
    TModFrm dialog(m_context.settings, m_languageName, m_context.settings.integer(core::SettingKey::InputMode), entry,
        dialogServices(), dialogParent());
    dialog.setApplyFunction(
        [this](const core::WordEntry& fields, QString* error) { return applyEditedEntry(fields, error); });
    placeDialog(&dialog, m_editRect);
    Q_EMIT entryDialogOpening(&dialog);
    dialog.exec();
    m_editRect = dialog.geometry();
    afterDialog();
}

bool WordBookController::applyEditedEntry(const core::WordEntry& fields, QString* error)
{
    const qsizetype index = selectedEntryIndex();
    if (index < 0 || index >= m_context.wordBook.entryCount())
        return m_context.wordBook.writeWordBook(error);
    core::WordEntry entry = fields;
    entry.colour = m_context.wordBook.entries().at(index).colour;
    if (!m_wordListModel->replaceEntry(index, entry, error))
        return false;
    selectEntry(index + 1);
    return true;
}

void WordBookController::changeTextColour()
{
    if (!m_colourAction->isEnabled())
        return;
    const qsizetype index = selectedEntryIndex();
    const QString current = index >= 0 && index < m_context.wordBook.entryCount()
        ? m_context.wordBook.entries().at(index).colour
        : QString();
    TColourFrm dialog(current, m_context.chooseColour, dialogParent());
    placeDialog(&dialog, std::nullopt);
    if (m_context.restoreStartupLayout)
        m_context.restoreStartupLayout();
    const int result = dialog.exec();
    if (usesScriptLayout(m_context.settings.integer(core::SettingKey::InputMode)) && m_context.selectScriptLayout)
        m_context.selectScriptLayout();
    if (result != QDialog::Accepted)
        return;
    const std::optional<QString> colour = dialog.colourToStore();
    const qsizetype selected = selectedEntryIndex();
    if (!colour || selected < 0)
        return;
    QString error;
    if (!m_wordListModel->setEntryColour(selected, *colour, &error))
        reportError(error);
}

// --- The main window's steps ---

void WordBookController::applyStoredLayout()
{
    const core::Settings& settings = m_context.settings;
    for (int column = 0; column < 7; ++column)
        m_wordList->setColumnWidthAt(column, settings.integer(kColumnWidthKeys[static_cast<size_t>(column)]));
    m_wordList->setRowHeight(qMax(1, settings.integer(core::SettingKey::LVLineHeight)));
    const bool foreignFirst = settings.flag(core::SettingKey::EiwaFlg);
    {
        const QSignalBlocker a(m_panel->foreignFirstButton());
        const QSignalBlocker b(m_panel->japaneseFirstButton());
        m_panel->foreignFirstButton()->setChecked(foreignFirst);
        m_panel->japaneseFirstButton()->setChecked(!foreignFirst);
    }
    m_wordListModel->setForeignFirst(foreignFirst);
    if (m_storedDictionaryMode) {
        m_storedDictionaryMode = false;
        setDictionaryMode(true);
    }
}

void WordBookController::storeLiveState()
{
    for (int column = 0; column < 7; ++column)
        m_context.settings.setInteger(kColumnWidthKeys[static_cast<size_t>(column)], m_wordList->columnWidth(column));
}

void WordBookController::onScriptChanged(const core::ScriptInfo& script)
{
    m_languageName = script.name;
    m_panel->setDirectionLabels(script.foreignFirst, script.japaneseFirst);
    {
        const QSignalBlocker blocker(m_panel->dictionaryButton());
        m_panel->dictionaryButton()->setChecked(false);
    }
    m_dictionaryMode = false;
    m_context.settings.setFlag(core::SettingKey::DicFlg, false);
    m_returnFolder.clear();
    m_context.folders.setCurrentDictionaryFolder(m_context.folders.dictionaryFolder(script.folder));
    SetWordBookFolder(m_context.folders.wordBookFolder(script.folder));
    ApplyDirection();
    if (!m_panel->isDoorOpen())
        operateDoor();
}

void WordBookController::clear()
{
    m_wordListModel->showBook(false);
    m_wordList->setEnabled(false);
}

void WordBookController::setCommandStates(CommandState state)
{
    MainMenus& menus = m_context.menus;
    const bool bookOpen = state == CommandState::BookOpened || state == CommandState::EntryClicked;
    const bool entry = state == CommandState::EntryClicked;
    menus.newWordBook->setEnabled(true);
    menus.searchWordBooks->setEnabled(true);
    menus.editGroupNames->setEnabled(true);
    menus.registerWord->setEnabled(bookOpen);
    menus.editWord->setEnabled(entry);
    menus.deleteWordBook->setEnabled(bookOpen);
    menus.deleteWord->setEnabled(entry);
    menus.moveWord->setEnabled(entry);
    menus.wordBookProperties->setEnabled(bookOpen);
    menus.closeWordBook->setEnabled(bookOpen);
    menus.jump->setEnabled(bookOpen);
    m_colourAction->setEnabled(entry);
}

void WordBookController::wordBookMenuAboutToShow()
{
    m_context.menus.playWithMediaPlayer->setChecked(m_context.settings.flag(core::SettingKey::MediaPlayerFlg));
    m_context.menus.createDictionaryFiles->setEnabled(m_dictionaryMode);
}

void WordBookController::toggleMediaPlayer()
{
    const bool on = !m_context.settings.flag(core::SettingKey::MediaPlayerFlg);
    m_context.settings.setFlag(core::SettingKey::MediaPlayerFlg, on);
    m_context.menus.playWithMediaPlayer->setChecked(on);
}

} // namespace pelinor::ui
