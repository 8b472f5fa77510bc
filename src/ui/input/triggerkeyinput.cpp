#include "ui/input/triggerkeyinput.h"

#include "ui/input/candidatewindow.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextEdit>

namespace pelinor::ui {

namespace {

// A key that types its text: shortcuts with Ctrl, Alt or Meta do not, but Ctrl with Alt is AltGr on some
// systems and does.
bool typesText(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & Qt::MetaModifier)
        return false;
    const bool control = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & Qt::AltModifier;
    return control == alt;
}

} // namespace

TriggerKeyInput::TriggerKeyInput(core::TableSets& sets, core::Settings& settings, QObject* parent)
    : QObject(parent)
    , m_sets(sets)
    , m_settings(settings)
    , m_lookup(sets, settings)
{
}

TriggerKeyInput::~TriggerKeyInput()
{
    for (const Field& field : std::as_const(m_fields)) {
        if (field.widget)
            field.widget->removeEventFilter(this);
    }
}

void TriggerKeyInput::attach(QWidget* field, core::TableSide side, core::InsertionTarget target)
{
    if (!field)
        return;
    auto it = m_fields.find(field);
    if (it == m_fields.end()) {
        it = m_fields.insert(field, Field{});
        it->widget = field;
        field->installEventFilter(this);
        connect(field, &QObject::destroyed, this, [this](QObject* gone) { m_fields.remove(gone); });
    }
    it->side = side;
    it->target = target;
    setTargetField(side, target, field);
}

void TriggerKeyInput::detach(QWidget* field)
{
    if (m_fields.remove(field) > 0) {
        field->removeEventFilter(this);
        disconnect(field, &QObject::destroyed, this, nullptr);
    }
}

bool TriggerKeyInput::isAttached(const QWidget* field) const
{
    return m_fields.contains(field);
}

void TriggerKeyInput::setTargetField(core::TableSide side, core::InsertionTarget target, QWidget* field)
{
    auto& targets = m_targets[index(side)];
    if (field)
        targets.insert(target, field);
    else
        targets.remove(target);
}

QWidget* TriggerKeyInput::targetField(core::TableSide side, core::InsertionTarget target) const
{
    return m_targets[index(side)].value(target);
}

void TriggerKeyInput::setLookupEnabled(QWidget* field, bool enabled)
{
    auto it = m_fields.find(field);
    if (it != m_fields.end())
        it->lookup = enabled;
}

bool TriggerKeyInput::isLookupEnabled(const QWidget* field) const
{
    const auto it = m_fields.constFind(field);
    return it != m_fields.constEnd() && it->lookup;
}

void TriggerKeyInput::setKeyTranslator(QWidget* field, KeyTranslator translator)
{
    auto it = m_fields.find(field);
    if (it != m_fields.end())
        it->translator = std::move(translator);
}

bool TriggerKeyInput::handleTriggerKey(core::TableSide side, char16_t key, core::InsertionTarget target)
{
    // While a candidate window is open it takes every key itself; a call from code is refused.
    if (m_windowOpen || !m_lookup.takeTriggerKey(side, key, target))
        return false;
    offerCandidates(side);
    return true;
}

void TriggerKeyInput::offerCandidates(core::TableSide side)
{
    const core::CandidateOffer offer = m_lookup.offer(side);
    if (offer.direct) {
        // A key typed on the keyboard and converted at once is typing, not a symbol chosen from a panel
        // or a window: it does not become a recently used symbol.
        placeText(side, m_lookup.target(side), QString(QChar(offer.candidate)), !m_typing);
        return;
    }
    if (m_windowOpen)
        return;

    QWidget* target = targetField(side, m_lookup.target(side));
    QWidget* owner = target ? target->window() : nullptr;
    auto insert = [this, side](const QString& text) { insertCandidate(side, text); };
    const core::TableSet& set = m_sets.set(side);
    const core::CandidateBuffer& buffer = m_lookup.buffer(side);
    QPointer<CandidateWindow> window = new CandidateWindow(side, buffer, set, m_settings, insert, owner);
    window->setRestoreStartupLayout(m_restoreStartupLayout);
    window->setSelectScriptLayout(m_selectScriptLayout);
    window->placeAboveCaret(target);

    m_windowOpen = true;
    // Keys typed quickly after the one that closes the window can arrive before runUntilClosed() returns;
    // they are typed as usual then, and a trigger among them opens a window of its own.
    connect(window, &QDialog::finished, this, [this] { m_windowOpen = false; });
    Q_EMIT candidateWindowOpening(window);
    if (window)
        window->runUntilClosed();
    m_windowOpen = false;
    delete window;
}

void TriggerKeyInput::insertCandidate(core::TableSide side, const QString& text)
{
    insertText(side, m_lookup.target(side), text);
}

void TriggerKeyInput::insertText(core::TableSide side, core::InsertionTarget target, const QString& text)
{
    placeText(side, target, text, true);
}

void TriggerKeyInput::placeText(core::TableSide side, core::InsertionTarget target, const QString& text, bool announce)
{
    QWidget* field = targetField(side, target);
    if (!field)
        return;
    // A blank candidate inserts nothing and removes the selection.
    insertIntoField(field, text);
    if (announce && !text.isEmpty())
        Q_EMIT textInserted(text);
}

void TriggerKeyInput::insertIntoField(QWidget* field, const QString& text)
{
    // In an empty field the text becomes the whole text with the caret after it, which is what inserting
    // does too; inserting keeps the field's undo history.
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->insert(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        plain->insertPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(field)) {
        rich->insertPlainText(text);
    } else {
        return;
    }
    if (!field->hasFocus())
        field->setFocus(Qt::OtherFocusReason);
}

bool TriggerKeyInput::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        return handleKeyPress(watched, static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

bool TriggerKeyInput::handleKeyPress(QObject* watched, QKeyEvent* event)
{
    auto it = m_fields.constFind(watched);
    if (it == m_fields.constEnd())
        return false;
    if (it->translator) {
        const KeyTranslator translator = it->translator;
        const QString typed = translator(*event);
        if (!typed.isNull()) {
            typeText(watched, typed);
            return true;
        }
        // The translator may have attached or detached fields.
        it = m_fields.constFind(watched);
        if (it == m_fields.constEnd())
            return false;
    }
    if (!it->lookup || !typesText(*event))
        return false;
    const QString text = event->text();
    if (text.size() != 1)
        return false;
    const QScopedValueRollback<bool> typing(m_typing, true);
    return handleTriggerKey(it->side, text.at(0).unicode(), it->target);
}

void TriggerKeyInput::typeText(QObject* fieldObject, const QString& text)
{
    const QScopedValueRollback<bool> typing(m_typing, true);
    QString plain;
    for (QChar unit : text) {
        const auto it = m_fields.constFind(fieldObject);
        if (it == m_fields.constEnd() || !it->widget)
            return;
        if (it->lookup && m_lookup.isTrigger(it->side, unit.unicode())) {
            if (!plain.isEmpty())
                insertIntoField(it->widget, plain);
            plain.clear();
            const core::TableSide side = it->side;
            const core::InsertionTarget target = it->target;
            handleTriggerKey(side, unit.unicode(), target);
        } else {
            plain.append(unit);
        }
    }
    const auto it = m_fields.constFind(fieldObject);
    if (!plain.isEmpty() && it != m_fields.constEnd() && it->widget)
        insertIntoField(it->widget, plain);
}

} // namespace pelinor::ui
