#include "core/common/codevaluetext.h"

#include "core/common/hexcode.h"

namespace pelinor::core {

namespace {

bool isTrimmed(QChar c)
{
    return c.unicode() <= 0x20;
}

} // namespace

QString codeValueText(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmed(text[begin]))
        ++begin;
    while (end > begin && isTrimmed(text[end - 1]))
        --end;
    QString result;
    result.reserve((end - begin) * 7);
    for (qsizetype i = begin; i < end; ++i) {
        result += u"/#$";
        result += hexCodeOf(text[i]);
    }
    return result;
}

} // namespace pelinor::core
