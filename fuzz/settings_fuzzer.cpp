// The settings reader on any file: loading must never fail on a readable file, and what was loaded must
// survive a save and a new load unchanged (every valid text; a lone surrogate, which no encoding of the
// file holds, may change once but then stays as it is).

#include "core/app/settings.h"
#include "core/common/textfile.h"
#include "fuzzsupport.h"

using namespace pelinor;

namespace {

QStringList savedAndLoaded(const core::Settings& settings, const QString& path)
{
    QString error;
    if (!settings.save(path, &error))
        fuzz::fail("the settings could not be saved", error);
    core::Settings loaded;
    if (!loaded.load(path, &error))
        fuzz::fail("saved settings could not be loaded", error);
    return loaded.fileLines();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::writeScratch(QStringLiteral("Pelinor.ini"), fuzz::bytesOf(data, size));
    core::Settings settings;
    QString error;
    if (!settings.load(path, &error))
        fuzz::fail("a readable settings file was refused", error);

    const QStringList first = settings.fileLines();
    const QString saved = fuzz::scratchPath(QStringLiteral("saved.ini"));
    const QStringList second = savedAndLoaded(settings, saved);
    if (fuzz::isValidUtf16(core::joinLines(first)) && second != first)
        fuzz::fail(
            "settings changed on saving", fuzz::describe(first) + QStringLiteral("became\n") + fuzz::describe(second));

    core::Settings again;
    again.load(saved);
    const QStringList third = savedAndLoaded(again, saved);
    if (third != second)
        fuzz::fail("settings keep changing on saving",
            fuzz::describe(second) + QStringLiteral("became\n") + fuzz::describe(third));
    return 0;
}
