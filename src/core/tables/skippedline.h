#pragma once

#include <QList>
#include <QString>

namespace pelinor::core {

/// A line of a table file that a reader left out because a field could not be converted, or a whole
/// file that could not be read (line number 0). The reader goes on with the rest of the file.
struct SkippedLine {
    QString fileName; ///< bare file name as the caller named the file
    int lineNumber = 0; ///< 1-based; 0 when the whole file could not be read
    QString reason; ///< short explanation for the user

    friend bool operator==(const SkippedLine&, const SkippedLine&) = default;
};

/// One message for the user listing the skipped lines, at most `maxLines` of them followed by the number
/// of the others. Empty when the list is empty.
QString skippedLinesMessage(const QList<SkippedLine>& lines, int maxLines = 20);

} // namespace pelinor::core
