#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

namespace pelinor::core {

/// The nine transfer modes. The numbers are the values stored under the setting TransMode; a stored number
/// that names none of them transfers nothing.
enum class TransferMode {
    ForeignRichText1 = 1, ///< the standard transfer
    ForeignRichText2 = 2,
    ForeignHexCharRefs = 3,
    ForeignDecCharRefs = 4,
    ForeignText = 5,
    PhoneticRichText1 = 11,
    PhoneticRichText2 = 12,
    PhoneticHexCharRefs = 13,
    PhoneticDecCharRefs = 14,
};

/// The number the setting TransMode stores for a mode.
constexpr int transferModeNumber(TransferMode mode)
{
    return static_cast<int>(mode);
}

/// The input area a transfer takes its text from.
enum class TransferArea {
    Foreign, ///< the multi-line foreign-language input area
    Phonetic, ///< the single-line phonetic input area
};

/// What a transfer mode puts on the clipboard.
enum class TransferContent {
    RichText, ///< rich text in the area's font, with the text itself as plain text beside it
    HexCharRefs, ///< plain text: hexCharRefs() of the text
    DecCharRefs, ///< plain text: decCharRefs() of the text
    PlainText, ///< plain text: the text itself
};

/// How a rich-text mode builds its rich text.
enum class RichTextRoute {
    None, ///< not a rich-text mode
    Direct, ///< serialised from the text in the area's font, no file involved
    WorkFile, ///< Work.rtf is written into the system folder and its content is what is copied
};

/// One transfer mode, the value of the setting TransMode.
struct TransferModeInfo {
    int mode = 0;
    TransferArea area = TransferArea::Foreign;
    TransferContent content = TransferContent::PlainText;
    RichTextRoute route = RichTextRoute::None;
    /// Untranslated menu caption and short label; the foreign-language modes put the script name first.
    const char* menuCaption = nullptr;
    const char* shortLabel = nullptr;
    bool afterScriptName = false;
};

/// The standard transfer, and TransMode's default.
inline constexpr int kStandardTransferMode = transferModeNumber(TransferMode::ForeignRichText1);

/// The nine transfer modes in the order of the transfer-mode menu: the phonetic modes 11 to 14, then the
/// foreign-language modes 1 to 5 (the menu puts a separator between the two groups).
std::span<const TransferModeInfo> transferModes();

/// The transfer mode of that number; none for any value but 1 to 5 and 11 to 14, which transfer nothing.
std::optional<TransferModeInfo> transferModeInfo(int mode);

/// The area a transfer of `mode` takes its text from: the phonetic area when the mode divided by 10 is 1,
/// the foreign-language area for every other value, unknown modes included.
TransferArea transferAreaOf(int mode);

/// The menu caption of a mode, the foreign-language modes with `scriptName` ("ロシア語", ...) in front;
/// empty for an unknown mode.
QString transferMenuCaption(int mode, QStringView scriptName);

/// The short label of a mode for the mode field, the foreign-language modes with `scriptName` in front;
/// empty for an unknown mode.
QString transferShortLabel(int mode, QStringView scriptName);

} // namespace pelinor::core
