// The word book views with large books (run with QT_QPA_PLATFORM=offscreen): opening a word book of
// 100,000 entries into the word list (target under 300 ms), sorting it by the foreign-word column (under
// 300 ms), adding an entry with the file written (under 150 ms), and listing a folder of 500 word books
// (under 300 ms).
#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/wordbook/wordbook.h"
#include "core/wordbook/wordbookfile.h"
#include "platform/fake/fakeshellopener.h"
#include "ui/wordbook/wordbookcontroller.h"
#include "ui/wordbook/wordbooklistmodel.h"
#include "ui/wordbook/wordlistmodel.h"
#include "ui/wordbook/wordlistpresenter.h"
#include "ui/wordbook/wordlistview.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>
#include <memory>

using namespace pelinor;

namespace {

constexpr int kEntryCount = 100000;
constexpr int kBookCount = 500;

QList<core::WordEntry> makeEntries(int count)
{
    QList<core::WordEntry> entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        core::WordEntry e;
        // Mixed case, so that the foreign-word sort has to fold it.
        e.foreignWord = (i % 3 == 0 ? QStringLiteral("Здравствуйте%1") : QStringLiteral("здравствуйте%1"))
                            .arg((i * 7919) % count);
        e.phonetic = u"zdrasʲtʲvujtʲɪ"_qs;
        e.kana = u"ズドラーストヴィチェ"_qs;
        e.japanese = u"こんにちは（丁寧）"_qs;
        e.note = i % 20 == 0 ? u"目上の人に#$0D初対面で"_qs : u"目上の人に"_qs;
        e.soundFile = QStringLiteral("word%1.mp3").arg(i);
        e.colour = i % 20 == 0 ? u"#FF0000"_qs : QString();
        entries.append(e);
    }
    core::renumberEntries(entries);
    return entries;
}

// The word book part of a main window on a temporary folder world, shown offscreen.
struct World {
    QTemporaryDir dir;
    core::Folders folders{
        core::FolderRoots{dir.filePath(u"appdata"_qs), dir.filePath(u"program"_qs), dir.filePath(u"documents"_qs)}};
    core::Settings settings;
    core::WordBook book;
    platform::FakeShellOpener shellOpener;
    QWidget window;
    QLineEdit* phonetic = new QLineEdit(&window);
    QPlainTextEdit* foreign = new QPlainTextEdit(&window);
    QWidget* page = new QWidget(&window);
    QLabel* title = new QLabel(&window);
    QLabel* folder = new QLabel(&window);
    std::unique_ptr<ui::WordBookController> controller;

    World()
    {
        folders.setUpFolders();
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(phonetic);
        layout->addWidget(foreign);
        layout->addWidget(page, 1);
        layout->addWidget(title);
        layout->addWidget(folder);
        window.resize(1000, 700);
        settings.setFlag(core::SettingKey::AutoDoorFlg, false);
        controller = std::make_unique<ui::WordBookController>(ui::WordBookContext{.settings = settings,
            .folders = folders,
            .wordBook = book,
            .shellOpener = shellOpener,
            .titlePanel = title,
            .folderPanel = folder,
            .phoneticArea = phonetic,
            .foreignArea = foreign,
            .page = page,
            .mainWindow = &window});
        window.show();
        QApplication::processEvents();
    }

    QString books() const { return folders.currentWordBookFolder(); }

    bool writeBigBook()
    {
        return core::writeWordBookFile(QDir(books()).filePath(u"big.utx"_qs),
            core::WordBookHeader{u"大きい"_qs, u"辞書"_qs, QString()}, makeEntries(kEntryCount));
    }

    // Paints what the list shows now, as the next frame would.
    void paintList() { controller->wordListView()->viewport()->repaint(); }
};

void BM_OpenWordBookIntoWordList(benchmark::State& state)
{
    World world;
    if (!world.writeBigBook())
        state.SkipWithError("write failed");
    world.controller->listWordBooks();
    for (auto _ : state) {
        if (!world.controller->openWordBook(u"big.utx"_qs)
            || world.controller->wordListModel()->rowCount() != kEntryCount)
            state.SkipWithError("open failed");
        world.paintList();
    }
}

void BM_SortWordListByForeignWord(benchmark::State& state)
{
    World world;
    if (!world.writeBigBook())
        state.SkipWithError("write failed");
    world.controller->listWordBooks();
    world.controller->openWordBook(u"big.utx"_qs);
    world.controller->chooseDirection(true);
    int direction = 1;
    for (auto _ : state) {
        direction = -direction;
        if (!world.controller->wordListModel()->sortEntries(core::WordField::ForeignWord, direction))
            state.SkipWithError("sort failed");
        world.paintList();
    }
}

void BM_AddEntryToLargeWordBook(benchmark::State& state)
{
    World world;
    if (!world.writeBigBook())
        state.SkipWithError("write failed");
    world.controller->listWordBooks();
    world.controller->openWordBook(u"big.utx"_qs);
    core::WordEntry entry;
    entry.foreignWord = u"новое"_qs;
    entry.japanese = u"新しい"_qs;
    for (auto _ : state) {
        // What "追加 (F4)" does: append (file written), select, count.
        if (!world.controller->wordListModel()->appendEntry(entry))
            state.SkipWithError("append failed");
        world.controller->wordList().selectEntry(world.book.entryCount());
        world.controller->updateEntryCount();
        world.paintList();
    }
}

void BM_ListFolderOf500WordBooks(benchmark::State& state)
{
    World world;
    const QList<core::WordEntry> entries = makeEntries(40);
    for (int i = 0; i < kBookCount; ++i) {
        if (!core::writeWordBookFile(QDir(world.books()).filePath(QStringLiteral("book%1.utx").arg(i)),
                core::WordBookHeader{QStringLiteral("単語帳 %1").arg((i * 37) % kBookCount),
                    QStringLiteral("グループ%1").arg(i % 7), QString()},
                entries))
            state.SkipWithError("write failed");
    }
    for (auto _ : state) {
        world.controller->listWordBooks();
        if (world.controller->wordBookListModel()->rowCount() != kBookCount)
            state.SkipWithError("listing failed");
    }
}

} // namespace

BENCHMARK(BM_OpenWordBookIntoWordList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortWordListByForeignWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddEntryToLargeWordBook)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListFolderOf500WordBooks)->Unit(benchmark::kMillisecond);
