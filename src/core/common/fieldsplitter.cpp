#include "core/common/fieldsplitter.h"

namespace pelinor::core {

namespace {

bool isBlank(QChar c)
{
    return c.unicode() >= 0x0001 && c.unicode() <= 0x0020;
}

} // namespace

QStringList splitFields(QStringView line)
{
    const qsizetype nul = line.indexOf(QChar(u'\0'));
    if (nul >= 0)
        line = line.first(nul);

    QStringList fields;
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n && isBlank(line[i]))
        ++i;
    while (i < n) {
        QString field;
        if (line[i] == u'"') {
            ++i;
            while (i < n) {
                if (line[i] == u'"') {
                    if (i + 1 < n && line[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < n && line[i] != u',' && !isBlank(line[i]))
                ++i;
            field = line.mid(start, i - start).toString();
        }
        fields.append(field);

        while (i < n && isBlank(line[i]))
            ++i;
        if (i < n && line[i] == u',') {
            if (i + 1 == n)
                fields.append(QString());
            ++i;
            while (i < n && isBlank(line[i]))
                ++i;
        }
    }
    return fields;
}

} // namespace pelinor::core
