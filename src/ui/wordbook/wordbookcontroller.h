#pragma once

#include "core/wordbook/wordbookfolders.h"
#include "ui/wordbook/wordbookcontext.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <optional>

class QAction;
class QMenu;
class QModelIndex;
class QSplitter;

namespace pelinor::core {
struct ScriptInfo;
struct WordSearchHit;
} // namespace pelinor::core

namespace pelinor::ui {

class TSearchFrm;
class WordBookListModel;
class WordBookManagement;
class WordBookPanel;
class WordEntryDialog;
class WordEntryDialogs;
class WordListDelegate;
class WordListModel;
class WordListPresenter;
class WordListView;

/// The word book part of the main window: the word list on the left of the page "単語リスト" and the word
/// book panel with the word book list on the right, behind an 8-pixel splitter. It opens and closes word
/// books, lists the books of the current folder (see core::WordBookFolders), runs the folder menu, the
/// dictionary button, the door and the direction buttons, writes the status bar texts and keeps the
/// enabled states of the word book commands. The word list itself is a WordListPresenter, the entry
/// dialogs are WordEntryDialogs. The commands of the "単語帳 (&W)" menu are made here; the window places
/// menuActions() in its menu.
class WordBookController : public QObject {
    Q_OBJECT

public:
    /// Which column of the command table the word-book commands follow.
    enum class CommandState { Start, BookOpened, EntryClicked, Closed };

    /// Builds the word list and the word book panel into `context.page` and makes the commands. Nothing
    /// is listed yet: the main window calls listWordBooks() (or setWordBookFolder()) at its step.
    /// Construct it after the settings file was read: the stored `DicFlg` is taken here, because the
    /// script change that precedes applyStoredLayout() leaves dictionary mode.
    explicit WordBookController(WordBookContext context, QObject* parent = nullptr);
    ~WordBookController() override;

    /// The items of the "単語帳 (&W)" menu in order, separators included.
    QList<QAction*> menuActions() const;
    /// "単語帳検索" (F6 too).
    QAction* searchAction() const { return m_commands.search; }
    /// The checked and enabled states that follow the settings and dictionary mode; run as the menu opens.
    void updateMenuStates();

    // --- Folders and the word book list ---

    /// Current word book folder := `folder`, then listWordBooks().
    void setWordBookFolder(const QString& folder);
    /// Closes the open word book and lists the word books of the current folder, by group.
    void listWordBooks();
    /// Sorts the word book list by group with the group column's current direction.
    void sortWordBookListByGroup();
    /// Opens a word book of the current folder into the word list. False when it was not opened (no such
    /// file, unreadable, or no word book).
    bool openWordBook(const QString& fileName);
    /// Selects the first row of the word book list with this file name and acts as a click on it.
    void selectWordBookByFile(const QString& fileName);
    /// Forgets the open word book: the word list is emptied and disabled, the commands that need a book
    /// are disabled, status panel 1 is emptied.
    void closeWordBook();
    /// After entries were added or removed: the count of the open book's row and the total in the status
    /// bar follow the open word book.
    void updateEntryCount();

    /// Dictionary mode ("辞書" down): enters the current dictionary folder, remembering the folder to
    /// return to; leaving it returns there. Does nothing when the mode is already as asked.
    void setDictionaryMode(bool on);
    bool isDictionaryMode() const { return m_folders.isDictionaryMode(); }
    /// The folder that leaving dictionary mode returns to; empty outside dictionary mode.
    QString returnFolder() const { return m_folders.returnFolder(); }

    /// Pops up the folder menu under the button "変更" (rebuilt from "FolList.txt" each time).
    void popUpFolderMenu();
    /// Fills the folder menu from "FolList.txt", creating the file when it is missing.
    void buildFolderMenu();
    QMenu* folderMenu() const { return m_folderMenu; }
    /// "参照" of the folder menu.
    void browseForFolder();
    /// "このメニューを編集する （最大10フォルダ）".
    void editFolderList();

    /// "一括辞書ファイル生成": asks, creates the 45 empty dictionary files in the current folder, asks whether
    /// to list them.
    void createDictionaryFiles();

    /// "単語帳変換ツール": the conversion tool, modal; "反映させ閉じる" lists the current folder again.
    void openConversionTool();

    /// The door button's action (the panel opens or closes with the automatic door on).
    void operateDoor();
    /// The direction buttons: true = foreign word first.
    void chooseDirection(bool foreignFirst);

    // --- The main window's steps ---

    /// Start-up: the stored column widths and row height, the direction button of `EiwaFlg` (without
    /// exchanging widths), and dictionary mode when `DicFlg` is on.
    void applyStoredLayout();
    /// Writes the live column widths back to the settings.
    void storeLiveState();
    /// A script change: the dictionary button is released without its action, the folders become the
    /// script's, the word book list is rebuilt, the headings and direction captions follow, and a closed
    /// panel opens (with the automatic door on).
    void onScriptChanged(const core::ScriptInfo& script);
    /// Shutdown: empties the word list.
    void clear();

    /// Sets the enabled states of the word-book commands to a column of the command table.
    void setCommandStates(CommandState state);

    // --- The search window ---

    /// "単語帳検索": shows the search window, or does nothing while one is open.
    void openSearchWindow();
    /// The open search window, or null.
    TSearchFrm* searchWindow() const;
    /// "この単語を編集する" of the search window: opens the hit's book (entering dictionary mode for a
    /// dictionary search) and its entry in the edit dialog. Stops, leaving the search window open, when the
    /// book is not in the current folder's list or has no such entry any more.
    void editSearchHit(const core::WordSearchHit& hit, bool dictionary);

    // --- Parts ---

    WordBookManagement& management() const { return *m_management; }

    WordListPresenter& wordList() const { return *m_wordList; }
    WordEntryDialogs& entryDialogs() const { return *m_dialogs; }
    QSplitter* splitter() const { return m_splitter; }
    WordListView* wordListView() const;
    WordListModel* wordListModel() const;
    WordListDelegate* wordListDelegate() const;
    WordBookPanel* panel() const { return m_panel; }
    WordBookListModel* wordBookListModel() const { return m_bookListModel; }

Q_SIGNALS:
    /// A registration or edit dialog was made and is about to be shown: the place to attach the input
    /// engine to its foreign word and phonetic fields.
    void entryDialogOpening(pelinor::ui::WordEntryDialog* dialog);
    /// A search window was made and is about to be shown: the place to attach the input engine to its
    /// search box (which follows the field chooser, see TSearchFrm::searchFieldChanged()).
    void searchWindowOpening(pelinor::ui::TSearchFrm* window);

private:
    struct Commands {
        QAction* newWordBook = nullptr;
        QAction* properties = nullptr;
        QAction* deleteWordBook = nullptr;
        QAction* editGroupNames = nullptr;
        QAction* createDictionaryFiles = nullptr;
        QAction* playWithMediaPlayer = nullptr;
        QAction* search = nullptr;
        QAction* moveWord = nullptr;
        QAction* jump = nullptr;
        QAction* deleteWord = nullptr;
        QAction* closeWordBook = nullptr;
    };

    void buildCommands();
    void buildPage();
    void buildContextMenus();
    void wireControls();
    QAction* makeSeparator();
    void reportError(const QString& message) const;
    void updateFolderStatus();
    void showTitleStatus();
    void bookListClicked(const QModelIndex& index);
    void bookListHeaderClicked(int section);
    void applyDoorWidth(int width);
    void showDictionaryButton(bool down);
    void showDirectionButtons(bool foreignFirst);
    void toggleMediaPlayer();
    void showWordListPage();

    WordBookContext m_context;
    core::WordBookFolders m_folders;
    Commands m_commands;
    QList<QAction*> m_menuActions;
    QSplitter* m_splitter = nullptr;
    WordListPresenter* m_wordList = nullptr;
    WordEntryDialogs* m_dialogs = nullptr;
    WordBookManagement* m_management = nullptr;
    QPointer<TSearchFrm> m_searchWindow;
    std::optional<QPoint> m_searchPosition;
    WordBookListModel* m_bookListModel = nullptr;
    WordBookPanel* m_panel = nullptr;
    QMenu* m_folderMenu = nullptr;

    int m_groupDirection = 1;
    int m_titleDirection = 1;
    int m_fileNameDirection = 1;
};

} // namespace pelinor::ui
