// The main window's character PAD and the lists and files it hands to the desktop.

#include "core/input/keypanelclick.h"
#include "platform/shellopener.h"
#include "ui/app/commandpanel.h"
#include "ui/app/keypanelcolumn.h"
#include "ui/app/tmainfrm.h"
#include "ui/pad/tpadfrm.h"
#include "ui/transfer/transfercontroller.h"
#include "ui/wordbook/wordbookcontroller.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QTabWidget>

namespace pelinor::ui {

using core::SettingKey;

void TMainFrm::PadMode()
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
        // 1. Its place for the next opening in this run.
        m_padPosition = pad.pos();
    }
    // 2. The main window's fields keep their own keyboard layouts: nothing to switch back.
    // 3. The main window's automatic-paste box follows what the PAD left; changing it runs its own handling.
    QCheckBox* autoPaste = m_commandPanel->autoPasteBox();
    if (autoPaste->isChecked() != m_settings.flag(SettingKey::AutoPasteFlg))
        autoPaste->setChecked(m_settings.flag(SettingKey::AutoPasteFlg));
    // 4.
    show();
    activateWindow();
}

PadContext TMainFrm::padContext()
{
    return PadContext{.settings = m_settings,
                      .tables = m_tables,
                      .triggerInput = *m_triggerInput,
                      .transfer = *m_transfer,
                      .scriptLayoutKeys = [this](const QKeyEvent& event) { return translateScriptKey(event, 5); },
                      .openCandidateList = [this](core::TableSide side) { openCandidateList(side); },
                      .keyboardCaption = m_keyPanels->tabs()->tabText(KeyPanelColumn::KeyboardPage),
                      .capsLock = m_capsLock};
}

void TMainFrm::openCandidateList(core::TableSide side)
{
    const QString candidateFile
        = m_settings.text(side == core::TableSide::Phonetic ? SettingKey::PhCandFile : SettingKey::GaCandFile);
    const QString page = core::candidateListPagePath(m_folders.currentTableFolder(), candidateFile);
    if (QFileInfo::exists(page))
        openFile(page);
}

bool TMainFrm::openFile(const QString& path)
{
    return m_fileOpener ? m_fileOpener(path) : m_shellOpener->openFile(path);
}

} // namespace pelinor::ui
