#pragma once

#include "core/app/folders.h"
#include "core/wordbook/dictionaryfiles.h"
#include "core/wordbook/folderlistfile.h"

#include <QString>
#include <QStringList>

namespace pelinor::core {

class Settings;

/// Which folder the word book list shows: the current word book folder, dictionary mode with the folder
/// that leaving it returns to, the folders offered by the folder menu ("FolList.txt") and the batch of
/// empty dictionary files that dictionary mode can create. Dictionary mode is stored as `DicFlg`.
class WordBookFolders {
public:
    /// Takes the stored `DicFlg` now: the script change that the start-up runs before the stored layout
    /// is applied leaves dictionary mode and clears the flag.
    WordBookFolders(Folders& folders, Settings& settings);

    QString currentFolder() const { return m_folders.currentWordBookFolder(); }
    void setCurrentFolder(const QString& folder) { m_folders.setCurrentWordBookFolder(folder); }

    bool isDictionaryMode() const { return m_dictionaryMode; }
    /// The folder that leaving dictionary mode returns to; empty outside dictionary mode.
    QString returnFolder() const { return m_returnFolder; }
    /// Entering makes the current dictionary folder current and remembers the folder to return to;
    /// leaving returns there. False, changing nothing, when the mode already was as asked.
    bool setDictionaryMode(bool on);
    /// Whether `DicFlg` was on when this was made, until the first call; the start-up enters dictionary
    /// mode again once.
    bool takeStoredDictionaryMode();

    /// A script change: dictionary mode ends without returning, and the script's word book and dictionary
    /// folders become current.
    void followScript(ScriptFolder script);

    /// The folders the folder menu offers, in file order without empty lines; the file is created with the
    /// Russian word book folder and the current dictionary folder when it is missing. `error` is set when
    /// the file could not be read or created.
    QStringList folderMenuEntries(QString* error = nullptr) const;
    /// Puts a chosen folder first in the folder menu file (see addFolderToList()).
    bool addToFolderMenu(const QString& folder, QString* error = nullptr) const;
    /// The folder menu file, which the user edits with the desktop's editor.
    QString folderMenuFile() const;

    /// The empty dictionary files are made only in dictionary mode.
    bool canCreateDictionaryFiles() const { return m_dictionaryMode; }
    /// Creates the batch of empty dictionary files in the current folder, named after its script.
    DictionaryFileBatch createDictionaryFiles() const;

private:
    Folders& m_folders;
    Settings& m_settings;
    bool m_dictionaryMode = false;
    bool m_storedDictionaryMode = false;
    QString m_returnFolder;
};

} // namespace pelinor::core
