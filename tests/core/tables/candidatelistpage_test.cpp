#include "core/common/textcodec.h"
#include "core/tables/candidatefile.h"
#include "core/tables/candidatelistpage.h"
#include "support/tempworld.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

CandidateListPage::Options options(const QString& title = u"ギリシア語　候補ファイル"_qs)
{
    return {title, u"#0099DD"_qs, u"ＭＳ Ｐゴシック"_qs, u"Times New Roman"_qs, u"160"_qs, u"CandGreek.csv"_qs};
}

CandidateLine line(const QString& trigger, std::initializer_list<std::pair<int, const char16_t*>> slots)
{
    CandidateLine l;
    l.trigger = trigger;
    for (const auto& [slot, code] : slots)
        l.candidates[static_cast<size_t>(slot)] = QString::fromUtf16(code);
    return l;
}

// Errors and warnings of libxml2's HTML parser on the file; nullopt when xmllint is not installed.
std::optional<QString> htmlParserComplaints(const QString& path)
{
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (xmllint.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(xmllint, {QStringLiteral("--html"), QStringLiteral("--noout"), path});
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardError() + process.readAllStandardOutput())
        + (process.exitCode() != 0 ? QStringLiteral("exit %1").arg(process.exitCode()) : QString());
}

} // namespace

TEST(CandidateListPageTest, PageHasItsFixedLinesAndOneRowPerCandidateLine)
{
    const QStringList page = CandidateListPage::lines(
        options(), {line(u"a"_qs, {{0, u"0254"}, {1, u"0252"}}), line(u"\""_qs, {{0, u"0022"}})});
    ASSERT_EQ(page.size(), 64 + 1);
    EXPECT_EQ(page.first(),
        u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" \"http://www.w3.org/TR/html4/loose.dtd\">");
    EXPECT_EQ(page[5], u"<title>ギリシア語　候補ファイル</title>");
    EXPECT_EQ(page[13], u"        background-color: #0099DD;");
    EXPECT_EQ(page[14], u"        font-family: \"ＭＳ Ｐゴシック\";");
    EXPECT_EQ(page[42], u"        font-size: 160%;");
    EXPECT_EQ(page[43], u"        font-family: \"Times New Roman\";");
    EXPECT_EQ(page[59],
        u"    <tr><th>Trigger</th><th>1</th><th>2</th><th>3</th><th>4</th><th>5</th><th>6</th><th>7</th><th>8</th>"
        "<th>9</th></tr>");
    EXPECT_EQ(page[60],
        u"    <tr><td class=\"trigger\">a</td><td>&#x0254;</td><td>&#x0252;</td><td></td><td></td><td></td><td></td>"
        "<td></td><td></td><td></td></tr>");
    // The double-quote trigger reads &quot;, which a browser shows as the same character.
    EXPECT_TRUE(page[61].startsWith(u"    <tr><td class=\"trigger\">&quot;</td><td>&#x0022;</td>"));
    EXPECT_EQ(page.last(), u"</html>");

    const QStringList headerOnly = CandidateListPage::lines(options(), {});
    ASSERT_EQ(headerOnly.size(), 63);
    EXPECT_EQ(headerOnly[58], u"  <caption>&quot;CandGreek.csv&quot;</caption>");
    EXPECT_EQ(headerOnly[60], u"</table>");
}

TEST(CandidateListPageTest, TextIsEscapedAndStyleValuesCannotEndTheirRule)
{
    CandidateListPage::Options o = options(u"A<B & \"C\""_qs);
    o.titleFont = u"Evil\";}</style><script>"_qs;
    o.background = u"red;}</style>"_qs;
    const QStringList page = CandidateListPage::lines(o, {line(u"<"_qs, {{0, u"0254"}}), line(u"&"_qs, {{8, u"zz"}})});
    EXPECT_EQ(page[5], u"<title>A&lt;B &amp; &quot;C&quot;</title>");
    EXPECT_EQ(page[56], u"<h1>A&lt;B &amp; &quot;C&quot;</h1>");
    EXPECT_EQ(page[13], u"        background-color: redstyle;");
    EXPECT_EQ(page[14], u"        font-family: \"Evil\\\";}\\3C /style>\\3C script>\";");
    EXPECT_TRUE(page[60].startsWith(u"    <tr><td class=\"trigger\">&lt;</td>"));
    // A slot that is no hex code gives an empty cell rather than a broken reference.
    EXPECT_TRUE(page[61].endsWith(u"<td></td></tr>")) << page[61].toStdString();
    EXPECT_FALSE(page[61].contains(u"&#xzz"));
}

TEST(CandidateListPageTest, CharactersTheCodePageLacksBecomeReferencesNotQuestionMarks)
{
    const QStringList page = CandidateListPage::lines(options(u"Ελληνικά 〜 ü 😀"_qs), {});
    EXPECT_EQ(page[5], u"<title>Ελληνικ&#x3AC; &#x301C; &#xFC; &#x1F600;</title>");
    // What the user types into the page text is kept the same way.
    const QByteArray bytes = CandidateListPage::encode(u"<p>ü 日本</p>\n<p>x</p>"_qs);
    EXPECT_EQ(bytes, encodeCp932(u"<p>&#xFC; 日本</p>\r\n<p>x</p>\r\n"));
    EXPECT_FALSE(bytes.contains('?'));
}

TEST(CandidateListPageTest, WrittenPageOfTheGreekTableParsesWithoutErrors)
{
    const CandidateFile greek = CandidateFile::read(QStringLiteral(PELINOR_TEST_SOURCE_DIR "/data/Tbl/CandGreek.csv"));
    ASSERT_FALSE(greek.lines().isEmpty());
    TempWorld world;
    for (const QString& title : {u"ギリシア語　候補ファイル"_qs, u"A<B & \"C\" ü"_qs}) {
        const QString path = world.path(QStringLiteral("CandGreek.html"));
        QString error;
        ASSERT_TRUE(
            CandidateListPage::write(path, CandidateListPage::lines(options(title), greek.lines()).join(u'\n'), &error))
            << error.toStdString();
        const std::optional<QString> complaints = htmlParserComplaints(path);
        if (!complaints)
            GTEST_SKIP() << "xmllint (libxml2-utils) is not installed";
        EXPECT_TRUE(complaints->isEmpty()) << complaints->toStdString();
    }
    // The parser does catch a broken page.
    world.writeBytes(
        QStringLiteral("broken.html"), "<html><body><table><tr><td>a<b & c</td></tr></table></body></html>");
    const std::optional<QString> broken = htmlParserComplaints(world.path(QStringLiteral("broken.html")));
    ASSERT_TRUE(broken);
    EXPECT_FALSE(broken->isEmpty());
}

TEST(CandidateListPageTest, AFailedWriteNamesTheFile)
{
    TempWorld world;
    QString error;
    EXPECT_FALSE(CandidateListPage::write(world.path(QStringLiteral("missing/CandX.html")), u"x"_qs, &error));
    EXPECT_TRUE(error.contains(u"CandX.html")) << error.toStdString();
}
