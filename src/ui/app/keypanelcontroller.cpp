#include "ui/app/keypanelcontroller.h"

#include "core/app/inputmodecontroller.h"
#include "core/app/settings.h"
#include "core/input/scriptlayouts.h"
#include "ui/app/keypanelcolumn.h"
#include "ui/app/mainmenus.h"
#include "ui/common/qtcolours.h"
#include "ui/input/phonetickeypanel.h"
#include "ui/input/romajikeypanel.h"
#include "ui/input/screenkeyboard.h"
#include "ui/input/scriptkeytranslator.h"
#include "ui/input/triggerkeyinput.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace pelinor::ui {

using core::SettingKey;
using core::TableSide;

namespace {

constexpr core::InsertionTarget kMainWindowTarget = core::InsertionTarget::MainWindow;

} // namespace

KeyPanelController::KeyPanelController(KeyPanelColumn& column, core::Settings& settings, core::TableSets& tables,
    core::InputModeController& inputModes, TriggerKeyInput& triggerInput, ScriptKeyTranslator& scriptKeys,
    QLineEdit* phoneticArea, QPlainTextEdit* foreignArea, QObject* parent)
    : QObject(parent)
    , m_column(column)
    , m_settings(settings)
    , m_tables(tables)
    , m_inputModes(inputModes)
    , m_triggerInput(triggerInput)
    , m_scriptKeys(scriptKeys)
    , m_phoneticArea(phoneticArea)
    , m_foreignArea(foreignArea)
{
    buildPanels();
    connectPanels();
}

void KeyPanelController::buildPanels()
{
    // Each panel is made on its page, in the window's font, so that it is not laid out twice.
    m_romajiPanel = new RomajiKeyPanel(m_settings, m_column.tabs()->widget(KeyPanelColumn::RomajiPage));
    m_romajiPanel->setReplacementTarget(m_foreignArea);
    m_column.setPageWidget(KeyPanelColumn::RomajiPage, m_romajiPanel);
    m_screenKeyboard = new ScreenKeyboard(
        m_tables.foreign(), core::kKeyboardInitialLegendSize, m_column.tabs()->widget(KeyPanelColumn::KeyboardPage));
    m_column.setPageWidget(KeyPanelColumn::KeyboardPage, m_screenKeyboard);
    buildScreenKeyboard();
    m_phoneticPanel = new PhoneticKeyPanel(m_settings, m_column.tabs()->widget(KeyPanelColumn::PhoneticPage));
    m_column.setPageWidget(KeyPanelColumn::PhoneticPage, m_phoneticPanel);
    m_phoneticPanel->rebuild(m_tables.phonetic());
    // The alphanumeric mode switches to no script, so the keyboard page starts with the stored script's name.
    captionKeyboardPage(false);
}

void KeyPanelController::connectPanels()
{
    const auto clickTrigger = [this](QChar key, TableSide side) {
        m_triggerInput.handleTriggerKey(side, key.unicode(), kMainWindowTarget);
    };
    connect(m_romajiPanel, &KeyPanelBase::triggerClicked, this, clickTrigger);
    connect(m_phoneticPanel, &KeyPanelBase::triggerClicked, this, clickTrigger);
    connect(m_screenKeyboard, &KeyPanelBase::triggerClicked, this, clickTrigger);
    connect(m_screenKeyboard, &KeyPanelBase::textClicked, this, [this](const QString& text, TableSide side) {
        if (text.size() != 1 || !m_triggerInput.handleTriggerKey(side, text.at(0).unicode(), kMainWindowTarget))
            m_triggerInput.insertText(side, kMainWindowTarget, text);
    });
    connect(m_romajiPanel, &TableKeyPanel::listRequested, this, &KeyPanelController::candidateListRequested);
    connect(m_phoneticPanel, &TableKeyPanel::listRequested, this, &KeyPanelController::candidateListRequested);
    connect(m_column.tabs(), &QTabWidget::currentChanged, this, &KeyPanelController::pageChosen);
    connect(&m_inputModes, &core::InputModeController::scriptChanged, this, &KeyPanelController::applyScript);
    connect(&m_inputModes, &core::InputModeController::inputModeChanged, this, &KeyPanelController::followInputMode);
}

void KeyPanelController::applyScript(const core::ScriptInfo& script)
{
    QTabWidget* tabs = m_column.tabs();
    tabs->setTabText(KeyPanelColumn::RomajiPage, script.name + tr("ローマ字"));
    captionKeyboardPage(false);
    tabs->setTabText(KeyPanelColumn::PhoneticPage, tr("発音記号"));
    // The romaji panel is rebuilt from the script's tables, with the accent replacement for Greek only.
    m_screenKeyboard->setBackground(toQColor(m_settings.colour(script.keyboardColour)));
    m_romajiPanel->rebuild(m_tables.foreign(), script.script, toQColor(m_settings.colour(script.romajiColour)));
    buildScreenKeyboard();
    const QSignalBlocker blocker(tabs);
    tabs->setCurrentIndex(
        core::isLayoutMode(m_inputModes.mode()) ? KeyPanelColumn::KeyboardPage : KeyPanelColumn::RomajiPage);
    m_column.showPicture(script.picture);
}

void KeyPanelController::followInputMode(core::InputMode mode)
{
    m_scriptKeys.followMode(mode, m_settings.flag(SettingKey::RusTWFlg));
}

void KeyPanelController::pageChosen(int page)
{
    // The romaji page in a layout mode selects that script's romaji mode, the keyboard page in a romaji
    // mode its layout mode; the phonetic page leaves the mode alone.
    if (page == KeyPanelColumn::PhoneticPage) {
        m_phoneticArea->setFocus();
        return;
    }
    const core::InputMode current = m_inputModes.mode();
    if (core::hasScript(current) && core::isLayoutMode(current) == (page == KeyPanelColumn::RomajiPage))
        m_inputModes.switchInputMode(core::partnerMode(current));
    m_foreignArea->setFocus();
}

void KeyPanelController::chooseRussianLayout(bool typewriter)
{
    const core::InputMode mode = m_inputModes.mode();
    if (!core::isRussianMode(mode) || m_settings.flag(SettingKey::RusTWFlg) == typewriter)
        return;
    m_settings.setFlag(SettingKey::RusTWFlg, typewriter);
    // Typing follows the arrangement that the on-screen keyboard shows.
    m_scriptKeys.followMode(mode, typewriter);
    buildScreenKeyboard();
    captionKeyboardPage(true);
    if (core::isLayoutMode(mode))
        m_foreignArea->setFocus();
}

void KeyPanelController::connectLayoutMenu(const MainMenus& menus)
{
    connect(menus.ime, &QMenu::aboutToShow, this, [this, &menus] {
        const bool typewriter = m_settings.flag(SettingKey::RusTWFlg);
        menus.russianTypewriter->setChecked(typewriter);
        menus.russianStandard->setChecked(!typewriter);
    });
    connect(menus.russianTypewriter, &QAction::triggered, this, [this] { chooseRussianLayout(true); });
    connect(menus.russianStandard, &QAction::triggered, this, [this] { chooseRussianLayout(false); });
}

void KeyPanelController::passShiftToKeyboard(const QKeyEvent& event)
{
    if (event.isAutoRepeat() || !core::isLayoutMode(m_inputModes.mode()))
        return;
    const bool pressed = event.type() == QEvent::KeyPress;
    if (event.key() == Qt::Key_Shift) {
        m_screenKeyboard->setShifted(pressed);
    } else if (event.key() == Qt::Key_CapsLock && pressed) {
        m_scriptKeys.toggleCapsLock();
        m_screenKeyboard->setCapsLock(m_scriptKeys.capsLock());
    }
}

QString KeyPanelController::keyboardCaption() const
{
    return m_column.tabs()->tabText(KeyPanelColumn::KeyboardPage);
}

void KeyPanelController::buildScreenKeyboard()
{
    m_screenKeyboard->build(
        core::ScriptLayouts::onScreenLayout(m_inputModes.mode(), m_settings.flag(SettingKey::RusTWFlg)),
        m_screenKeyboard->isCapsDown());
}

void KeyPanelController::captionKeyboardPage(bool withSpace)
{
    QString caption = m_settings.scriptName();
    if (core::isRussianMode(m_inputModes.mode()) && m_settings.flag(SettingKey::RusTWFlg))
        caption += withSpace ? tr(" (ﾀｲﾌﾟﾗｲﾀ)") : tr("(ﾀｲﾌﾟﾗｲﾀ)");
    m_column.tabs()->setTabText(KeyPanelColumn::KeyboardPage, caption);
}

} // namespace pelinor::ui
