#pragma once

#include "ui/wordbook/wordbookcontext.h"

#include <QObject>
#include <QString>

#include <array>

class QWidget;

namespace pelinor::ui {

class WordListDelegate;
class WordListModel;
class WordListView;

/// The word list (`WordList`) of the open word book: its model, delegate and view, the column captions
/// after the direction and the script, sorting the book by a column, the selected entry, using an entry
/// in the input areas and playing its sound file, and the list's look and column widths from the settings.
class WordListPresenter : public QObject {
    Q_OBJECT

public:
    /// Builds the view into `viewParent`, disabled and with the default column widths.
    WordListPresenter(WordBookContext context, QWidget* viewParent, QObject* parent = nullptr);

    WordListView* view() const { return m_view; }
    WordListModel* model() const { return m_model; }
    WordListDelegate* delegate() const { return m_delegate; }

    /// The current script's name, shown in the column captions.
    QString languageName() const { return m_languageName; }
    void setLanguageName(const QString& name);

    /// Shows the open word book (enabled) or nothing (disabled).
    void showBook(bool shown);

    /// Captions of the first and fifth column after the direction and the script, and the open word
    /// book read again so that each column shows its field. Widths stay.
    void applyDirection();
    /// true = foreign word first. A change exchanges the widths of columns 1 and 5 (each stays with its
    /// content), sets `EiwaFlg` and runs applyDirection().
    void setForeignFirst(bool foreignFirst);
    /// Asks, then sorts the open word book by a column position (0-based; the number column does nothing)
    /// and writes it. Each sort of a column flips its direction first, so the first one is descending.
    void sortByColumn(int column);

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
    void forgetPlayedSound() { m_lastPlayedSound.clear(); }

    /// The fonts, the phonetic background and the row height taken anew from the settings (after the
    /// settings dialog or the font box changed them); the list is repainted.
    void applySettings();
    /// Start-up: the stored column widths, row height and direction.
    void applyStoredLayout();
    /// Writes the live column widths back to `LVCol1Width` ... `LVCol7Width`.
    void storeLiveState();
    /// While the word book panel's door moves, the note column is not painted.
    void setDoorMoving(bool moving);

Q_SIGNALS:
    /// An entry was selected, by the user or by selectEntry().
    void entrySelected();
    /// Reading the open word book again found that it is no word book any more.
    void bookLost();

private:
    void reportError(const QString& message) const;

    WordBookContext m_context;
    WordListModel* m_model = nullptr;
    WordListDelegate* m_delegate = nullptr;
    WordListView* m_view = nullptr;
    QString m_languageName;
    std::array<int, 8> m_columnDirections{1, 1, 1, 1, 1, 1, 1, 1};
    QString m_lastPlayedSound;
};

} // namespace pelinor::ui
