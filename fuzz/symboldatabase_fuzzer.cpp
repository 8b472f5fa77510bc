// The symbol database reader on any file: skipped lines must name lines of the file, and a database that
// can be written must read back as the lines that were written.

#include "core/common/textfile.h"
#include "core/tables/symboldatabase.h"
#include "fuzzsupport.h"

using namespace pelinor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString path = fuzz::writeScratch(QStringLiteral("DBFuzz.csv"), bytes);
    core::SymbolDatabase database = core::SymbolDatabase::read(path);
    fuzz::check(database.fileExists() && database.readError().isEmpty(), "a readable database was refused");

    const qsizetype lineCount = core::splitLines(core::decodeText(bytes)).size();
    for (const core::SkippedLine& skipped : database.skippedLines()) {
        fuzz::check(skipped.lineNumber >= 1 && skipped.lineNumber <= lineCount, "a skipped line outside the file");
        fuzz::check(skipped.fileName == u"DBFuzz.csv", "a skipped line names another file");
    }
    for (const core::SymbolEntry& entry : database.entries())
        database.indexOfCode(entry.code);

    database.applyFileNameDefaults(u"DBFuzz.csv");
    QString error;
    const std::optional<QStringList> lines = database.toLines(&error);
    if (!lines) {
        fuzz::check(!error.isEmpty(), "a refused write without a message");
        return 0;
    }
    const QString saved = fuzz::scratchPath(QStringLiteral("DBSaved.csv"));
    if (!database.write(saved, &error))
        fuzz::fail("a writable database was not written", error);
    const core::SymbolDatabase again = core::SymbolDatabase::read(saved);
    fuzz::check(again.skippedLines().isEmpty(), "a written database has lines that cannot be read");
    const std::optional<QStringList> linesAgain = again.toLines();
    fuzz::check(linesAgain.has_value(), "a written database cannot be written again");
    const QStringList expected = fuzz::asKeptInFile(*lines);
    if (*linesAgain != expected)
        fuzz::fail("the database read back differs",
            fuzz::describe(expected) + QStringLiteral("became\n") + fuzz::describe(*linesAgain));
    return 0;
}
