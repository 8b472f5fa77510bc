#pragma once

#include "core/tables/triggermode.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QToolButton;

namespace pelinor::ui {

/// The candidate editor's trigger keys, laid out as a Japanese keyboard: for each key position a button
/// with the shifted character on top and one with the unshifted character below. A click on an enabled
/// button chooses its character as the trigger; the chosen button's caption is red, the other enabled
/// ones blue and bold when their trigger has candidates, black otherwise. The digits are never enabled.
class TriggerKeyboard : public QWidget {
    Q_OBJECT

public:
    explicit TriggerKeyboard(QWidget* parent = nullptr);

    /// Every button shown, plain, black and disabled, laid out as both cases: the state before a load.
    void resetPlain();

    /// Enables the keys that `mode` offers, marks those whose trigger `hasCandidates`, and lays the letter
    /// keys out for the mode.
    void setUp(core::TriggerMode mode, const std::function<bool(const QString&)>& hasCandidates);

    /// Shows whether the trigger's line has candidates now.
    void markCandidates(const QString& trigger, bool hasCandidates);

    /// The chosen trigger, empty when none is chosen.
    const QString& chosenTrigger() const { return m_chosen; }

    /// The button of a trigger character, for tests and for the focus; null when there is none.
    QToolButton* button(const QString& trigger) const;

Q_SIGNALS:
    /// An enabled key was clicked; it is the chosen trigger now.
    void triggerChosen(const QString& trigger);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Key {
        QChar character; ///< null at the position without a character
        QToolButton* button = nullptr;
        bool hasCandidates = false;
        bool upperRow = true; ///< the shifted button of its key
        int position = 0; ///< 1-based position in its sequence
    };

    void choose(Key& key);
    void paintKey(Key& key) const;
    void layOutKeys();

    QList<Key> m_keys;
    std::optional<core::TriggerMode> m_mode;
    QString m_chosen;
};

} // namespace pelinor::ui
