// The main window's input modes, font boxes, function keys and edit commands.

#include "core/app/inputmodes.h"
#include "core/transfer/transfermode.h"
#include "ui/app/commandpanel.h"
#include "ui/app/fontboxes.h"
#include "ui/app/fontpanel.h"
#include "ui/app/keypanelcolumn.h"
#include "ui/app/tmainfrm.h"
#include "core/input/scriptlayouts.h"
#include "ui/common/qtcolours.h"
#include "ui/input/romajikeypanel.h"
#include "ui/input/screenkeyboard.h"
#include "core/input/keypositions.h"
#include "ui/input/phonetickeypanel.h"
#include "ui/input/symbollibrarypanel.h"
#include "ui/input/triggerkeyinput.h"
#include "ui/transfer/transfercontroller.h"
#include "ui/wordbook/wordentrydialog.h"
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
#include <QTabWidget>

namespace pelinor::ui {

using core::SettingKey;

void TMainFrm::wireControls()
{
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);
    connect(m_menus.exit, &QAction::triggered, this, &QWidget::close);
    connect(m_clearAction, &QAction::triggered, this, &TMainFrm::AreaClear);
    // "登録" and "編集" follow the word book commands of the menu.
    WordEntryDialogs& entryDialogs = m_wordBooks->entryDialogs();
    m_registerAction->setEnabled(entryDialogs.registerAction()->isEnabled());
    m_modifyAction->setEnabled(entryDialogs.editAction()->isEnabled());
    connect(entryDialogs.registerAction(), &QAction::enabledChanged, m_registerAction, &QAction::setEnabled);
    connect(entryDialogs.editAction(), &QAction::enabledChanged, m_modifyAction, &QAction::setEnabled);
    connect(m_registerAction, &QAction::triggered, &entryDialogs, &WordEntryDialogs::registerWord);
    connect(m_modifyAction, &QAction::triggered, &entryDialogs, &WordEntryDialogs::modifyWord);
    connect(m_focusSwitchAction, &QAction::triggered, this, &TMainFrm::switchFocusBetweenAreas);

    connect(m_fontPanel->inputModeBox(), &QComboBox::activated, this, &TMainFrm::inputModeBoxChanged);
    connect(m_keyPanels->tabs(), &QTabWidget::currentChanged, this, &TMainFrm::keyPanelPageChosen);
    connect(m_fontPanel->fontBox(), &QComboBox::currentTextChanged, this, &TMainFrm::fontBoxChanged);
    connect(m_fontPanel->sizeBox()->lineEdit(), &QLineEdit::editingFinished, this, &TMainFrm::sizeBoxChanged);
    connect(m_fontPanel->sizeBox(), &QComboBox::activated, this, &TMainFrm::sizeBoxChanged);
    connect(m_underStretchBox, &QCheckBox::clicked, this, &TMainFrm::applyUnderStretch);
    connect(m_transferAction, &QAction::triggered, m_transfer, &TransferController::TransferTxt1);
    connect(m_padAction, &QAction::triggered, this, &TMainFrm::PadMode);

    // The layout menu shows the current arrangement when it opens.
    connect(m_menus.ime, &QMenu::aboutToShow, this, [this] {
        const bool typewriter = m_settings.flag(SettingKey::RusTWFlg);
        m_menus.russianTypewriter->setChecked(typewriter);
        m_menus.russianStandard->setChecked(!typewriter);
    });
    connect(m_menus.russianTypewriter, &QAction::triggered, this, [this] { chooseRussianLayout(true); });
    connect(m_menus.russianStandard, &QAction::triggered, this, [this] { chooseRussianLayout(false); });

    // The transfer-mode menu checks the current mode when it opens; an item makes its mode current.
    connect(m_menus.transferMode, &QMenu::aboutToShow, this, [this] {
        const int current = m_settings.integer(SettingKey::TransMode);
        for (size_t i = 0; i < m_menus.transferModes.size(); ++i)
            m_menus.transferModes[i]->setChecked(MainMenus::transferModeOfItem(static_cast<int>(i)) == current);
    });
    for (size_t i = 0; i < m_menus.transferModes.size(); ++i) {
        const int mode = MainMenus::transferModeOfItem(static_cast<int>(i));
        connect(m_menus.transferModes[i], &QAction::triggered, this, [this, mode] {
            m_settings.setInteger(SettingKey::TransMode, mode);
            ShowTransferMode();
        });
    }

    // The edit commands act on the focused field.
    connect(m_menus.edit, &QMenu::aboutToShow, this, [this] {
        m_menus.wordWrap->setChecked(m_settings.flag(SettingKey::WordWrapFlg));
        m_menus.scrollBars->setChecked(m_settings.flag(SettingKey::ScroBarsFlg));
    });
    connect(m_menus.undo, &QAction::triggered, this, [this] { runEditCommand("undo"); });
    connect(m_menus.cut, &QAction::triggered, this, [this] { runEditCommand("cut"); });
    connect(m_menus.copy, &QAction::triggered, this, [this] { runEditCommand("copy"); });
    connect(m_menus.paste, &QAction::triggered, this, [this] { runEditCommand("paste"); });
    connect(m_menus.remove, &QAction::triggered, this, [this] { runEditCommand("del"); });
    connect(m_menus.selectAll, &QAction::triggered, this, [this] { runEditCommand("selectAll"); });
    // Items whose windows are not part of the program yet.
    for (QAction* pending : {m_menus.open, m_menus.save, m_menus.saveAs, m_menus.wordWrap, m_menus.scrollBars,
             m_menus.settings, m_menus.symbolDatabase, m_menus.candidateEditor, m_menus.htmlListTool, m_menus.conversionTool,
             m_menus.codeChecker, m_menus.helpContents, m_menus.version})
        pending->setEnabled(false);
}

void TMainFrm::SwitchInputMode(int mode)
{
    const core::InputModeInfo& info = core::inputMode(mode);
    m_settings.setInteger(SettingKey::InputMode, info.mode);
    if (info.hasScript) {
        const core::ScriptInfo& script = core::scriptInfo(info.script);
        // 1. Script values.
        m_settings.setScriptCharset(script.charset);
        m_settings.setScriptName(script.name);
        m_settings.setDirectionLabels(script.foreignFirst, script.japaneseFirst);
        // 2.-3. Page captions and the foreign transfer-mode items.
        m_keyPanels->tabs()->setTabText(KeyPanelColumn::RomajiPage, script.name + tr("ローマ字"));
        captionKeyboardPage(false);
        m_keyPanels->tabs()->setTabText(KeyPanelColumn::PhoneticPage, tr("発音記号"));
        captionTransferModeItems();
        // 4.-5., 7. The dictionary button, the script's folders and their word book list, the headings.
        if (m_wordBooks) {
            m_wordBooks->onScriptChanged(script);
        } else {
            m_folders.setCurrentWordBookFolder(m_folders.wordBookFolder(script.folder));
            m_folders.setCurrentDictionaryFolder(m_folders.dictionaryFolder(script.folder));
        }
        // 6. The script's font, when the box lists it; the box's rule runs with what it shows.
        SelectFontInBox(m_fontPanel->fontBox(), m_settings.text(script.fontKey));
        fontBoxChanged();
        if (m_symbolLibrary)
            m_symbolLibrary->relayout();
        // 8. The script's tables become the foreign set's.
        m_settings.setText(SettingKey::GaUDBFile, m_settings.text(script.databaseKey));
        m_settings.setText(SettingKey::GaCandFile, m_settings.text(script.candidateKey));
        loadForeignTables();
        if (isVisible())
            reportSkippedTableLines(m_tables.foreign().skippedLines());
        // 9.-12. The panels of the script: colours, the romaji panel from the new tables (with the accent
        //        replacement for Greek only) and the script's keyboard.
        m_screenKeyboard->setBackground(toQColor(m_settings.colour(script.keyboardColour)));
        m_romajiPanel->rebuild(m_tables.foreign(), info.script, toQColor(m_settings.colour(script.romajiColour)));
        buildScreenKeyboard();
        // 13. The page of the mode and the script's picture.
        const QSignalBlocker blocker(m_keyPanels->tabs());
        m_keyPanels->tabs()->setCurrentIndex(
            info.usesLayout ? KeyPanelColumn::KeyboardPage : KeyPanelColumn::RomajiPage);
        m_keyPanels->showPicture(script.picture);
    }
    if (m_triggerInput) {
        // Mode 3 types plain letters in the foreign-language area; the phonetic area always converts.
        m_triggerInput->setLookupEnabled(m_foreignArea, info.mode != 3);
        m_triggerInput->setKeyTranslator(m_foreignArea, info.usesLayout ? TriggerKeyInput::KeyTranslator(
                                                                               [this](const QKeyEvent& event) {
                                                                                   return translateScriptKey(event, 1);
                                                                               })
                                                                         : TriggerKeyInput::KeyTranslator());
    }
    if (const auto layout = core::ScriptLayouts::typingLayout(info.mode, m_settings.flag(SettingKey::RusTWFlg)))
        m_layoutEngine.setLayout(*layout);
    ShowTransferMode();
}

void TMainFrm::connectKeyInput()
{
    using core::TableSide;
    m_triggerInput->attach(m_foreignArea, TableSide::Foreign, 1);
    m_triggerInput->attach(m_phoneticArea, TableSide::Phonetic, 1);
    SwitchInputMode(m_settings.integer(SettingKey::InputMode));

    const auto clickTrigger = [this](QChar key, TableSide side) {
        m_triggerInput->HandleTriggerKey(side, key.unicode(), 1);
    };
    connect(m_romajiPanel, &KeyPanelBase::triggerClicked, this, clickTrigger);
    connect(m_phoneticPanel, &KeyPanelBase::triggerClicked, this, clickTrigger);
    connect(m_screenKeyboard, &KeyPanelBase::triggerClicked, this, clickTrigger);
    connect(m_screenKeyboard, &KeyPanelBase::textClicked, this, [this](const QString& text, TableSide side) {
        if (text.size() != 1 || !m_triggerInput->HandleTriggerKey(side, text.at(0).unicode(), 1))
            m_triggerInput->insertText(side, 1, text);
    });
    connect(m_romajiPanel, &TableKeyPanel::listRequested, this, &TMainFrm::openCandidateList);
    connect(m_phoneticPanel, &TableKeyPanel::listRequested, this, &TMainFrm::openCandidateList);

    // The foreign-word and phonetic fields of the word dialogs convert like the input areas.
    connect(m_wordBooks, &WordBookController::entryDialogOpening, this, [this](WordEntryDialog* dialog) {
        m_triggerInput->attach(dialog->foreignWordField(), TableSide::Foreign, 2);
        m_triggerInput->attach(dialog->phoneticField(), TableSide::Phonetic, 3);
        m_triggerInput->setLookupEnabled(dialog->foreignWordField(),
                                         m_settings.integer(SettingKey::InputMode) != 3);
        dialog->foreignWordField()->installEventFilter(this);
    });
}

QString TMainFrm::translateScriptKey(const QKeyEvent& event, int target)
{
    const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
    const QString typed = event.text();
    const auto position = core::KeyPositions::positionOfX11KeyCode(event.nativeScanCode());
    const bool shortcut = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (typed.isEmpty() && position && !shortcut) {
        // A key of the layout that types no text in the user's own layout, such as the 半角/全角 key of a
        // Japanese keyboard: in the script's layout it types its character (the Ukrainian apostrophe, the
        // Russian ё).
        const QString produced = m_layoutEngine.pressKey(*position, shift, m_capsLock);
        return produced.isNull() ? QStringLiteral("") : produced;
    }
    if (typed.isEmpty() || typed.at(0).unicode() < 0x20) {
        // Enter, Tab, the cursor keys: a waiting accent is typed before the key takes effect. Shift and the
        // other modifiers leave it waiting for the key they modify.
        const QString accent = m_layoutEngine.pressKeyWithoutText(event.key());
        if (!accent.isEmpty())
            m_triggerInput->insertText(core::TableSide::Foreign, target, accent);
        return QString();
    }
    // Caps Lock shows in letters whose case differs from what Shift alone gives.
    const QChar first = typed.at(0);
    const bool capsLock = first.isLetter() && (first.isUpper() != shift);
    const QString produced = position ? m_layoutEngine.pressKey(*position, shift, capsLock)
                                      : m_layoutEngine.pressHostText(typed, capsLock);
    // A dead key produces nothing yet, and nothing must not let the typed key through.
    return produced.isNull() ? QStringLiteral("") : produced;
}

void TMainFrm::inputModeBoxChanged(int item)
{
    const int mode = core::inputModeAtItem(item).mode;
    // Item 0 always runs the switch, even in mode 1; the others only when the mode changes.
    if (item == 0 || mode != m_settings.integer(SettingKey::InputMode))
        SwitchInputMode(mode);
    m_foreignArea->setFocus();
}

void TMainFrm::captionTransferModeItems()
{
    const QString script = m_settings.scriptName();
    for (size_t i = 4; i < m_menus.transferModes.size(); ++i)
        m_menus.transferModes[i]->setText(
            core::transferMenuCaption(MainMenus::transferModeOfItem(static_cast<int>(i)), script));
}

void TMainFrm::captionKeyboardPage(bool withSpace)
{
    QString caption = m_settings.scriptName();
    const int mode = m_settings.integer(SettingKey::InputMode);
    if ((mode == 1 || mode == 2) && m_settings.flag(SettingKey::RusTWFlg))
        caption += withSpace ? tr(" (ﾀｲﾌﾟﾗｲﾀ)") : tr("(ﾀｲﾌﾟﾗｲﾀ)");
    m_keyPanels->tabs()->setTabText(KeyPanelColumn::KeyboardPage, caption);
}

void TMainFrm::chooseRussianLayout(bool typewriter)
{
    const int mode = m_settings.integer(SettingKey::InputMode);
    if ((mode != 1 && mode != 2) || m_settings.flag(SettingKey::RusTWFlg) == typewriter)
        return;
    m_settings.setFlag(SettingKey::RusTWFlg, typewriter);
    // Typing follows the arrangement that the on-screen keyboard shows.
    if (const auto layout = core::ScriptLayouts::typingLayout(mode, typewriter))
        m_layoutEngine.setLayout(*layout);
    buildScreenKeyboard();
    captionKeyboardPage(true);
    if (mode == 2)
        m_foreignArea->setFocus();
}

void TMainFrm::buildScreenKeyboard()
{
    m_screenKeyboard->build(core::ScriptLayouts::onScreenLayout(m_settings.integer(SettingKey::InputMode),
                                                                m_settings.flag(SettingKey::RusTWFlg)),
                            m_screenKeyboard->isCapsDown());
}

void TMainFrm::keyPanelPageChosen(int page)
{
    // The romaji page in a layout mode selects that script's romaji mode, the keyboard page in a romaji
    // mode its layout mode; the phonetic page leaves the mode alone.
    const core::InputModeInfo& current = core::inputMode(m_settings.integer(SettingKey::InputMode));
    if (page == KeyPanelColumn::PhoneticPage) {
        m_phoneticArea->setFocus();
        return;
    }
    if (current.hasScript && current.usesLayout == (page == KeyPanelColumn::RomajiPage)) {
        const int mode = current.usesLayout ? current.mode - 1 : current.mode + 1;
        {
            const QSignalBlocker blocker(m_fontPanel->inputModeBox());
            m_fontPanel->inputModeBox()->setCurrentIndex(mode - 1);
        }
        SwitchInputMode(mode);
    }
    m_foreignArea->setFocus();
}

void TMainFrm::ShowTransferMode()
{
    if (m_transfer)
        m_transfer->ShowTransferMode();
    else
        m_commandPanel->modeDisplay()->setText(
            core::transferShortLabel(m_settings.integer(SettingKey::TransMode), m_settings.scriptName()));
}

void TMainFrm::applyForeignFont(const QString& family)
{
    QFont font = m_foreignArea->font();
    font.setFamily(family);
    m_foreignArea->setFont(font);
}

void TMainFrm::fontBoxChanged()
{
    const QString family = m_fontPanel->fontBox()->currentText();
    m_settings.setText(SettingKey::UsrMainFont, family);
    applyForeignFont(family);
    if (m_symbolLibrary)
        m_symbolLibrary->fontChanged();
}

void TMainFrm::insertIntoForeignArea(const QString& text)
{
    m_foreignArea->setFocus();
    m_foreignArea->insertPlainText(text);
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

void TMainFrm::AreaClear()
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

void TMainFrm::runEditCommand(const char* method)
{
    QWidget* target = focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        if (qstrcmp(method, "del") == 0)
            line->del();
        else
            QMetaObject::invokeMethod(line, method);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(target)) {
        if (qstrcmp(method, "del") == 0)
            text->textCursor().removeSelectedText();
        else
            QMetaObject::invokeMethod(text, method);
    }
}

void TMainFrm::passShiftToKeyboard(const QKeyEvent& event)
{
    if (event.isAutoRepeat() || !core::inputMode(m_settings.integer(SettingKey::InputMode)).usesLayout)
        return;
    const bool pressed = event.type() == QEvent::KeyPress;
    if (event.key() == Qt::Key_Shift) {
        m_screenKeyboard->setShifted(pressed);
    } else if (event.key() == Qt::Key_CapsLock && pressed) {
        m_capsLock = !m_capsLock;
        m_screenKeyboard->setCapsLock(m_capsLock);
    }
}

bool TMainFrm::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && watched != m_phoneticArea)
        passShiftToKeyboard(*static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusIn && m_settings.flag(SettingKey::AutoTransFlg)) {
        // With AutoTransFlg the transfer mode follows the focused input area.
        if (watched == m_foreignArea || watched == m_phoneticArea) {
            m_settings.setInteger(SettingKey::TransMode, watched == m_foreignArea ? 1 : 11);
            ShowTransferMode();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace pelinor::ui
