#include "core/app/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pelinor::core {

namespace {

QString cleanFolder(const QString& path)
{
    if (path.isEmpty())
        return path;
    return QDir::cleanPath(QDir(path).absolutePath());
}

QString environmentOr(const char* name, const QString& fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

const char* scriptFolderPrefix(ScriptFolder script)
{
    switch (script) {
    case ScriptFolder::Russian:
        return "book";
    case ScriptFolder::Greek:
        return "Greek";
    case ScriptFolder::Ukrainian:
        return "Ukraine";
    }
    return "book";
}

} // namespace

FolderRoots FolderRoots::fromEnvironment(const QString& executableDir)
{
    FolderRoots roots;
    roots.appData
        = cleanFolder(environmentOr("APPDATA", QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)));
    roots.programFiles = cleanFolder(environmentOr("PROGRAMFILES", executableDir + QStringLiteral("/../share")));
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath() + QStringLiteral("/Documents");
    roots.documents = cleanFolder(documents);
    return roots;
}

Folders::Folders(const FolderRoots& roots)
    : m_program(roots.programFiles + QStringLiteral("/Norvanta/Pelinor"))
    , m_userData(roots.appData + QStringLiteral("/Norvanta/Pelinor"))
    , m_documents(roots.documents + QStringLiteral("/Norvanta/Pelinor"))
{
    m_currentWordBook = wordBookFolder(ScriptFolder::Russian);
    m_currentDictionary = dictionaryFolder(ScriptFolder::Russian);
    m_currentTable = userTableFolder();
}

QString Folders::wordBookFolder(ScriptFolder script) const
{
    return m_documents + QLatin1Char('/') + QLatin1StringView(scriptFolderPrefix(script)) + QLatin1Char('A');
}

QString Folders::dictionaryFolder(ScriptFolder script) const
{
    return m_documents + QLatin1Char('/') + QLatin1StringView(scriptFolderPrefix(script)) + QLatin1Char('G');
}

QStringList Folders::setUpFolders() const
{
    struct Row {
        QString path;
        const char* message; // nullptr: a failure is silent
    };
    const Row rows[] = {
        {systemFolder(), QT_TRANSLATE_NOOP("pelinor::core::Folders", "システムフォルダが作れませんでした。")},
        {userTableFolder(),
            QT_TRANSLATE_NOOP("pelinor::core::Folders", "ユーザーテーブルフォルダフォルダが作れませんでした。")},
        {userTextFolder(), QT_TRANSLATE_NOOP("pelinor::core::Folders", "ユーザーテキストフォルダが作れませんでした。")},
        {wordBookFolder(ScriptFolder::Russian),
            QT_TRANSLATE_NOOP("pelinor::core::Folders", "単語帳フォルダが作れませんでした。")},
        {dictionaryFolder(ScriptFolder::Russian),
            QT_TRANSLATE_NOOP("pelinor::core::Folders", "辞書フォルダが作れませんでした。")},
        {wordBookFolder(ScriptFolder::Greek), nullptr},
        {dictionaryFolder(ScriptFolder::Greek), nullptr},
        {wordBookFolder(ScriptFolder::Ukrainian), nullptr},
        {dictionaryFolder(ScriptFolder::Ukrainian), nullptr},
    };
    QStringList messages;
    for (const Row& row : rows) {
        const bool ready = QFileInfo(row.path).isDir() || QDir().mkpath(row.path);
        if (!ready && row.message)
            messages.append(QCoreApplication::translate("pelinor::core::Folders", row.message));
    }
    return messages;
}

} // namespace pelinor::core
