#include "core/input/keypanelclick.h"

#include "core/input/scriptlayouts.h"
#include "core/input/tableset.h"

#include <QDir>
#include <QFileInfo>

namespace pelinor::core {

KeyClickAction keyboardClick(QStringView caption, ScriptLayout layout, const TableSet& foreign)
{
    KeyClickAction action;
    const QStringView text = caption.trimmed();
    if (text.isEmpty())
        return action;
    if (layout == ScriptLayout::Greek) {
        if (const auto accent = ScriptLayouts::deadKeyOfCaption(text)) {
            action.kind = KeyClickAction::DeadKey;
            action.accent = *accent;
            return action;
        }
    }
    if (foreign.isTrigger(text.at(0).unicode())) {
        action.kind = KeyClickAction::Trigger;
        action.key = text.at(0);
        return action;
    }
    action.kind = KeyClickAction::Text;
    action.text = text.toString();
    return action;
}

KeyClickAction panelClick(QStringView caption, const TableSet& set)
{
    KeyClickAction action;
    if (!caption.isEmpty() && set.isTrigger(caption.at(0).unicode())) {
        action.kind = KeyClickAction::Trigger;
        action.key = caption.at(0);
    }
    return action;
}

QString candidateListPagePath(const QString& tableFolder, const QString& candidateFileName)
{
    const QString name = QFileInfo(candidateFileName).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString page = (dot > 0 ? name.left(dot) : name) + QStringLiteral(".html");
    return QDir(tableFolder).filePath(page);
}

} // namespace pelinor::core
