#pragma once

#include "core/wordbook/wordentry.h"

#include <QObject>

namespace pelinor::core {
class InputModeController;
}

namespace pelinor::ui {

class KeyPanelController;
class ScriptKeyTranslator;
class TriggerKeyInput;
class TSearchFrm;
class WordBookController;
class WordEntryDialog;

/// Makes the word book's own fields convert keys like the main window's input areas: the foreign-word and
/// phonetic fields of the registration and edit dialogs, and the search window's box as its searched field
/// says. Shift and Caps Lock in their foreign-language fields switch the on-screen keyboard as in the
/// foreign-language area.
class WordBookFieldInput : public QObject {
    Q_OBJECT

public:
    /// Every reference must outlive this object.
    WordBookFieldInput(TriggerKeyInput& triggerInput, const core::InputModeController& inputModes,
        ScriptKeyTranslator& scriptKeys, KeyPanelController& keyPanels, WordBookController& wordBooks,
        QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followEntryDialog(WordEntryDialog* dialog);
    void followSearchWindow(TSearchFrm* window);
    void followSearchField(TSearchFrm* window, core::WordField field);

    TriggerKeyInput& m_triggerInput;
    const core::InputModeController& m_inputModes;
    ScriptKeyTranslator& m_scriptKeys;
    KeyPanelController& m_keyPanels;
};

} // namespace pelinor::ui
