#include "core/common/textfile.h"
#include "support/tempworld.h"

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

TEST(TextFile, SplitsLinesAtCrLfCrAndLf)
{
    EXPECT_EQ(splitLines(u"a\r\nb\rc\nd"), (QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}));
    EXPECT_EQ(splitLines(u"a\r\n"), QStringList{u"a"_qs});
    EXPECT_EQ(splitLines(u"a\r\n\r\nb\n"), (QStringList{u"a"_qs, QString(), u"b"_qs}));
    EXPECT_EQ(splitLines(u"\n\r"), (QStringList{QString(), QString()}));
    EXPECT_TRUE(splitLines(u"").isEmpty());
}

TEST(TextFile, DetectsByteOrderMarksElseCodePage932)
{
    struct Case {
        QByteArray bytes;
        TextEncoding encoding;
    };
    const QString text = u"Я ɔ あ"_qs;
    const Case cases[] = {
        {QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2),
            TextEncoding::Utf16Le},
        {encodeText(text, TextEncoding::Utf16Be), TextEncoding::Utf16Be},
        {QByteArray("\xEF\xBB\xBF") + text.toUtf8(), TextEncoding::Utf8},
    };
    for (const Case& c : cases) {
        TextEncoding found = TextEncoding::Cp932;
        EXPECT_EQ(decodeText(c.bytes, &found), text);
        EXPECT_EQ(found, c.encoding);
    }
    TextEncoding found = TextEncoding::Utf8;
    EXPECT_EQ(decodeText(QByteArray("\x83\x8D\x83\x56\x83\x41\x8C\xEA"), &found), u"ロシア語"_qs);
    EXPECT_EQ(found, TextEncoding::Cp932);
    // Half-width katakana are single bytes in code page 932.
    EXPECT_EQ(decodeText(QByteArray("\xB7\xDE\xD8\xBC\xB1\x8C\xEA")), u"ｷﾞﾘｼｱ語"_qs);
}

// Only the first mark is the file's: a text that itself starts with U+FEFF keeps it in every encoding.
TEST(TextFile, KeepsAMarkThatBelongsToTheText)
{
    const QString text = QChar(0xFEFF) + u"Я\r\n"_qs;
    for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
        TextEncoding found = TextEncoding::Cp932;
        EXPECT_EQ(decodeText(encodeText(text, encoding), &found), text) << static_cast<int>(encoding);
        EXPECT_EQ(found, encoding);
    }
    // A UTF-8 sequence cut off at the end of the file still shows as a replacement character.
    EXPECT_EQ(decodeText(QByteArray("\xEF\xBB\xBF"
                                    "a\xD0")),
        u"a\uFFFD"_qs);
}

// A file cut inside a double-byte character shows the cut as a replacement character instead of losing
// the byte without a trace.
TEST(TextFile, ShowsACodePage932CharacterCutAtTheEnd)
{
    struct Case {
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {QByteArray("a\x82"), u"a\uFFFD"_qs}, {QByteArray("\x82\xA0\x82"), u"あ\uFFFD"_qs},
        {QByteArray("\xE0"), u"\uFFFD"_qs}, {QByteArray("\x82\xA0"), u"あ"_qs},
        {QByteArray("a\xB1"), u"aｱ"_qs}, // a half-width katakana is one byte
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decodeCp932(c.bytes), c.text) << c.bytes.toHex().constData();
        EXPECT_EQ(decodeText(c.bytes), c.text) << c.bytes.toHex().constData();
    }
}

TEST(TextFile, WritesCodePage932WithDefaultCharacterAndCrLf)
{
    TempWorld world;
    ASSERT_TRUE(writeTextFile(world.path(u"a.txt"_qs), {u"ｷﾞﾘｼｱ語"_qs, u"ɔ\\~"_qs}, TextEncoding::Cp932));
    EXPECT_EQ(world.readBytes(u"a.txt"_qs), QByteArray("\xB7\xDE\xD8\xBC\xB1\x8C\xEA\r\n?\\~\r\n"));
}

TEST(TextFile, WritesUtf16LittleEndianWithMark)
{
    TempWorld world;
    ASSERT_TRUE(writeTextFile(world.path(u"w.utx"_qs), {u"Я"_qs, QString()}, TextEncoding::Utf16Le));
    EXPECT_EQ(world.readBytes(u"w.utx"_qs), QByteArray("\xFF\xFE\x2F\x04\r\0\n\0\r\0\n\0", 12));
    EXPECT_EQ(decodeUtf16Le(QByteArray("\x2F\x04", 2)), u"Я"_qs); // the mark is optional there
}

TEST(TextFile, ReadsMissingAndOversizedFilesAsAbsentOrUnreadable)
{
    TempWorld world;
    EXPECT_FALSE(readTextFile(world.path(u"none.txt"_qs)).exists);
    world.writeBytes(u"big.txt"_qs, QByteArray(100, 'x'));
    const TextFileContent big = readTextFile(world.path(u"big.txt"_qs), 10);
    EXPECT_TRUE(big.exists);
    EXPECT_FALSE(big.readable);
    EXPECT_FALSE(big.error.isEmpty());
}

TEST(TextFile, FailedWriteKeepsOldContentAndSaysWhy)
{
    TempWorld world;
    world.writeBytes(u"keep.txt"_qs, "old\r\n");
    world.writeBytes(u"blocker"_qs, "a file, not a folder");
    QString error;
    EXPECT_FALSE(writeTextFile(world.path(u"blocker/x.txt"_qs), {u"new"_qs}, TextEncoding::Cp932, &error));
    EXPECT_TRUE(error.contains(u"x.txt"_qs));
    EXPECT_EQ(world.readBytes(u"keep.txt"_qs), QByteArray("old\r\n"));
    ASSERT_TRUE(writeTextFile(world.path(u"keep.txt"_qs), {u"new"_qs}, TextEncoding::Cp932));
    EXPECT_EQ(world.readBytes(u"keep.txt"_qs), QByteArray("new\r\n"));
    EXPECT_EQ(QDir(world.path()).entryList(QDir::Files).size(), 2); // no temporary file left behind
}

// The usual Windows conversion writes these as the code page's look-alikes; reading gives the look-alike.
TEST(TextCodec, CodePage932TakesTheWindowsBestFits)
{
    const struct {
        QString character;
        QByteArray bytes;
        QString readBack;
    } cases[] = {
        {u"〜"_qs, QByteArray("\x81\x60"), u"～"_qs},
        {u"‖"_qs, QByteArray("\x81\x61"), u"∥"_qs},
        {u"−"_qs, QByteArray("\x81\x7C"), u"－"_qs},
        {u"¢"_qs, QByteArray("\x81\x91"), u"￠"_qs},
        {u"£"_qs, QByteArray("\x81\x92"), u"￡"_qs},
        {u"¬"_qs, QByteArray("\x81\xCA"), u"￢"_qs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.character.toStdString());
        EXPECT_EQ(encodeCp932(c.character), c.bytes);
        EXPECT_EQ(encodeCp932(u"a"_qs + c.character + u"ɔ"_qs), "a" + c.bytes + "?"); // the slow path too
        EXPECT_EQ(decodeCp932(c.bytes), c.readBack);
        EXPECT_EQ(encodeCp932(c.readBack), c.bytes);
        // The character does not come back as it was; its look-alike does.
        EXPECT_FALSE(fitsCp932(c.character));
        EXPECT_TRUE(fitsCp932(c.readBack));
    }
}

// A text with characters the code page lacks is converted character by character: repeated characters,
// ASCII and characters the code page has keep their bytes, each missing one becomes one "?".
TEST(TextCodec, MissingCharactersAmongRepeatedOnesBecomeOneQuestionMarkEach)
{
    const QByteArray i = "\x84\x79"; // и
    EXPECT_EQ(encodeCp932(u"a\\~ии її и"_qs), "a\\~" + i + i + " ?? " + i);
}

// No encoding but UTF-16 holds half a surrogate pair: it is left out, never written as "?".
TEST(TextCodec, HalfSurrogatesAreLeftOutExceptInUtf16)
{
    const QString text = u"a"_qs + QChar(0xD800) + u"b"_qs + QChar(0xDC00) + u"c😀"_qs + QChar(0xD83D);
    EXPECT_EQ(withoutLoneSurrogates(text), u"abc😀"_qs);
    EXPECT_EQ(encodeCp932(text), QByteArray("abc?"));
    EXPECT_EQ(encodeText(text, TextEncoding::Utf8), QByteArray("\xEF\xBB\xBF") + u"abc😀"_qs.toUtf8());
    EXPECT_EQ(decodeText(encodeText(text, TextEncoding::Utf16Le)), text);
    EXPECT_EQ(decodeText(encodeText(text, TextEncoding::Utf16Be)), text);
}

TEST(TextFile, KeepingTextChoosesCodePage932OnlyWhenNothingChanges)
{
    const struct {
        const char* name;
        QString line;
        bool utf8;
    } cases[] = {
        {"Japanese", u"ｷﾞﾘｼｱ語 ～"_qs, false},
        {"wave dash", u"10〜20"_qs, true},
        {"beyond the code page", u"ɔ"_qs, true},
        {"half surrogate only", u"a"_qs + QChar(0xDC00) + u"あ"_qs, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempWorld world;
        ASSERT_TRUE(writeTextFileKeepingText(world.path(u"a.txt"_qs), {c.line}));
        const QByteArray bytes = world.readBytes(u"a.txt"_qs);
        EXPECT_EQ(bytes.startsWith("\xEF\xBB\xBF"), c.utf8);
        EXPECT_FALSE(bytes.contains('?'));
        EXPECT_EQ(readTextFile(world.path(u"a.txt"_qs)).lines, QStringList{withoutLoneSurrogates(c.line)});
    }
}
