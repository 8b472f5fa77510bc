// The comma-field splitter on any line: it must stay inside the line, and fields written back in the
// quoted form that the writers use must split into the same fields again.

#include "core/common/fieldsplitter.h"
#include "fuzzsupport.h"

using namespace pelinor;

namespace {

QString quotedLine(const QStringList& fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += u',';
        line += u'"';
        for (QChar c : fields[i]) {
            if (c == u'"')
                line += u'"';
            line += c;
        }
        line += u'"';
    }
    return line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString line = fuzz::unitsOf(data, size);
    const QStringList fields = core::splitFields(line);

    qsizetype total = 0;
    for (const QString& field : fields) {
        if (field.contains(QChar(u'\0')))
            fuzz::fail("a field holds U+0000", fuzz::describe(fields));
        total += field.size();
    }
    if (total > line.size() || fields.size() > line.size() + 1)
        fuzz::fail("the fields hold more than the line", fuzz::describe(fields));

    // Only what comes before U+0000 counts.
    const qsizetype nul = line.indexOf(QChar(u'\0'));
    if (nul >= 0)
        fuzz::check(core::splitFields(line.first(nul)) == fields, "text after U+0000 was read");

    const QStringList again = core::splitFields(quotedLine(fields));
    if (again != fields)
        fuzz::fail("quoted fields split differently",
            fuzz::describe(fields) + QStringLiteral("became\n") + fuzz::describe(again));
    return 0;
}
