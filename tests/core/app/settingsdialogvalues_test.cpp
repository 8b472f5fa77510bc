#include "core/app/settings.h"
#include "core/app/settingsdialogvalues.h"

#include <gtest/gtest.h>

using namespace pelinor::core;

TEST(SettingsDialogValues, OkWithNothingChangedChangesNothing)
{
    Settings settings;
    const QStringList before = settings.fileLines();
    const SettingsChanges changes = applySettingsDialog(settings, SettingsDialogValues::fromSettings(settings));
    EXPECT_FALSE(changes.anyChange());
    EXPECT_EQ(settings.fileLines(), before);
}

TEST(SettingsDialogValues, TableFilesAndTheTableFolderNeedARestart)
{
    struct Case {
        const char* name;
        void (*edit)(SettingsDialogValues&);
    };
    const Case cases[] = {
        {"Ukrainian candidates", [](SettingsDialogValues& v) { v.tableFiles[7] = u"CandMine.csv"_qs; }},
        // "戻" on the Russian symbol database gives a name other than its start default.
        {"Russian database reset",
            [](SettingsDialogValues& v) { v.tableFiles[2] = QString::fromLatin1(tableFileFields()[2].resetValue); }},
        {"system tables", [](SettingsDialogValues& v) { v.systemTables = true; }},
    };
    for (const Case& c : cases) {
        Settings settings;
        SettingsDialogValues values = SettingsDialogValues::fromSettings(settings);
        c.edit(values);
        EXPECT_TRUE(applySettingsDialog(settings, values).restartNeeded) << c.name;
    }
    Settings settings;
    SettingsDialogValues values = SettingsDialogValues::fromSettings(settings);
    values.tableFiles[7] = u"CandMine.csv"_qs;
    applySettingsDialog(settings, values);
    EXPECT_EQ(settings.text(SettingKey::UkrainianCandFile), u"CandMine.csv"_qs);
    EXPECT_EQ(tableFileFields()[2].key, SettingKey::RussianUDBFile);
    EXPECT_STREQ(tableFileFields()[2].resetValue, "DBRuss.csv");
}

TEST(SettingsDialogValues, FontsColoursAndTimersAreTakenAndReported)
{
    Settings settings;
    SettingsDialogValues values = SettingsDialogValues::fromSettings(settings);
    values.scriptFonts[1] = u"DejaVu Serif"_qs;
    values.colours[1] = ColourRgb{0xFF, 0, 0};
    values.colours[7] = ColourRgb{1, 2, 3};
    values.pasteTimer = 400;
    values.phoneticSize = u"abc"_qs;
    values.scriptFontsOnly = true;
    const SettingsChanges changes = applySettingsDialog(settings, values);
    EXPECT_EQ(settings.text(SettingKey::GreekFont), u"DejaVu Serif"_qs);
    EXPECT_EQ(changes.scriptFontChanged, (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(changes.changedColours, (QList<SettingKey>{SettingKey::RomanBg2, SettingKey::CandBg}));
    EXPECT_EQ(settings.colour(SettingKey::RomanBg2), (ColourRgb{0xFF, 0, 0}));
    // The phonetic area's colour follows CandBg.
    EXPECT_EQ(settings.phoneticAreaColour(), (ColourRgb{1, 2, 3}));
    EXPECT_TRUE(changes.pasteTimerChanged);
    EXPECT_FALSE(changes.searchTimerChanged);
    EXPECT_EQ(settings.integer(SettingKey::PaTimer), 400);
    // A size that is no number keeps the current size.
    EXPECT_FALSE(changes.phoneticSizeChanged);
    EXPECT_EQ(settings.integer(SettingKey::UsrSubFontSize), 16);
    EXPECT_TRUE(changes.fontModeChanged);
    EXPECT_EQ(settings.integer(SettingKey::FontMode), 1);
    EXPECT_FALSE(changes.restartNeeded);
}

TEST(SettingsDialogValues, TimersOutOfRangeAreNeverStored)
{
    for (const int ms : {0, 9, 501, -250, 100000}) {
        Settings settings;
        SettingsDialogValues values = SettingsDialogValues::fromSettings(settings);
        values.searchTimer = ms;
        values.pasteTimer = ms;
        const SettingsChanges changes = applySettingsDialog(settings, values);
        EXPECT_FALSE(changes.searchTimerChanged || changes.pasteTimerChanged) << ms;
        EXPECT_EQ(settings.integer(SettingKey::TrTimer), 250) << ms;
        EXPECT_EQ(settings.integer(SettingKey::PaTimer), 250) << ms;
    }
    // A stored value beyond the bar's ends opens at the nearest end.
    Settings settings;
    settings.setInteger(SettingKey::TrTimer, 5000);
    EXPECT_EQ(SettingsDialogValues::fromSettings(settings).searchTimer, 500);
}

TEST(SettingsDialogValues, FixedSizesLockAndRelease)
{
    Settings settings;
    SettingsDialogValues values = SettingsDialogValues::fromSettings(settings);
    values.fixedSizes = true;
    values.fixedMainSize = u"30"_qs;
    values.fixedSubSize = u"x"_qs;
    SettingsChanges changes = applySettingsDialog(settings, values);
    EXPECT_TRUE(changes.fixedSizesApplied);
    EXPECT_TRUE(settings.flag(SettingKey::DispFSizeLockFlg));
    EXPECT_EQ(settings.integer(SettingKey::DispMainFSize), 30);
    EXPECT_EQ(settings.integer(SettingKey::DispSubFSize), 16);

    values.fixedSizes = false;
    changes = applySettingsDialog(settings, values);
    EXPECT_TRUE(changes.fixedSizesReleased);
    EXPECT_FALSE(changes.fixedSizesApplied);
    EXPECT_FALSE(settings.flag(SettingKey::DispFSizeLockFlg));
}
