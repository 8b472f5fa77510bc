#include "core/transfer/richtextfont.h"

#include "core/app/settings.h"

namespace pelinor::core {

RichTextFont richTextFontOf(TransferArea area, const Settings& settings)
{
    if (area == TransferArea::Phonetic)
        return {settings.text(SettingKey::UsrSubFont), settings.integer(SettingKey::UsrSubFontSize), 0};
    return {settings.text(SettingKey::UsrMainFont), settings.integer(SettingKey::UsrMainFontSize),
        settings.scriptCharset()};
}

} // namespace pelinor::core
