#pragma once

#include "core/app/inputmodes.h"
#include "core/input/tablesets.h"

#include <QObject>

class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;

namespace pelinor::core {
class InputModeController;
class Settings;
class TableSets;
} // namespace pelinor::core

namespace pelinor::ui {

class KeyPanelColumn;
struct MainMenus;
class PhoneticKeyPanel;
class RomajiKeyPanel;
class ScreenKeyboard;
class ScriptKeyTranslator;
class TriggerKeyInput;

/// The key panels of the main window's key panel column: the script's romaji key panel, its on-screen
/// keyboard and the phonetic-symbol key panel. They follow the input mode (captions, colours, the tables
/// of the script and the page of the mode); choosing the other script page switches between a script's
/// romaji and layout modes; clicks on their keys type into the main window's input areas.
class KeyPanelController : public QObject {
    Q_OBJECT

public:
    /// The fields are the main window's input areas; every reference must outlive the controller.
    KeyPanelController(KeyPanelColumn& column, core::Settings& settings, core::TableSets& tables,
        core::InputModeController& inputModes, TriggerKeyInput& triggerInput, ScriptKeyTranslator& scriptKeys,
        QLineEdit* phoneticArea, QPlainTextEdit* foreignArea, QObject* parent = nullptr);

    RomajiKeyPanel* romajiPanel() const { return m_romajiPanel; }
    ScreenKeyboard* screenKeyboard() const { return m_screenKeyboard; }
    PhoneticKeyPanel* phoneticPanel() const { return m_phoneticPanel; }
    /// The caption of the on-screen keyboard page, which the PAD shows too.
    QString keyboardCaption() const;

    /// The "IME指定" menu: the standard or the typewriter arrangement for Russian.
    void chooseRussianLayout(bool typewriter);
    /// Makes the "IME指定" menu show the current arrangement when it opens and choose one.
    void connectLayoutMenu(const MainMenus& menus);
    /// In the layout modes, Shift and Caps Lock in a foreign-language field switch the on-screen keyboard.
    void passShiftToKeyboard(const QKeyEvent& event);

Q_SIGNALS:
    /// "一覧" of a table key panel.
    void candidateListRequested(pelinor::core::TableSide side);

private:
    void buildPanels();
    void connectPanels();
    void applyScript(const core::ScriptInfo& script);
    void followInputMode(core::InputMode mode);
    void pageChosen(int page);
    void buildScreenKeyboard();
    void captionKeyboardPage(bool withSpace);

    KeyPanelColumn& m_column;
    core::Settings& m_settings;
    core::TableSets& m_tables;
    core::InputModeController& m_inputModes;
    TriggerKeyInput& m_triggerInput;
    ScriptKeyTranslator& m_scriptKeys;
    QLineEdit* m_phoneticArea;
    QPlainTextEdit* m_foreignArea;
    RomajiKeyPanel* m_romajiPanel = nullptr;
    ScreenKeyboard* m_screenKeyboard = nullptr;
    PhoneticKeyPanel* m_phoneticPanel = nullptr;
};

} // namespace pelinor::ui
