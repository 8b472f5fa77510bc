#include "core/transfer/richtextfont.h"

#include "core/app/settings.h"

namespace pelinor::core {

RichTextFont richTextFontOf(TransferArea area, const Settings& settings)
{
    if (area == TransferArea::Phonetic)
        return {settings.text(SettingKey::UsrSubFont), settings.integer(SettingKey::UsrSubFontSize), 0};
    return {settings.text(SettingKey::UsrMainFont), settings.integer(SettingKey::UsrMainFontSize),
        settings.scriptCharset(), rtfLanguageOf(scriptInfoByName(settings.scriptName()).script)};
}

int rtfLanguageOf(Script script)
{
    switch (script) {
    case Script::Russian:
        return 1049;
    case Script::Greek:
        return 1032;
    case Script::Ukrainian:
        return 1058;
    }
    return 0;
}

} // namespace pelinor::core
