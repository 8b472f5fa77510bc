// The main window's connections: commands, menus, the font panel and the input areas, and how the window
// follows the input mode.

#include "core/app/inputmodecontroller.h"
#include "core/app/settings.h"
#include "core/transfer/transfermode.h"
#include "ui/app/commandpanel.h"
#include "ui/app/editcommand.h"
#include "ui/app/fontboxes.h"
#include "ui/app/fontpanel.h"
#include "ui/app/keypanelcontroller.h"
#include "ui/app/tmainfrm.h"
#include "ui/input/scriptkeytranslator.h"
#include "ui/input/symbollibrarypanel.h"
#include "ui/transfer/transfercontroller.h"
#include "ui/wordbook/wordbookcontroller.h"
#include "ui/wordbook/wordentrydialog.h"

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

/// The main window's input areas are insertion target 1 of both sides; the word dialogs' fields use 2 and 3.
constexpr int kMainWindowTarget = 1;
constexpr int kDialogForeignTarget = 2;
constexpr int kDialogPhoneticTarget = 3;

} // namespace

void TMainFrm::followInputModes()
{
    m_triggerInput.attach(m_foreignArea, TableSide::Foreign, kMainWindowTarget);
    m_triggerInput.attach(m_phoneticArea, TableSide::Phonetic, kMainWindowTarget);
    connect(&m_inputModes, &core::InputModeController::scriptChanged, this, &TMainFrm::applyScript);
    connect(&m_inputModes, &core::InputModeController::inputModeChanged, this, &TMainFrm::showInputMode);
    connect(m_symbolLibrary, &SymbolLibraryPanel::symbolChosen, this, &TMainFrm::insertIntoForeignArea);
    connect(m_keyPanels, &KeyPanelController::candidateListRequested, this, &TMainFrm::openCandidateList);
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
    connectEntryDialogs();
    hidePendingCommands();
}

void TMainFrm::connectCommands()
{
    connect(m_actions.exit, &QAction::triggered, this, &QWidget::close);
    connect(m_actions.clear, &QAction::triggered, this, &TMainFrm::areaClear);
    // "登録" and "編集" follow the word book commands of the menu.
    m_actions.registerWord->setEnabled(m_menus.registerWord->isEnabled());
    m_actions.modifyWord->setEnabled(m_menus.editWord->isEnabled());
    connect(m_menus.registerWord, &QAction::enabledChanged, m_actions.registerWord, &QAction::setEnabled);
    connect(m_menus.editWord, &QAction::enabledChanged, m_actions.modifyWord, &QAction::setEnabled);
    connect(m_actions.registerWord, &QAction::triggered, m_wordBooks, &WordBookController::registerWord);
    connect(m_actions.modifyWord, &QAction::triggered, m_wordBooks, &WordBookController::modifyWord);
    connect(m_actions.focusSwitch, &QAction::triggered, this, &TMainFrm::switchFocusBetweenAreas);
    connect(m_actions.transfer, &QAction::triggered, m_transfer, &TransferController::transferText);
    connect(m_actions.pad, &QAction::triggered, this, &TMainFrm::padMode);
    connect(m_underStretchBox, &QCheckBox::clicked, this, &TMainFrm::applyUnderStretch);
}

void TMainFrm::connectMenus()
{
    connect(m_menus.exit, &QAction::triggered, this, &QWidget::close);
    connect(m_menus.closeWordBook, &QAction::triggered, m_wordBooks, &WordBookController::CloseWordBook);

    // The layout menu shows the current arrangement when it opens.
    connect(m_menus.ime, &QMenu::aboutToShow, this, [this] {
        const bool typewriter = m_settings.flag(SettingKey::RusTWFlg);
        m_menus.russianTypewriter->setChecked(typewriter);
        m_menus.russianStandard->setChecked(!typewriter);
    });
    connect(m_menus.russianTypewriter, &QAction::triggered, this, [this] { m_keyPanels->chooseRussianLayout(true); });
    connect(m_menus.russianStandard, &QAction::triggered, this, [this] { m_keyPanels->chooseRussianLayout(false); });

    // The transfer-mode menu checks the current mode when it opens; an item makes its mode current.
    connect(m_menus.transferMode, &QMenu::aboutToShow, this, [this] {
        const int current = m_settings.integer(SettingKey::TransMode);
        for (size_t i = 0; i < m_menus.transferModes.size(); ++i)
            m_menus.transferModes[i]->setChecked(
                core::transferModeNumber(MainMenus::transferModeOfItem(static_cast<int>(i))) == current);
    });
    for (size_t i = 0; i < m_menus.transferModes.size(); ++i) {
        const int mode = core::transferModeNumber(MainMenus::transferModeOfItem(static_cast<int>(i)));
        connect(m_menus.transferModes[i], &QAction::triggered, this, [this, mode] { setTransferMode(mode); });
    }

    // The edit commands act on the focused field.
    connect(m_menus.edit, &QMenu::aboutToShow, this, [this] {
        m_menus.wordWrap->setChecked(m_settings.flag(SettingKey::WordWrapFlg));
        m_menus.scrollBars->setChecked(m_settings.flag(SettingKey::ScroBarsFlg));
    });
    const std::pair<QAction*, EditCommand> editCommands[] = {
        {m_menus.undo, EditCommand::Undo},
        {m_menus.cut, EditCommand::Cut},
        {m_menus.copy, EditCommand::Copy},
        {m_menus.paste, EditCommand::Paste},
        {m_menus.remove, EditCommand::Delete},
        {m_menus.selectAll, EditCommand::SelectAll},
    };
    for (const auto& [action, command] : editCommands)
        connect(action, &QAction::triggered, this, [this, command] { runEditCommand(focusWidget(), command); });
}

void TMainFrm::connectFontPanel()
{
    connect(m_fontPanel->inputModeBox(), &QComboBox::activated, this, &TMainFrm::inputModeBoxChanged);
    connect(m_fontPanel->fontBox(), &QComboBox::currentTextChanged, this, &TMainFrm::fontBoxChanged);
    connect(m_fontPanel->sizeBox()->lineEdit(), &QLineEdit::editingFinished, this, &TMainFrm::sizeBoxChanged);
    connect(m_fontPanel->sizeBox(), &QComboBox::activated, this, &TMainFrm::sizeBoxChanged);
}

void TMainFrm::connectEntryDialogs()
{
    // The foreign-word and phonetic fields of the word dialogs convert like the input areas.
    connect(m_wordBooks, &WordBookController::entryDialogOpening, this, [this](WordEntryDialog* dialog) {
        m_triggerInput.attach(dialog->foreignWordField(), TableSide::Foreign, kDialogForeignTarget);
        m_triggerInput.attach(dialog->phoneticField(), TableSide::Phonetic, kDialogPhoneticTarget);
        m_triggerInput.setLookupEnabled(
            dialog->foreignWordField(), core::looksUpForeignTriggerKeys(m_inputModes.mode()));
        dialog->foreignWordField()->installEventFilter(this);
    });
}

void TMainFrm::hidePendingCommands()
{
    // Word book commands whose dialogs are not part of the program yet stay out of the menu.
    for (QAction* pending : {m_menus.newWordBook, m_menus.wordBookProperties, m_menus.deleteWordBook,
             m_menus.editGroupNames, m_menus.searchWordBooks, m_menus.moveWord, m_menus.jump, m_menus.deleteWord})
        pending->setVisible(false);
    // Items whose windows are not part of the program yet.
    for (QAction* pending : {m_menus.open, m_menus.save, m_menus.saveAs, m_menus.wordWrap, m_menus.scrollBars,
             m_menus.newWordBook, m_menus.wordBookProperties, m_menus.deleteWordBook, m_menus.editGroupNames,
             m_menus.createDictionaryFiles, m_menus.searchWordBooks, m_menus.registerWord, m_menus.editWord,
             m_menus.moveWord, m_menus.jump, m_menus.deleteWord, m_menus.closeWordBook, m_menus.settings,
             m_menus.symbolDatabase, m_menus.candidateEditor, m_menus.htmlListTool, m_menus.conversionTool,
             m_menus.codeChecker, m_menus.helpContents, m_menus.version})
        pending->setEnabled(false);
}

void TMainFrm::applyScript(const core::ScriptInfo& script)
{
    captionTransferModeItems();
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
    // Item 0 always runs the switch, even in mode 1; the others only when the mode changes.
    if (item == 0 || mode != m_inputModes.mode())
        m_inputModes.switchInputMode(mode);
    m_foreignArea->setFocus();
}

void TMainFrm::captionTransferModeItems()
{
    const QString script = m_settings.scriptName();
    for (size_t i = 0; i < m_menus.transferModes.size(); ++i) {
        const core::TransferMode mode = MainMenus::transferModeOfItem(static_cast<int>(i));
        if (core::transferAreaOf(core::transferModeNumber(mode)) == core::TransferArea::Foreign)
            m_menus.transferModes[i]->setText(core::transferMenuCaption(core::transferModeNumber(mode), script));
    }
}

void TMainFrm::showTransferMode()
{
    m_transfer->showTransferMode();
}

void TMainFrm::setTransferMode(int mode)
{
    m_settings.setInteger(SettingKey::TransMode, mode);
    showTransferMode();
}

void TMainFrm::fontBoxChanged()
{
    const QString family = m_fontPanel->fontBox()->currentText();
    m_settings.setText(SettingKey::UsrMainFont, family);
    QFont font = m_foreignArea->font();
    font.setFamily(family);
    m_foreignArea->setFont(font);
    m_symbolLibrary->fontChanged();
}

void TMainFrm::sizeBoxChanged()
{
    QComboBox* box = m_fontPanel->sizeBox();
    bool ok = false;
    int size = box->currentText().trimmed().toInt(&ok);
    if (!ok)
        size = m_foreignArea->font().pointSize();
    if (size < 8) {
        size = 8;
        box->setEditText(QStringLiteral("8"));
    }
    m_settings.setInteger(SettingKey::UsrMainFontSize, size);
    if (!m_settings.flag(SettingKey::DispFSizeLockFlg)) {
        QFont font = m_foreignArea->font();
        font.setPointSize(size);
        m_foreignArea->setFont(font);
    }
}

void TMainFrm::areaClear()
{
    m_phoneticArea->clear();
    m_foreignArea->clear();
    m_foreignArea->setFocus();
}

void TMainFrm::switchFocusBetweenAreas()
{
    if (m_foreignArea->hasFocus()) {
        m_phoneticArea->setFocus();
        m_phoneticArea->end(false);
    } else {
        m_foreignArea->setFocus();
        m_foreignArea->moveCursor(QTextCursor::End);
    }
}

void TMainFrm::insertIntoForeignArea(const QString& text)
{
    m_foreignArea->setFocus();
    m_foreignArea->insertPlainText(text);
}

bool TMainFrm::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && watched != m_phoneticArea)
        m_keyPanels->passShiftToKeyboard(*static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusIn && m_settings.flag(SettingKey::AutoTransFlg)) {
        // With AutoTransFlg the transfer mode follows the focused input area.
        if (watched == m_foreignArea)
            setTransferMode(core::transferModeNumber(core::TransferMode::ForeignRichText1));
        else if (watched == m_phoneticArea)
            setTransferMode(core::transferModeNumber(core::TransferMode::PhoneticRichText1));
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace pelinor::ui
