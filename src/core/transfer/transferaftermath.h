#pragma once

#include "core/transfer/transfermode.h"
#include "core/transfer/transferpayload.h"

namespace pelinor::core {

class Settings;

/// What follows a transfer whose content is on the clipboard, in this order: selection and focus, paste,
/// clearing.
struct TransferAftermath {
    /// The area that ends with the focus: the one the text was taken from.
    TransferArea focusArea = TransferArea::Foreign;
    /// Select the whole text of that area. True when the area had no selection, so that its whole text was
    /// sent and is now shown selected; a selection the user made is left exactly as it was.
    bool selectWholeText = false;
    /// Bring the transfer target to the front and paste (AutoPasteFlg). Not when the clipboard was left as
    /// it was (an empty text in a copying mode): that would paste whatever the clipboard held before.
    bool startPaste = false;
    /// Empty both input areas, the foreign-language and the phonetic one (TransClearFlg).
    bool clearBothAreas = false;

    friend bool operator==(const TransferAftermath&, const TransferAftermath&) = default;
};

/// The aftermath of a transfer of `payload`, taken from an area that had a selection or not, with the
/// automatic-paste and clear-after-transfer switches of `settings`. A mode that transfers nothing and a
/// transfer stopped by an error have no payload and no aftermath: nothing is pasted, nothing cleared, and
/// the areas keep their selections.
TransferAftermath transferAftermath(const TransferPayload& payload, bool hadSelection, const Settings& settings);

} // namespace pelinor::core
