#include "core/input/tableset.h"
#include "core/tables/symboldatabase.h"
#include "core/wordbook/groupnamelist.h"
#include "core/wordbook/wordbookescapes.h"
#include "core/wordbook/wordbookfile.h"

#include <QDir>
#include <QSet>

#include <gtest/gtest.h>

using namespace pelinor::core;

// Checks over the program folder that ships with Pelinor: every table loads cleanly and covers its
// alphabet, and every sample word book is well formed.

namespace {

QString dataFolder(const QString& sub)
{
    return QStringLiteral(PELINOR_TEST_SOURCE_DIR "/data/") + sub;
}

struct TablePair {
    const char* candidates;
    const char* database;
    QString mustReach; ///< every one of these characters is offered by some trigger
};

QString range(char16_t from, char16_t to)
{
    QString text;
    for (char16_t c = from; c <= to; ++c)
        text += QChar(c);
    return text;
}

QString russianAlphabet()
{
    return range(u'А', u'я') + u"Ёё"_qs;
}

QString ukrainianAlphabet()
{
    QString text;
    for (QChar c : range(u'А', u'я')) {
        if (!u"ЁЪЫЭёъыэ"_qs.contains(c))
            text += c;
    }
    return text + u"ҐґЄєІіЇї’"_qs;
}

QString greekAlphabet()
{
    QString text;
    for (QChar c : range(u'Α', u'ω')) {
        if (c != QChar(u'\u03A2'))
            text += c; // U+03A2 is unassigned
    }
    return text + u"ΆΈΉΊΌΎΏΪΫάέήίόύώϊϋΐΰ"_qs;
}

void PrintTo(const TablePair& pair, std::ostream* os)
{
    *os << pair.candidates << " + " << pair.database;
}

class ShippedTables : public ::testing::TestWithParam<TablePair> { };

TEST_P(ShippedTables, LoadWithoutSkippedLinesAndReachTheirAlphabet)
{
    const TablePair& pair = GetParam();
    TableSet set;
    set.loadTableSet(dataFolder(u"Tbl"_qs), QString::fromLatin1(pair.candidates), QString::fromLatin1(pair.database));
    for (const SkippedLine& line : set.skippedLines())
        ADD_FAILURE() << line.fileName.toStdString() << ":" << line.lineNumber << " " << line.reason.toStdString();
    ASSERT_FALSE(set.candidateRecords().empty());

    QSet<char16_t> offered;
    for (const CandidateRecord& record : set.candidateRecords()) {
        EXPECT_FALSE(record.key >= u'0' && record.key <= u'9') << "digit trigger";
        for (char16_t code : record.candidates) {
            if (code == 0)
                continue;
            offered.insert(code);
            const TUDB* symbol = set.findSymbol(code);
            ASSERT_NE(symbol, nullptr) << "candidate without a symbol entry: " << std::hex << int(code);
            EXPECT_FALSE(symbol->englishName.isEmpty()) << std::hex << int(code);
            EXPECT_FALSE(symbol->japaneseName.isEmpty()) << std::hex << int(code);
        }
    }
    for (QChar c : pair.mustReach)
        EXPECT_TRUE(offered.contains(c.unicode())) << "not reachable: " << QString(c).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Data, ShippedTables,
    ::testing::Values(TablePair{"CandRussian.csv", "DBRussian.csv", russianAlphabet()},
        TablePair{"CandRussian.csv", "DBRuss.csv", russianAlphabet()},
        TablePair{"CandUkrainian.csv", "DBUkrainian.csv", ukrainianAlphabet()},
        TablePair{"CandGreek.csv", "DBGreek.csv", greekAlphabet()},
        TablePair{"CandAll.csv", "DBPhonet.csv", QString()}));

TEST(ShippedTables, FrequentRussianLettersInsertDirectly)
{
    TableSet set;
    set.loadTableSet(dataFolder(u"Tbl"_qs), u"CandRussian.csv"_qs, u"DBRussian.csv"_qs);
    const std::pair<char16_t, char16_t> direct[]
        = {{u'd', u'д'}, {u'a', u'а'}, {u'D', u'Д'}, {u'o', u'о'}, {u't', u'т'}, {u'n', u'н'}};
    for (const auto& [key, letter] : direct) {
        CandidateBuffer buffer;
        set.fetchCandidates(key, buffer);
        EXPECT_EQ(buffer.slot(1), letter) << char(key);
        EXPECT_EQ(buffer.slot(2), 0) << char(key) << " opens a window";
    }
}

TEST(ShippedTables, EveryNonAsciiPhoneticSymbolIsReachableAndLowerCaseLettersAreNoTriggers)
{
    TableSet set;
    set.loadTableSet(dataFolder(u"Tbl"_qs), u"CandAll.csv"_qs, u"DBPhonet.csv"_qs);
    QSet<char16_t> offered;
    for (const CandidateRecord& record : set.candidateRecords()) {
        EXPECT_FALSE(record.key >= u'a' && record.key <= u'z') << char(record.key);
        for (char16_t code : record.candidates)
            offered.insert(code);
    }
    for (const TUDB& symbol : set.symbols()) {
        if (symbol.code > 0x7F) {
            EXPECT_TRUE(offered.contains(symbol.code)) << std::hex << int(symbol.code);
        }
    }
    for (char16_t ipa : {u'ɑ', u'ə', u'ʃ', u'ŋ', u'ɲ', u'ʔ', u'ɾ', u'ʎ', u'ʒ', u'θ', u'ð', u'ˈ', u'ː'})
        EXPECT_TRUE(offered.contains(ipa)) << std::hex << int(ipa);
}

TEST(ShippedTables, DatabasesHaveUniqueStrictCodesAndBothNames)
{
    const QStringList databases = QDir(dataFolder(u"Tbl"_qs)).entryList({u"DB*.csv"_qs}, QDir::Files);
    ASSERT_GE(databases.size(), 9);
    for (const QString& name : databases) {
        SCOPED_TRACE(name.toStdString());
        const SymbolDatabase db = SymbolDatabase::read(dataFolder(u"Tbl/"_qs) + name);
        EXPECT_TRUE(db.hasHeader());
        EXPECT_TRUE(db.skippedLines().isEmpty());
        QSet<QString> codes;
        for (const SymbolEntry& entry : db.entries()) {
            EXPECT_FALSE(codes.contains(entry.code)) << "duplicate " << entry.code.toStdString();
            codes.insert(entry.code);
            EXPECT_FALSE(entry.englishName.isEmpty()) << entry.code.toStdString();
            EXPECT_FALSE(entry.japaneseName.isEmpty()) << entry.code.toStdString();
            EXPECT_GE(entry.group, 0);
            EXPECT_LT(entry.group, db.groups().size());
        }
    }
}

TEST(ShippedWordBooks, AreWellFormedAndUseListedGroups)
{
    const QStringList groups = readGroupNameList(dataFolder(u"Sys"_qs)).lines;
    ASSERT_TRUE(groups.contains(u"あいさつ"_qs));
    ASSERT_TRUE(groups.contains(u"その他"_qs));
    int books = 0;
    for (const char* folder : {"bookA", "bookG", "GreekA", "GreekG", "UkraineA", "UkraineG"}) {
        const QDir dir(dataFolder(QString::fromLatin1(folder)));
        const QStringList files = dir.entryList({u"*.utx"_qs}, QDir::Files);
        EXPECT_FALSE(files.isEmpty()) << folder;
        for (const QString& file : files) {
            SCOPED_TRACE((QString::fromLatin1(folder) + u'/' + file).toStdString());
            ++books;
            const WordBookContent book = readWordBookFile(dir.filePath(file));
            ASSERT_EQ(book.status, WordBookReadStatus::Read);
            EXPECT_FALSE(book.header.title.isEmpty());
            EXPECT_TRUE(groups.contains(book.header.group)) << book.header.group.toStdString();
            // Every line past the header is an entry: nothing is skipped.
            QString text;
            ASSERT_EQ(readWordBookText(dir.filePath(file), &text), WordBookReadStatus::Read);
            qsizetype lines = 0;
            forEachWordBookLine(text, [&](QStringView) {
                ++lines;
                return true;
            });
            EXPECT_EQ(lines - 3, book.entries.size());
            if (QLatin1StringView(folder) == QLatin1StringView("bookA")) {
                EXPECT_GE(book.entries.size(), 20);
                EXPECT_LE(book.entries.size(), 50);
            }
            for (const WordEntry& entry : book.entries) {
                EXPECT_FALSE(entry.foreignWord.isEmpty());
                EXPECT_FALSE(entry.phonetic.isEmpty()) << entry.foreignWord.toStdString();
                EXPECT_FALSE(entry.kana.isEmpty()) << entry.foreignWord.toStdString();
                EXPECT_FALSE(entry.japanese.isEmpty()) << entry.foreignWord.toStdString();
                EXPECT_TRUE(entry.colour.isEmpty() || isColourText(entry.colour)) << entry.colour.toStdString();
            }
        }
    }
    EXPECT_GE(books, 9);
}

// A user finds a sample word by typing it: every character of a foreign word is one that the script's
// table offers for a trigger, or a key that is no trigger and so types itself (a space, a hyphen…). A
// Ukrainian apostrophe must be the "’" that the apostrophe key gives, not the "'" that key no longer types.
TEST(ShippedWordBooks, ForeignWordsCanBeTypedWithTheirScriptsTable)
{
    struct Folder {
        const char* name;
        const char* candidates;
        const char* database;
    };
    const Folder folders[] = {
        {"bookA", "CandRussian.csv", "DBRussian.csv"},
        {"bookG", "CandRussian.csv", "DBRussian.csv"},
        {"GreekA", "CandGreek.csv", "DBGreek.csv"},
        {"GreekG", "CandGreek.csv", "DBGreek.csv"},
        {"UkraineA", "CandUkrainian.csv", "DBUkrainian.csv"},
        {"UkraineG", "CandUkrainian.csv", "DBUkrainian.csv"},
    };
    for (const Folder& folder : folders) {
        TableSet set;
        set.loadTableSet(
            dataFolder(u"Tbl"_qs), QString::fromLatin1(folder.candidates), QString::fromLatin1(folder.database));
        QSet<char16_t> offered;
        for (const CandidateRecord& record : set.candidateRecords()) {
            for (char16_t code : record.candidates)
                offered.insert(code);
        }
        const auto typeable = [&](QChar c) {
            if (offered.contains(c.unicode()))
                return true;
            return c.unicode() >= 0x20 && c.unicode() < 0x7F && !set.isTrigger(c.unicode());
        };
        const QDir dir(dataFolder(QString::fromLatin1(folder.name)));
        for (const QString& file : dir.entryList({u"*.utx"_qs}, QDir::Files)) {
            SCOPED_TRACE((QString::fromLatin1(folder.name) + u'/' + file).toStdString());
            const WordBookContent book = readWordBookFile(dir.filePath(file));
            ASSERT_EQ(book.status, WordBookReadStatus::Read);
            for (const WordEntry& entry : book.entries) {
                for (const QChar c : entry.foreignWord) {
                    EXPECT_TRUE(typeable(c))
                        << entry.foreignWord.toStdString() << ": U+" << std::hex << int(c.unicode());
                }
            }
        }
    }
}

} // namespace
