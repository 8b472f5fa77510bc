#pragma once

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/wordbook/wordbook.h"
#include "core/wordbook/wordbookfile.h"
#include "platform/fake/fakeshellopener.h"
#include "support/messageboxes.h"
#include "support/tempworld.h"
#include "ui/wordbook/wordbookcontroller.h"
#include "ui/wordbook/wordentrydialogs.h"
#include "ui/wordbook/wordlistpresenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>
#include <memory>

namespace pelinor::test {

/// A word entry from its six texts and colour.
inline core::WordEntry entry(const QString& foreign, const QString& phonetic = QString(),
    const QString& kana = QString(), const QString& japanese = QString(), const QString& note = QString(),
    const QString& sound = QString(), const QString& colour = QString())
{
    core::WordEntry e;
    e.foreignWord = foreign;
    e.phonetic = phonetic;
    e.kana = kana;
    e.japanese = japanese;
    e.note = note;
    e.soundFile = sound;
    e.colour = colour;
    return e;
}

/// The entry with its number set.
inline core::WordEntry numbered(core::WordEntry e, qsizetype number)
{
    e.number = number;
    return e;
}

/// The word book part of the main window on a private folder world: settings, folders, the open word
/// book, the word book menu as the window fills it, the status panels, the two input areas and the page.
class WordBookFixture {
public:
    WordBookFixture()
        : folders(core::FolderRoots{world.path(QStringLiteral("appdata")), world.path(QStringLiteral("program")),
            world.path(QStringLiteral("documents"))})
    {
        folders.setUpFolders();
        window.resize(900, 400);
        auto* layout = new QVBoxLayout(&window);
        phoneticArea = new QLineEdit(&window);
        phoneticArea->setObjectName(QStringLiteral("PhoneticArea"));
        foreignArea = new QPlainTextEdit(&window);
        foreignArea->setObjectName(QStringLiteral("ForeignArea"));
        page = new QWidget(&window);
        page->setObjectName(QStringLiteral("WordListPage"));
        titlePanel = new QLabel(&window);
        folderPanel = new QLabel(&window);
        layout->addWidget(phoneticArea);
        layout->addWidget(foreignArea);
        layout->addWidget(page, 1);
        layout->addWidget(titlePanel);
        layout->addWidget(folderPanel);
    }

    /// Makes the controller; the settings may be changed before.
    ui::WordBookController& make()
    {
        ui::WordBookContext context{.settings = settings,
            .folders = folders,
            .wordBook = book,
            .shellOpener = shellOpener,
            .titlePanel = titlePanel,
            .folderPanel = folderPanel,
            .phoneticArea = phoneticArea,
            .foreignArea = foreignArea,
            .page = page,
            .mainWindow = &window};
        context.chooseFolder = [this](QWidget*, const QString& caption, const QString& start) {
            folderCaption = caption;
            folderStart = start;
            return chosenFolder;
        };
        context.chooseSoundFile = [this](QWidget*, const QString& start) {
            soundStart = start;
            return chosenSoundFile;
        };
        context.chooseWordBookFile = [this](QWidget*, const QString& start) {
            wordBookFileStart = start;
            return chosenWordBookFile;
        };
        controller = std::make_unique<ui::WordBookController>(context);
        wordBookMenu.addActions(controller->menuActions());
        QObject::connect(
            &wordBookMenu, &QMenu::aboutToShow, controller.get(), &ui::WordBookController::updateMenuStates);
        return *controller;
    }

    /// A command of the word book by its object name.
    QAction* action(const QString& objectName) const
    {
        auto* found = controller->findChild<QAction*>(objectName);
        if (!found)
            qFatal("no action %s", qPrintable(objectName));
        return found;
    }

    /// The files handed to the desktop's programs, in order.
    const QStringList& opened() const { return shellOpener.openedFiles(); }

    QString russianBooks() const { return folders.wordBookFolder(core::ScriptFolder::Russian); }
    QString russianDictionary() const { return folders.dictionaryFolder(core::ScriptFolder::Russian); }

    /// Writes a word book file into `folder`.
    static void writeBook(const QString& folder, const QString& fileName, const QString& title, const QString& group,
        const QList<core::WordEntry>& entries = {}, const QString& soundFolder = QString())
    {
        QDir().mkpath(folder);
        QVERIFY(core::writeWordBookFile(
            QDir(folder).filePath(fileName), core::WordBookHeader{title, group, soundFolder}, entries));
    }

    /// The entries as the file holds them now.
    static QList<core::WordEntry> entriesInFile(const QString& path) { return core::readWordBookFile(path).entries; }

    TempWorld world;
    core::Folders folders;
    core::Settings settings;
    core::WordBook book;
    platform::FakeShellOpener shellOpener;
    QMenu wordBookMenu;
    QWidget window;
    QLineEdit* phoneticArea = nullptr;
    QPlainTextEdit* foreignArea = nullptr;
    QWidget* page = nullptr;
    QLabel* titlePanel = nullptr;
    QLabel* folderPanel = nullptr;
    std::unique_ptr<ui::WordBookController> controller;

    QString chosenFolder;
    QString folderCaption;
    QString folderStart;
    QString chosenSoundFile;
    QString soundStart;
    QString chosenWordBookFile;
    QString wordBookFileStart;
};

} // namespace pelinor::test
