// The settings dialog as the main window opens it, and how the window takes what the dialog changed.

#include "core/app/inputmodecontroller.h"
#include "core/app/settings.h"
#include "ui/app/fontboxes.h"
#include "ui/app/fontpanel.h"
#include "ui/app/inputpanel.h"
#include "ui/app/keypanelcontroller.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/tsetteifrm.h"
#include "ui/common/qtcolours.h"
#include "ui/input/phonetickeypanel.h"
#include "ui/input/romajikeypanel.h"
#include "ui/input/screenkeyboard.h"
#include "ui/transfer/transfercontroller.h"
#include "ui/wordbook/wordbookcontroller.h"
#include "ui/wordbook/wordlistpresenter.h"

#include <QComboBox>
#include <QMessageBox>
#include <QTimer>

namespace pelinor::ui {

using core::SettingKey;

namespace {

constexpr std::array<core::Script, 3> kScripts{core::Script::Russian, core::Script::Greek, core::Script::Ukrainian};

} // namespace

void TMainFrm::openSettings()
{
    TSetteiFrm dialog(m_settings, m_folders, this);
    connect(&dialog, &TSetteiFrm::wordListAppearanceChanged, this, [this] { m_wordBooks->wordList().applySettings(); });
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (dialog.endsProgram()) {
        // The reset and the removal keep the settings away from the disk: the shutdown writes nothing.
        close();
        return;
    }
    if (!accepted)
        return;
    applySettingsChanges(dialog.changes());
    if (dialog.changes().restartNeeded) {
        QMessageBox::information(this, QStringLiteral("Pelinor"),
            tr("テーブルファイルが変更されました。\n一旦終了しますので、再起動して下さい。"), QMessageBox::Yes);
        close();
    }
}

void TMainFrm::applySettingsChanges(const core::SettingsChanges& changes)
{
    if (changes.fontModeChanged) {
        QComboBox* box = m_fontPanel->fontBox();
        const QSignalBlocker blocker(box);
        fillFontBox(box, m_settings.integer(SettingKey::FontMode), m_settings.scriptCharset());
        if (!selectFontInBox(box, m_settings.text(SettingKey::UsrMainFont)))
            box->setEditText(QStringLiteral("Times New Roman"));
    }
    const bool fixedSizes = m_settings.flag(SettingKey::DispFSizeLockFlg);
    if (changes.phoneticFontChanged || changes.phoneticSizeChanged)
        m_inputPanel->setPhoneticFont(m_settings.text(SettingKey::UsrSubFont),
            m_settings.integer(fixedSizes ? SettingKey::DispSubFSize : SettingKey::UsrSubFontSize));
    if (changes.fixedSizesReleased) {
        m_inputPanel->setForeignPointSize(m_settings.integer(SettingKey::UsrMainFontSize));
        m_inputPanel->setPhoneticPointSize(m_settings.integer(SettingKey::UsrSubFontSize));
    }
    if (changes.fixedSizesApplied) {
        m_inputPanel->setForeignPointSize(m_settings.integer(SettingKey::DispMainFSize));
        m_inputPanel->setPhoneticPointSize(m_settings.integer(SettingKey::DispSubFSize));
    }
    const core::ScriptInfo& current = m_inputModes.script();
    for (size_t i = 0; i < kScripts.size(); ++i) {
        const core::ScriptInfo& script = core::scriptInfo(kScripts[i]);
        if (changes.scriptFontChanged[i] && script.script == current.script
            && selectFontInBox(m_fontPanel->fontBox(), m_settings.text(script.fontKey)))
            fontBoxChanged();
    }
    for (const SettingKey key : changes.changedColours)
        applyColour(key);
    if (changes.searchTimerChanged)
        m_transfer->transTimer()->setInterval(m_settings.integer(SettingKey::TrTimer));
    if (changes.pasteTimerChanged)
        m_transfer->pasteTimer()->setInterval(m_settings.integer(SettingKey::PaTimer));
}

void TMainFrm::applyColour(SettingKey key)
{
    const QColor colour = toQColor(m_settings.colour(key));
    const core::InputMode mode = m_inputModes.mode();
    // A script's panel colours show only while one of its modes is current; the alphanumeric mode shows
    // none of them anew.
    const core::ScriptInfo* shown
        = core::hasScript(mode) ? &core::scriptInfo(core::inputModeInfo(mode).script) : nullptr;
    switch (key) {
    case SettingKey::RomanBg:
    case SettingKey::RomanBg2:
    case SettingKey::RomanBg3:
        if (shown && shown->romajiColour == key)
            m_keyPanels->romajiPanel()->setBackground(colour);
        break;
    case SettingKey::MsImeBg:
    case SettingKey::MsImeBg2:
    case SettingKey::MsImeBg3:
        if (shown && shown->keyboardColour == key)
            m_keyPanels->screenKeyboard()->setBackground(colour);
        break;
    case SettingKey::IpaBg:
        m_keyPanels->phoneticPanel()->setBackground(colour);
        break;
    case SettingKey::CandBg:
        m_inputPanel->setPhoneticColour(colour);
        m_wordBooks->wordList().applySettings();
        break;
    default:
        // BandBg is read when a candidate window opens.
        break;
    }
}

} // namespace pelinor::ui
