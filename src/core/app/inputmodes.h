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

/// One item of the input-mode box.
struct InputModeInfo {
    int mode; ///< 1 to 7
    QString label; ///< the box's text
    bool hasScript; ///< false for mode 3, which changes nothing of the script
    Script script; ///< the script of a script mode
    bool usesLayout; ///< the script's keyboard layout replaces the user's own while typing
};

/// The seven input modes in box order (item 0 is mode 1, ...).
inline constexpr int kInputModeCount = 7;
const InputModeInfo& inputModeAtItem(int item);
/// The mode's entry; a mode outside 1 to 7 gives mode 1.
const InputModeInfo& inputMode(int mode);

} // namespace pelinor::core
