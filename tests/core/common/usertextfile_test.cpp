#include "core/common/atomicfile.h"
#include "core/common/codevaluetext.h"
#include "core/common/textcodec.h"
#include "core/common/usertextfile.h"
#include "support/tempworld.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

TEST(UserTextFile, WritesUtf16LeWithMarkAndCrLfAndReadsItBackUnchanged)
{
    TempWorld world;
    const QString text = u"Да\nнет\r\nɔ ά 😀"_qs;
    ASSERT_TRUE(writeUserTextFile(world.path(u"t.txt"_qs), text));
    const QByteArray bytes = world.readBytes(u"t.txt"_qs);
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
    EXPECT_EQ(decodeText(bytes), u"Да\r\nнет\r\nɔ ά 😀"_qs);
    const UserTextRead read = readUserTextFile(world.path(u"t.txt"_qs));
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.text, u"Да\nнет\nɔ ά 😀"_qs);
}

TEST(UserTextFile, ReadsEveryEncodingAUserMayHave)
{
    const QString text = u"Привет\r\nκόσμε"_qs;
    const QByteArray utf16NoMark = encodeText(text, TextEncoding::Utf16Le).mid(2);
    const QByteArray cases[] = {
        encodeText(text, TextEncoding::Utf16Le),
        encodeText(text, TextEncoding::Utf16Be),
        encodeText(text, TextEncoding::Utf8),
        text.toUtf8(), // UTF-8 without a mark, as most Linux editors write
        utf16NoMark,
    };
    TempWorld world;
    for (const QByteArray& bytes : cases) {
        world.writeBytes(u"in.txt"_qs, bytes);
        const UserTextRead read = readUserTextFile(world.path(u"in.txt"_qs));
        ASSERT_TRUE(read.ok) << read.error.toStdString();
        EXPECT_EQ(read.text, u"Привет\nκόσμε"_qs) << bytes.left(8).toHex().toStdString();
    }
    // Latin text in UTF-16 without a mark has a zero in every other byte, which no other reading takes.
    world.writeBytes(u"latin.txt"_qs, encodeText(u"Hello\r\nworld", TextEncoding::Utf16Le).mid(2));
    EXPECT_EQ(readUserTextFile(world.path(u"latin.txt"_qs)).text, u"Hello\nworld"_qs);
    // Code page 932 without a mark stays readable.
    world.writeBytes(u"sjis.txt"_qs, encodeCp932(u"ロシア語"));
    EXPECT_EQ(readUserTextFile(world.path(u"sjis.txt"_qs)).text, u"ロシア語"_qs);
}

TEST(UserTextFile, RefusesWhatIsNoText)
{
    TempWorld world;
    QByteArray png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10", 20);
    world.writeBytes(u"picture.txt"_qs, png);
    QByteArray big(static_cast<qsizetype>(kMaxUserTextBytes + 1), 'a');
    world.writeBytes(u"big.txt"_qs, big);
    // Compressed data: bytes of every value, an even number of them.
    QByteArray noise;
    quint32 seed = 12345;
    for (int i = 0; i < 4096; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise.append(static_cast<char>(seed >> 24));
    }
    world.writeBytes(u"noise.txt"_qs, noise);
    for (const QString& name : {u"picture.txt"_qs, u"big.txt"_qs, u"missing.txt"_qs, u"noise.txt"_qs}) {
        const UserTextRead read = readUserTextFile(world.path(name));
        EXPECT_FALSE(read.ok) << name.toStdString();
        EXPECT_FALSE(read.error.isEmpty()) << name.toStdString();
        EXPECT_TRUE(read.text.isEmpty());
    }
    EXPECT_FALSE(readUserTextFile(u"/dev/zero"_qs).ok);
    EXPECT_TRUE(looksLikeText(u"a\tb\fc\r\n"));
    EXPECT_FALSE(looksLikeText(QStringView(u"a\0b", 3)));
}

TEST(UserTextFile, AFailedSaveSaysSoAndKeepsTheOldFile)
{
    TempWorld world;
    world.writeBytes(u"t.txt"_qs, "old");
    setWriteLimitForTesting(3);
    QString error;
    EXPECT_FALSE(writeUserTextFile(world.path(u"t.txt"_qs), u"новый текст", &error));
    setWriteLimitForTesting(-1);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(world.readBytes(u"t.txt"_qs), QByteArray("old"));
}

TEST(CodeValueText, ShowsEachUnitAfterTrimming)
{
    struct Case {
        QString text;
        QString expected;
    };
    const Case cases[] = {
        {u"Да"_qs, u"/#$0414/#$0430"_qs},
        {u"  Д\r\nа \t"_qs, u"/#$0414/#$000D/#$000A/#$0430"_qs},
        {u" \r\n "_qs, QString()},
        {u"😀"_qs, u"/#$D83D/#$DE00"_qs},
        {u"\u00A0x"_qs, u"/#$00A0/#$0078"_qs},
    };
    for (const Case& c : cases)
        EXPECT_EQ(codeValueText(c.text), c.expected) << c.text.toStdString();
}
