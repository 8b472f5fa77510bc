#pragma once

#include "core/input/tablesets.h"
#include "core/input/triggerkeylookup.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>

class QKeyEvent;
class QWidget;

namespace pelinor::core {
class Settings;
}

namespace pelinor::ui {

class CandidateWindow;

/// Trigger-key input for the text fields of the program: a typed (or clicked) character that is a trigger
/// of a side's table set is replaced by its single candidate (direct input) or opens the side's candidate
/// window of that side, which inserts the candidate
/// the user picks. The key itself never reaches the text.
///
/// Fields take part by attach(): the object then watches their key presses. Every field is an insertion
/// target of a side, named by the window it belongs to (core::InsertionTarget). QLineEdit, QPlainTextEdit
/// and QTextEdit fields are supported.
///
/// It keeps references to the table sets and the settings, which must outlive it; the trigger-return and
/// direct-input flags and BandDev are read from the settings when needed.
class TriggerKeyInput : public QObject {
    Q_OBJECT

public:
    /// Turns a key press into the text that the key types in a keyboard-layout mode. A null QString lets
    /// the key go on as the user's own layout typed it (through the trigger lookup like any key); any other
    /// result, the empty text included, replaces the key: each of its characters goes through the trigger
    /// lookup as if typed, and the others are inserted at the caret.
    using KeyTranslator = std::function<QString(const QKeyEvent& event)>;
    using LayoutHook = std::function<void()>;

    TriggerKeyInput(core::TableSets& sets, core::Settings& settings, QObject* parent = nullptr);
    ~TriggerKeyInput() override;

    /// Watches the key presses of `field` for the triggers of `side` and makes it that side's insertion
    /// target `target`. Attaching an attached field again changes its side and target. The field is
    /// forgotten when it is destroyed.
    void attach(QWidget* field, core::TableSide side, core::InsertionTarget target);
    /// Stops watching `field`; it stays a target until it is destroyed or replaced.
    void detach(QWidget* field);
    bool isAttached(const QWidget* field) const;

    /// Makes `field` the insertion target `target` of `side` without watching its keys (null removes it):
    /// for a field that receives candidates of both sides, such as the search field.
    void setTargetField(core::TableSide side, core::InsertionTarget target, QWidget* field);
    /// The field that is target `target` of `side`, or null.
    QWidget* targetField(core::TableSide side, core::InsertionTarget target) const;

    /// Switches the trigger lookup of an attached field on or off (on when attached). A field without
    /// lookup types every key as it is; its key translator still applies. Input mode 3 switches it off for
    /// the foreign-language fields.
    void setLookupEnabled(QWidget* field, bool enabled);
    bool isLookupEnabled(const QWidget* field) const;

    /// Sets (or, with an empty function, removes) the key translator of an attached field.
    void setKeyTranslator(QWidget* field, KeyTranslator translator);

    /// Called when a candidate window is shown (RestoreStartupLayout).
    void setRestoreStartupLayout(LayoutHook hook) { m_restoreStartupLayout = std::move(hook); }
    /// Called when the foreign candidate window closes while the input mode is 2, 5 or 7
    /// (SelectScriptLayout).
    void setSelectScriptLayout(LayoutHook hook) { m_selectScriptLayout = std::move(hook); }

    /// A key for `side` with insertion target `target`. Returns false, doing nothing, when the key is no
    /// trigger of the side's table set: the caller lets the key through. Otherwise fills the side's
    /// candidate buffer (with the key as slot 10 when the side's trigger-return flag is on), makes `target`
    /// the side's target, offers the candidates and returns true: the caller discards the key.
    bool handleTriggerKey(core::TableSide side, char16_t key, core::InsertionTarget target);

    /// Offers the side's candidate buffer: the one non-blank candidate is inserted at once when the side's
    /// direct-input flag is on; otherwise the side's candidate window opens above the caret of the
    /// target and is released when it closes.
    void offerCandidates(core::TableSide side);

    /// Inserts `text` (one character, or empty) into the side's current target: it replaces the target's
    /// selection at the caret and the target takes the focus. An unknown target inserts nothing.
    void insertCandidate(core::TableSide side, const QString& text);

    /// Inserts `text` at the caret of target `target` of `side`, replacing its selection, and gives that
    /// field the focus, as a click on a key panel key that is no trigger does.
    void insertText(core::TableSide side, core::InsertionTarget target, const QString& text);

    /// True when `key` is a trigger of the side's table set.
    bool isTrigger(core::TableSide side, char16_t key) const { return m_lookup.isTrigger(side, key); }

    const core::CandidateBuffer& candidateBuffer(core::TableSide side) const { return m_lookup.buffer(side); }
    core::InsertionTarget insertionTarget(core::TableSide side) const { return m_lookup.target(side); }
    /// True while a candidate window is open.
    bool isCandidateWindowOpen() const { return m_windowOpen; }

    /// Replaces the selection of a text field by `text` at its caret and focuses the field; other widgets
    /// are left alone.
    static void insertIntoField(QWidget* field, const QString& text);

Q_SIGNALS:
    /// A candidate window is about to be shown; it holds the program until it closes.
    void candidateWindowOpening(pelinor::ui::CandidateWindow* window);
    /// `text` was inserted into a target from a candidate window, by insertText() (key panels, the symbol
    /// library) or by direct input for a key panel's trigger; not for keys typed on the keyboard, even
    /// when direct input converts them.
    void textInserted(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Field {
        QPointer<QWidget> widget;
        core::TableSide side = core::TableSide::Foreign;
        core::InsertionTarget target = core::InsertionTarget::None;
        bool lookup = true;
        KeyTranslator translator;
    };

    bool handleKeyPress(QObject* watched, QKeyEvent* event);
    void typeText(QObject* fieldObject, const QString& text);
    void placeText(core::TableSide side, core::InsertionTarget target, const QString& text, bool announce);
    static std::size_t index(core::TableSide side) { return side == core::TableSide::Phonetic ? 0 : 1; }

    core::TableSets& m_sets;
    core::Settings& m_settings;
    core::TriggerKeyLookup m_lookup;
    QHash<const QObject*, Field> m_fields;
    std::array<QHash<core::InsertionTarget, QPointer<QWidget>>, 2> m_targets;
    LayoutHook m_restoreStartupLayout;
    LayoutHook m_selectScriptLayout;
    bool m_windowOpen = false;
    bool m_typing = false; ///< a key typed on the keyboard is being handled
};

} // namespace pelinor::ui
