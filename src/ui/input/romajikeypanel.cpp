#include "ui/input/romajikeypanel.h"

#include "core/app/settings.h"
#include "core/input/combiningmarkreplacement.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>

namespace pelinor::ui {

RomajiKeyPanel::RomajiKeyPanel(core::Settings& settings, QWidget* parent)
    : TableKeyPanel(core::KeyPanelKind::Romaji, core::TableSide::Foreign, settings, core::SettingKey::GaOneInpFlg,
        core::SettingKey::GaTriRevFlg, QColor(), parent)
{
    setObjectName(QStringLiteral("RomajiKeyPanel"));
    m_replace = new QToolButton(this);
    m_replace->setObjectName(QStringLiteral("ReplaceButton"));
    m_replace->setText(tr("置\n換"));
    m_replace->setToolTip(tr("アクセントや分音符を符号一体化文字に置換します。"));
    m_replace->setFixedSize(27, 46);
    m_replace->setFocusPolicy(Qt::NoFocus);
    m_replace->hide();
    connect(m_replace, &QToolButton::clicked, this, [this] { replaceCombiningMarksInField(); });
    relayout();
}

void RomajiKeyPanel::rebuild(const core::TableSet& foreignSet, core::Script script, const QColor& background)
{
    setBackground(background);
    m_replace->setVisible(script == core::Script::Greek);
    relayout();
    showTable(foreignSet, core::romajiPanelFaces(foreignSet));
}

int RomajiKeyPanel::replaceCombiningMarksInField()
{
    auto* area = qobject_cast<QPlainTextEdit*>(m_target);
    auto* line = qobject_cast<QLineEdit*>(m_target);
    if (!area && !line)
        return -1;
    const core::CombiningMarkReplacement result
        = core::replaceCombiningMarks(area ? area->toPlainText() : line->text());
    m_target->setFocus();
    // The whole text is replaced in one edit, so that a single undo brings the old text back.
    if (area) {
        QTextCursor cursor(area->document());
        cursor.select(QTextCursor::Document);
        cursor.insertText(result.text);
        cursor.movePosition(QTextCursor::End);
        area->setTextCursor(cursor);
    } else {
        line->selectAll();
        line->insert(result.text);
        line->end(false);
    }
    showMessage(core::combiningMarkReplacementReport(result.count));
    return result.count;
}

void RomajiKeyPanel::placeControls()
{
    TableKeyPanel::placeControls();
    if (!m_replace)
        return;
    // At the lower right, bottom-aligned with the fourth row.
    const QRect lastKey = geometry().keyRect(46);
    m_replace->move(width() - 2 - m_replace->width(), lastKey.bottom() - m_replace->height() + 1);
}

int RomajiKeyPanel::reservedRight() const
{
    return m_replace && !m_replace->isHidden() ? m_replace->width() + 2 : 0;
}

} // namespace pelinor::ui
