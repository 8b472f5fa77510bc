#include "core/app/folders.h"
#include "core/app/inputmodecontroller.h"
#include "core/app/inputmodes.h"
#include "core/app/settings.h"
#include "core/input/tablesets.h"

#include <gtest/gtest.h>
#include <vector>

using namespace pelinor::core;
using namespace Qt::StringLiterals;

namespace {

struct ModeCase {
    int number;
    InputMode mode;
    bool layout;
    bool script;
    bool lookup;
    bool russian;
    InputMode partner;
};

const ModeCase kModes[] = {
    {1, InputMode::RussianRomaji, false, true, true, true, InputMode::RussianLayout},
    {2, InputMode::RussianLayout, true, true, true, true, InputMode::RussianRomaji},
    {3, InputMode::Alphanumeric, false, false, false, false, InputMode::Alphanumeric},
    {4, InputMode::GreekRomaji, false, true, true, false, InputMode::GreekLayout},
    {5, InputMode::GreekLayout, true, true, true, false, InputMode::GreekRomaji},
    {6, InputMode::UkrainianRomaji, false, true, true, false, InputMode::UkrainianLayout},
    {7, InputMode::UkrainianLayout, true, true, true, false, InputMode::UkrainianRomaji},
};

} // namespace

TEST(InputModes, PredicatesFollowTheModeTable)
{
    for (const ModeCase& c : kModes) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(inputModeFromNumber(c.number), c.mode);
        EXPECT_EQ(inputModeNumber(c.mode), c.number);
        EXPECT_EQ(inputModeAtItem(inputModeItem(c.mode)).mode, c.mode);
        EXPECT_EQ(isLayoutMode(c.mode), c.layout);
        EXPECT_EQ(hasScript(c.mode), c.script);
        EXPECT_EQ(looksUpForeignTriggerKeys(c.mode), c.lookup);
        EXPECT_EQ(isRussianMode(c.mode), c.russian);
        EXPECT_EQ(partnerMode(c.mode), c.partner);
    }
}

TEST(InputModes, StoredNumbersOutsideTheTableGiveRussianRomaji)
{
    for (int number : {-1, 0, 8, 11, 100})
        EXPECT_EQ(inputModeFromNumber(number), InputMode::RussianRomaji) << number;
}

namespace {

/// Records what the controller announces, in order.
struct Announcements {
    std::vector<QString> scripts;
    std::vector<InputMode> modes;
    std::vector<char> order;
};

class InputModeControllerTest : public ::testing::Test {
protected:
    InputModeControllerTest()
    {
        settings.setDefaults();
        folders.setCurrentTableFolder(QStringLiteral(PELINOR_TEST_SOURCE_DIR "/data/Tbl"));
        QObject::connect(&controller, &InputModeController::scriptChanged, [this](const ScriptInfo& script) {
            seen.scripts.push_back(script.name);
            seen.order.push_back('s');
        });
        QObject::connect(&controller, &InputModeController::inputModeChanged, [this](InputMode mode) {
            seen.modes.push_back(mode);
            seen.order.push_back('m');
        });
    }

    Settings settings;
    Folders folders;
    TableSets tables;
    InputModeController controller{settings, folders, tables};
    Announcements seen;
};

} // namespace

TEST_F(InputModeControllerTest, ScriptModesApplyTheScriptBeforeAnnouncingTheMode)
{
    struct Case {
        InputMode mode;
        QString name;
        int charset;
        QString candidateFile;
        char16_t trigger; ///< a key of the script's romaji table
    };
    const Case cases[] = {
        {InputMode::GreekLayout, u"ｷﾞﾘｼｱ語"_s, 161, u"CandGreek.csv"_s, u'a'},
        {InputMode::UkrainianRomaji, u"ｳｸﾗｲﾅ語"_s, 204, u"CandUkrainian.csv"_s, u'a'},
        {InputMode::RussianRomaji, u"ロシア語"_s, 204, u"CandRussian.csv"_s, u'a'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(inputModeNumber(c.mode));
        settings.setText(scriptInfoByName(c.name).candidateKey, c.candidateFile);
        seen = {};
        controller.switchInputMode(c.mode);
        EXPECT_EQ(settings.integer(SettingKey::InputMode), inputModeNumber(c.mode));
        EXPECT_EQ(controller.mode(), c.mode);
        EXPECT_EQ(settings.scriptName(), c.name);
        EXPECT_EQ(settings.scriptCharset(), c.charset);
        EXPECT_EQ(controller.script().name, c.name);
        EXPECT_EQ(settings.text(SettingKey::GaCandFile), c.candidateFile);
        EXPECT_TRUE(tables.foreign().isTrigger(c.trigger));
        EXPECT_EQ(seen.order, (std::vector<char>{'s', 'm'}));
        EXPECT_EQ(seen.scripts, std::vector<QString>{c.name});
        EXPECT_EQ(seen.modes, std::vector<InputMode>{c.mode});
    }
}

TEST_F(InputModeControllerTest, TheAlphanumericModeKeepsScriptAndTables)
{
    controller.switchInputMode(InputMode::GreekRomaji);
    const QString candidates = settings.text(SettingKey::GaCandFile);
    seen = {};
    controller.switchInputMode(InputMode::Alphanumeric);
    EXPECT_EQ(settings.integer(SettingKey::InputMode), 3);
    EXPECT_EQ(controller.script().script, Script::Greek);
    EXPECT_EQ(settings.text(SettingKey::GaCandFile), candidates);
    EXPECT_EQ(seen.order, std::vector<char>{'m'});
}

TEST_F(InputModeControllerTest, SwitchingToTheCurrentModeAnnouncesItAgain)
{
    controller.switchInputMode(InputMode::RussianRomaji);
    seen = {};
    controller.switchInputMode(InputMode::RussianRomaji);
    EXPECT_EQ(seen.order, (std::vector<char>{'s', 'm'}));
}

TEST_F(InputModeControllerTest, StartSwitchesOnceToTheStoredMode)
{
    struct Case {
        int stored;
        std::vector<char> order;
    };
    const Case cases[] = {{5, {'s', 'm'}}, {3, {'m'}}, {9, {'s', 'm'}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        settings.setInteger(SettingKey::InputMode, c.stored);
        settings.setText(SettingKey::GaCandFile, u"CandRussian.csv"_s);
        settings.setText(SettingKey::GaUDBFile, u"DBRussian.csv"_s);
        tables.releaseTables();
        seen = {};
        controller.start();
        EXPECT_EQ(seen.order, c.order);
        EXPECT_EQ(inputModeNumber(controller.mode()), c.stored == 9 ? 1 : c.stored);
        // The alphanumeric mode loads the stored foreign tables, the script modes their script's.
        EXPECT_TRUE(tables.foreign().isTrigger(u'a'));
    }
}
