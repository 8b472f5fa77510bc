#pragma once

#include "ui/wordbook/wordbookcontext.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <array>
#include <optional>

class QAction;
class QMenu;
class QModelIndex;
class QSplitter;

namespace pelinor::core {
struct ScriptInfo;
struct WordEntry;
} // namespace pelinor::core

namespace pelinor::ui {

class WordBookListModel;
class WordBookPanel;
class WordEntryDialog;
class WordListDelegate;
class WordListModel;
class WordListView;
struct WordEntryDialogServices;

/// The word book part of the main window: the word list (`ListView1`) on the left of the page
/// "単語リスト" and the word book panel with the word book list (`ListView2`) on the right, behind an
/// 8-pixel splitter; the current word book folder and dictionary mode, the folder menu, opening and
/// closing word books, the status bar texts, the enabled states of the word-book commands, the
/// registration and edit dialogs and the text colour dialog.
class WordBookController : public QObject {
    Q_OBJECT

public:
    /// Which column of the command table the word-book commands follow.
    enum class CommandState { Start, BookOpened, EntryClicked, Closed };

    /// Builds the word list and the word book panel into `context.page` and wires the "単語帳 (&W)" menu.
    /// Nothing is listed yet: the main window calls ListWordBooks() (or SetWordBookFolder()) at its step.
    /// Construct it after the settings file was read: the stored `DicFlg` is taken here, because the
    /// script change that precedes applyStoredLayout() leaves dictionary mode.
    explicit WordBookController(WordBookContext context, QObject* parent = nullptr);
    ~WordBookController() override;

    // --- Folders and the word book list ---

    /// Current word book folder := `folder`, then ListWordBooks().
    void SetWordBookFolder(const QString& folder);
    /// Closes the open word book and lists the word books of the current folder, by group.
    void ListWordBooks();
    /// Sorts the word book list by group with the group column's current direction.
    void sortWordBookListByGroup();
    /// Opens a word book of the current folder into the word list. False when it was not opened (no such
    /// file, unreadable, or no word book).
    bool OpenWordBook(const QString& fileName);
    /// Selects the first row of the word book list with this file name and acts as a click on it.
    void SelectWordBookByFile(const QString& fileName);
    /// Forgets the open word book: the word list is emptied and disabled, the commands that need a book
    /// are disabled, status panel 1 is emptied.
    void CloseWordBook();
    /// After entries were added or removed: the count of the open book's row and the total in the status
    /// bar follow the open word book.
    void UpdateEntryCount();

    /// Dictionary mode ("辞書" down): enters the current dictionary folder, remembering the folder to
    /// return to; leaving it returns there. Does nothing when the mode is already as asked.
    void setDictionaryMode(bool on);
    bool isDictionaryMode() const;
    /// The folder that leaving dictionary mode returns to; empty outside dictionary mode.
    QString returnFolder() const { return m_returnFolder; }

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

    /// The door button's action (the panel opens or closes with the automatic door on).
    void operateDoor();

    // --- The word list ---

    /// Captions of the first and fifth column after the direction and the script, and the open word
    /// book read again so that each column shows its field. Widths stay.
    void ApplyDirection();
    /// The direction buttons: true = foreign word first. A change exchanges the widths of columns 1 and 5
    /// (each stays with its content), sets `EiwaFlg` and runs ApplyDirection().
    void chooseDirection(bool foreignFirst);
    /// Asks, then sorts the open word book by a column position (0-based; the number column does nothing)
    /// and writes it. Each sort of a column flips its direction first, so the first one is descending.
    void sortWordListByColumn(int column);
    /// Selects the entry with this number (1-based), scrolls it into view and acts as a click on it.
    void selectEntry(qsizetype number);
    /// 0-based index of the selected entry, or -1.
    qsizetype selectedEntryIndex() const;
    /// The double click on an entry: its phonetic symbols and foreign word go into the input areas and,
    /// with `MediaPlayerFlg` on, its sound file plays.
    void useEntry(qsizetype index);
    /// Plays a sound file (name without folder) of the open word book with the desktop's player when it
    /// exists and records it as the last played one. False when the file does not exist.
    bool playSoundFile(const QString& name);
    /// File name of the sound file most recently handed to the player; empty at start and after a word
    /// book was closed.
    QString lastPlayedSoundFile() const { return m_lastPlayedSound; }

    /// The fonts, the phonetic background and the row height of the word list taken anew from the
    /// settings (after the settings dialog or the font box changed them); the list is repainted.
    void applyWordListSettings();

    // --- Dialogs ---

    /// "単語登録" (F4): opens the registration dialog when a word book is open.
    void registerWord();
    /// "単語編集" (F5): opens the edit dialog for the selected entry while the command is enabled.
    void modifyWord();
    /// "文字色変更": opens the text colour dialog for the selected entry.
    void changeTextColour();

    // --- The main window's steps ---

    /// Start-up: the stored column widths and row height, the direction button of `EiwaFlg` (without
    /// exchanging widths), and dictionary mode when `DicFlg` is on.
    void applyStoredLayout();
    /// Writes the live column widths back to `LVCol1Width` ... `LVCol7Width`.
    void storeLiveState();
    /// A script change: the dictionary button is released without its action, the folders become the
    /// script's, the word book list is rebuilt, the headings and direction captions follow, and a closed
    /// panel opens (with the automatic door on).
    void onScriptChanged(const core::ScriptInfo& script);
    /// Shutdown: empties the word list.
    void clear();

    /// Sets the enabled states of the word-book commands to a column of the command table.
    void setCommandStates(CommandState state);

    // --- Parts, for the main window, the other word book dialogs and tests ---

    QSplitter* splitter() const { return m_splitter; }
    WordListView* wordListView() const { return m_wordList; }
    WordListModel* wordListModel() const { return m_wordListModel; }
    WordListDelegate* wordListDelegate() const { return m_wordListDelegate; }
    WordBookPanel* panel() const { return m_panel; }
    WordBookListModel* wordBookListModel() const { return m_bookListModel; }
    /// "文字色変更" of the word list's context menu.
    QAction* colourAction() const { return m_colourAction; }
    /// Remembered places of the registration and the edit dialog (left, top, width; none at start).
    std::optional<QRect> registrationRect() const { return m_registrationRect; }
    std::optional<QRect> editRect() const { return m_editRect; }

Q_SIGNALS:
    /// A registration or edit dialog was made and is about to be shown: the place to attach the input
    /// engine to its foreign word and phonetic fields.
    void entryDialogOpening(pelinor::ui::WordEntryDialog* dialog);

private:
    void buildPage();
    void wireMenus();
    void wireControls();
    QWidget* dialogParent() const;
    void updateFolderStatus();
    void showTitleStatus();
    void bookListClicked(const QModelIndex& index);
    void bookListHeaderClicked(int section);
    void wordListSelectionChanged();
    void applyDoorWidth(int width);
    void doorStopped();
    void dictionaryButtonToggled(bool on);
    void wordBookMenuAboutToShow();
    void toggleMediaPlayer();
    bool storeNewEntry(const core::WordEntry& entry, qsizetype index, QString* error);
    bool applyEditedEntry(const core::WordEntry& fields, QString* error);
    void placeDialog(QWidget* dialog, const std::optional<QRect>& remembered) const;
    void afterDialog();
    WordEntryDialogServices dialogServices();
    bool openFile(const QString& path) const;
    void reportError(const QString& message) const;

    WordBookContext m_context;
    QSplitter* m_splitter = nullptr;
    WordListModel* m_wordListModel = nullptr;
    WordListDelegate* m_wordListDelegate = nullptr;
    WordListView* m_wordList = nullptr;
    WordBookListModel* m_bookListModel = nullptr;
    WordBookPanel* m_panel = nullptr;
    QMenu* m_folderMenu = nullptr;
    QAction* m_colourAction = nullptr;

    QString m_languageName;
    bool m_dictionaryMode = false;
    bool m_storedDictionaryMode = false;
    QString m_returnFolder;
    int m_groupDirection = 1;
    int m_titleDirection = 1;
    int m_fileNameDirection = 1;
    std::array<int, 8> m_columnDirections{1, 1, 1, 1, 1, 1, 1, 1};
    QString m_lastPlayedSound;
    std::optional<QRect> m_registrationRect;
    std::optional<QRect> m_editRect;
};

} // namespace pelinor::ui
