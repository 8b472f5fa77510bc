#pragma once

#include "core/app/folders.h"
#include "core/app/settingkey.h"

#include <QString>

namespace pelinor::core {

/// The three scripts of the foreign-language input area.
enum class Script { Russian, Greek, Ukrainian };

/// What belongs to a script: its name and word-list direction labels, font character set, folders,
/// font and table settings, panel colours and picture.
struct ScriptInfo {
    Script script;
    QString name; ///< "ロシア語", "ｷﾞﾘｼｱ語", "ｳｸﾗｲﾅ語"
    QString foreignFirst; ///< direction label with the foreign word first ("露日")
    QString japaneseFirst; ///< direction label with Japanese first ("日露")
    int charset; ///< font character set (204 Cyrillic, 161 Greek)
    ScriptFolder folder; ///< word book and dictionary folders
    SettingKey fontKey; ///< the script's font setting
    SettingKey databaseKey; ///< the script's symbol database setting
    SettingKey candidateKey; ///< the script's candidate file setting
    SettingKey romajiColour; ///< romaji key panel background
    SettingKey keyboardColour; ///< on-screen keyboard background
    int picture; ///< index of the script's picture
};

const ScriptInfo& scriptInfo(Script script);
/// The script of that name ("ロシア語", ...): the current script, which mode 3 keeps; Russian for any other name.
const ScriptInfo& scriptInfoByName(const QString& name);

/// The seven input modes. The numbers are the values stored under the setting InputMode.
enum class InputMode {
    RussianRomaji = 1,
    RussianLayout = 2,
    Alphanumeric = 3, ///< plain letters in the foreign-language area; the script stays as it was
    GreekRomaji = 4,
    GreekLayout = 5,
    UkrainianRomaji = 6,
    UkrainianLayout = 7,
};

/// One item of the input-mode box.
struct InputModeInfo {
    InputMode mode;
    QString label; ///< the box's text
    bool hasScript; ///< false for mode 3, which changes nothing of the script
    Script script; ///< the script of a script mode
    bool usesLayout; ///< the script's keyboard layout replaces the user's own while typing
};

/// The seven input modes in box order (item 0 is mode 1, ...).
inline constexpr int kInputModeCount = 7;
const InputModeInfo& inputModeAtItem(int item);
/// The mode's entry.
const InputModeInfo& inputModeInfo(InputMode mode);

/// The mode a stored number names; a number outside 1 to 7 gives Russian romaji.
InputMode inputModeFromNumber(int number);
/// The number the setting InputMode stores for a mode.
constexpr int inputModeNumber(InputMode mode)
{
    return static_cast<int>(mode);
}
/// The mode's item in the input-mode box.
constexpr int inputModeItem(InputMode mode)
{
    return inputModeNumber(mode) - 1;
}

/// The script's keyboard layout replaces the user's own while typing (modes 2, 5 and 7).
bool isLayoutMode(InputMode mode);
/// Every mode but the alphanumeric one belongs to a script and switches to it.
bool hasScript(InputMode mode);
/// Trigger keys typed in the foreign-language area look up candidates in every mode but the alphanumeric
/// one, which types plain letters there.
bool looksUpForeignTriggerKeys(InputMode mode);
/// The two Russian modes, in which the Russian keyboard arrangement (standard or typewriter) applies.
bool isRussianMode(InputMode mode);
/// The mode of the same script on the other key panel page: the layout mode of a romaji mode and the other
/// way round. The alphanumeric mode has none and stays as it is.
InputMode partnerMode(InputMode mode);

} // namespace pelinor::core
