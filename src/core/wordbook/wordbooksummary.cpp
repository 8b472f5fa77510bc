#include "core/wordbook/wordbooksummary.h"

#include "core/common/regularfilereader.h"

namespace pelinor::core {

WordBookSummary readWordBookSummary(const QString& path)
{
    RegularFileReader file(path);
    return readWordBookSummary(file, path);
}

WordBookSummary readWordBookSummary(RegularFileReader& file, const QString& path)
{
    WordBookSummary summary;
    QString text;
    summary.status = readWordBookText(file, path, &text, &summary.error);
    if (summary.status != WordBookReadStatus::Read)
        return summary;

    qsizetype lineCount = 0;
    forEachWordBookLine(text, [&](QStringView line) {
        ++lineCount;
        if (lineCount == 1)
            summary.title = line.toString();
        else if (lineCount == 2)
            summary.group = line.toString();
        return true;
    });
    if (lineCount < 3) {
        summary.status = WordBookReadStatus::NotAWordBook;
        summary.title.clear();
        summary.group.clear();
        return summary;
    }
    summary.status = WordBookReadStatus::Read;
    summary.entryLineCount = lineCount - 3;
    return summary;
}

} // namespace pelinor::core
