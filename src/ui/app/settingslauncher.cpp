#include "ui/app/settingslauncher.h"

#include "core/app/inputmodecontroller.h"
#include "core/app/settings.h"
#include "core/app/settingsdialogvalues.h"
#include "ui/app/fontpanel.h"
#include "ui/app/inputpanel.h"
#include "ui/app/keypanelcontroller.h"
#include "ui/app/tsetteifrm.h"
#include "ui/common/qtcolours.h"
#include "ui/input/phonetickeypanel.h"
#include "ui/input/romajikeypanel.h"
#include "ui/input/screenkeyboard.h"
#include "ui/transfer/transfercontroller.h"
#include "ui/wordbook/wordbookcontroller.h"
#include "ui/wordbook/wordlistpresenter.h"

#include <QMessageBox>
#include <QTimer>

#include <array>

namespace pelinor::ui {

using core::SettingKey;

namespace {

constexpr std::array<core::Script, 3> kScripts{core::Script::Russian, core::Script::Greek, core::Script::Ukrainian};

} // namespace

SettingsLauncher::SettingsLauncher(SettingsLauncherContext context, QObject* parent)
    : QObject(parent)
    , m_context(std::move(context))
{
}

void SettingsLauncher::open()
{
    TSetteiFrm dialog(m_context.settings, m_context.folders, m_context.mainWindow);
    WordBookController& wordBooks = m_context.wordBooks;
    connect(
        &dialog, &TSetteiFrm::wordListAppearanceChanged, this, [&wordBooks] { wordBooks.wordList().applySettings(); });
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (dialog.endsProgram()) {
        // The reset and the removal keep the settings away from the disk: the shutdown writes nothing.
        m_context.endProgram();
        return;
    }
    if (!accepted)
        return;
    applyChanges(dialog.changes());
    if (dialog.changes().restartNeeded) {
        QMessageBox::information(m_context.mainWindow, QStringLiteral("Pelinor"),
            tr("テーブルファイルが変更されました。\n一旦終了しますので、再起動して下さい。"), QMessageBox::Yes);
        m_context.endProgram();
    }
}

void SettingsLauncher::applyChanges(const core::SettingsChanges& changes)
{
    applyFonts(changes);
    for (const SettingKey key : changes.changedColours)
        applyColour(key);
    const core::Settings& settings = m_context.settings;
    if (changes.searchTimerChanged)
        m_context.transfer.transTimer()->setInterval(settings.integer(SettingKey::TrTimer));
    if (changes.pasteTimerChanged)
        m_context.transfer.pasteTimer()->setInterval(settings.integer(SettingKey::PaTimer));
}

void SettingsLauncher::applyFonts(const core::SettingsChanges& changes)
{
    const core::Settings& settings = m_context.settings;
    InputPanel& inputPanel = m_context.inputPanel;
    if (changes.fontModeChanged)
        m_context.fontPanel.refillFontBox(settings);
    const bool fixedSizes = settings.flag(SettingKey::DispFSizeLockFlg);
    if (changes.phoneticFontChanged || changes.phoneticSizeChanged)
        inputPanel.setPhoneticFont(settings.text(SettingKey::UsrSubFont),
            settings.integer(fixedSizes ? SettingKey::DispSubFSize : SettingKey::UsrSubFontSize));
    if (changes.fixedSizesReleased) {
        inputPanel.setForeignPointSize(settings.integer(SettingKey::UsrMainFontSize));
        inputPanel.setPhoneticPointSize(settings.integer(SettingKey::UsrSubFontSize));
    }
    if (changes.fixedSizesApplied) {
        inputPanel.setForeignPointSize(settings.integer(SettingKey::DispMainFSize));
        inputPanel.setPhoneticPointSize(settings.integer(SettingKey::DispSubFSize));
    }
    // A script's new font shows at once only while the script is current.
    const core::ScriptInfo& current = m_context.inputModes.script();
    for (size_t i = 0; i < kScripts.size(); ++i) {
        const core::ScriptInfo& script = core::scriptInfo(kScripts[i]);
        if (changes.scriptFontChanged[i] && script.script == current.script)
            m_context.fontPanel.showFont(settings.text(script.fontKey));
    }
}

void SettingsLauncher::applyColour(SettingKey key)
{
    const QColor colour = toQColor(m_context.settings.colour(key));
    const core::InputMode mode = m_context.inputModes.mode();
    // A script's panel colours show only while one of its modes is current; the alphanumeric mode shows
    // none of them anew.
    const core::ScriptInfo* shown
        = core::hasScript(mode) ? &core::scriptInfo(core::inputModeInfo(mode).script) : nullptr;
    KeyPanelController& keyPanels = m_context.keyPanels;
    switch (key) {
    case SettingKey::RomanBg:
    case SettingKey::RomanBg2:
    case SettingKey::RomanBg3:
        if (shown && shown->romajiColour == key)
            keyPanels.romajiPanel()->setBackground(colour);
        break;
    case SettingKey::MsImeBg:
    case SettingKey::MsImeBg2:
    case SettingKey::MsImeBg3:
        if (shown && shown->keyboardColour == key)
            keyPanels.screenKeyboard()->setBackground(colour);
        break;
    case SettingKey::IpaBg:
        keyPanels.phoneticPanel()->setBackground(colour);
        break;
    case SettingKey::CandBg:
        m_context.inputPanel.setPhoneticColour(colour);
        m_context.wordBooks.wordList().applySettings();
        break;
    default:
        // BandBg is read when a candidate window opens.
        break;
    }
}

} // namespace pelinor::ui
