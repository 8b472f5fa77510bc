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
        {1, tr("ロシア語ﾛｰﾏ字"), true, Script::Russian, false},
        {2, tr("ロシア語MS IME"), true, Script::Russian, true},
        {3, tr("英数"), false, Script::Russian, false},
        {4, tr("ｷﾞﾘｼｱ語ﾛｰﾏ字"), true, Script::Greek, false},
        {5, tr("ｷﾞﾘｼｱ語MS IME"), true, Script::Greek, true},
        {6, tr("ｳｸﾗｲﾅ語ﾛｰﾏ字"), true, Script::Ukrainian, false},
        {7, tr("ｳｸﾗｲﾅ語MS IME"), true, Script::Ukrainian, true},
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

const InputModeInfo& inputMode(int mode)
{
    return inputModeAtItem(mode - 1);
}

} // namespace pelinor::core
