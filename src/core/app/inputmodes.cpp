#include "core/app/inputmodes.h"

#include <QCoreApplication>

#include <array>

namespace pelinor::core {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("pelinor::core::InputModes", text);
}

const std::array<ScriptInfo, 3>& scripts()
{
    static const std::array<ScriptInfo, 3> table{{
        {Script::Russian, tr("ロシア語"), tr("露日"), tr("日露"), 204, ScriptFolder::Russian, SettingKey::RussianFont,
            SettingKey::RussianUDBFile, SettingKey::RussianCandFile, SettingKey::RomanBg, SettingKey::MsImeBg, 0},
        {Script::Greek, tr("ｷﾞﾘｼｱ語"), tr("希日"), tr("日希"), 161, ScriptFolder::Greek, SettingKey::GreekFont,
            SettingKey::GreekUDBFile, SettingKey::GreekCandFile, SettingKey::RomanBg2, SettingKey::MsImeBg2, 1},
        {Script::Ukrainian, tr("ｳｸﾗｲﾅ語"), tr("烏日"), tr("日烏"), 204, ScriptFolder::Ukrainian,
            SettingKey::UkrainianFont, SettingKey::UkrainianUDBFile, SettingKey::UkrainianCandFile,
            SettingKey::RomanBg3, SettingKey::MsImeBg3, 2},
    }};
    return table;
}

const std::array<InputModeInfo, kInputModeCount>& modes()
{
    static const std::array<InputModeInfo, kInputModeCount> table{{
        {InputMode::RussianRomaji, tr("ロシア語ﾛｰﾏ字"), true, Script::Russian, false},
        {InputMode::RussianLayout, tr("ロシア語MS IME"), true, Script::Russian, true},
        {InputMode::Alphanumeric, tr("英数"), false, Script::Russian, false},
        {InputMode::GreekRomaji, tr("ｷﾞﾘｼｱ語ﾛｰﾏ字"), true, Script::Greek, false},
        {InputMode::GreekLayout, tr("ｷﾞﾘｼｱ語MS IME"), true, Script::Greek, true},
        {InputMode::UkrainianRomaji, tr("ｳｸﾗｲﾅ語ﾛｰﾏ字"), true, Script::Ukrainian, false},
        {InputMode::UkrainianLayout, tr("ｳｸﾗｲﾅ語MS IME"), true, Script::Ukrainian, true},
    }};
    return table;
}

} // namespace

const ScriptInfo& scriptInfo(Script script)
{
    return scripts()[static_cast<size_t>(script)];
}

const ScriptInfo& scriptInfoByName(const QString& name)
{
    for (const ScriptInfo& info : scripts()) {
        if (info.name == name)
            return info;
    }
    return scripts()[0];
}

const InputModeInfo& inputModeAtItem(int item)
{
    return modes()[static_cast<size_t>(item >= 0 && item < kInputModeCount ? item : 0)];
}

const InputModeInfo& inputModeInfo(InputMode mode)
{
    return inputModeAtItem(inputModeItem(mode));
}

InputMode inputModeFromNumber(int number)
{
    return inputModeAtItem(number - 1).mode;
}

bool isLayoutMode(InputMode mode)
{
    return inputModeInfo(mode).usesLayout;
}

bool hasScript(InputMode mode)
{
    return inputModeInfo(mode).hasScript;
}

bool looksUpForeignTriggerKeys(InputMode mode)
{
    return mode != InputMode::Alphanumeric;
}

bool isRussianMode(InputMode mode)
{
    return mode == InputMode::RussianRomaji || mode == InputMode::RussianLayout;
}

InputMode partnerMode(InputMode mode)
{
    if (!hasScript(mode))
        return mode;
    // The table lists each script's romaji mode directly before its layout mode.
    const int number = inputModeNumber(mode);
    return inputModeFromNumber(isLayoutMode(mode) ? number - 1 : number + 1);
}

} // namespace pelinor::core
