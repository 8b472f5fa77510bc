#include "core/wordbook/groupnameedit.h"

#include <functional>
#include <gtest/gtest.h>

using namespace pelinor::core;

namespace {

QStringList names(int count)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list.append(QString::number(i));
    return list;
}

struct EditCase {
    const char* what;
    QStringList start;
    qsizetype selected;
    std::function<bool(GroupNameEdit&)> edit;
    bool changed;
    QStringList expected;
    qsizetype selectedAfter;
};

TEST(GroupNameEdit, EditsKeepTheLimitsAndTheSelection)
{
    const std::vector<EditCase> cases = {
        {"add trims blanks but keeps an ideographic space", names(2), -1,
            [](GroupNameEdit& e) { return e.add(u" 　旅行\t"_qs); }, true, {u"1"_qs, u"2"_qs, u"　旅行"_qs}, -1},
        {"add refuses a blank name", names(2), -1, [](GroupNameEdit& e) { return e.add(u"  "_qs); }, false, names(2),
            -1},
        {"add refuses a 31st name", names(30), -1, [](GroupNameEdit& e) { return e.add(u"x"_qs); }, false, names(30),
            -1},
        {"the same name twice", names(2), -1, [](GroupNameEdit& e) { return e.add(u"1"_qs); }, true,
            {u"1"_qs, u"2"_qs, u"1"_qs}, -1},
        {"insert before the selected name", names(3), 1, [](GroupNameEdit& e) { return e.insert(u"x"_qs); }, true,
            {u"1"_qs, u"x"_qs, u"2"_qs, u"3"_qs}, 2},
        {"insert without selection appends", names(2), -1, [](GroupNameEdit& e) { return e.insert(u"x"_qs); }, true,
            {u"1"_qs, u"2"_qs, u"x"_qs}, -1},
        {"delete", names(3), 0, [](GroupNameEdit& e) { return e.deleteSelected(); }, true, {u"2"_qs, u"3"_qs}, -1},
        {"delete refuses to leave fewer than two", names(2), 0, [](GroupNameEdit& e) { return e.deleteSelected(); },
            false, names(2), 0},
        {"delete needs a selection", names(3), -1, [](GroupNameEdit& e) { return e.deleteSelected(); }, false, names(3),
            -1},
        {"up", names(3), 2, [](GroupNameEdit& e) { return e.moveUp(); }, true, {u"1"_qs, u"3"_qs, u"2"_qs}, 1},
        {"up at the top", names(3), 0, [](GroupNameEdit& e) { return e.moveUp(); }, false, names(3), 0},
        {"down", names(3), 0, [](GroupNameEdit& e) { return e.moveDown(); }, true, {u"2"_qs, u"1"_qs, u"3"_qs}, 1},
        {"down at the bottom", names(3), 2, [](GroupNameEdit& e) { return e.moveDown(); }, false, names(3), 2},
    };
    for (const EditCase& c : cases) {
        GroupNameEdit edit(c.start);
        edit.select(c.selected);
        EXPECT_EQ(c.edit(edit), c.changed) << c.what;
        EXPECT_EQ(edit.names(), c.expected) << c.what;
        EXPECT_EQ(edit.selected(), c.selectedAfter) << c.what;
    }
}

TEST(GroupNameEdit, ButtonStatesFollowSelectionAndCount)
{
    GroupNameEdit edit(names(3));
    EXPECT_FALSE(edit.canInsert());
    EXPECT_FALSE(edit.canDeleteSelected());
    edit.select(0);
    EXPECT_TRUE(edit.canInsert());
    EXPECT_TRUE(edit.canDeleteSelected());
    EXPECT_FALSE(edit.canMoveUp());
    EXPECT_TRUE(edit.canMoveDown());
    edit.select(2);
    EXPECT_TRUE(edit.canMoveUp());
    EXPECT_FALSE(edit.canMoveDown());

    GroupNameEdit full(names(30));
    full.select(0);
    EXPECT_FALSE(full.canInsert());
    EXPECT_FALSE(full.canAdd(u"x"_qs));
}

TEST(EntryNumberText, AcceptsOnlyNumbersOfTheList)
{
    const struct {
        const char* text;
        std::optional<qsizetype> expected;
    } cases[] = {{"1", 1}, {" 6 ", 6}, {"0", std::nullopt}, {"7", std::nullopt}, {"-1", std::nullopt},
        {"", std::nullopt}, {"3a", std::nullopt}, {"0x3", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(entryNumberFromText(QString::fromLatin1(c.text), 6), c.expected) << c.text;
}

} // namespace
