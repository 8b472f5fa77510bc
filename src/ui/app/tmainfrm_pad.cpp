// The main window's character PAD.

#include "core/app/settings.h"
#include "core/wordbook/wordbook.h"
#include "ui/app/commandpanel.h"
#include "ui/app/keypanelcontroller.h"
#include "ui/app/tmainfrm.h"
#include "ui/input/candidatelistopener.h"
#include "ui/pad/tpadfrm.h"
#include "ui/transfer/transfercontroller.h"
#include "ui/wordbook/wordbookcontroller.h"

#include <QCheckBox>

namespace pelinor::ui {

using core::SettingKey;

void TMainFrm::padMode()
{
    // A word book left open behind the hidden window would take no entries; it is closed as its command does.
    if (m_wordBook.isOpen())
        m_wordBooks->closeWordBook();
    hide();
    {
        TPadFrm pad(padContext(), m_padPosition);
        m_transfer->setPadWidgets({&pad, pad.indicator()});
        pad.exec();
        m_transfer->setPadWidgets({});
        // The next opening in this run starts where this one was closed. The window's own area is kept, not
        // its frame's corner: Qt measures a widget's frame once while the window manager is still framing
        // it and may keep that measure, and a frame position taken from it moves the PAD at every opening.
        m_padPosition = pad.geometry().topLeft();
    }
    // The main window's automatic-paste box follows what the PAD left; changing it runs its own handling.
    // The main window's fields keep their own keyboard layouts, so there is nothing to switch back.
    QCheckBox* autoPaste = m_commandPanel->autoPasteBox();
    if (autoPaste->isChecked() != m_settings.flag(SettingKey::AutoPasteFlg))
        autoPaste->setChecked(m_settings.flag(SettingKey::AutoPasteFlg));
    show();
    activateWindow();
}

PadContext TMainFrm::padContext()
{
    return PadContext{.settings = m_settings,
        .tables = m_tables,
        .triggerInput = m_triggerInput,
        .transfer = *m_transfer,
        .inputModes = m_inputModes,
        .scriptKeys = *m_scriptKeys,
        .openCandidateList
        = [this](core::TableSide side) { openCandidateList(m_settings, m_folders, m_shellOpener, side); },
        .keyboardCaption = m_keyPanels->keyboardCaption(),
        .symbolSearch = m_symbolSearch,
        .symbolCollections = m_symbolCollections};
}

} // namespace pelinor::ui
