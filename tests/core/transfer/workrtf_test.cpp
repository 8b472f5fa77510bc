#include "core/transfer/transferencodings.h"
#include "core/transfer/workrtf.h"
#include "support/tempworld.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

const QString kDa = QString::fromUtf16(u"\u0434\u0430");

QByteArray latin1(const QString& text)
{
    return text.toLatin1();
}

} // namespace

class WorkRtfTest : public testing::Test {
protected:
    TempWorld m_world;
};

TEST_F(WorkRtfTest, WritesOneLineAndReturnsWhatTheFileHolds)
{
    const WorkRtfResult result = writeWorkRtf(m_world.path(), 204, 18, u"Times New Roman"_qs, kDa);

    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const QByteArray expected = latin1(makeRtfDocument(204, 18, u"Times New Roman"_qs, kDa)) + "\r\n";
    EXPECT_EQ(m_world.readBytes(u"Work.rtf"_qs), expected); // no byte-order mark, one CR LF
    EXPECT_EQ(result.content, expected);
}

TEST_F(WorkRtfTest, JapaneseFontNameIsWrittenInCodePage932)
{
    const QString font = u"ＭＳ Ｐゴシック"_qs;
    const WorkRtfResult result = writeWorkRtf(m_world.path(), 0, 11, font, u"x"_qs);

    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const QByteArray sjis("\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");
    EXPECT_TRUE(result.content.contains("\\fcharset0 " + sjis + ";}}")) << result.content.toStdString();
    EXPECT_EQ(result.content, m_world.readBytes(u"Work.rtf"_qs));
}

TEST_F(WorkRtfTest, RepeatedWritesLeaveOnlyTheLastFile)
{
    ASSERT_TRUE(writeWorkRtf(m_world.path(), 204, 18, u"Times New Roman"_qs, kDa).ok());
    const WorkRtfResult last = writeWorkRtf(m_world.path(), 0, 16, u"Segoe UI"_qs, u"b"_qs);

    ASSERT_TRUE(last.ok());
    EXPECT_EQ(QDir(m_world.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList{u"Work.rtf"_qs});
    EXPECT_EQ(m_world.readBytes(u"Work.rtf"_qs), latin1(makeRtfDocument(0, 16, u"Segoe UI"_qs, u"b"_qs)) + "\r\n");
}

TEST_F(WorkRtfTest, MissingFolderIsAnErrorAndCreatesNothing)
{
    const WorkRtfResult result = writeWorkRtf(m_world.path(u"gone"_qs), 204, 18, u"Times New Roman"_qs, kDa);

    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.content.isEmpty());
    EXPECT_TRUE(result.error.contains(u"転送を中止しました"_qs)) << result.error.toStdString();
    EXPECT_FALSE(m_world.exists(u"gone"_qs));
}

TEST_F(WorkRtfTest, UnwritableFileIsAnErrorAndKeepsWhatWasThere)
{
    // A folder in the place of Work.rtf cannot be replaced, not even by a privileged user.
    m_world.writeBytes(u"Work.rtf/keep.txt"_qs, "old");

    const WorkRtfResult result = writeWorkRtf(m_world.path(), 204, 18, u"Times New Roman"_qs, kDa);

    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.content.isEmpty());
    EXPECT_TRUE(result.error.contains(u"Work.rtf"_qs)) << result.error.toStdString();
    EXPECT_EQ(m_world.readBytes(u"Work.rtf/keep.txt"_qs), QByteArray("old"));
}
