#include "core/wordbook/oldwordbookformat.h"
#include "core/wordbook/oldwordbookreader.h"
#include "support/oldwordbookfixtures.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace pelinor::core;
using namespace pelinor::test;

namespace {

QByteArray hexBytes(const char* hex)
{
    return QByteArray::fromHex(hex);
}

WordEntry fourLineEntry(
    const QString& foreign, const QString& kana, const QString& japanese, const QString& note, qsizetype number)
{
    WordEntry entry;
    entry.number = number;
    entry.foreignWord = foreign;
    entry.kana = kana;
    entry.japanese = japanese;
    entry.note = note;
    return entry;
}

} // namespace

// The fixtures are only worth their name if they are the bytes the old products wrote: each code page is
// checked against bytes taken from the code page charts, not from the converter that made them.
TEST(OldWordBookFixtures, TextIsWrittenInEachCodePageByteForByte)
{
    struct Case {
        const char* codePage;
        QString text;
        const char* hex;
    };
    const Case cases[] = {
        {"windows-1251", u"Дом «мир»"_qs, "c4eeec20abece8f0bb"},
        {"windows-1253", u"Λόγος"_qs, "cbfce3eff2"},
        {"windows-949", u"한국어"_qs, "c7d1b1b9beee"},
        {"windows-874", u"ไทย"_qs, "e4b7c2"},
        {"windows-1252", u"Été œuvre"_qs, "c974e9209c75767265"},
        {"windows-31j", u"日本ｶﾅ"_qs, "93fa967bb6c5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(encodedIn(c.codePage, c.text), hexBytes(c.hex)) << c.codePage;

    const QByteArray file = fourLineFile("windows-1251", u"猫"_qs, {{u"ネコ"_qs, QString(), QString(), u"Кот"_qs}});
    EXPECT_EQ(file,
        hexBytes("944c0d0a"
                 "310d0a"
                 "836c83520d0a"
                 "0d0a"
                 "0d0a"
                 "caeef20d0a"));
    EXPECT_EQ(sevenLineFile(u"T"_qs, u"0"_qs, QString(), {}),
        hexBytes("fffe"
                 "54000d000a00"
                 "30000d000a00"
                 "0d000a00"));
}

// A Russian file typed in as bytes: the Japanese parts decode as code page 932, the foreign words as 1251.
TEST(OldWordBookReader, FourLineRecordsTakeJapaneseAndForeignTextFromTheirOwnCodePages)
{
    const QByteArray bytes = hexBytes("93fa967b0d0a" // 日本 (title)
                                      "320d0a" // 2
                                      "944c0d0a"
                                      "836c83520d0a"
                                      "0d0a"
                                      "caeef20d0a" // 猫 ネコ (no note) Кот
                                      "93fa0d0a"
                                      "838a0d0a"
                                      "6e6f74650d0a"
                                      "c4eeec0d0a"); // 日 リ note Дом
    const OldWordBook book = readFourLineRecords(bytes, "windows-1251");
    EXPECT_EQ(book.header, (WordBookHeader{u"日本"_qs, QString(), QString()}));
    EXPECT_EQ(book.promisedRecords, 2);
    ASSERT_EQ(book.entries.size(), 2);
    EXPECT_EQ(book.entries[0].foreignWord, u"Кот"_qs);
    EXPECT_EQ(book.entries[0].kana, u"ネコ"_qs);
    EXPECT_EQ(book.entries[0].japanese, u"猫"_qs);
    EXPECT_EQ(book.entries[1].foreignWord, u"Дом"_qs);
    EXPECT_EQ(book.entries[1].note, u"note"_qs);
    EXPECT_EQ(book.entries[1].number, 2);
    EXPECT_TRUE(book.isComplete());
}

TEST(OldWordBookReader, EachCodePageGivesItsOwnLetters)
{
    const QString words[] = {u"Дом «мир»"_qs, u"Ήλιος"_qs, u"사랑"_qs, u"น้ำ"_qs, u"Garçon œuvre"_qs};
    for (size_t i = 0; i < std::size(words); ++i) {
        const FourLineFormat format = kFourLineFormats[i];
        const QByteArray bytes
            = fourLineFile(format.codePage, u"本"_qs, {{u"意味"_qs, u"カナ"_qs, u"メモ"_qs, words[i]}});
        const OldWordBook book
            = readOldWordBook(bytes, oldFileFormat(QStringLiteral("a.") + QLatin1String(format.extension)));
        ASSERT_EQ(book.entries.size(), 1) << format.extension;
        EXPECT_EQ(book.entries[0], fourLineEntry(words[i], u"カナ"_qs, u"意味"_qs, u"メモ"_qs, 1)) << format.extension;
    }
}

TEST(OldWordBookReader, QuotesLeaveTheForeignWordButStayInTheJapaneseParts)
{
    const QByteArray bytes
        = fourLineFile("windows-1251", u"t"_qs, {{u"「\"愛\"」"_qs, u"\"カナ\""_qs, u"a \"b\" c"_qs, u"\"Да\""_qs}});
    const OldWordBook book = readFourLineRecords(bytes, "windows-1251");
    ASSERT_EQ(book.entries.size(), 1);
    EXPECT_EQ(book.entries[0].foreignWord, u"Да"_qs);
    EXPECT_EQ(book.entries[0].japanese, u"「\"愛\"」"_qs);
    EXPECT_EQ(book.entries[0].kana, u"\"カナ\""_qs);
    EXPECT_EQ(book.entries[0].note, u"a \"b\" c"_qs);
}

TEST(OldWordBookReader, TheCountLineIsANumberOrNothing)
{
    struct Case {
        QString countLine;
        qsizetype promised;
    };
    const Case cases[] = {
        {u"1"_qs, 1},
        {u" 1 "_qs, 1},
        {u"one"_qs, 0},
        {u""_qs, 0},
        {u"-1"_qs, 0},
        {u"1x"_qs, 0},
    };
    const FourLineRecord record{u"猫"_qs, u"ネコ"_qs, QString(), u"Кот"_qs};
    for (const Case& c : cases) {
        const OldWordBook book
            = readFourLineRecords(fourLineFile("windows-1251", u"t"_qs, c.countLine, {record}), "windows-1251");
        EXPECT_EQ(book.promisedRecords, c.promised) << c.countLine.toStdString();
        EXPECT_EQ(book.entries.size(), c.promised) << c.countLine.toStdString();
        EXPECT_EQ(book.header.title, u"t"_qs);
        EXPECT_TRUE(book.isComplete());
    }
    // A file of the title alone, and an empty file, are books without entries.
    EXPECT_EQ(readFourLineRecords("title\r\n", "windows-1251").header.title, u"title"_qs);
    EXPECT_TRUE(readFourLineRecords(QByteArray(), "windows-1251").entries.isEmpty());
}

TEST(OldWordBookReader, ReadingStopsAtTheFirstRecordTheFileLacks)
{
    const FourLineRecord record{u"猫"_qs, u"ネコ"_qs, QString(), u"Кот"_qs};
    QByteArray bytes = fourLineFile("windows-1251", u"t"_qs, u"3"_qs, {record, record, record});
    bytes.chop(QByteArray("\xca\xee\xf2\r\n").size()); // the last foreign word is gone
    const OldWordBook book = readFourLineRecords(bytes, "windows-1251");
    EXPECT_EQ(book.promisedRecords, 3);
    EXPECT_EQ(book.entries.size(), 2);
    EXPECT_FALSE(book.isComplete());

    // A count far beyond the file reserves nothing for it.
    const OldWordBook huge
        = readFourLineRecords(fourLineFile("windows-1251", u"t"_qs, u"2000000000"_qs, {record}), "windows-1251");
    EXPECT_EQ(huge.entries.size(), 1);
    EXPECT_FALSE(huge.isComplete());
}

TEST(OldWordBookReader, SevenLineRecordsAreReorderedIntoEntryFields)
{
    const SevenLineRecord record{
        u"水"_qs, u"น้ำ"_qs, u"náːm"_qs, u"ナーム"_qs, u"\"冷たい\"水"_qs, u"nam.mp3"_qs, u"#FF0000"_qs};
    for (bool withMark : {true, false}) {
        const OldWordBook book
            = readSevenLineRecords(sevenLineFile(u"タイ語"_qs, u"1"_qs, u"/snd"_qs, {record}, withMark));
        EXPECT_EQ(book.header, (WordBookHeader{u"タイ語"_qs, QString(), u"/snd"_qs}));
        ASSERT_EQ(book.entries.size(), 1);
        const WordEntry& e = book.entries[0];
        EXPECT_EQ(e.foreignWord, u"น้ำ"_qs);
        EXPECT_EQ(e.phonetic, u"náːm"_qs);
        EXPECT_EQ(e.kana, u"ナーム"_qs);
        EXPECT_EQ(e.japanese, u"水"_qs);
        EXPECT_EQ(e.note, u"\"冷たい\"水"_qs);
        EXPECT_EQ(e.soundFile, u"nam.mp3"_qs);
        EXPECT_EQ(e.colour, u"#FF0000"_qs);
    }
    const OldWordBook shortBook = readSevenLineRecords(sevenLineFile(u"t"_qs, u"2"_qs, QString(), {record}));
    EXPECT_EQ(shortBook.entries.size(), 1);
    EXPECT_FALSE(shortBook.isComplete());
}

TEST(OldWordBookFormat, TheExtensionChoosesRuleAndCodePage)
{
    struct Case {
        QString name;
        OldRecordRule rule;
        QByteArray codePage;
    };
    const Case cases[] = {
        {u"a.rwd"_qs, OldRecordRule::FourLine, "windows-1251"},
        {u"a.gwd"_qs, OldRecordRule::FourLine, "windows-1253"},
        {u"a.kwd"_qs, OldRecordRule::FourLine, "windows-949"},
        {u"a.twd"_qs, OldRecordRule::FourLine, "windows-874"},
        {u"a.ewd"_qs, OldRecordRule::FourLine, "windows-1252"},
        {u"LESSON.RWD"_qs, OldRecordRule::FourLine, "windows-1251"},
        {u"x.y.Gwd"_qs, OldRecordRule::FourLine, "windows-1253"},
        {u"a.tud"_qs, OldRecordRule::SevenLine, QByteArray()},
        {u"A.TUD"_qs, OldRecordRule::SevenLine, QByteArray()},
        {u"a.txt"_qs, OldRecordRule::FourLine, "windows-31j"},
        {u"rwd"_qs, OldRecordRule::FourLine, "windows-31j"},
    };
    for (const Case& c : cases) {
        const OldFileFormat format = oldFileFormat(c.name);
        EXPECT_EQ(format.rule, c.rule) << c.name.toStdString();
        if (c.rule == OldRecordRule::FourLine) {
            EXPECT_EQ(QByteArray(format.foreignCodePage), c.codePage) << c.name.toStdString();
        }
    }
}

TEST(OldWordBookFormat, DefaultSourceFoldersLieOnTheWindowsDriveC)
{
    EXPECT_EQ(defaultSourceFolder(ConversionMode::Ostrel, u"/w/drive_c"_qs), u"/w/drive_c/Norvanta/Ostrel/bookA"_qs);
    EXPECT_EQ(defaultSourceFolder(ConversionMode::Varonel, u"/w/drive_c"_qs), u"/w/drive_c/Norvanta/Varona/FrenchA"_qs);
    EXPECT_EQ(
        defaultSourceFolder(ConversionMode::Tumelpro, u"/w/drive_c"_qs), u"/w/drive_c/Norvanta/Tumelpro/bookA"_qs);
    EXPECT_EQ(oldFilePattern(ConversionMode::Soridan), u"*.kwd"_qs);

    const QByteArray saved = qgetenv("WINEPREFIX");
    qputenv("WINEPREFIX", "/opt/wineprefix");
    EXPECT_EQ(windowsDriveFolder(), u"/opt/wineprefix/drive_c"_qs);
    qunsetenv("WINEPREFIX");
    EXPECT_EQ(windowsDriveFolder(), QDir::homePath() + u"/.wine/drive_c"_qs);
    if (!saved.isNull())
        qputenv("WINEPREFIX", saved);
}
