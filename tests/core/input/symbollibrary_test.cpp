#include "core/app/settings.h"
#include "core/common/textcodec.h"
#include "core/common/textfile.h"
#include "core/input/symbollibrarycontent.h"
#include "core/input/symbollibrarygeometry.h"
#include "core/input/symbollibrarynameindex.h"
#include "core/input/symbollibrarypages.h"
#include "support/tempworld.h"

#include <QFile>

#include <gtest/gtest.h>
#include <set>
#include <utility>
#include <vector>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

using Id = SymbolLibraryPageId;

std::string show(const QString& text)
{
    return text.toStdString();
}

// What a page must hold: how many cells have text, a few cells by their 1-based number (an empty text
// for a cell that must stay empty), and its red cells: how many, and some of them.
struct PageCase {
    Id id;
    const char* caption;
    int filled;
    std::vector<std::pair<int, QString>> cells;
    int redCount;
    std::vector<int> someRed;
};

const std::vector<PageCase>& pageCases()
{
    static const std::vector<PageCase> cases = {
        {Id::Punc, "Punc", 83,
            {{1, u"\u00B7"_qs}, {2, u"\u2010"_qs}, {3, u"\u2012"_qs}, {24, u"\u2027"_qs}, {25, u"\u2032"_qs},
                {69, u"\u205E"_qs}, {70, {}}, {74, u"\u00AB"_qs}, {82, u"\u00BF"_qs}, {83, {}}, {85, u"\u2935"_qs},
                {86, {}}},
            0, {}},
        {Id::Latin, "Latin", 93,
            {{1, u"A"_qs}, {26, u"Z"_qs}, {27, {}}, {38, u"\""_qs}, {41, u"1"_qs}, {50, u"0"_qs}, {51, {}},
                {61, u"a"_qs}, {86, u"z"_qs}, {100, u"\\"_qs}},
            0, {}},
        {Id::Cmb1, "Cmb1", 79, {{1, u"\u0300"_qs}, {79, u"\u034E"_qs}, {80, {}}}, 0, {}},
        {Id::Cmb2, "Cmb2", 32, {{1, u"\u0350"_qs}, {32, u"\u036F"_qs}, {33, {}}}, 0, {}},
        {Id::Russ, "Russ", 98,
            {{6, u"\u0415"_qs}, {7, u"\u0401"_qs}, {8, u"\u0416"_qs}, {33, u"\u042F"_qs}, {39, {}}, {51, {}},
                {67, u"\u0451"_qs}, {93, u"\u044F"_qs}, {98, u"\u0301"_qs}, {99, u"\u0300"_qs}, {100, u"\\"_qs}},
            0, {}},
        {Id::Ukra, "Ukra", 80,
            {{5, u"\u0490"_qs}, {8, u"\u0404"_qs}, {13, u"\u0407"_qs}, {31, u"\u042C"_qs}, {34, {}}, {51, u"\u20B4"_qs},
                {59, u"\u201F"_qs}, {65, u"\u0491"_qs}, {96, u"'"_qs}, {97, {}}, {100, {}}},
            8, {5, 8, 12, 13, 65, 68, 72, 73}},
        {Id::Gre1, "Gre1", 80,
            {{17, u"\u03A1"_qs}, {18, {}}, {19, u"\u03A3"_qs}, {27, u"\u0386"_qs}, {51, u"\u20AC"_qs},
                {59, u"\u037E"_qs}, {85, u"\u03C9"_qs}, {92, u"\u0390"_qs}, {97, u"\u03CE"_qs}, {98, {}}},
            0, {}},
        {Id::Bela, "Bela", 65,
            {{10, u"\u0406"_qs}, {22, u"\u040E"_qs}, {28, u"\u042B"_qs}, {70, u"\u0456"_qs}, {82, u"\u045E"_qs},
                {94, u"\u2019"_qs}, {95, {}}},
            4, {10, 22, 70, 82}},
        {Id::Cyr1, "Cyr1", 98, {{1, u"\u0400"_qs}, {16, u"\u040F"_qs}, {17, u"\u0450"_qs}, {98, u"\u04A1"_qs}}, 0, {}},
        {Id::Cyr2, "Cyr2", 94, {{1, u"\u04A2"_qs}, {94, u"\u04FF"_qs}, {95, {}}}, 0, {}},
        {Id::Library, "記号ライブラリ", 0, {{1, {}}}, 0, {}},
        {Id::Bulgarian, "ブルガリア語", 60,
            {{27, u"\u042A"_qs}, {28, u"\u042C"_qs}, {30, u"\u042F"_qs}, {31, {}}, {90, u"\u044F"_qs}}, 0, {}},
        {Id::Macedonian, "マケドニア語", 62,
            {{6, u"\u0403"_qs}, {30, u"\u040F"_qs}, {31, u"\u0428"_qs}, {66, u"\u0453"_qs}, {91, u"\u0448"_qs}}, 14,
            {6, 10, 12, 84, 90}},
        {Id::Serbian, "セルビア語", 60, {{6, u"\u0402"_qs}, {23, u"\u040B"_qs}, {83, u"\u045B"_qs}, {90, u"\u0448"_qs}},
            12, {6, 23, 83, 89}},
        {Id::Polish, "ポーランド語", 64,
            {{2, u"\u0104"_qs}, {16, u"\u0141"_qs}, {23, u"R"_qs}, {32, u"\u017B"_qs}, {92, u"\u017C"_qs}}, 18,
            {2, 16, 32, 92}},
        {Id::Czech, "チェコ語", 82,
            {{14, u"Ch"_qs}, {15, u"I"_qs}, {34, u"\u016E"_qs}, {41, {}}, {57, u"\u017D"_qs}, {74, u"ch"_qs},
                {100, u"z"_qs}},
            32, {2, 14, 34, 57, 74, 99}},
        {Id::Slovak, "スロバキア語", 82,
            {{3, u"\u00C4"_qs}, {14, u"Ch"_qs}, {30, u"\u0154"_qs}, {59, u"\u017D"_qs}, {74, u"ch"_qs}, {100, u"z"_qs}},
            36, {3, 14, 20, 59, 74, 99}},
        {Id::Slovenian, "スロヴェニア語", 50,
            {{4, u"\u010C"_qs}, {17, u"P"_qs}, {18, u"R"_qs}, {25, u"\u017D"_qs}, {85, u"\u017E"_qs}}, 6,
            {4, 20, 25, 64, 80, 85}},
        {Id::LatinSupplement1, "ラテン補足Ⅰ", 96,
            {{1, u"\u00C0"_qs}, {13, u"\u00AA"_qs}, {24, {}}, {58, u"\u00B7"_qs}, {90, u"\u00B7"_qs},
                {100, u"\u00AC"_qs}},
            0, {}},
        {Id::Arithmetic, "算数記号", 68,
            {{9, u"\u203B"_qs}, {10, {}}, {40, u"\u2189"_qs}, {76, u"\u2071"_qs}, {96, u"\u2090"_qs},
                {100, u"\u2094"_qs}},
            0, {}},
        {Id::Arrows, "矢印", 100, {{1, u"\u2190"_qs}, {100, u"\u21F3"_qs}}, 0, {}},
        {Id::GeometricShapes, "幾何学図形", 96, {{1, u"\u25A0"_qs}, {96, u"\u25FF"_qs}, {97, {}}, {100, {}}}, 0, {}},
        {Id::Currency, "通貨記号", 38,
            {{1, u"$"_qs}, {6, u"\u20AC"_qs}, {16, u"\u20A8"_qs}, {31, u"\u0E3F"_qs}, {42, u"\u00AE"_qs}, {84, {}},
                {87, u"\uFFE6"_qs}},
            0, {}},
    };
    return cases;
}

} // namespace

TEST(SymbolLibraryPagesTest, EveryPageHoldsItsCellsAndRedMarks)
{
    ASSERT_EQ(symbolLibraryPages().size(), 23);
    ASSERT_EQ(pageCases().size(), 23u);
    for (const PageCase& c : pageCases()) {
        const SymbolLibraryPage& page = symbolLibraryPage(c.id);
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(page.id, c.id);
        EXPECT_EQ(show(page.caption), c.caption);
        EXPECT_EQ(page.filledCellCount(), c.filled);
        for (const auto& [number, text] : c.cells)
            EXPECT_EQ(show(page.texts.at(static_cast<size_t>(number - 1))), show(text)) << "cell " << number;
        int red = 0;
        for (size_t i = 0; i < page.red.size(); ++i) {
            if (!page.red[i])
                continue;
            ++red;
            EXPECT_FALSE(page.texts[i].isEmpty()) << "red cell " << i + 1 << " is empty";
        }
        EXPECT_EQ(red, c.redCount);
        for (int number : c.someRed)
            EXPECT_TRUE(page.red.at(static_cast<size_t>(number - 1))) << "cell " << number;
        // Every cell holds one character except the two digraph cells.
        for (const QString& text : page.texts)
            EXPECT_TRUE(text.size() <= 1 || text == u"Ch"_qs || text == u"ch"_qs) << show(text);
    }
}

TEST(SymbolLibraryPagesTest, RangesRunWithoutGapsToTheirLastCode)
{
    const SymbolLibraryPage& arrows = symbolLibraryPage(Id::Arrows);
    for (int i = 0; i < kSymbolLibraryCellCount; ++i)
        EXPECT_EQ(arrows.texts.at(static_cast<size_t>(i)), QChar(static_cast<char16_t>(0x2190 + i))) << i;
    const SymbolLibraryPage& cyr1 = symbolLibraryPage(Id::Cyr1);
    for (int i = 16; i < 98; ++i)
        EXPECT_EQ(cyr1.texts.at(static_cast<size_t>(i)), QChar(static_cast<char16_t>(0x0450 + i - 16))) << i;
}

TEST(SymbolLibraryPagesTest, ButtonsComeFirstWithTheirHintsAndNameSources)
{
    struct Case {
        Id id;
        const char* hint;
        bool bold;
        SymbolLibraryNameSource names;
    };
    const Case cases[] = {
        {Id::Punc, "句読点", false, SymbolLibraryNameSource::None},
        {Id::Cmb2, "組合せ記号2", false, SymbolLibraryNameSource::None},
        {Id::Russ, "ロシア語", true, SymbolLibraryNameSource::Russian},
        {Id::Ukra, "ウクライナ語", true, SymbolLibraryNameSource::Ukrainian},
        {Id::Gre1, "現代ギリシア語", true, SymbolLibraryNameSource::Greek},
        {Id::Bela, "ベラルーシ語", false, SymbolLibraryNameSource::Belarusian},
        {Id::Cyr2, "キリル２", false, SymbolLibraryNameSource::None},
        {Id::Library, "", false, SymbolLibraryNameSource::None},
        {Id::Bulgarian, "", false, SymbolLibraryNameSource::Bulgarian},
        {Id::Macedonian, "", false, SymbolLibraryNameSource::Macedonian},
        {Id::Serbian, "", false, SymbolLibraryNameSource::Serbian},
        {Id::Polish, "", false, SymbolLibraryNameSource::None},
        {Id::Currency, "", false, SymbolLibraryNameSource::None},
    };
    for (const Case& c : cases) {
        const SymbolLibraryPage& page = symbolLibraryPage(c.id);
        SCOPED_TRACE(show(page.caption));
        EXPECT_EQ(show(page.hint), c.hint);
        EXPECT_EQ(page.bold, c.bold);
        EXPECT_EQ(page.names, c.names);
        EXPECT_EQ(page.isButtonPage(), static_cast<int>(c.id) < 10);
    }

    Settings settings;
    settings.setText(SettingKey::GreekUDBFile, u"DBMyGreek.csv"_qs);
    EXPECT_EQ(symbolLibraryDatabaseName(SymbolLibraryNameSource::Greek, settings), u"DBMyGreek.csv"_qs);
    EXPECT_EQ(symbolLibraryDatabaseName(SymbolLibraryNameSource::Russian, settings), u"DBRussian.csv"_qs);
    EXPECT_EQ(symbolLibraryDatabaseName(SymbolLibraryNameSource::Ukrainian, settings), u"DBUkrainian.csv"_qs);
    EXPECT_EQ(symbolLibraryDatabaseName(SymbolLibraryNameSource::Belarusian, settings), u"DBBela.csv"_qs);
    EXPECT_EQ(symbolLibraryDatabaseName(SymbolLibraryNameSource::Bulgarian, settings), u"DBBul.csv"_qs);
    EXPECT_EQ(symbolLibraryDatabaseName(SymbolLibraryNameSource::Macedonian, settings), u"DBMakedo.csv"_qs);
    EXPECT_EQ(symbolLibraryDatabaseName(SymbolLibraryNameSource::Serbian, settings), u"DBSerbia.csv"_qs);
    EXPECT_TRUE(symbolLibraryDatabaseName(SymbolLibraryNameSource::None, settings).isEmpty());
}

namespace {

class SymbolLibraryNamesTest : public ::testing::Test {
protected:
    void writeDatabase(const QString& name, const QStringList& lines, TextEncoding encoding = TextEncoding::Cp932)
    {
        world.writeBytes(name, encodeText(joinLines(lines), encoding));
    }

    static QString entry(
        const QString& code, const QString& english, const QString& japanese = {}, const QString& note = {})
    {
        return u"0,\"%1\",\"%2\",\"%3\",\"0\",\"%4\""_qs.arg(code, english, japanese, note);
    }

    SymbolLibraryContent load(Id id) const
    {
        return SymbolLibraryContent::load(symbolLibraryPage(id), settings, world.path());
    }

    TempWorld world;
    Settings settings;
};

} // namespace

TEST_F(SymbolLibraryNamesTest, CellsTakeTheNamesOfTheFirstEntryWithTheirCode)
{
    writeDatabase(u"DBBela.csv"_qs,
        {u"\"キリル文字\",\"Times New Roman\""_qs, u"Group,0,\"大文字\""_qs,
            entry(u"0410"_qs, u"Cyrillic capital letter a\\A"_qs, u"キリル大文字アー"_qs, u"注意"_qs),
            entry(u"0410"_qs, u"second entry"_qs, u"二番目"_qs),
            entry(u"0406"_qs, u"Byelorussian-ukrainian i#$0301\\I"_qs, u"キリル大文字イー"_qs),
            entry(u"040e"_qs, u"not a code"_qs, u"見つからない"_qs), u"broken,line"_qs,
            entry(u"0430"_qs, u"small a"_qs)});
    const SymbolLibraryContent content = load(Id::Bela);
    EXPECT_TRUE(content.nameError().isEmpty());
    ASSERT_EQ(content.page(), Id::Bela);

    const SymbolLibraryCell& a = content.cell(0);
    EXPECT_EQ(show(a.text), "\u0410");
    EXPECT_EQ(show(a.englishName), "Cyrillic capital letter a\\A");
    EXPECT_EQ(show(a.japaneseName), "キリル大文字アー");
    EXPECT_EQ(show(a.note), "注意");
    EXPECT_EQ(show(a.labels().first), "Cyrillic capital letter a");
    EXPECT_EQ(show(a.labels().second), "A");
    EXPECT_EQ(show(a.hint()), "キリル大文字アー  注意  [0410]");
    EXPECT_EQ(show(a.toolTip()), "キリル大文字アー  注意  [0410]\nCyrillic capital letter a  A");

    const SymbolLibraryCell& i = content.cell(9); // U+0406, red
    EXPECT_TRUE(i.red);
    EXPECT_EQ(show(i.englishName), "Byelorussian-ukrainian i\u0301\\I"); // escapes resolved
    EXPECT_EQ(show(i.labels().second), "I");

    const SymbolLibraryCell& shortU = content.cell(21); // U+040E: only a lower-case code names it
    EXPECT_TRUE(shortU.red);
    EXPECT_FALSE(shortU.hasLabels());
    EXPECT_EQ(show(shortU.hint()), "    [040E]");
    EXPECT_EQ(show(shortU.toolTip()), "    [040E]");

    EXPECT_EQ(show(content.cell(60).englishName), "small a");
    EXPECT_EQ(show(content.cell(60).toolTip()), "    [0430]\nsmall a");
    EXPECT_TRUE(content.cell(40).isEmpty());
    EXPECT_TRUE(content.cell(40).hint().isEmpty());
}

TEST_F(SymbolLibraryNamesTest, EachPageReadsTheDatabaseItsSettingNames)
{
    writeDatabase(u"DBMyRuss.csv"_qs, {entry(u"0410"_qs, u"from the setting"_qs)});
    writeDatabase(u"DBRussian.csv"_qs, {entry(u"0410"_qs, u"default file"_qs)});
    writeDatabase(u"DBBul.csv"_qs, {entry(u"0410"_qs, u"Bulgarian a"_qs)}, TextEncoding::Utf8);
    settings.setText(SettingKey::RussianUDBFile, u"DBMyRuss.csv"_qs);
    EXPECT_EQ(show(load(Id::Russ).cell(0).englishName), "from the setting");
    EXPECT_EQ(show(load(Id::Bulgarian).cell(0).englishName), "Bulgarian a");
    settings.setLibraryDatabaseName(LibraryScript::Bulgarian, u"DBOther.csv"_qs);
    EXPECT_FALSE(load(Id::Bulgarian).cell(0).hasLabels());
    // A page without a database never shows names, whatever files lie in the folder.
    writeDatabase(u"DB.csv"_qs, {entry(u"0041"_qs, u"Latin A"_qs)});
    EXPECT_FALSE(load(Id::Latin).cell(0).hasLabels());
}

TEST_F(SymbolLibraryNamesTest, MissingOrUnreadableDatabasesLeaveTheCellsWithoutNames)
{
    const SymbolLibraryContent missing = load(Id::Ukra);
    EXPECT_TRUE(missing.nameError().isEmpty());
    EXPECT_EQ(show(missing.cell(4).text), "\u0490");
    EXPECT_FALSE(missing.cell(4).hasLabels());
    EXPECT_TRUE(missing.cell(4).red);

    // Too large to be a symbol database: the page still shows its characters, and the reason is kept.
    {
        QFile huge(world.path(u"DBGreek.csv"_qs));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(33 * 1024 * 1024));
    }
    const SymbolLibraryContent unreadable = load(Id::Gre1);
    EXPECT_FALSE(unreadable.nameError().isEmpty());
    EXPECT_EQ(show(unreadable.cell(0).text), "\u0391");
    EXPECT_FALSE(unreadable.cell(0).hasLabels());

    // No table folder at all.
    const SymbolLibraryContent noFolder = SymbolLibraryContent::load(symbolLibraryPage(Id::Gre1), settings, {});
    EXPECT_TRUE(noFolder.nameError().isEmpty());
    EXPECT_EQ(noFolder.cell(0).text, unreadable.cell(0).text);
}

TEST(SymbolLibraryNameIndexTest, FindsOnlyStrictCodesAndTheFirstOfEqualOnes)
{
    TempWorld world;
    world.writeBytes(u"DBX.csv"_qs,
        encodeText(joinLines({u"0,\"00E9\",\"e acute\",\"\",\"0\",\"\""_qs, u"0,\"00E9\",\"again\",\"\",\"0\",\"\""_qs,
                       u"0,\"00fc\",\"u umlaut\",\"\",\"0\",\"\""_qs}),
            TextEncoding::Cp932));
    const SymbolLibraryNameIndex index = SymbolLibraryNameIndex::read(world.path(u"DBX.csv"_qs));
    EXPECT_TRUE(index.fileExists());
    EXPECT_EQ(index.size(), 1);
    ASSERT_NE(index.find(QChar(0x00E9)), nullptr);
    EXPECT_EQ(show(index.find(QChar(0x00E9))->englishName), "e acute");
    EXPECT_EQ(index.find(QChar(0x00FC)), nullptr);
    EXPECT_FALSE(SymbolLibraryNameIndex::read(world.path(u"DBNone.csv"_qs)).fileExists());
}

TEST(SymbolLibraryContentTest, NoPageMeansEveryCellEmpty)
{
    const SymbolLibraryContent none;
    EXPECT_FALSE(none.page().has_value());
    EXPECT_TRUE(none.isEmpty());
    const SymbolLibraryContent library = SymbolLibraryContent::of(symbolLibraryPage(Id::Library));
    EXPECT_EQ(library.page(), Id::Library);
    EXPECT_TRUE(library.isEmpty());
    EXPECT_FALSE(SymbolLibraryContent::of(symbolLibraryPage(Id::Punc)).isEmpty());
}

TEST(SymbolLibraryGeometryTest, CellsFollowTheWidthOfTheTabArea)
{
    struct Case {
        int width;
        int pitch;
    };
    for (const Case c : {Case{831, 40}, Case{850, 40}, Case{851, 41}, Case{240, 10}, Case{0, 10}, Case{-50, 10}})
        EXPECT_EQ(SymbolLibraryGeometry(c.width).pitch(), c.pitch) << c.width;

    const SymbolLibraryGeometry g(831); // pitch 40, cells of 39
    EXPECT_EQ(g.cellRect(0), QRect(8, 60, 39, 39));
    EXPECT_EQ(g.cellRect(19), QRect(8 + 19 * 40, 60, 39, 39));
    EXPECT_EQ(g.cellRect(20), QRect(8, 60 + 41, 39, 39));
    EXPECT_EQ(g.cellRect(99), QRect(8 + 19 * 40, 60 + 4 * 41, 39, 39));
    EXPECT_EQ(g.gridRect(), QRect(8, 60, 19 * 40 + 39, 4 * 41 + 39));
    EXPECT_EQ(g.labelLimit(), 16); // 15.6
    EXPECT_EQ(g.symbolLimit(), 31); // 31.2

    struct Hit {
        QPoint point;
        int cell;
    };
    for (const Hit h : {Hit{{8, 60}, 0}, Hit{{46, 98}, 0}, Hit{{47, 60}, -1}, Hit{{48, 60}, 1}, Hit{{8, 99}, -1},
             Hit{{8, 101}, 20}, Hit{{7, 60}, -1}, Hit{{8, 59}, -1}, Hit{{8 + 19 * 40 + 38, 60 + 4 * 41}, 99},
             Hit{{8 + 20 * 40, 60}, -1}, Hit{{8, 60 + 5 * 41}, -1}})
        EXPECT_EQ(g.cellAt(h.point), h.cell) << h.point.x() << "," << h.point.y();
}

TEST(SymbolLibraryGeometryTest, CellsShrinkSoThatAllRowsShowInTheVisibleHeight)
{
    struct Case {
        const char* name;
        int width;
        int height;
        int pitch;
    };
    const Case cases[] = {
        {"no height given", 831, 0, 40},
        {"tall enough", 831, 2000, 40},
        {"just tall enough", 831, 263, 40},
        {"one pixel short", 831, 262, 39},
        {"the default lower area", 831, 250, 37},
        {"much too short: three quarters and scrolling", 831, 100, 30},
        {"narrow and short: the smallest pitch", 240, 50, 10},
    };
    for (const Case& c : cases) {
        const SymbolLibraryGeometry g(c.width, c.height);
        EXPECT_EQ(g.pitch(), c.pitch) << c.name;
        if (c.height > 0 && c.pitch > 30) {
            EXPECT_LE(g.gridRect().bottom() + 1, c.height) << c.name;
        }
        EXPECT_EQ(g.gridRect(), QRect(8, 60, 19 * g.pitch() + g.cellSize(), 4 * (g.pitch() + 1) + g.cellSize()))
            << c.name;
    }
}

TEST(SymbolLibraryGeometryTest, TextIsCentredOrShiftedForLabels)
{
    EXPECT_EQ(SymbolLibraryGeometry::textPosition({39, 39}, {20, 25}, false), QPoint(9, 7));
    EXPECT_EQ(SymbolLibraryGeometry::textPosition({39, 39}, {20, 25}, true), QPoint(4 + 9, 2 + 7));
    // A text wider than the cell: halves round toward zero.
    EXPECT_EQ(SymbolLibraryGeometry::textPosition({39, 39}, {44, 44}, false), QPoint(-2, -2));

    EXPECT_EQ(SymbolLibraryGeometry::correctionText(0), u" 0"_qs);
    EXPECT_EQ(SymbolLibraryGeometry::correctionText(3), u"+3"_qs);
    EXPECT_EQ(SymbolLibraryGeometry::correctionText(-5), u"-5"_qs);
}
