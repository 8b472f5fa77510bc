#include "core/tables/newsymboldatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace pelinor::core {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("pelinor::core::NewSymbolDatabase", text);
}

} // namespace

QStringList NewSymbolDatabase::fixedGroupNames()
{
    QStringList names;
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter)
        names.append(QChar(letter) + tr("のグループ"));
    names.append(tr("その他"));
    return names;
}

std::optional<QString> NewSymbolDatabase::nameProblem(const QString& name, const QString& folder)
{
    if (!name.endsWith(QLatin1StringView(".csv")))
        return tr("拡張子は\"csv\"でなくてはなりません。");
    if (!name.startsWith(QLatin1StringView("DB")))
        return tr("ﾌｧｲﾙ名の最初の2文字は\"DB\"でなくてはなりません。");
    // The database belongs in the table folder; a name with a folder part would put it elsewhere.
    if (name.contains(u'/') || name.contains(u'\\'))
        return tr("ﾌｧｲﾙ名に\"/\"や\"\\\"は使えません。");
    if (QFileInfo::exists(QDir(folder).filePath(name)))
        return tr("同名のﾌｧｲﾙが存在します。別の名前をつけて下さい。");
    return std::nullopt;
}

SymbolDatabase NewSymbolDatabase::build(
    const QString& writingSystem, const QString& displayFont, const QStringList& extraGroups)
{
    SymbolDatabase database;
    database.setWritingSystem(writingSystem);
    database.setDisplayFont(displayFont);
    int number = 0;
    for (const QString& name : fixedGroupNames())
        database.groups().append({number++, name});
    for (const QString& name : extraGroups)
        database.groups().append({number++, name});
    return database;
}

} // namespace pelinor::core
