#include "ui/app/wordbookfieldinput.h"

#include "core/app/inputmodecontroller.h"
#include "core/input/insertiontarget.h"
#include "ui/app/keypanelcontroller.h"
#include "ui/input/scriptkeytranslator.h"
#include "ui/input/triggerkeyinput.h"
#include "ui/wordbook/tmodfrm.h"
#include "ui/wordbook/tsearchfrm.h"
#include "ui/wordbook/wordbookcontroller.h"
#include "ui/wordbook/wordentrydialog.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace pelinor::ui {

using core::TableSide;

WordBookFieldInput::WordBookFieldInput(TriggerKeyInput& triggerInput, const core::InputModeController& inputModes,
    ScriptKeyTranslator& scriptKeys, KeyPanelController& keyPanels, WordBookController& wordBooks, QObject* parent)
    : QObject(parent)
    , m_triggerInput(triggerInput)
    , m_inputModes(inputModes)
    , m_scriptKeys(scriptKeys)
    , m_keyPanels(keyPanels)
{
    connect(&wordBooks, &WordBookController::entryDialogOpening, this, &WordBookFieldInput::followEntryDialog);
    connect(&wordBooks, &WordBookController::searchWindowOpening, this, &WordBookFieldInput::followSearchWindow);
}

void WordBookFieldInput::followEntryDialog(WordEntryDialog* dialog)
{
    const core::InsertionTarget target = qobject_cast<TModFrm*>(dialog) ? core::InsertionTarget::EditDialog
                                                                        : core::InsertionTarget::RegistrationDialog;
    m_triggerInput.attach(dialog->foreignWordField(), TableSide::Foreign, target);
    m_triggerInput.attach(dialog->phoneticField(), TableSide::Phonetic, target);
    m_triggerInput.setLookupEnabled(dialog->foreignWordField(), core::looksUpForeignTriggerKeys(m_inputModes.mode()));
    dialog->foreignWordField()->installEventFilter(this);
}

void WordBookFieldInput::followSearchWindow(TSearchFrm* window)
{
    connect(window, &TSearchFrm::searchFieldChanged, this,
        [this, window](core::WordField field) { followSearchField(window, field); });
    followSearchField(window, window->searchField());
}

void WordBookFieldInput::followSearchField(TSearchFrm* window, core::WordField field)
{
    // The box converts like the input area of the field it searches: the foreign word (not in the modes 2
    // and 3, which type the script's or plain letters) or the phonetic symbols; other fields take keys as
    // typed.
    QLineEdit* box = window->searchBox();
    const core::InputMode mode = m_inputModes.mode();
    constexpr core::InsertionTarget target = core::InsertionTarget::SearchWindow;
    box->removeEventFilter(this);
    if (field == core::WordField::ForeignWord) {
        m_triggerInput.attach(box, TableSide::Foreign, target);
        m_triggerInput.setLookupEnabled(
            box, core::looksUpForeignTriggerKeys(mode) && mode != core::InputMode::RussianLayout);
        ScriptKeyTranslator& keys = m_scriptKeys;
        m_triggerInput.setKeyTranslator(box,
            core::isLayoutMode(mode) ? TriggerKeyInput::KeyTranslator(
                [&keys](const QKeyEvent& event) { return keys.translate(event, target); })
                                     : TriggerKeyInput::KeyTranslator());
        box->installEventFilter(this);
    } else if (field == core::WordField::Phonetic) {
        m_triggerInput.attach(box, TableSide::Phonetic, target);
        m_triggerInput.setKeyTranslator(box, TriggerKeyInput::KeyTranslator());
    } else {
        m_triggerInput.detach(box);
    }
}

bool WordBookFieldInput::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        m_keyPanels.passShiftToKeyboard(*static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

} // namespace pelinor::ui
