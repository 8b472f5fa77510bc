#include "core/common/fieldsplitter.h"

#include <gtest/gtest.h>

using pelinor::core::splitFields;

namespace {

struct SplitCase {
    const char16_t* line;
    QStringList fields;
};

void PrintTo(const SplitCase& c, std::ostream* os)
{
    *os << QString::fromUtf16(c.line).toStdString();
}

class SplitFieldsTest : public ::testing::TestWithParam<SplitCase> { };

TEST_P(SplitFieldsTest, CutsLineAsTablesAndSettingsExpect)
{
    const SplitCase& c = GetParam();
    EXPECT_EQ(splitFields(QStringView(c.line)), c.fields) << QString::fromUtf16(c.line).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitFieldsTest,
    ::testing::Values(SplitCase{u"", {}}, SplitCase{u"   \t ", {}}, SplitCase{u"a", {u"a"_qs}},
        SplitCase{u"  MainLeft,-8", {u"MainLeft"_qs, u"-8"_qs}},
        // Quoted header keeps its space; the same text unquoted splits in three.
        SplitCase{u"\"発音記号\",\"Segoe UI\"", {u"発音記号"_qs, u"Segoe UI"_qs}},
        SplitCase{u"発音記号,Segoe UI", {u"発音記号"_qs, u"Segoe"_qs, u"UI"_qs}},
        SplitCase{u"\"DBPhonet.csv\", Alphabet_Upper", {u"DBPhonet.csv"_qs, u"Alphabet_Upper"_qs}},
        SplitCase{u"a,,b", {u"a"_qs, QString(), u"b"_qs}}, SplitCase{u"a,", {u"a"_qs, QString()}},
        SplitCase{u"a, ", {u"a"_qs}}, // the comma is not the last character
        SplitCase{u",", {QString(), QString()}}, SplitCase{u"a , b", {u"a"_qs, u"b"_qs}},
        SplitCase{u"\"say \"\"hi\"\"\",x", {u"say \"hi\""_qs, u"x"_qs}},
        SplitCase{u"\"open to the end", {u"open to the end"_qs}},
        SplitCase{u"\"ab\"cd,e", {u"ab"_qs, u"cd"_qs, u"e"_qs}}, SplitCase{u"\"\",\"\"", {QString(), QString()}},
        SplitCase{u"\"x\",,,,,,,,,", {u"x"_qs, {}, {}, {}, {}, {}, {}, {}, {}, {}}},
        SplitCase{u"\"a\",0254,,0259", {u"a"_qs, u"0254"_qs, QString(), u"0259"_qs}},
        SplitCase{u"LastWB,\"My Book.utx\"", {u"LastWB"_qs, u"My Book.utx"_qs}},
        SplitCase{u"LastWB,My Book.utx", {u"LastWB"_qs, u"My"_qs, u"Book.utx"_qs}},
        SplitCase{u"a\u3000b", {u"a\u3000b"_qs}})); // an ideographic space is no separator

TEST(SplitFieldsNul, EmbeddedNulEndsTheLine)
{
    const QString line = QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("cd,ef");
    EXPECT_EQ(splitFields(line), QStringList{QStringLiteral("ab")});
}

} // namespace
