#include "core/transfer/targettitle.h"

#include <gtest/gtest.h>

using namespace pelinor::core;

namespace {

struct TitleCase {
    const char* name;
    QString title;
    bool mediaPlayer;
    QString lastSoundName;
    bool trackable;
};

void PrintTo(const TitleCase& c, std::ostream* os)
{
    *os << c.name;
}

class TrackableTitleTest : public testing::TestWithParam<TitleCase> { };

TEST_P(TrackableTitleTest, DecidesByTitle)
{
    const TitleCase& c = GetParam();
    EXPECT_EQ(isTrackableTitle(c.title, c.mediaPlayer, c.lastSoundName), c.trackable);
}

const QString kStartMenu = u"スタート メニュー"_qs;

INSTANTIATE_TEST_SUITE_P(Titles, TrackableTitleTest,
    testing::Values(TitleCase{"ordinary window", u"文書1 - Writer"_qs, false, {}, true},
        TitleCase{"desktop", u"Program Manager"_qs, false, {}, false},
        TitleCase{"desktop title with a blank is another window", u"Program Manager "_qs, false, {}, true},
        TitleCase{"own main window", u"Pelinor"_qs, false, {}, false},
        TitleCase{"own caption with a target", u"Pelinor    転送先：[ x ]"_qs, false, {}, false},
        TitleCase{"any title starting with the product", u"PelinorPad"_qs, false, {}, false},
        TitleCase{"comparison is case-sensitive", u"pelinor"_qs, false, {}, true},
        TitleCase{"product name later in the title", u"About Pelinor"_qs, false, {}, true},
        TitleCase{"start menu", kStartMenu, false, {}, false},
        TitleCase{"start menu with blanks around", u"  \t"_qs + kStartMenu + u" "_qs, false, {}, false},
        TitleCase{"ideographic space is not a blank", u"\u3000"_qs + kStartMenu, false, {}, true},
        TitleCase{"media player while playing with it", u"Windows Media Player"_qs, true, {}, false},
        TitleCase{"media player otherwise", u"Windows Media Player"_qs, false, {}, true},
        TitleCase{"sound file window", u"word01"_qs, true, u"word01"_qs, false},
        TitleCase{"sound name without the player", u"word01"_qs, false, u"word01"_qs, true},
        TitleCase{"empty title before any sound was played", QString(), true, QString(), false},
        TitleCase{"empty title without the player", QString(), false, QString(), true},
        TitleCase{"other title while the player is on", u"Browser"_qs, true, u"word01"_qs, true}));

TEST(TargetTitleTest, KeepsAtMost254UnitsWithoutSplittingAPair)
{
    EXPECT_EQ(targetTitle(QString(300, u'a')).size(), 254);
    EXPECT_EQ(targetTitle(u"short"_qs), u"short"_qs);
    // A pair across the limit is dropped whole rather than leaving half of it.
    const QString title = QString(253, u'a') + u"\U0001D11E"_qs;
    EXPECT_EQ(targetTitle(title), QString(253, u'a'));
}

TEST(TargetTitleTest, SoundNameDropsFolderAndLastExtension)
{
    EXPECT_EQ(soundNameForTitle(u"word01.mp3"_qs), u"word01"_qs);
    EXPECT_EQ(soundNameForTitle(u"C:\\snd\\a.b.wav"_qs), u"a.b"_qs);
    EXPECT_EQ(soundNameForTitle(u"/home/u/snd/noext"_qs), u"noext"_qs);
    EXPECT_EQ(soundNameForTitle(QString()), QString());
}

} // namespace
