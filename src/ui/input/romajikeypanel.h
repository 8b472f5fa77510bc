#pragma once

#include "core/app/inputmodes.h"
#include "ui/input/tablekeypanel.h"

#include <QPointer>
#include <QWidget>

class QToolButton;

namespace pelinor::ui {

/// The romaji key panel: the JIS keys with their unshifted characters on the keys and the shifted ones on
/// the legends; the triggers of the foreign candidate table are enabled and bold. A click on one emits
/// triggerClicked() with the foreign side. For Greek it also shows the button "置換", which turns base
/// letters followed by combining marks in the replacement target into precomposed letters.
class RomajiKeyPanel : public TableKeyPanel {
    Q_OBJECT

public:
    RomajiKeyPanel(core::Settings& settings, QWidget* parent = nullptr);

    /// Shows the triggers of `foreignSet` (which must outlive the panel or the next rebuild), paints the
    /// upper band in `background` and shows "置換" for Greek only. The flags "直" and "復" are shown anew.
    void rebuild(const core::TableSet& foreignSet, core::Script script, const QColor& background);

    /// The field whose whole text "置換" rewrites (the foreign-language input area, or the PAD's input line): a
    /// QPlainTextEdit or a QLineEdit; null disables it.
    void setReplacementTarget(QWidget* field) { m_target = field; }
    QToolButton* replaceButton() const { return m_replace; }

    /// What "置換" does: replaces the combining marks in the target's whole text, focuses it with the
    /// caret at the end, and reports the number of replacements. Returns that number (-1 without target).
    int replaceCombiningMarksInField();

protected:
    void placeControls() override;
    int reservedRight() const override;

private:
    QToolButton* m_replace = nullptr;
    QPointer<QWidget> m_target;
};

} // namespace pelinor::ui
