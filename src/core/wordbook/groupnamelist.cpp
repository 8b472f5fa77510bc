#include "core/wordbook/groupnamelist.h"

#include <QDir>

namespace pelinor::core {

QStringList defaultGroupNames()
{
    return {QStringLiteral("あいさつ"), QStringLiteral("その他")};
}

QString groupNameListPath(const QString& systemFolder)
{
    return QDir(systemFolder).filePath(kGroupNameListFileName.toString());
}

TextFileContent readGroupNameList(const QString& systemFolder)
{
    return readTextFile(groupNameListPath(systemFolder));
}

bool writeGroupNameList(const QString& systemFolder, const QStringList& names, QString* error)
{
    // A name that code page 932 would change must come back as typed: LastGroup and the word books hold it.
    return writeTextFileKeepingText(groupNameListPath(systemFolder), names, error);
}

GroupChoices fillGroupChoices(const QString& systemFolder, const QString& preferred)
{
    GroupChoices choices;
    const TextFileContent file = readGroupNameList(systemFolder);
    if (file.exists && file.readable) {
        choices.names = file.lines;
    } else {
        choices.names = defaultGroupNames();
        choices.error = file.error;
    }
    if (!preferred.isEmpty())
        choices.selected = choices.names.indexOf(preferred);
    return choices;
}

} // namespace pelinor::core
