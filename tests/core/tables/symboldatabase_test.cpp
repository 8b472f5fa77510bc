#include "core/common/hexcode.h"
#include "core/tables/symboldatabase.h"
#include "support/tempworld.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

// "発音記号" and "その他" in code page 932.
const QByteArray kPhonetic("\x94\xAD\x89\xB9\x8B\x4C\x8D\x86");
const QByteArray kOther("\x82\xBB\x82\xCC\x91\xBC");

// The lines, each followed by CR LF.
QByteArray lines(std::initializer_list<QByteArray> list)
{
    QByteArray bytes;
    for (const QByteArray& line : list)
        bytes += line + "\r\n";
    return bytes;
}

class SymbolDatabaseTest : public ::testing::Test {
protected:
    SymbolDatabase readBytes(const QString& name, const QByteArray& bytes)
    {
        world.writeBytes(name, bytes);
        return SymbolDatabase::read(world.path(name));
    }

    TempWorld world;
};

} // namespace

TEST_F(SymbolDatabaseTest, HeaderIsAFirstLineOfExactlyTwoFields)
{
    struct Case {
        QByteArray firstLine;
        bool header;
        QString writingSystem, font;
    };
    const Case cases[] = {
        {"\"" + kPhonetic + "\",\"Segoe UI\"", true, u"発音記号"_qs, u"Segoe UI"_qs},
        {kPhonetic + ",Segoe UI", false, {}, {}}, // unquoted, the space splits the font name
        {"\"" + kPhonetic + "\", \"Segoe UI\"  ", true, u"発音記号"_qs, u"Segoe UI"_qs},
        {"\"\",\"\"", true, {}, {}},
        {"Group,0,\"A\"", false, {}, {}},
        {"", false, {}, {}},
    };
    for (const Case& c : cases) {
        const SymbolDatabase db = readBytes(u"DBx.csv"_qs, c.firstLine + "\r\nGroup,0,\"A\"\r\n");
        EXPECT_EQ(db.hasHeader(), c.header) << c.firstLine.toStdString();
        EXPECT_EQ(db.writingSystem(), c.writingSystem) << c.firstLine.toStdString();
        EXPECT_EQ(db.displayFont(), c.font) << c.firstLine.toStdString();
    }
}

TEST_F(SymbolDatabaseTest, ReadsGroupsAndEntriesAndIgnoresOtherShapes)
{
    const SymbolDatabase db = readBytes(u"DBPhonet.csv"_qs,
        "\"" + kPhonetic + "\",\"Segoe UI\"\r\n"
            + "0,\"0061\",\"a\",\"a\",\"0\",\"\"\n" // entries may come before groups, lines end in LF ...
            + "Group,0,\"A\"\r" // ... or CR
            + lines({
                "Groups,1,\"not a group\"", // three fields, not "Group"
                "\"two\",\"fields\"", // a two-field line after the first
                "0,\"00e9\",\"e acute\",\"\",\"0\",\"\"",
                "1,\"0254\",\"open o\",\"\",\"1\",\"\",", // seven fields
                "Group,1,\"" + kOther + "\"",
                "1,\"0254\",\"open o\",\"x\",\"2\",\"note\"",
            }));
    EXPECT_TRUE(db.fileExists());
    EXPECT_TRUE(db.skippedLines().isEmpty());
    EXPECT_EQ(db.groups(), (QList<SymbolGroup>{{0, u"A"_qs}, {1, u"その他"_qs}}));
    const QList<SymbolEntry> expected{
        {0, u"0061"_qs, u"a"_qs, u"a"_qs, u"0"_qs, {}},
        {0, u"00e9"_qs, u"e acute"_qs, {}, u"0"_qs, {}}, // kept for the editor, though not a hex code
        {1, u"0254"_qs, u"open o"_qs, u"x"_qs, u"2"_qs, u"note"_qs},
    };
    EXPECT_EQ(db.entries(), expected);
    EXPECT_EQ(db.indexOfCode(u"0254"), 2);
    EXPECT_EQ(db.indexOfCode(u"0255"), -1);
}

TEST_F(SymbolDatabaseTest, BadGroupNumberSkipsOnlyThatLineAndSaysWhich)
{
    const SymbolDatabase db = readBytes(u"DBx.csv"_qs,
        lines({
            "\"a\",\"b\"",
            "Group,0,\"A\"",
            "Group,one,\"B\"",
            "0,\"0061\",\"a\",\"\",\"0\",\"\"",
            "x,\"0062\",\"b\",\"\",\"0\",\"\"",
            "0,\"0063\",\"c\",\"\",\"0\",\"\"",
        }));
    EXPECT_EQ(db.groups(), (QList<SymbolGroup>{{0, u"A"_qs}}));
    ASSERT_EQ(db.entries().size(), 2);
    EXPECT_EQ(db.entries()[1].code, u"0063"_qs);
    ASSERT_EQ(db.skippedLines().size(), 2);
    EXPECT_EQ(db.skippedLines()[0].fileName, u"DBx.csv"_qs);
    EXPECT_EQ(db.skippedLines()[0].lineNumber, 3);
    EXPECT_TRUE(db.skippedLines()[0].reason.contains(u"one"_qs));
    EXPECT_EQ(db.skippedLines()[1].lineNumber, 5);
}

TEST_F(SymbolDatabaseTest, MissingFileIsEmpty)
{
    const SymbolDatabase db = SymbolDatabase::read(world.path(u"DBnone.csv"_qs));
    EXPECT_FALSE(db.fileExists());
    EXPECT_FALSE(db.hasHeader());
    EXPECT_TRUE(db.readError().isEmpty());
    EXPECT_TRUE(db.groups().isEmpty());
    EXPECT_TRUE(db.entries().isEmpty());
}

TEST_F(SymbolDatabaseTest, DefaultsByFileNameApplyOnlyWithoutWritingSystem)
{
    struct Case {
        QString fileName, writingSystem, font;
    };
    const Case cases[] = {
        {u"DBKhmer.csv"_qs, u"クメール文字"_qs, u"Khmer OS Battambang"_qs},
        {u"DBPhonet.csv"_qs, u"発音記号"_qs, u"Segoe UI"_qs}, {u"DBThai.csv"_qs, u"タイ文字"_qs, u"Times New Roman"_qs},
        {u"DBMyanmar.csv"_qs, u"ミャンマー文字"_qs, u"Padauk Book"_qs},
        {u"DBLao.csv"_qs, u"ラオス文字"_qs, u"DokChampa"_qs},
        {u"DBRuss.csv"_qs, u"キリル文字"_qs, u"Times New Roman"_qs},
        {u"DBRussian.csv"_qs, u"その他"_qs, u"Times New Roman"_qs},
        {u"dbkhmer.csv"_qs, u"その他"_qs, u"Times New Roman"_qs}, // names compare case-sensitively
    };
    for (const Case& c : cases) {
        SymbolDatabase db = readBytes(c.fileName, "Group,0,\"A\"\r\n");
        db.applyFileNameDefaults(c.fileName);
        EXPECT_EQ(db.writingSystem(), c.writingSystem) << c.fileName.toStdString();
        EXPECT_EQ(db.displayFont(), c.font) << c.fileName.toStdString();
    }
    SymbolDatabase withHeader = readBytes(u"DBKhmer.csv"_qs, "\"" + kOther + "\",\"Arial\"\r\n");
    withHeader.applyFileNameDefaults(u"DBKhmer.csv");
    EXPECT_EQ(withHeader.writingSystem(), u"その他"_qs);
    EXPECT_EQ(withHeader.displayFont(), u"Arial"_qs);
}

TEST_F(SymbolDatabaseTest, WritesTheFileByteForByte)
{
    SymbolDatabase db;
    db.setWritingSystem(u"発音記号"_qs);
    db.setDisplayFont(u"Segoe UI"_qs);
    db.groups() = {{0, u"A"_qs}, {1, u"その他"_qs}};
    db.entries() = {
        {0, u"0061"_qs, u"a\\small a"_qs, u"その他"_qs, u"0"_qs, u"note, with comma"_qs},
        {1, u"00e9"_qs, u"dropped"_qs, {}, u"0"_qs, {}}, // not a hex code: never written
        {1, u"0254"_qs, u"open o #$0254"_qs, {}, u"1"_qs, {}},
    };
    ASSERT_TRUE(db.write(world.path(u"DBout.csv"_qs)));
    const QByteArray expected = lines({
        "\"" + kPhonetic + "\",\"Segoe UI\"",
        "Group,0,\"A\"",
        "Group,1,\"" + kOther + "\"",
        "0,\"0061\",\"a\\small a\",\"" + kOther + "\",\"0\",\"note, with comma\"",
        "1,\"0254\",\"open o #$0254\",\"\",\"1\",\"\"",
    });
    EXPECT_EQ(world.readBytes(u"DBout.csv"_qs), expected);
}

TEST_F(SymbolDatabaseTest, ReadThenWriteGivesTheSameBytes)
{
    const QByteArray bytes = lines({
        "\"" + kPhonetic + "\",\"Segoe UI\"",
        "Group,0,\"A\"",
        "Group,1,\"" + kOther + "\"",
        "0,\"0061\",\"a#$0022quoted#$0022\",\"" + kOther + "\",\"0\",\"\"",
        "1,\"0254\",\"open o\\#$0254\",\"\",\"2\",\"" + kOther + " note\"",
        "1,\"005C\",\"back\\slash\",\"\\\",\"0\",\"~\"",
    });
    const SymbolDatabase db = readBytes(u"DBin.csv"_qs, bytes);
    ASSERT_TRUE(db.write(world.path(u"DBout.csv"_qs)));
    EXPECT_EQ(world.readBytes(u"DBout.csv"_qs), bytes);
}

TEST_F(SymbolDatabaseTest, Utf8FileIsWrittenBackAsCodePage932WithoutMark)
{
    const QByteArray utf8 = "\xEF\xBB\xBF\"" + u"発音記号"_qs.toUtf8() + "\",\"Segoe UI\"\r\nGroup,0,\"A\"\r\n";
    const SymbolDatabase db = readBytes(u"DBu.csv"_qs, utf8);
    EXPECT_EQ(db.writingSystem(), u"発音記号"_qs);
    ASSERT_TRUE(db.write(world.path(u"DBu.csv"_qs)));
    EXPECT_EQ(world.readBytes(u"DBu.csv"_qs), "\"" + kPhonetic + "\",\"Segoe UI\"\r\nGroup,0,\"A\"\r\n");
}

TEST_F(SymbolDatabaseTest, EnglishNamesKeepCharactersTheCodePageLacksAsEscapes)
{
    SymbolDatabase db;
    db.entries() = {{0, u"0254"_qs, u"open \"o\" ɔ\\𝄞"_qs, u"オー"_qs, u"0"_qs, {}}};
    ASSERT_TRUE(db.write(world.path(u"DBe.csv"_qs)));
    const QByteArray bytes = world.readBytes(u"DBe.csv"_qs);
    EXPECT_TRUE(bytes.contains("\"open #$0022o#$0022 #$0254\\#$D834#$DD1E\"")) << bytes.toStdString();
    const SymbolDatabase back = SymbolDatabase::read(world.path(u"DBe.csv"_qs));
    ASSERT_EQ(back.entries().size(), 1);
    EXPECT_EQ(decodeHexEscapes(back.entries()[0].englishName), u"open \"o\" ɔ\\𝄞"_qs);
    EXPECT_EQ(back.entries()[0].japaneseName, u"オー"_qs);
}

TEST_F(SymbolDatabaseTest, RefusesFieldsThatWouldBreakTheLineAndKeepsTheOldFile)
{
    struct Case {
        const char* what;
        void (*spoil)(SymbolDatabase&);
    };
    const Case cases[] = {
        {"japanese name", [](SymbolDatabase& d) { d.entries()[0].japaneseName = u"a\"b"_qs; }},
        {"note", [](SymbolDatabase& d) { d.entries()[0].note = u"line\nbreak"_qs; }},
        {"auxiliary", [](SymbolDatabase& d) { d.entries()[0].auxiliary = u"\""_qs; }},
        {"group name", [](SymbolDatabase& d) { d.groups()[0].name = u"g\""_qs; }},
        {"font", [](SymbolDatabase& d) { d.setDisplayFont(u"F\r"_qs); }},
    };
    world.writeBytes(u"DBkeep.csv"_qs, "old\r\n");
    for (const Case& c : cases) {
        SymbolDatabase db;
        db.groups() = {{0, u"A"_qs}};
        db.entries() = {{0, u"0061"_qs, u"a"_qs, u"a"_qs, u"0"_qs, {}}};
        c.spoil(db);
        QString error;
        EXPECT_FALSE(db.write(world.path(u"DBkeep.csv"_qs), &error)) << c.what;
        EXPECT_FALSE(error.isEmpty()) << c.what;
        EXPECT_FALSE(db.toLines());
    }
    EXPECT_EQ(world.readBytes(u"DBkeep.csv"_qs), QByteArray("old\r\n"));
}

TEST_F(SymbolDatabaseTest, FailedWriteReportsTheFile)
{
    world.writeBytes(u"blocker"_qs, "a file, not a folder");
    SymbolDatabase db;
    QString error;
    EXPECT_FALSE(db.write(world.path(u"blocker/DBx.csv"_qs), &error));
    EXPECT_TRUE(error.contains(u"DBx.csv"_qs));
}
