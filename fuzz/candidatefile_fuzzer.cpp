// The candidate file reader on any file: a file that can be written must read back as the lines that were
// written, and every trigger it holds must be found again.

#include "core/tables/candidatefile.h"
#include "fuzzsupport.h"

using namespace pelinor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::writeScratch(QStringLiteral("CandFuzz.csv"), fuzz::bytesOf(data, size));
    core::CandidateFile file = core::CandidateFile::read(path);
    fuzz::check(file.fileExists() && file.readError().isEmpty(), "a readable candidate file was refused");
    for (const core::CandidateLine& line : file.lines()) {
        fuzz::check(!line.trigger.isEmpty() && line.hasCandidates(), "an empty candidate line was kept");
        const qsizetype index = file.indexOfTrigger(line.trigger);
        fuzz::check(index >= 0 && file.lines()[index].trigger == line.trigger, "a trigger was not found");
    }

    file.applyFileNameDefaults(u"CandFuzz.csv");
    QString error;
    const std::optional<QStringList> lines = file.toLines(&error);
    if (!lines) {
        fuzz::check(!error.isEmpty(), "a refused write without a message");
        return 0;
    }
    const QString saved = fuzz::scratchPath(QStringLiteral("CandSaved.csv"));
    if (!file.write(saved, &error))
        fuzz::fail("a writable candidate file was not written", error);
    const core::CandidateFile again = core::CandidateFile::read(saved);
    const std::optional<QStringList> linesAgain = again.toLines();
    fuzz::check(linesAgain.has_value(), "a written candidate file cannot be written again");
    const QStringList expected = fuzz::asKeptInFile(*lines);
    if (*linesAgain != expected)
        fuzz::fail("the candidate file read back differs",
            fuzz::describe(expected) + QStringLiteral("became\n") + fuzz::describe(*linesAgain));
    return 0;
}
