// The main window's connections: commands, menus, the font panel and the input areas, and how the window
// follows the input mode.

#include "core/app/inputmodecontroller.h"
#include "core/app/settings.h"
#include "core/transfer/transfermode.h"
#include "ui/app/commandpanel.h"
#include "ui/app/editcommand.h"
#include "ui/app/fontboxes.h"
#include "ui/app/fontpanel.h"
#include "ui/app/inputpanel.h"
#include "ui/app/keypanelcontroller.h"
#include "ui/app/mainsplitters.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/transfermodemenu.h"
#include "ui/app/wordbookfieldinput.h"
#include "ui/input/candidatelistopener.h"
#include "ui/input/scriptkeytranslator.h"
#include "ui/input/symbollibrarypanel.h"
#include "ui/transfer/transfercontroller.h"
#include "ui/wordbook/wordbookcontroller.h"
#include "ui/wordbook/wordentrydialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

namespace pelinor::ui {

using core::SettingKey;
using core::TableSide;

namespace {

constexpr core::InsertionTarget kMainWindowTarget = core::InsertionTarget::MainWindow;

} // namespace

void TMainFrm::followInputModes()
{
    m_triggerInput.attach(m_foreignArea, TableSide::Foreign, kMainWindowTarget);
    m_triggerInput.attach(m_phoneticArea, TableSide::Phonetic, kMainWindowTarget);
    connect(&m_inputModes, &core::InputModeController::scriptChanged, this, &TMainFrm::applyScript);
    connect(&m_inputModes, &core::InputModeController::inputModeChanged, this, &TMainFrm::showInputMode);
    // Through the trigger-key input, which records what is inserted as recently used.
    connect(m_symbolLibrary, &SymbolLibraryPanel::symbolChosen, this,
        [this](const QString& text) { m_triggerInput.insertText(TableSide::Foreign, kMainWindowTarget, text); });
    connect(m_keyPanels, &KeyPanelController::candidateListRequested, this,
        [this](core::TableSide side) { openCandidateList(m_settings, m_folders, m_shellOpener, side); });
    connectFontPanel();
}

void TMainFrm::connectControllers(TransferController& transfer, WordBookController& wordBooks)
{
    m_transfer = &transfer;
    m_wordBooks = &wordBooks;
    connect(
        &m_inputModes, &core::InputModeController::inputModeChanged, m_transfer, &TransferController::showTransferMode);
    connectCommands();
    connectMenus();
    new WordBookFieldInput(m_triggerInput, m_inputModes, *m_scriptKeys, *m_keyPanels, *m_wordBooks, this);
}

void TMainFrm::connectCommands()
{
    connect(m_actions.exit, &QAction::triggered, this, &QWidget::close);
    connect(m_actions.clear, &QAction::triggered, this, &TMainFrm::areaClear);
    // "登録" and "編集" follow the word book commands of the menu.
    WordEntryDialogs& entryDialogs = m_wordBooks->entryDialogs();
    m_actions.registerWord->setEnabled(entryDialogs.registerAction()->isEnabled());
    m_actions.modifyWord->setEnabled(entryDialogs.editAction()->isEnabled());
    connect(entryDialogs.registerAction(), &QAction::enabledChanged, m_actions.registerWord, &QAction::setEnabled);
    connect(entryDialogs.editAction(), &QAction::enabledChanged, m_actions.modifyWord, &QAction::setEnabled);
    connect(m_actions.registerWord, &QAction::triggered, &entryDialogs, &WordEntryDialogs::registerWord);
    connect(m_actions.modifyWord, &QAction::triggered, &entryDialogs, &WordEntryDialogs::modifyWord);
    // F6 and the command button "検索" run the menu's "単語帳検索".
    m_actions.search->setEnabled(m_wordBooks->searchAction()->isEnabled());
    connect(m_wordBooks->searchAction(), &QAction::enabledChanged, m_actions.search, &QAction::setEnabled);
    connect(m_actions.search, &QAction::triggered, m_wordBooks, &WordBookController::openSearchWindow);
    connect(m_actions.focusSwitch, &QAction::triggered, m_inputPanel, &InputPanel::switchFocus);
    connect(m_actions.transfer, &QAction::triggered, m_transfer, &TransferController::transferText);
    connect(m_actions.pad, &QAction::triggered, this, &TMainFrm::padMode);
    connect(m_actions.option, &QAction::triggered, m_menus.settings, &QAction::trigger);
    connect(m_underStretchBox, &QCheckBox::clicked, this,
        [this](bool on) { m_splitters->applyUnderStretch(on, m_settings); });
}

void TMainFrm::connectMenus()
{
    connect(m_menus.exit, &QAction::triggered, this, &QWidget::close);
    m_menus.wordBook->addActions(m_wordBooks->menuActions());
    connect(m_menus.wordBook, &QMenu::aboutToShow, m_wordBooks, &WordBookController::updateMenuStates);
    connect(m_menus.conversionTool, &QAction::triggered, m_wordBooks, &WordBookController::openConversionTool);

    m_keyPanels->connectLayoutMenu(m_menus);
    new TransferModeMenu(m_menus, m_settings, *m_transfer, m_inputModes, this);
    connectEditMenu(m_menus, this, m_settings);
}

void TMainFrm::connectFontPanel()
{
    connect(m_fontPanel->inputModeBox(), &QComboBox::activated, this, &TMainFrm::inputModeBoxChanged);
    connect(m_fontPanel, &FontPanel::fontChosen, this, &TMainFrm::fontBoxChanged);
    connect(m_fontPanel->sizeBox()->lineEdit(), &QLineEdit::editingFinished, this, &TMainFrm::sizeBoxChanged);
    connect(m_fontPanel->sizeBox(), &QComboBox::activated, this, &TMainFrm::sizeBoxChanged);
}

void TMainFrm::applyScript(const core::ScriptInfo& script)
{
    // The script's font, when the box lists it; the box's rule runs with what it shows.
    selectFontInBox(m_fontPanel->fontBox(), m_settings.text(script.fontKey));
    fontBoxChanged();
    m_symbolLibrary->relayout();
    if (isVisible())
        reportSkippedTableLines(m_tables.foreign().skippedLines());
}

void TMainFrm::showInputMode(core::InputMode mode)
{
    {
        const QSignalBlocker blocker(m_fontPanel->inputModeBox());
        m_fontPanel->inputModeBox()->setCurrentIndex(core::inputModeItem(mode));
    }
    // The alphanumeric mode types plain letters in the foreign-language area; the phonetic area always
    // converts.
    m_triggerInput.setLookupEnabled(m_foreignArea, core::looksUpForeignTriggerKeys(mode));
    ScriptKeyTranslator& keys = *m_scriptKeys;
    m_triggerInput.setKeyTranslator(m_foreignArea,
        core::isLayoutMode(mode) ? TriggerKeyInput::KeyTranslator(
            [&keys](const QKeyEvent& event) { return keys.translate(event, kMainWindowTarget); })
                                 : TriggerKeyInput::KeyTranslator());
}

void TMainFrm::inputModeBoxChanged(int item)
{
    const core::InputMode mode = core::inputModeAtItem(item).mode;
    // The first entry of the box always runs the switch, even in mode 1; the others only when the mode changes.
    if (item == 0 || mode != m_inputModes.mode())
        m_inputModes.switchInputMode(mode);
    m_foreignArea->setFocus();
}

void TMainFrm::fontBoxChanged()
{
    const QString family = m_fontPanel->fontBox()->currentText();
    m_settings.setText(SettingKey::UsrMainFont, family);
    m_inputPanel->setForeignFamily(family);
    m_symbolLibrary->fontChanged();
}

void TMainFrm::sizeBoxChanged()
{
    const int size = m_fontPanel->takeSize(m_inputPanel->foreignPointSize());
    m_settings.setInteger(SettingKey::UsrMainFontSize, size);
    if (!m_settings.flag(SettingKey::DispFSizeLockFlg))
        m_inputPanel->setForeignPointSize(size);
}

void TMainFrm::areaClear()
{
    m_inputPanel->clear();
}

bool TMainFrm::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && watched != m_phoneticArea)
        m_keyPanels->passShiftToKeyboard(*static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusIn && m_settings.flag(SettingKey::AutoTransFlg)) {
        // With AutoTransFlg the transfer mode follows the focused input area.
        if (watched == m_foreignArea)
            m_transfer->setTransferMode(core::TransferMode::ForeignRichText1);
        else if (watched == m_phoneticArea)
            m_transfer->setTransferMode(core::TransferMode::PhoneticRichText1);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace pelinor::ui
