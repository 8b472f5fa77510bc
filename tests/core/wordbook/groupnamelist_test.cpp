#include "core/common/textcodec.h"
#include "core/wordbook/groupnamelist.h"
#include "support/tempworld.h"

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

TEST(GroupNameList, ChoicesWithoutTheFileAreTheTwoDefaults)
{
    TempWorld world;
    struct Case {
        QString preferred;
        qsizetype selected;
    };
    const Case cases[] = {{u"その他"_qs, 1}, {u"あいさつ"_qs, 0}, {u"旅行"_qs, -1}, {QString(), -1}};
    for (const Case& c : cases) {
        const GroupChoices choices = fillGroupChoices(world.path(), c.preferred);
        EXPECT_EQ(choices.names, (QStringList{u"あいさつ"_qs, u"その他"_qs}));
        EXPECT_EQ(choices.selected, c.selected) << c.preferred.toStdString();
        EXPECT_TRUE(choices.error.isEmpty());
    }
}

TEST(GroupNameList, ChoicesAreTheLinesOfTheFileInAnyEncoding)
{
    const QStringList names{u"動詞"_qs, u"ｷﾞﾘｼｱ語"_qs, u"Verb"_qs, u"動詞"_qs};
    const QString text = names.join(u"\r\n"_qs) + u"\r\n"_qs;
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"code page 932", encodeText(text, TextEncoding::Cp932)},
        {"UTF-8 with mark", encodeText(text, TextEncoding::Utf8)},
        {"UTF-16 LE with mark", encodeText(text, TextEncoding::Utf16Le)},
    };
    TempWorld world;
    for (const Case& c : cases) {
        world.writeBytes(u"GroupName.txt"_qs, c.bytes);
        const GroupChoices choices = fillGroupChoices(world.path(), u"動詞"_qs);
        EXPECT_EQ(choices.names, names) << c.what;
        EXPECT_EQ(choices.selected, 0) << c.what; // the first of equal names
        EXPECT_EQ(fillGroupChoices(world.path(), u"verb"_qs).selected, -1) << c.what; // case-sensitive
    }
}

TEST(GroupNameList, AnEmptyFileOffersNoChoice)
{
    TempWorld world;
    world.writeBytes(u"GroupName.txt"_qs, QByteArray());
    EXPECT_TRUE(fillGroupChoices(world.path(), u"あいさつ"_qs).names.isEmpty());
}

TEST(GroupNameList, WritesCodePage932WithoutMarkAndCrLf)
{
    TempWorld world;
    ASSERT_TRUE(writeGroupNameList(world.path(), {u"ｱ"_qs, u"名詞"_qs, u"Я"_qs}));
    EXPECT_EQ(world.readBytes(u"GroupName.txt"_qs), QByteArray("\xB1\r\n\x96\xBC\x8E\x8C\r\n\x84\x60\r\n"));
    const TextFileContent read = readGroupNameList(world.path());
    EXPECT_TRUE(read.exists);
    EXPECT_EQ(read.lines, (QStringList{u"ｱ"_qs, u"名詞"_qs, u"Я"_qs}));

    QString error;
    world.writeBytes(u"blocker"_qs, "a file, not a folder");
    EXPECT_FALSE(writeGroupNameList(world.path(u"blocker"_qs), {u"x"_qs}, &error));
    EXPECT_FALSE(error.isEmpty());
}
