#pragma once

#include "core/transfer/transfermode.h"

#include <QString>

namespace pelinor::core {

class Settings;

/// The font that the rich text of a transfer carries.
struct RichTextFont {
    QString name;
    int pointSize = 0;
    int charset = 0; ///< font character set number (0 Western, 161 Greek, 204 Cyrillic, ...)

    friend bool operator==(const RichTextFont&, const RichTextFont&) = default;
};

/// The rich-text font of an area, as its transfers carry it: UsrMainFont at UsrMainFontSize in the current
/// script's charset for the foreign-language area (also while the area shows a locked display size), and
/// UsrSubFont at UsrSubFontSize in charset 0 for the phonetic area.
RichTextFont richTextFontOf(TransferArea area, const Settings& settings);

} // namespace pelinor::core
