#include "core/wordbook/wordbookfolders.h"

#include "core/app/settings.h"

namespace pelinor::core {

WordBookFolders::WordBookFolders(Folders& folders, Settings& settings)
    : m_folders(folders)
    , m_settings(settings)
    , m_storedDictionaryMode(settings.flag(SettingKey::DicFlg))
{
}

bool WordBookFolders::setDictionaryMode(bool on)
{
    if (on == m_dictionaryMode)
        return false;
    if (on) {
        m_returnFolder = m_folders.currentWordBookFolder();
        m_dictionaryMode = true;
        m_settings.setFlag(SettingKey::DicFlg, true);
        setCurrentFolder(m_folders.currentDictionaryFolder());
    } else {
        const QString back = m_returnFolder;
        m_dictionaryMode = false;
        m_settings.setFlag(SettingKey::DicFlg, false);
        m_returnFolder.clear();
        setCurrentFolder(back);
    }
    return true;
}

bool WordBookFolders::takeStoredDictionaryMode()
{
    const bool stored = m_storedDictionaryMode;
    m_storedDictionaryMode = false;
    return stored;
}

void WordBookFolders::followScript(ScriptFolder script)
{
    m_dictionaryMode = false;
    m_settings.setFlag(SettingKey::DicFlg, false);
    m_returnFolder.clear();
    m_folders.setCurrentDictionaryFolder(m_folders.dictionaryFolder(script));
    setCurrentFolder(m_folders.wordBookFolder(script));
}

QStringList WordBookFolders::folderMenuEntries(QString* error) const
{
    const FolderList list = readOrCreateFolderList(
        m_folders.systemFolder(), m_folders.wordBookFolder(ScriptFolder::Russian), m_folders.currentDictionaryFolder());
    if (error)
        *error = list.error;
    QStringList entries;
    for (const QString& folder : list.folders) {
        if (!folder.isEmpty())
            entries.append(folder);
    }
    return entries;
}

bool WordBookFolders::addToFolderMenu(const QString& folder, QString* error) const
{
    return addFolderToList(m_folders.systemFolder(), folder, error);
}

QString WordBookFolders::folderMenuFile() const
{
    return folderListPath(m_folders.systemFolder());
}

DictionaryFileBatch WordBookFolders::createDictionaryFiles() const
{
    const QString folder = currentFolder();
    return core::createDictionaryFiles(folder, dictionaryFilePrefix(m_folders, folder));
}

} // namespace pelinor::core
