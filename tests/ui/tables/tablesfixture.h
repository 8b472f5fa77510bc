#pragma once

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/common/textcodec.h"
#include "platform/fake/fakeshellopener.h"
#include "support/tempworld.h"
#include "ui/tables/tabletoolscontext.h"

#include <QDir>
#include <QFile>

namespace pelinor::test {

/// The table tools on a private folder world: settings with their defaults, the folders with the shipped
/// tables copied into the user table folder, a recording shell opener and a file chooser the test answers.
class TablesFixture {
public:
    TablesFixture()
        : folders(core::FolderRoots{world.path(QStringLiteral("appdata")), world.path(QStringLiteral("program")),
            world.path(QStringLiteral("documents"))})
    {
        folders.setUpFolders();
        settings.setDefaults();
        folders.setCurrentTableFolder(folders.userTableFolder());
        const QDir shipped(QStringLiteral(PELINOR_TEST_SOURCE_DIR "/data/Tbl"));
        for (const QString& name : shipped.entryList(QDir::Files))
            QFile::copy(shipped.filePath(name), tableFile(name));
    }

    QString tableFile(const QString& name) const { return folders.userTableFolder() + u'/' + name; }

    void writeTable(const QString& name, const QString& text) const
    {
        QFile file(tableFile(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(core::encodeCp932(text));
    }

    QByteArray readTable(const QString& name) const
    {
        QFile file(tableFile(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ui::TableToolsContext context()
    {
        ui::TableToolsContext c{.settings = settings, .folders = folders, .shellOpener = opener};
        c.chooseSaveFile = [this](QWidget*, const QString&, const QString&, const QString&) { return fileToChoose; };
        c.chooseOpenFile = c.chooseSaveFile;
        c.endProgram = [this] { ++endRequests; };
        c.restoreStartupLayout = [this] { layoutCalls.append(QStringLiteral("startup")); };
        c.selectScriptLayout = [this] { layoutCalls.append(QStringLiteral("script")); };
        return c;
    }

    TempWorld world;
    core::Folders folders;
    core::Settings settings;
    platform::FakeShellOpener opener;
    QString fileToChoose;
    int endRequests = 0;
    QStringList layoutCalls;
};

} // namespace pelinor::test
