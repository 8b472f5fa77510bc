#include "core/tables/skippedline.h"

#include <QCoreApplication>

namespace pelinor::core {

QString skippedLinesMessage(const QList<SkippedLine>& lines, int maxLines)
{
    if (lines.isEmpty())
        return {};
    QString text = QCoreApplication::translate("pelinor::core::SkippedLine", "次の行を読み込めませんでした。");
    const qsizetype shown = qMin(lines.size(), static_cast<qsizetype>(qMax(maxLines, 1)));
    for (qsizetype i = 0; i < shown; ++i) {
        const SkippedLine& line = lines[i];
        text += u'\n';
        if (line.lineNumber > 0) {
            text += QCoreApplication::translate("pelinor::core::SkippedLine", "・%1 の %2 行目：%3")
                        .arg(line.fileName)
                        .arg(line.lineNumber)
                        .arg(line.reason);
        } else {
            text += QCoreApplication::translate("pelinor::core::SkippedLine", "・%1：%2")
                        .arg(line.fileName, line.reason);
        }
    }
    if (shown < lines.size()) {
        text += u'\n';
        text += QCoreApplication::translate("pelinor::core::SkippedLine", "ほかに %1 行あります。")
                    .arg(lines.size() - shown);
    }
    return text;
}

} // namespace pelinor::core
