#include "core/common/atomicfile.h"
#include "core/common/textcodec.h"
#include "core/wordbook/wordbookconversion.h"
#include "core/wordbook/wordbookfile.h"
#include "support/oldwordbookfixtures.h"
#include "support/tempworld.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace pelinor::core;
using namespace pelinor::test;

namespace {

/// A source folder and a destination folder in a temporary world.
class Conversion : public ::testing::Test {
protected:
    QString source(const QString& name = QString()) const { return world.path(u"old/"_qs + name); }
    QString destination(const QString& name = QString()) const { return world.path(u"books/"_qs + name); }

    void SetUp() override
    {
        QDir().mkpath(source());
        QDir().mkpath(destination());
    }
    void TearDown() override { setWriteLimitForTesting(-1); }

    QString writeOld(const QString& name, const QByteArray& bytes) const
    {
        world.writeBytes(u"old/"_qs + name, bytes);
        return source(name);
    }

    WordBookContent book(const QString& name) const { return readWordBookFile(destination(name)); }

    TempWorld world;
};

const FourLineRecord kCat{u"猫"_qs, u"ネコ"_qs, QString(), u"Кот"_qs};
// A record every code page can hold.
const FourLineRecord kPlain{u"猫"_qs, u"ネコ"_qs, QString(), u"cat"_qs};

} // namespace

TEST_F(Conversion, OutputNamesNeverReplaceAnExistingBook)
{
    struct Step {
        QString source;
        QString output;
    };
    // Each name is created in the destination before the next step, as converting it would.
    const Step steps[] = {
        {u"lesson(1).rwd"_qs, u"lesson（1）.utx"_qs},
        {u"lesson(1).rwd"_qs, u"lesson（1）(1).utx"_qs},
        {u"lesson(1).rwd"_qs, u"lesson（1）(2).utx"_qs},
        {u"a.b.rwd"_qs, u"a.b.utx"_qs},
        {u"a.b.rwd"_qs, u"a(1).utx"_qs},
        {u"Ü ber.TUD"_qs, u"Ü ber.utx"_qs},
    };
    for (const Step& step : steps) {
        const QString name = convertedFileName(step.source, destination());
        EXPECT_EQ(name, step.output) << step.source.toStdString();
        world.writeBytes(u"books/"_qs + name, "x");
    }
}

TEST_F(Conversion, TheListingFindsTheModesFilesInAnyCase)
{
    for (const char* name : {"b.rwd", "A.RWD", "c.gwd", "d.rwd.bak", "rwd"})
        writeOld(QString::fromLatin1(name), "t\r\n0\r\n");
    QDir().mkpath(source(u"folder.rwd"_qs));
    EXPECT_EQ(listOldWordBookFiles(source(), ConversionMode::Ostrel), (QStringList{u"A.RWD"_qs, u"b.rwd"_qs}));
    EXPECT_EQ(listOldWordBookFiles(source(), ConversionMode::Delvane), QStringList{u"c.gwd"_qs});
    EXPECT_TRUE(listOldWordBookFiles(source(), ConversionMode::Tumelpro).isEmpty());
    EXPECT_TRUE(listOldWordBookFiles(world.path(u"nowhere"_qs), ConversionMode::Ostrel).isEmpty());
    EXPECT_TRUE(listOldWordBookFiles(QString(), ConversionMode::Ostrel).isEmpty());
}

// What the issue asks of the whole road: old files of every product become books that the program's own
// reader opens with the right letters.
TEST_F(Conversion, ConvertedBooksOpenWithTheirScriptsThroughTheWordBookReader)
{
    struct Case {
        QString fileName;
        QByteArray bytes;
        QString foreign;
    };
    const FourLineRecord russian{u"家"_qs, u"ドム"_qs, u"男性名詞"_qs, u"Дом «мир»"_qs};
    const FourLineRecord greek{u"太陽"_qs, u"イリオス"_qs, QString(), u"Ήλιος"_qs};
    const FourLineRecord korean{u"愛"_qs, u"サラン"_qs, QString(), u"사랑"_qs};
    const FourLineRecord thai{u"水"_qs, u"ナーム"_qs, QString(), u"น้ำ"_qs};
    const FourLineRecord french{u"少年"_qs, u"ギャルソン"_qs, u"男性名詞"_qs, u"Garçon œuvre"_qs};
    const Case cases[] = {
        {u"ru.rwd"_qs, fourLineFile("windows-1251", u"ロシア語"_qs, {kPlain, russian}), russian.foreign},
        {u"el.gwd"_qs, fourLineFile("windows-1253", u"ギリシャ語"_qs, {kPlain, greek}), greek.foreign},
        {u"ko.kwd"_qs, fourLineFile("windows-949", u"韓国語"_qs, {kPlain, korean}), korean.foreign},
        {u"th.twd"_qs, fourLineFile("windows-874", u"タイ語"_qs, {kPlain, thai}), thai.foreign},
        {u"fr.ewd"_qs, fourLineFile("windows-1252", u"フランス語"_qs, {kPlain, french}), french.foreign},
    };
    QStringList paths;
    for (const Case& c : cases)
        paths.append(writeOld(c.fileName, c.bytes));
    paths.append(writeOld(u"th.tud"_qs,
        sevenLineFile(u"タイ語２"_qs, u"1"_qs, u"/home/u/snd"_qs,
            {{u"水"_qs, u"น้ำ"_qs, u"náːm"_qs, u"ナーム"_qs, u"メモ"_qs, u"nam.mp3"_qs, u"#00FF00"_qs}})));

    const ConversionRun run = convertOldWordBooks(paths, destination());
    EXPECT_TRUE(run.messages.isEmpty()) << run.messages.join(u'\n').toStdString();
    EXPECT_FALSE(run.stopped);
    EXPECT_EQ(run.written,
        (QStringList{u"ru.utx"_qs, u"el.utx"_qs, u"ko.utx"_qs, u"th.utx"_qs, u"fr.utx"_qs, u"th(1).utx"_qs}));

    for (size_t i = 0; i < std::size(cases); ++i) {
        const WordBookContent content = book(run.written[static_cast<qsizetype>(i)]);
        ASSERT_EQ(content.status, WordBookReadStatus::Read);
        ASSERT_EQ(content.entries.size(), 2) << cases[i].fileName.toStdString();
        EXPECT_EQ(content.header.group, QString());
        EXPECT_EQ(content.header.soundFolder, QString());
        EXPECT_EQ(content.entries[0].foreignWord, kPlain.foreign);
        EXPECT_EQ(content.entries[1].foreignWord, cases[i].foreign);
        EXPECT_EQ(content.entries[1].phonetic, QString());
        EXPECT_EQ(content.entries[1].soundFile, QString());
        EXPECT_EQ(content.entries[1].colour, QString());
    }
    const WordBookContent frenchBook = book(u"fr.utx"_qs);
    EXPECT_EQ(frenchBook.header.title, u"フランス語"_qs);
    EXPECT_EQ(frenchBook.entries[1].japanese, u"少年"_qs);
    EXPECT_EQ(frenchBook.entries[1].kana, u"ギャルソン"_qs);
    EXPECT_EQ(frenchBook.entries[1].note, u"男性名詞"_qs);

    const WordBookContent tud = book(u"th(1).utx"_qs);
    EXPECT_EQ(tud.header, (WordBookHeader{u"タイ語２"_qs, QString(), u"/home/u/snd"_qs}));
    ASSERT_EQ(tud.entries.size(), 1);
    EXPECT_EQ(tud.entries[0].foreignWord, u"น้ำ"_qs);
    EXPECT_EQ(tud.entries[0].phonetic, u"náːm"_qs);
    EXPECT_EQ(tud.entries[0].colour, u"#00FF00"_qs);

    // The book is a word book file as the program writes it: mark, UTF-16 LE, CR LF after every line.
    const QByteArray bytes = world.readBytes(u"books/ru.utx"_qs);
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
    EXPECT_EQ(decodeUtf16Le(bytes),
        u"ロシア語\r\n\r\n\r\n\"cat\",\"\",\"ネコ\",\"猫\",\"\",\"\",\"\"\r\n"
        u"\"Дом «мир»\",\"\",\"ドム\",\"家\",\"男性名詞\",\"\",\"\"\r\n"_qs);
}

// Old files hold double quotes in their Japanese parts; written between the field quotes as they stand,
// they would cut the entry line and the entry would be lost on reading.
TEST_F(Conversion, QuotesInJapaneseKanaAndNoteSurviveAsTheQuoteEscape)
{
    const FourLineRecord quoted{u"「\"愛\"」"_qs, u"\"サラン\""_qs, u"a \"b\", c"_qs, u"\"Да\""_qs};
    const QString four = writeOld(u"q.rwd"_qs, fourLineFile("windows-1251", u"t"_qs, {quoted, kCat}));
    const QString seven = writeOld(u"q.tud"_qs,
        sevenLineFile(u"t"_qs, u"1"_qs, QString(),
            {{u"\"水\""_qs, u"\"น้ำ\""_qs, u"\"n\""_qs, u"\"ナ\""_qs, u"\",\""_qs, u"\"s.mp3"_qs, u"#0000FF"_qs}}));
    const ConversionRun run = convertOldWordBooks({four, seven}, destination());
    ASSERT_EQ(run.written, (QStringList{u"q.utx"_qs, u"q(1).utx"_qs}));

    const WordBookContent fourBook = book(u"q.utx"_qs);
    ASSERT_EQ(fourBook.entries.size(), 2);
    EXPECT_EQ(fourBook.entries[0].foreignWord, u"Да"_qs);
    EXPECT_EQ(fourBook.entries[0].japanese, quoted.japanese);
    EXPECT_EQ(fourBook.entries[0].kana, quoted.kana);
    EXPECT_EQ(fourBook.entries[0].note, quoted.note);
    EXPECT_TRUE(decodeUtf16Le(world.readBytes(u"books/q.utx"_qs)).contains(u"\"「#$22愛#$22」\""_qs));

    const WordBookContent sevenBook = book(u"q(1).utx"_qs);
    ASSERT_EQ(sevenBook.entries.size(), 1);
    const WordEntry& e = sevenBook.entries[0];
    EXPECT_EQ(e.foreignWord, u"\"น้ำ\""_qs);
    EXPECT_EQ(e.phonetic, u"\"n\""_qs);
    EXPECT_EQ(e.kana, u"\"ナ\""_qs);
    EXPECT_EQ(e.japanese, u"\"水\""_qs);
    EXPECT_EQ(e.note, u"\",\""_qs);
    EXPECT_EQ(e.soundFile, u"\"s.mp3"_qs);
    EXPECT_EQ(e.colour, u"#0000FF"_qs);

    // The progress box shows the lines as they are written.
    const OldWordBook old = readFourLineRecords(world.readBytes(u"old/q.rwd"_qs), "windows-1251");
    EXPECT_EQ(convertedWordBookText(old),
        u"t\r\n\r\n\r\n\"Да\",\"\",\"#$22サラン#$22\",\"「#$22愛#$22」\",\"a #$22b#$22, c\",\"\",\"\"\r\n"
        u"\"Кот\",\"\",\"ネコ\",\"猫\",\"\",\"\",\"\"\r\n"_qs);
}

// The old program stopped the whole run at a short file with a list-index error. Here the file's complete
// records are written, the message names the file, and the files after it are converted all the same.
TEST_F(Conversion, AFileThatEndsBeforeItsLastRecordIsNamedAndTheOthersGoOn)
{
    const QString first = writeOld(u"1.rwd"_qs, fourLineFile("windows-1251", u"one"_qs, {kCat}));
    QByteArray cut = fourLineFile("windows-1251", u"two"_qs, u"5"_qs, {kCat, kCat, kCat});
    cut.chop(5); // the third record loses its foreign word line
    const QString broken = writeOld(u"2.rwd"_qs, cut);
    const QString last = writeOld(u"3.rwd"_qs, fourLineFile("windows-1251", u"three"_qs, {kCat}));

    QList<ConversionOutcome> outcomes;
    const ConversionRun run = convertOldWordBooks({first, broken, last}, destination(),
        [&outcomes](const ConvertedFile& file) { outcomes.append(file.outcome); });
    EXPECT_EQ(
        outcomes, (QList{ConversionOutcome::Converted, ConversionOutcome::Incomplete, ConversionOutcome::Converted}));
    EXPECT_FALSE(run.stopped);
    EXPECT_EQ(run.written, (QStringList{u"1.utx"_qs, u"2.utx"_qs, u"3.utx"_qs}));
    ASSERT_EQ(run.messages.size(), 1);
    EXPECT_TRUE(run.messages[0].contains(QDir::toNativeSeparators(broken))) << run.messages[0].toStdString();
    EXPECT_TRUE(run.messages[0].contains(u"2.utx"_qs));
    EXPECT_TRUE(run.messages[0].contains(u" 5 "_qs));

    EXPECT_EQ(book(u"2.utx"_qs).header.title, u"two"_qs);
    EXPECT_EQ(book(u"2.utx"_qs).entries.size(), 2);
    EXPECT_EQ(book(u"3.utx"_qs).entries.size(), 1);
}

TEST_F(Conversion, AnUnreadableOldFileIsNamedAndSkipped)
{
    const QString good = writeOld(u"good.rwd"_qs, fourLineFile("windows-1251", u"g"_qs, {kCat}));
    QDir().mkpath(source(u"folder.rwd"_qs));
    const ConversionRun run
        = convertOldWordBooks({source(u"gone.rwd"_qs), source(u"folder.rwd"_qs), good}, destination());
    EXPECT_EQ(run.written, QStringList{u"good.utx"_qs});
    ASSERT_EQ(run.messages.size(), 2);
    EXPECT_TRUE(run.messages[0].contains(u"gone.rwd"_qs));
    EXPECT_TRUE(run.messages[1].contains(u"folder.rwd"_qs));
    EXPECT_FALSE(world.exists(u"books/gone.utx"_qs));
    EXPECT_FALSE(run.stopped);
}

// A full disk: the book that does not fit is not left half written, the message names it, the run stops,
// and the books written before stay as they are.
TEST_F(Conversion, AFailedWriteNamesTheBookStopsTheRunAndKeepsTheBooksBefore)
{
    const QString first = writeOld(u"1.rwd"_qs, fourLineFile("windows-1251", u"one"_qs, {kCat}));
    const QString second = writeOld(u"2.rwd"_qs, fourLineFile("windows-1251", u"two"_qs, {kCat}));
    const QString third = writeOld(u"3.rwd"_qs, fourLineFile("windows-1251", u"three"_qs, {kCat}));

    int seen = 0;
    const ConversionRun run = convertOldWordBooks({first, second, third}, destination(), [&seen](const ConvertedFile&) {
        if (++seen == 1)
            setWriteLimitForTesting(10);
    });
    EXPECT_TRUE(run.stopped);
    EXPECT_EQ(run.written, QStringList{u"1.utx"_qs});
    ASSERT_EQ(run.messages.size(), 1);
    EXPECT_TRUE(run.messages[0].contains(QDir::toNativeSeparators(destination(u"2.utx"_qs))))
        << run.messages[0].toStdString();
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(book(u"1.utx"_qs).entries.size(), 1);
    EXPECT_EQ(QDir(destination()).entryList(QDir::Files | QDir::Hidden), QStringList{u"1.utx"_qs});
}
