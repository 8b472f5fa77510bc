#include "core/app/settings.h"
#include "core/common/textcodec.h"
#include "support/tempworld.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

const QString kFileName = u"Pelinor_A.rng"_qs;

// The file a record holding only defaults writes, line by line.
const char* const kDefaultLines[] = {
    "MainLeft,-100",
    "MainTop,-100",
    "MainWidth,0",
    "MainHeight,0",
    "UnderHeight,296",
    "FontPanelWidth,193",
    "LVLineHeight,28",
    "LVCol1Width,150",
    "LVCol2Width,50",
    "LVCol3Width,150",
    "LVCol4Width,150",
    "LVCol5Width,150",
    "LVCol6Width,150",
    "LVCol7Width,100",
    "TrTimer,250",
    "PaTimer,250",
    "TransMode,1",
    "InputMode,1",
    "FontMode,0",
    "SearchIndex,3",
    "UsrMainFontSize,18",
    "UsrSubFontSize,16",
    "TnMainFontSize,15",
    "TnSubFontSize,14",
    "TnJpFontSize,12",
    "DispMainFSize,18",
    "DispSubFSize,16",
    "BandDev,0",
    "UsrMainFont,\"Times New Roman\"",
    "UsrSubFont,\"Segoe UI\"",
    "RussianFont,\"Times New Roman\"",
    "GreekFont,\"Times New Roman\"",
    "UkrainianFont,\"Times New Roman\"",
    "LastGroup,\"\"",
    "LastWB,\"\"",
    "PhUDBFile,\"DBPhonet.csv\"",
    "PhCandFile,\"CandAll.csv\"",
    "GaUDBFile,\"DBRuss.csv\"",
    "GaCandFile,\"CandRussian.csv\"",
    "RussianUDBFile,\"DBRussian.csv\"",
    "RussianCandFile,\"CandRussian.csv\"",
    "GreekUDBFile,\"DBGreek.csv\"",
    "GreekCandFile,\"CandGreek.csv\"",
    "UkrainianUDBFile,\"DBUkrainian.csv\"",
    "UkrainianCandFile,\"CandUkrainian.csv\"",
    "RomanBg,#9EDE5C",
    "RomanBg2,#50B0FF",
    "RomanBg3,#FFFF00",
    "MsImeBg,#FFB0D8",
    "MsImeBg2,#00E1FF",
    "MsImeBg3,#63C6DE",
    "IpaBg,#00BFFF",
    "CandBg,#F8FFC0",
    "BandBg,#C9DEF5",
    "EiwaFlg,0",
    "AutoPasteFlg,1",
    "TransClearFlg,0",
    "ResetInputFlg,0",
    "UnderStretchFlg,1",
    "ScroBarsFlg,0",
    "WordWrapFlg,0",
    "LastVisibleFlg,0",
    "RegCopyFlg,1",
    "RegClearFlg,1",
    "MediaPlayerFlg,0",
    "PhTriRevFlg,0",
    "GaTriRevFlg,0",
    "PhOneInpFlg,1",
    "GaOneInpFlg,1",
    "SysTblFlg,0",
    "TblOWFlg,1",
    "DicFlg,0",
    "DicSearchFlg,1",
    "RusTWFlg,1",
    "NoSampleFlg,0",
    "AutoDoorFlg,1",
    "DispFSizeLockFlg,0",
    "AutoTransFlg,0",
};

QByteArray crLfBytes(const QStringList& lines, TextEncoding encoding = TextEncoding::Cp932)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += u"\r\n";
    }
    return encodeText(text, encoding);
}

QStringList defaultLines()
{
    QStringList lines;
    for (const char* line : kDefaultLines)
        lines.append(QString::fromLatin1(line));
    return lines;
}

// Compares everything a record stores or derives from its file.
void expectSameRecord(const Settings& actual, const Settings& expected)
{
    const QStringList a = actual.fileLines();
    const QStringList e = expected.fileLines();
    ASSERT_EQ(a.size(), e.size());
    for (qsizetype i = 0; i < a.size(); ++i)
        EXPECT_EQ(a[i].toStdString(), e[i].toStdString());
    EXPECT_EQ(actual.mainRect(), expected.mainRect());
    EXPECT_EQ(actual.phoneticAreaColour(), expected.phoneticAreaColour());
}

struct LoadCase {
    std::string name;
    QString file; // lines of a code page 932 file, CR LF between them
    std::function<void(Settings&)> change; // what the file changes in the record
    std::function<void(Settings&)> before = {}; // values the record holds before loading
};

void PrintTo(const LoadCase& c, std::ostream* os)
{
    *os << c.name;
}

void noChange(Settings&)
{
}

std::function<void(Settings&)> integerIs(SettingKey key, int value)
{
    return [=](Settings& s) { s.setInteger(key, value); };
}

std::function<void(Settings&)> textIs(SettingKey key, const QString& value)
{
    return [=](Settings& s) { s.setText(key, value); };
}

std::function<void(Settings&)> flagIs(SettingKey key, bool on)
{
    return [=](Settings& s) { s.setFlag(key, on); };
}

const int kIntMax = std::numeric_limits<int>::max();
const int kIntMin = std::numeric_limits<int>::min();

const LoadCase kLoadCases[] = {
    {"OnlyInputMode", u"InputMode,4"_qs, integerIs(SettingKey::InputMode, 4)},
    {"NoFileContent", QString(), noChange},
    {"NegativeLeft", u"MainLeft,-8"_qs, integerIs(SettingKey::MainLeft, -8)},
    {"UnparsableIntegerGivesInvalidValue", u"UnderHeight,abc"_qs, integerIs(SettingKey::UnderHeight, 306)},
    {"EmptyIntegerKeepsDefault", u"UnderHeight,"_qs, noChange},
    {"UnparsableIgnoresCurrentValue", u"UnderHeight,abc"_qs, integerIs(SettingKey::UnderHeight, 306),
        integerIs(SettingKey::UnderHeight, 500)},
    {"NarrowFontPanelRaised", u"FontPanelWidth,100"_qs, noChange},
    {"NegativeFontPanelRaised", u"FontPanelWidth,-5"_qs, noChange},
    {"WideFontPanelKept", u"FontPanelWidth,250"_qs, integerIs(SettingKey::FontPanelWidth, 250)},
    {"UnparsableFontPanel", u"FontPanelWidth,x"_qs, noChange},
    // Integers: an optional sign and ASCII decimal digits, within 32 bits; nothing else parses.
    {"PlusSign", u"UnderHeight,+5"_qs, integerIs(SettingKey::UnderHeight, 5)},
    {"MinusZero", u"UnderHeight,-0"_qs, integerIs(SettingKey::UnderHeight, 0)},
    {"SpaceAfterCommaIsSeparator", u"UnderHeight, 5"_qs, integerIs(SettingKey::UnderHeight, 5)},
    {"QuotedInteger", u"UnderHeight,\"5\""_qs, integerIs(SettingKey::UnderHeight, 5)},
    {"QuotedLeadingSpace", u"UnderHeight,\" 5\""_qs, integerIs(SettingKey::UnderHeight, 306)},
    {"Fraction", u"UnderHeight,5.0"_qs, integerIs(SettingKey::UnderHeight, 306)},
    {"CHex", u"UnderHeight,0x10"_qs, integerIs(SettingKey::UnderHeight, 306)},
    {"PascalHex", u"UnderHeight,$10"_qs, integerIs(SettingKey::UnderHeight, 306)},
    {"SignAlone", u"UnderHeight,-"_qs, integerIs(SettingKey::UnderHeight, 306)},
    {"DoubleSign", u"UnderHeight,--5"_qs, integerIs(SettingKey::UnderHeight, 306)},
    {"FullWidthDigit", u"UnderHeight,\uFF15"_qs, integerIs(SettingKey::UnderHeight, 306)},
    {"Huge", u"UnderHeight,99999999999"_qs, integerIs(SettingKey::UnderHeight, 306)},
    {"JustAboveRange", u"UnderHeight,2147483648"_qs, integerIs(SettingKey::UnderHeight, 306)},
    {"LargestInteger", u"UnderHeight,2147483647"_qs, integerIs(SettingKey::UnderHeight, kIntMax)},
    {"SmallestInteger", u"MainTop,-2147483648"_qs, integerIs(SettingKey::MainTop, kIntMin)},
    // Geometry: sizes are added to the edges loaded before them, whatever the line order.
    {"Geometry", u"MainLeft,10\r\nMainTop,20\r\nMainWidth,900\r\nMainHeight,700"_qs,
        [](Settings& s) { s.setMainGeometry(10, 20, 900, 700); }},
    {"GeometryAnyOrder", u"MainHeight,700\r\nMainWidth,900\r\nMainTop,20\r\nMainLeft,10"_qs,
        [](Settings& s) { s.setMainGeometry(10, 20, 900, 700); }},
    {"UnparsableWidthCountsAsMinus100", u"MainLeft,10\r\nMainWidth,abc"_qs,
        [](Settings& s) {
            s.setMainRect({10, -100, -90, -100});
        }},
    {"MissingWidthKeepsRightEdge", u"MainLeft,10"_qs,
        [](Settings& s) {
            s.setMainRect({10, -100, -100, -100});
        }},
    {"WidthOverflowSaturates", u"MainLeft,2147483647\r\nMainWidth,10"_qs,
        [](Settings& s) {
            s.setMainRect({kIntMax, -100, kIntMax, -100});
        }},
    // Column widths: an empty or unusable value leaves whatever the record holds.
    {"ColumnWidthParsed", u"LVCol3Width,80"_qs, integerIs(SettingKey::LVCol3Width, 80)},
    {"ColumnWidthUnparsable", u"LVCol2Width,abc"_qs, noChange, integerIs(SettingKey::LVCol2Width, 77)},
    {"ColumnWidthEmpty", u"LVCol2Width,"_qs, noChange, integerIs(SettingKey::LVCol2Width, 77)},
    {"ColumnWidthMissing", u"LVCol1Width,60"_qs, integerIs(SettingKey::LVCol1Width, 60),
        integerIs(SettingKey::LVCol7Width, 77)},
    // Colours: "#" and six upper-case hexadecimal digits, else the default stays.
    {"LowerCaseColour", u"CandBg,#f8ffc0"_qs, noChange},
    {"CandBgAlsoColoursPhoneticArea", u"CandBg,#0A0B0C"_qs,
        [](Settings& s) {
            s.setColour(SettingKey::CandBg, {10, 11, 12});
            s.setPhoneticAreaColour({10, 11, 12});
        }},
    {"OtherColour", u"BandBg,#FFFFFF"_qs,
        [](Settings& s) {
            s.setColour(SettingKey::BandBg, {255, 255, 255});
        }},
    {"ColourTooShort", u"RomanBg,#9EDE5"_qs, noChange},
    {"ColourTooLong", u"RomanBg,#9EDE5C0"_qs, noChange},
    {"ColourWithoutHash", u"RomanBg,9EDE5CA"_qs, noChange},
    {"ColourNotHex", u"RomanBg,#9EDE5G"_qs, noChange},
    // Flags: "1" is on, any other text off, nothing keeps the default.
    {"FlagOn", u"EiwaFlg,1"_qs, flagIs(SettingKey::EiwaFlg, true)},
    {"FlagYesIsOff", u"EiwaFlg,yes"_qs, noChange},
    {"FlagYesTurnsOff", u"AutoPasteFlg,yes"_qs, flagIs(SettingKey::AutoPasteFlg, false)},
    {"FlagZero", u"AutoPasteFlg,0"_qs, flagIs(SettingKey::AutoPasteFlg, false)},
    {"FlagEmptyKeepsDefault", u"AutoPasteFlg,"_qs, noChange},
    // Texts.
    {"Text", u"UsrMainFont,Arial"_qs, textIs(SettingKey::UsrMainFont, u"Arial"_qs)},
    {"EmptyTextKeepsDefault", u"UsrMainFont,\"\""_qs, noChange},
    {"QuotedTextWithSpace", u"LastWB,\"My Book.utx\""_qs, textIs(SettingKey::LastWB, u"My Book.utx"_qs)},
    {"UnquotedTextWithSpace", u"LastWB,My Book.utx"_qs, noChange},
    {"QuotedTextWithComma", u"LastGroup,\"a,b\""_qs, textIs(SettingKey::LastGroup, u"a,b"_qs)},
    {"JapaneseText", u"LastGroup,\"ｷﾞﾘｼｱ語 動詞\""_qs, textIs(SettingKey::LastGroup, u"ｷﾞﾘｼｱ語 動詞"_qs)},
    // Line shapes.
    {"KeyIsCaseSensitive", u"mainleft,10"_qs, noChange},
    {"UnknownKeyAndOddLines", u"Foo,1\r\nInputMode\r\n,4\r\n\r\n,\r\nInputMode,4,5"_qs, noChange},
    {"FirstMatchingLineWins", u"InputMode,4\r\nInputMode,5"_qs, integerIs(SettingKey::InputMode, 4)},
    {"LinesOfOtherShapeSkipped", u"InputMode,4,5\r\nInputMode,6"_qs, integerIs(SettingKey::InputMode, 6)},
    {"FirstEmptyValueWins", u"EiwaFlg,\r\nEiwaFlg,1"_qs, noChange},
};

class SettingsLoad : public testing::TestWithParam<LoadCase> { };

TEST_P(SettingsLoad, ReadsOverCurrentValues)
{
    const LoadCase& c = GetParam();
    TempWorld world;
    world.writeBytes(kFileName, encodeCp932(c.file));

    Settings loaded;
    Settings expected;
    if (c.before) {
        c.before(loaded);
        c.before(expected);
    }
    c.change(expected);

    QString error;
    EXPECT_TRUE(loaded.load(world.path(kFileName), &error));
    EXPECT_TRUE(error.isEmpty());
    expectSameRecord(loaded, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsLoad, testing::ValuesIn(kLoadCases),
    [](const testing::TestParamInfo<LoadCase>& p) { return p.param.name; });

TEST(Settings, StoredGeometryNeedsLeftEdgeAtZeroOrMore)
{
    const struct {
        int left;
        bool stored;
    } cases[] = {{-100, false}, {-8, false}, {-1, false}, {0, true}, {12, true}};
    for (const auto& c : cases) {
        Settings s;
        s.setMainGeometry(c.left, 5, 840, 710);
        EXPECT_EQ(s.hasStoredGeometry(), c.stored) << c.left;
        EXPECT_EQ(s.integer(SettingKey::MainWidth), 840);
        EXPECT_EQ(s.mainRect().right, c.left + 840);
    }
    EXPECT_FALSE(Settings().hasStoredGeometry());
}

TEST(Settings, DefaultsOfValuesThatAreNeverStored)
{
    Settings s;
    s.setScriptName(u"x"_qs);
    s.setDirectionLabels(u"a"_qs, u"b"_qs);
    s.setScriptCharset(161);
    s.setLibraryDatabaseName(LibraryScript::Serbian, u"x.csv"_qs);
    s.setPhoneticAreaColour({1, 2, 3});
    s.setVersionMarkerName(u"x"_qs);
    s.setDiscardSettings(true);
    s.setStartupKeyboardLayout(u"00000411"_qs);
    s.setDefaults();

    EXPECT_EQ(s.scriptName(), u"ロシア語"_qs);
    EXPECT_EQ(s.foreignFirstLabel(), u"露日"_qs);
    EXPECT_EQ(s.japaneseFirstLabel(), u"日露"_qs);
    EXPECT_EQ(s.scriptCharset(), 204);
    EXPECT_EQ(s.libraryDatabaseName(LibraryScript::Belarusian), u"DBBela.csv"_qs);
    EXPECT_EQ(s.libraryDatabaseName(LibraryScript::Bulgarian), u"DBBul.csv"_qs);
    EXPECT_EQ(s.libraryDatabaseName(LibraryScript::Macedonian), u"DBMakedo.csv"_qs);
    EXPECT_EQ(s.libraryDatabaseName(LibraryScript::Serbian), u"DBSerbia.csv"_qs);
    EXPECT_EQ(s.phoneticAreaColour(), (ColourRgb{0xF8, 0xFF, 0xC0}));
    EXPECT_EQ(s.versionMarkerName(), u"Leaf360.txt"_qs);
    EXPECT_FALSE(s.discardSettings());
    EXPECT_EQ(s.startupKeyboardLayout(), u"00000411"_qs); // observed at start, not a default
    expectSameRecord(s, Settings());
}

TEST(SettingsFile, DefaultsAreWrittenAsExactBytes)
{
    TempWorld world;
    QString error;
    ASSERT_TRUE(Settings().save(world.path(kFileName), &error)) << error.toStdString();
    const QByteArray bytes = world.readBytes(kFileName);
    EXPECT_EQ(bytes.toStdString(), crLfBytes(defaultLines()).toStdString());
    EXPECT_TRUE(bytes.startsWith("MainLeft,-100\r\nMainTop,-100\r\nMainWidth,0\r\nMainHeight,0\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), qsizetype(kSettingCount));
}

TEST(SettingsFile, SaveReplacesWhateverTheFileHeld)
{
    TempWorld world;
    world.writeBytes(kFileName, "InputMode,4\r\nFoo,1\r\nmainleft,3\r\n");
    Settings s;
    ASSERT_TRUE(s.load(world.path(kFileName)));
    ASSERT_TRUE(s.save(world.path(kFileName)));

    QStringList expected = defaultLines();
    expected[17] = u"InputMode,4"_qs;
    EXPECT_EQ(world.readBytes(kFileName).toStdString(), crLfBytes(expected).toStdString());
}

// Sets every key to a value other than its default; the texts get `text` in them.
void changeEverything(Settings& s, const QString& text)
{
    int n = 1;
    for (const SettingInfo& info : kSettingTable) {
        const QString name = QString::fromUtf16(info.name.data(), static_cast<qsizetype>(info.name.size()));
        switch (info.type) {
        case SettingType::Integer:
            s.setInteger(info.key, info.defaultNumber + 1000 + n);
            break;
        case SettingType::Text:
            s.setText(info.key, name + u' ' + text);
            break;
        case SettingType::Colour:
            s.setColour(info.key, {static_cast<quint8>(n), 0xAB, static_cast<quint8>(255 - n)});
            break;
        case SettingType::Flag:
            s.setFlag(info.key, info.defaultNumber == 0);
            break;
        }
        ++n;
    }
    s.setMainGeometry(-30, 40, 900, 700);
    s.setColour(SettingKey::CandBg, {1, 2, 3});
    s.setPhoneticAreaColour({1, 2, 3}); // what loading CandBg gives
}

TEST(SettingsFile, RoundTripKeepsEveryValue)
{
    const struct {
        const char* name;
        QString text;
        TextEncoding encoding;
    } cases[] = {
        {"code page 932", u"ｷﾞﾘｼｱ語 単語帳 \\~"_qs, TextEncoding::Cp932},
        // A character the code page lacks would come back as "?": such a file is written as UTF-8.
        {"beyond code page 932", u"単語帳 Ελληνικά ɔ 😀"_qs, TextEncoding::Utf8},
        {"quotes and commas", u"say \"hi\", \"\" ok\""_qs, TextEncoding::Cp932},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempWorld world;
        Settings original;
        changeEverything(original, c.text);
        QString error;
        ASSERT_TRUE(original.save(world.path(kFileName), &error)) << error.toStdString();

        const QByteArray bytes = world.readBytes(kFileName);
        EXPECT_EQ(bytes.startsWith("\xEF\xBB\xBF"), c.encoding == TextEncoding::Utf8);
        EXPECT_EQ(bytes.count("\r\n"), qsizetype(kSettingCount));
        EXPECT_TRUE(bytes.contains("MainLeft,-30\r\nMainTop,40\r\nMainWidth,900\r\nMainHeight,700\r\n"));

        Settings loaded;
        ASSERT_TRUE(loaded.load(world.path(kFileName), &error));
        expectSameRecord(loaded, original);
        EXPECT_EQ(loaded.text(SettingKey::LastWB), u"LastWB "_qs + c.text);
    }
}

TEST(SettingsFile, LineBreakInTextCannotAddLines)
{
    TempWorld world;
    Settings s;
    s.setText(SettingKey::LastGroup, u"a\r\nInputMode,7\nb\0c"_qs);
    ASSERT_TRUE(s.save(world.path(kFileName)));
    EXPECT_EQ(world.readBytes(kFileName).count("\r\n"), qsizetype(kSettingCount));
    EXPECT_EQ(world.readBytes(kFileName).count('\n'), qsizetype(kSettingCount));

    Settings loaded;
    ASSERT_TRUE(loaded.load(world.path(kFileName)));
    EXPECT_EQ(loaded.integer(SettingKey::InputMode), 1);
    EXPECT_EQ(loaded.text(SettingKey::LastGroup), u"a  InputMode,7 b c"_qs);
}

TEST(SettingsFile, ReadsByteOrderMarks)
{
    const QStringList lines{u"InputMode,5"_qs, u"LastGroup,\"Ελληνικά 動詞\""_qs};
    for (const TextEncoding encoding : {TextEncoding::Utf16Le, TextEncoding::Utf8, TextEncoding::Utf16Be}) {
        SCOPED_TRACE(static_cast<int>(encoding));
        TempWorld world;
        world.writeBytes(kFileName, crLfBytes(lines, encoding));
        Settings s;
        ASSERT_TRUE(s.load(world.path(kFileName)));
        EXPECT_EQ(s.integer(SettingKey::InputMode), 5);
        EXPECT_EQ(s.text(SettingKey::LastGroup), u"Ελληνικά 動詞"_qs);
    }
}

TEST(SettingsFile, GarbageGivesDefaultsForWhatCannotBeRead)
{
    QByteArray garbage;
    quint32 seed = 12345;
    for (int i = 0; i < 64 * 1024; ++i) {
        seed = seed * 1103515245u + 12345u;
        garbage.append(static_cast<char>(seed >> 24));
    }
    const QByteArray withLine = garbage.left(30000) + "\r\nInputMode,6\r\n" + garbage.mid(30000);
    for (const QByteArray& bytes : {garbage, withLine, QByteArray("\0\0\0", 3), QByteArray("\xFF\xFE\x00", 3)}) {
        TempWorld world;
        world.writeBytes(kFileName, bytes);
        Settings s;
        QString error;
        EXPECT_TRUE(s.load(world.path(kFileName), &error));
        Settings expected;
        if (bytes == withLine)
            expected.setInteger(SettingKey::InputMode, 6);
        expectSameRecord(s, expected);
    }
}

TEST(SettingsFile, MissingFileOrFolderLeavesDefaults)
{
    TempWorld world;
    QDir(world.path()).mkdir(u"folder"_qs);
    for (const QString& path : {world.path(kFileName), world.path(u"folder"_qs), world.path(u"no/such/file"_qs)}) {
        Settings s;
        QString error;
        EXPECT_TRUE(s.load(path, &error));
        EXPECT_TRUE(error.isEmpty());
        expectSameRecord(s, Settings());
    }
}

TEST(SettingsFile, OversizedFileIsNotRead)
{
    TempWorld world;
    world.writeBytes(kFileName, "InputMode,4\r\n" + QByteArray(Settings::kMaxFileBytes, ' '));
    Settings s;
    s.setInteger(SettingKey::TransMode, 3);
    QString error;
    EXPECT_FALSE(s.load(world.path(kFileName), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(s.integer(SettingKey::InputMode), 1);
    EXPECT_EQ(s.integer(SettingKey::TransMode), 3);
}

TEST(SettingsFile, FailedSaveReportsAndDestroysNothing)
{
    TempWorld world;
    world.writeBytes(u"Sys"_qs, "not a folder"); // the system folder is a regular file
    world.writeBytes(u"Dir/inside.txt"_qs, "kept");

    for (const QString& path : {world.path(u"Sys/"_qs + kFileName), world.path(u"Dir"_qs)}) {
        SCOPED_TRACE(path.toStdString());
        QString error;
        EXPECT_FALSE(Settings().save(path, &error));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(world.readBytes(u"Sys"_qs), QByteArray("not a folder"));
    EXPECT_EQ(world.readBytes(u"Dir/inside.txt"_qs), QByteArray("kept"));
}

// No encoding of the settings file holds half a surrogate pair: it is dropped, and the rest of the text
// comes back as it was, never with "?" in its place.
TEST(SettingsFile, HalfSurrogateIsDroppedNotTurnedIntoQuestionMark)
{
    const struct {
        const char* name;
        QString text;
        QString readBack;
        bool utf8;
    } cases[] = {
        {"code page 932", u"単語"_qs + QChar(0xD800) + u"帳"_qs, u"単語帳"_qs, false},
        {"UTF-8", u"Ελλ"_qs + QChar(0xDC00) + u"ɔ😀"_qs + QChar(0xD83D), u"Ελλɔ😀"_qs, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempWorld world;
        Settings s;
        s.setText(SettingKey::LastGroup, c.text);
        ASSERT_TRUE(s.save(world.path(kFileName)));
        const QByteArray bytes = world.readBytes(kFileName);
        EXPECT_FALSE(bytes.contains('?'));
        EXPECT_EQ(bytes.startsWith("\xEF\xBB\xBF"), c.utf8);
        Settings loaded;
        ASSERT_TRUE(loaded.load(world.path(kFileName)));
        EXPECT_EQ(loaded.text(SettingKey::LastGroup), c.readBack);
    }
}

} // namespace
