#include "core/wordbook/wordbook.h"
#include "core/wordbook/wordbookfile.h"
#include "support/tempworld.h"

#include <QDir>

#include <functional>
#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

WordEntry entry(const QString& foreign, const QString& kana = QString())
{
    WordEntry e;
    e.foreignWord = foreign;
    e.kana = kana;
    return e;
}

QStringList foreignWords(const QList<WordEntry>& entries)
{
    QStringList words;
    for (const WordEntry& e : entries)
        words.append(e.foreignWord);
    return words;
}

struct Change {
    const char* what;
    std::function<bool(WordBook&, QString*)> apply;
    QStringList expected;
};

// Every change the word list and the dialogs make, on a book of w1 ... w6.
std::vector<Change> changes()
{
    return {
        {"append", [](WordBook& b, QString* e) { return b.appendEntry(entry(u"new"_qs), e); },
            {u"w1"_qs, u"w2"_qs, u"w3"_qs, u"w4"_qs, u"w5"_qs, u"w6"_qs, u"new"_qs}},
        {"insert first", [](WordBook& b, QString* e) { return b.insertEntry(0, entry(u"new"_qs), e); },
            {u"new"_qs, u"w1"_qs, u"w2"_qs, u"w3"_qs, u"w4"_qs, u"w5"_qs, u"w6"_qs}},
        {"replace", [](WordBook& b, QString* e) { return b.replaceEntry(2, entry(u"new"_qs), e); },
            {u"w1"_qs, u"w2"_qs, u"new"_qs, u"w4"_qs, u"w5"_qs, u"w6"_qs}},
        {"remove", [](WordBook& b, QString* e) { return b.removeEntry(5, e); },
            {u"w1"_qs, u"w2"_qs, u"w3"_qs, u"w4"_qs, u"w5"_qs}},
        {"move 2 above 5", [](WordBook& b, QString* e) { return b.moveEntry(1, 4, e); },
            {u"w1"_qs, u"w3"_qs, u"w4"_qs, u"w2"_qs, u"w5"_qs, u"w6"_qs}},
        {"move 5 above 2", [](WordBook& b, QString* e) { return b.moveEntry(4, 1, e); },
            {u"w1"_qs, u"w5"_qs, u"w2"_qs, u"w3"_qs, u"w4"_qs, u"w6"_qs}},
        {"move onto itself", [](WordBook& b, QString* e) { return b.moveEntry(3, 3, e); },
            {u"w1"_qs, u"w2"_qs, u"w3"_qs, u"w4"_qs, u"w5"_qs, u"w6"_qs}},
        {"move to the end", [](WordBook& b, QString* e) { return b.moveEntry(0, 6, e); },
            {u"w2"_qs, u"w3"_qs, u"w4"_qs, u"w5"_qs, u"w6"_qs, u"w1"_qs}},
        {"sort descending", [](WordBook& b, QString* e) { return b.sortEntries(WordField::ForeignWord, -1, e); },
            {u"w6"_qs, u"w5"_qs, u"w4"_qs, u"w3"_qs, u"w2"_qs, u"w1"_qs}},
        {"apply a list", [](WordBook& b, QString* e) { return b.applyEntries({entry(u"only"_qs)}, e); }, {u"only"_qs}},
    };
}

class WordBookModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(folder());
        QList<WordEntry> entries;
        for (int i = 1; i <= 6; ++i)
            entries.append(entry(QStringLiteral("w%1").arg(i)));
        ASSERT_TRUE(writeWordBookFile(bookPath(), {u"Title"_qs, u"Group"_qs, QString()}, entries));
        ASSERT_EQ(m_book.readWordBook(folder(), u"book.utx"_qs), WordBookReadStatus::Read);
    }

    QString folder() const { return m_world.path(u"books"_qs); }
    QString bookPath() const { return m_world.path(u"books/book.utx"_qs); }

    // The model must always equal what its file reads back.
    void expectFileMatchesModel() const
    {
        const WordBookContent content = readWordBookFile(bookPath());
        EXPECT_EQ(content.header, m_book.header());
        EXPECT_EQ(content.entries, m_book.entries());
    }

    TempWorld m_world;
    WordBook m_book;
};

} // namespace

TEST_F(WordBookModel, OpensWithNumberedEntries)
{
    EXPECT_TRUE(m_book.isOpen());
    EXPECT_EQ(m_book.fileName(), u"book.utx"_qs);
    EXPECT_EQ(QFileInfo(m_book.filePath()), QFileInfo(bookPath()));
    EXPECT_EQ(m_book.title(), u"Title"_qs);
    EXPECT_EQ(m_book.group(), u"Group"_qs);
    EXPECT_TRUE(m_book.soundFolder().isEmpty());
    ASSERT_EQ(m_book.entryCount(), 6);
    for (qsizetype i = 0; i < 6; ++i)
        EXPECT_EQ(m_book.entries()[i].number, i + 1);
}

TEST_F(WordBookModel, MissingFileChangesNothing)
{
    EXPECT_EQ(m_book.readWordBook(folder(), u"gone.utx"_qs), WordBookReadStatus::Missing);
    EXPECT_EQ(m_book.fileName(), u"book.utx"_qs);
    EXPECT_EQ(m_book.entryCount(), 6);
}

// A file of two lines must not leave the former book open with an empty entry list: the next change would
// write that empty list over the former book.
TEST_F(WordBookModel, NoWordBookFileClosesTheModelAndSparesTheFormerBook)
{
    const QByteArray before = m_world.readBytes(u"books/book.utx"_qs);
    m_world.writeBytes(u"books/short.utx"_qs, QByteArray("\xFF\xFET\0\r\0\n\0G\0\r\0\n\0", 14));
    EXPECT_EQ(m_book.readWordBook(folder(), u"short.utx"_qs), WordBookReadStatus::NotAWordBook);
    EXPECT_FALSE(m_book.isOpen());
    EXPECT_TRUE(m_book.entries().isEmpty());
    EXPECT_TRUE(m_book.title().isEmpty());
    EXPECT_TRUE(m_book.writeWordBook());
    QString error;
    EXPECT_FALSE(m_book.appendEntry(entry(u"x"_qs), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(m_world.readBytes(u"books/book.utx"_qs), before);
}

TEST_F(WordBookModel, EveryChangeIsWrittenAndRenumbered)
{
    for (const Change& change : changes()) {
        SCOPED_TRACE(change.what);
        SetUp();
        QString error;
        ASSERT_TRUE(change.apply(m_book, &error)) << error.toStdString();
        EXPECT_EQ(foreignWords(m_book.entries()), change.expected);
        for (qsizetype i = 0; i < m_book.entryCount(); ++i)
            EXPECT_EQ(m_book.entries()[i].number, i + 1);
        expectFileMatchesModel();
    }
}

TEST_F(WordBookModel, FailedWriteKeepsFileAndModel)
{
    const QByteArray before = m_world.readBytes(u"books/book.utx"_qs);
    const QList<WordEntry> entries = m_book.entries();
    const WordBookHeader header = m_book.header();
    // The book's folder is replaced by a regular file, so no file can be written there.
    ASSERT_TRUE(QDir().rename(folder(), m_world.path(u"aside"_qs)));
    m_world.writeBytes(u"books"_qs, "not a folder");

    std::vector<Change> all = changes();
    all.push_back({"header", [](WordBook& b, QString* e) { return b.setHeader({u"New"_qs, {}, {}}, e); }, {}});
    all.push_back({"colour", [](WordBook& b, QString* e) { return b.setEntryColour(0, u"#FF0000"_qs, e); }, {}});
    all.push_back({"write", [](WordBook& b, QString* e) { return b.writeWordBook(e); }, {}});
    for (const Change& change : all) {
        SCOPED_TRACE(change.what);
        QString error;
        EXPECT_FALSE(change.apply(m_book, &error));
        EXPECT_TRUE(error.contains(u"book.utx"_qs)) << error.toStdString();
        EXPECT_EQ(m_book.entries(), entries);
        EXPECT_EQ(m_book.header(), header);
    }

    QFile::remove(folder());
    ASSERT_TRUE(QDir().rename(m_world.path(u"aside"_qs), folder()));
    EXPECT_EQ(m_world.readBytes(u"books/book.utx"_qs), before);
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList{u"book.utx"_qs}); // no temporary file left
    ASSERT_TRUE(m_book.appendEntry(entry(u"later"_qs)));
    expectFileMatchesModel();
}

TEST_F(WordBookModel, SortsForeignWordsIgnoringCaseAndOtherFieldsByCodeUnit)
{
    QList<WordEntry> list{
        entry(u"б"_qs, u"ア"_qs), entry(u"А"_qs, u"ｱ"_qs), entry(u"а"_qs, u"あ"_qs), entry(u"Б"_qs, u"ア"_qs)};
    ASSERT_TRUE(m_book.applyEntries(list));
    ASSERT_TRUE(m_book.sortEntries(WordField::ForeignWord, 1));
    EXPECT_EQ(foreignWords(m_book.entries()), (QStringList{u"А"_qs, u"а"_qs, u"б"_qs, u"Б"_qs}));
    ASSERT_TRUE(m_book.sortEntries(WordField::ForeignWord, -1));
    EXPECT_EQ(foreignWords(m_book.entries()), (QStringList{u"б"_qs, u"Б"_qs, u"А"_qs, u"а"_qs}));
    // Kana by code unit: あ (U+3042) < ア (U+30A2) < ｱ (U+FF71); equal keys keep their order.
    ASSERT_TRUE(m_book.sortEntries(WordField::Kana, 1));
    EXPECT_EQ(foreignWords(m_book.entries()), (QStringList{u"а"_qs, u"б"_qs, u"Б"_qs, u"А"_qs}));
    expectFileMatchesModel();
}

TEST_F(WordBookModel, RefusesPositionsOutsideTheList)
{
    const QByteArray before = m_world.readBytes(u"books/book.utx"_qs);
    QString error;
    EXPECT_FALSE(m_book.insertEntry(7, entry(u"x"_qs), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(m_book.removeEntry(6));
    EXPECT_FALSE(m_book.replaceEntry(-1, entry(u"x"_qs)));
    EXPECT_FALSE(m_book.moveEntry(0, 7));
    EXPECT_EQ(m_book.entryCount(), 6);
    EXPECT_EQ(m_world.readBytes(u"books/book.utx"_qs), before);
}

TEST_F(WordBookModel, ChangedEntriesAreStoredAsTheyReadBack)
{
    WordEntry typed = entry(u"a\nb"_qs);
    typed.note = u"say \"hi\""_qs;
    ASSERT_TRUE(m_book.replaceEntry(0, typed));
    EXPECT_EQ(m_book.entries()[0].foreignWord, u"a#$0Db"_qs);
    EXPECT_EQ(m_book.entries()[0].note, u"say \"hi\""_qs);
    ASSERT_TRUE(m_book.setHeader({u"New\ntitle"_qs, u"g"_qs, u"/snd"_qs}));
    EXPECT_EQ(m_book.title(), u"New title"_qs);
    expectFileMatchesModel();
}
