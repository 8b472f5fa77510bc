#pragma once

#include "core/app/inputmodes.h"
#include "core/transfer/transfermode.h"

#include <QString>

namespace pelinor::core {

class Settings;

/// The font that the rich text of a transfer carries, and the language its text is tagged with.
struct RichTextFont {
    QString name;
    int pointSize = 0;
    int charset = 0; ///< font character set number (0 Western, 161 Greek, 204 Cyrillic, ...)
    int language = 0; ///< Windows language id of the text on the clipboard (1049 Russian, ...); 0 for none

    friend bool operator==(const RichTextFont&, const RichTextFont&) = default;
};

/// The rich-text font of an area, as its transfers carry it: UsrMainFont at UsrMainFontSize in the current
/// script's charset for the foreign-language area (also while the area shows a locked display size), and
/// UsrSubFont at UsrSubFontSize in charset 0 for the phonetic area. The foreign-language text is tagged with
/// the current script's language; phonetic symbols belong to no language and get no tag.
RichTextFont richTextFontOf(TransferArea area, const Settings& settings);

/// The Windows language id of a script's text: 1049 Russian, 1032 Greek, 1058 Ukrainian.
int rtfLanguageOf(Script script);

} // namespace pelinor::core
