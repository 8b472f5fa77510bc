#pragma once

#include <QString>
#include <QStringList>

namespace pelinor::core {

/// The three roots every folder of the program hangs from.
struct FolderRoots {
    QString appData; ///< per-user data root (APPDATA, else the XDG data home)
    QString programFiles; ///< root of the installed program (PROGRAMFILES, else <exe>/../share)
    QString documents; ///< the user's documents folder

    /// Reads the roots from the environment: `APPDATA` and `PROGRAMFILES` when set and not empty, else the
    /// XDG data home and the `share` folder beside the executable's folder; the documents folder of the
    /// desktop. `executableDir` is the folder of the running program.
    static FolderRoots fromEnvironment(const QString& executableDir);
};

/// Script whose word book and dictionary folders are meant.
enum class ScriptFolder { Russian, Greek, Ukrainian };

/// Where every file of the program lives. Paths are absolute, with "/" separators and no trailing one.
/// The fixed paths are computed once at start; the current word book, dictionary and table folders
/// are run-time selections with setters.
class Folders {
public:
    Folders() = default;
    explicit Folders(const FolderRoots& roots);

    /// Creates the nine per-user folders (with missing parents) in their fixed order. Returns the
    /// messages of the first five that can be neither found nor created, in order; the Greek and
    /// Ukrainian folders fail silently.
    QStringList setUpFolders() const;

    QString programFolder() const { return m_program; }
    QString helpFolder() const { return m_program + QStringLiteral("/Help"); }
    QString systemTableFolder() const { return m_program + QStringLiteral("/Tbl"); }
    QString systemFolder() const { return m_userData + QStringLiteral("/Sys"); }
    QString userTableFolder() const { return m_userData + QStringLiteral("/Tbl"); }
    QString userTextFolder() const { return m_documents + QStringLiteral("/usr"); }
    QString wordBookFolder(ScriptFolder script) const;
    QString dictionaryFolder(ScriptFolder script) const;

    QString currentWordBookFolder() const { return m_currentWordBook; }
    void setCurrentWordBookFolder(const QString& folder) { m_currentWordBook = folder; }
    QString currentDictionaryFolder() const { return m_currentDictionary; }
    void setCurrentDictionaryFolder(const QString& folder) { m_currentDictionary = folder; }
    QString currentTableFolder() const { return m_currentTable; }
    void setCurrentTableFolder(const QString& folder) { m_currentTable = folder; }

    /// Name of the settings file in the system folder, and of the one that earlier versions used.
    static QString settingsFileName() { return QStringLiteral("Pelinor_A.rng"); }
    static QString oldSettingsFileName() { return QStringLiteral("Pelinor.rng"); }
    QString settingsFile() const { return systemFolder() + QLatin1Char('/') + settingsFileName(); }

private:
    QString m_program;
    QString m_userData;
    QString m_documents;
    QString m_currentWordBook;
    QString m_currentDictionary;
    QString m_currentTable;
};

} // namespace pelinor::core
