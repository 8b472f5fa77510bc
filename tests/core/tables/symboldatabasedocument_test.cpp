#include "core/common/atomicfile.h"
#include "core/common/textcodec.h"
#include "core/tables/newsymboldatabase.h"
#include "core/tables/symboldatabase.h"
#include "core/tables/symboldatabasedocument.h"
#include "support/tempworld.h"

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

// A database of four groups in which only groups 0 and 2 have rows: 0:(0250 0251) 2:(0254 0255).
class SymbolDatabaseDocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        world.writeBytes(QStringLiteral("DBTest.csv"),
            encodeCp932(u"\"発音記号\",\"Segoe UI\"\r\n"
                        "Group,0,\"母音\"\r\nGroup,1,\"子音\"\r\nGroup,2,\"補助\"\r\nGroup,3,\"その他\"\r\n"
                        "0,\"0250\",\"turned a\",\"ア\",\"0\",\"\"\r\n"
                        "0,\"0251\",\"script a\",\"イ\",\"0\",\"注あり\"\r\n"
                        "2,\"0254\",\"open o\",\"ウ\",\"0\",\"\"\r\n"
                        "2,\"0255\",\"c curl\",\"エ\",\"1\",\"\"\r\n"));
        ASSERT_TRUE(document.open(world.path(QStringLiteral("DBTest.csv"))));
    }

    QStringList codes() const
    {
        QStringList list;
        for (const SymbolEntry& row : document.rows())
            list.append(QString::number(row.group) + u':' + row.code);
        return list;
    }

    TempWorld world;
    SymbolDatabaseDocument document;
};

} // namespace

TEST_F(SymbolDatabaseDocumentTest, AddKeepsTheRowsOfAGroupTogether)
{
    struct Case {
        const char* what;
        int group;
        qsizetype selected;
        qsizetype position;
    };
    const Case cases[] = {
        {"group with rows, none selected: after its last row", 0, -1, 2},
        {"empty group between: before the next group that has rows", 1, -1, 2},
        {"empty last group: at the end", 3, -1, 4},
        {"last row of group 0 selected: directly after it", 0, 1, 2},
        {"first row of group 0 selected: after the group's last row", 0, 0, 2},
        {"first row of group 2 selected", 2, 2, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(document.addPosition(c.group, c.selected), c.position) << c.what;

    SymbolDatabaseDocument empty;
    EXPECT_EQ(empty.addPosition(3, -1), 0);
}

TEST_F(SymbolDatabaseDocumentTest, InsertAndDeleteRenumberTheFollowingRows)
{
    const qsizetype added = document.addRow(1, -1);
    EXPECT_EQ(added, 2);
    EXPECT_EQ(codes(), (QStringList{u"0:0250"_qs, u"0:0251"_qs, u"1:"_qs, u"2:0254"_qs, u"2:0255"_qs}));
    EXPECT_EQ(document.row(added).auxiliary, u"0");
    EXPECT_EQ(SymbolDatabaseDocument::rowNumber(3), 4); // 0254 moved from No 3 to No 4

    document.insertRow(0, 2);
    EXPECT_EQ(document.row(0).group, 2);
    document.removeRow(0);
    document.removeRow(2);
    EXPECT_EQ(codes(), (QStringList{u"0:0250"_qs, u"0:0251"_qs, u"2:0254"_qs, u"2:0255"_qs}));
    EXPECT_EQ(document.duplicateOf(u"0255", -1), 3); // No 4 again
}

TEST_F(SymbolDatabaseDocumentTest, TypedCodesAreRefusedWhenInvalidOrAlreadyPresent)
{
    const qsizetype row = document.addRow(3, -1);
    struct Case {
        QString typed;
        SymbolDatabaseDocument::CodeChange::Result result;
        qsizetype other;
        QString code; // the row's code afterwards
    };
    using R = SymbolDatabaseDocument::CodeChange::Result;
    const Case cases[] = {
        {u"02"_qs, R::NotHexCode, -1, {}},
        {u"00e9"_qs, R::NotHexCode, -1, {}},
        {u"0254"_qs, R::Duplicate, 2, {}},
        {u" 00E9 "_qs, R::Taken, -1, u"00E9"_qs},
        {u"00E9"_qs, R::Taken, -1, u"00E9"_qs}, // its own code is no duplicate
        {u"0250"_qs, R::Duplicate, 0, u"00E9"_qs},
    };
    for (const Case& c : cases) {
        const SymbolDatabaseDocument::CodeChange change = document.setCode(row, c.typed);
        EXPECT_EQ(change.result, c.result) << c.typed.toStdString();
        EXPECT_EQ(change.otherRow, c.other) << c.typed.toStdString();
        EXPECT_EQ(document.row(row).code, c.code) << c.typed.toStdString();
    }
}

TEST_F(SymbolDatabaseDocumentTest, HandEditedDuplicatesNameTheFirstRow)
{
    world.writeBytes(QStringLiteral("DBDup.csv"),
        "Group,0,\"a\"\r\n0,\"0250\",\"\",\"\",\"0\",\"\"\r\n0,\"0251\",\"\",\"\",\"0\",\"\"\r\n"
        "0,\"0250\",\"\",\"\",\"0\",\"\"\r\n");
    ASSERT_TRUE(document.open(world.path(QStringLiteral("DBDup.csv"))));
    EXPECT_EQ(document.duplicateOf(document.row(2).code, 2), 0);
    EXPECT_EQ(document.duplicateOf(document.row(0).code, 0), -1);
    // No header: the defaults of the file name.
    EXPECT_EQ(document.writingSystem(), u"その他");
    EXPECT_EQ(document.displayFont(), u"Times New Roman");
}

TEST_F(SymbolDatabaseDocumentTest, RowsWithoutACodeAreNamedBeforeAWriteAndLeftOut)
{
    EXPECT_TRUE(document.rowsWithoutCodeQuestion().isEmpty());
    const qsizetype row = document.addRow(1, -1);
    document.setJapaneseName(row, u"新しい記号"_qs);
    document.setEnglishName(row, u"new symbol"_qs);
    EXPECT_EQ(document.rowsWithoutCode(), QList<qsizetype>{row});
    const QString question = document.rowsWithoutCodeQuestion();
    EXPECT_TRUE(question.contains(u"No:3")) << question.toStdString();
    EXPECT_TRUE(question.contains(u"新しい記号")) << question.toStdString();
    EXPECT_TRUE(question.contains(u"new symbol")) << question.toStdString();

    const QString copy = world.path(QStringLiteral("DBCopy.csv"));
    ASSERT_TRUE(document.write(copy));
    const SymbolDatabase written = SymbolDatabase::read(copy);
    EXPECT_EQ(written.entries().size(), 4);
    EXPECT_EQ(written.groups().size(), 4);
    EXPECT_EQ(written.writingSystem(), u"発音記号");
    EXPECT_EQ(written.entries().at(1).note, u"注あり");
}

TEST_F(SymbolDatabaseDocumentTest, AFailedWriteKeepsTheOldFileAndNamesIt)
{
    const QString path = world.path(QStringLiteral("DBTest.csv"));
    const QByteArray before = world.readBytes(QStringLiteral("DBTest.csv"));
    document.setCode(document.addRow(0, -1), u"00E9"_qs);
    setWriteLimitForTesting(10);
    QString error;
    const bool written = document.write(path, &error);
    setWriteLimitForTesting(-1);
    EXPECT_FALSE(written);
    EXPECT_TRUE(error.contains(u"DBTest.csv")) << error.toStdString();
    EXPECT_EQ(world.readBytes(QStringLiteral("DBTest.csv")), before);
    EXPECT_EQ(document.rowCount(), 5);
}

TEST_F(SymbolDatabaseDocumentTest, SkippedLinesAreReportedWithFileAndLine)
{
    world.writeBytes(QStringLiteral("DBBad.csv"),
        "\"x\",\"y\"\r\nGroup,0,\"a\"\r\nx,\"0250\",\"\",\"\",\"0\",\"\"\r\n0,\"0251\",\"\",\"\",\"0\",\"\"\r\n");
    ASSERT_TRUE(document.open(world.path(QStringLiteral("DBBad.csv"))));
    ASSERT_EQ(document.skippedLines().size(), 1);
    EXPECT_EQ(document.skippedLines().first().fileName, u"DBBad.csv");
    EXPECT_EQ(document.skippedLines().first().lineNumber, 3);
    EXPECT_EQ(document.rowCount(), 1);
}

TEST(NewSymbolDatabaseTest, NamesAreCheckedInOrderWithTheFirstProblemShown)
{
    TempWorld world;
    world.writeBytes(QStringLiteral("DBTaken.csv"), "");
    struct Case {
        QString name;
        QString warningStart; // empty: accepted
    };
    const Case cases[] = {
        {u"DBNew.CSV"_qs, u"拡張子は"_qs},
        {u"dbNew.CSV"_qs, u"拡張子は"_qs}, // several problems: only the first
        {u"dbNew.csv"_qs, u"ﾌｧｲﾙ名の最初の2文字は"_qs},
        {u"DB/../../New.csv"_qs, u"ﾌｧｲﾙ名に"_qs},
        {u"DBTaken.csv"_qs, u"同名のﾌｧｲﾙが存在します。"_qs},
        {u"DBNew.csv"_qs, {}},
    };
    for (const Case& c : cases) {
        const std::optional<QString> problem = NewSymbolDatabase::nameProblem(c.name, world.path());
        if (c.warningStart.isEmpty())
            EXPECT_FALSE(problem) << c.name.toStdString();
        else
            EXPECT_TRUE(problem && problem->startsWith(c.warningStart)) << c.name.toStdString();
    }
}

TEST(NewSymbolDatabaseTest, ExtraGroupsFollowTheFixedOnes)
{
    TempWorld world;
    const SymbolDatabase database
        = NewSymbolDatabase::build(u"キリル文字"_qs, u"Times New Roman"_qs, {u"追加1"_qs, QString()});
    const QString path = world.path(QStringLiteral("DBNew.csv"));
    ASSERT_TRUE(database.write(path));
    const SymbolDatabase read = SymbolDatabase::read(path);
    ASSERT_EQ(read.groups().size(), 29);
    EXPECT_EQ(read.groups().at(0), (SymbolGroup{0, u"Aのグループ"_qs}));
    EXPECT_EQ(read.groups().at(26), (SymbolGroup{26, u"その他"_qs}));
    EXPECT_EQ(read.groups().at(27), (SymbolGroup{27, u"追加1"_qs}));
    EXPECT_EQ(read.groups().at(28), (SymbolGroup{28, QString()}));
    EXPECT_EQ(read.writingSystem(), u"キリル文字");
    EXPECT_TRUE(read.entries().isEmpty());
}
