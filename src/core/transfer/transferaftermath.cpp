#include "core/transfer/transferaftermath.h"

#include "core/app/settings.h"

namespace pelinor::core {

TransferAftermath transferAftermath(const TransferPayload& payload, bool hadSelection, const Settings& settings)
{
    TransferAftermath after;
    after.focusArea = payload.area;
    after.selectWholeText = !hadSelection;
    after.startPaste = payload.setsClipboard && settings.flag(SettingKey::AutoPasteFlg);
    after.clearBothAreas = settings.flag(SettingKey::TransClearFlg);
    return after;
}

} // namespace pelinor::core
