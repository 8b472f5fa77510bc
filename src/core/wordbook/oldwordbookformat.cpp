#include "core/wordbook/oldwordbookformat.h"

#include <QDir>
#include <QtGlobal>

#include <array>

namespace pelinor::core {

namespace {

struct ModeData {
    const char* extension;
    const char* productFolder;
    OldFileFormat format;
};

constexpr std::array<ModeData, kConversionModeCount> kModes{{
    {"rwd", "Norvanta/Ostrel/bookA", {OldRecordRule::FourLine, "windows-1251"}},
    {"gwd", "Norvanta/Delvane/bookA", {OldRecordRule::FourLine, "windows-1253"}},
    {"kwd", "Norvanta/Soridan/bookA", {OldRecordRule::FourLine, "windows-949"}},
    {"twd", "Norvanta/Tumeli/bookA", {OldRecordRule::FourLine, "windows-874"}},
    {"ewd", "Norvanta/Varona/FrenchA", {OldRecordRule::FourLine, "windows-1252"}},
    {"tud", "Norvanta/Tumelpro/bookA", {OldRecordRule::SevenLine, nullptr}},
}};

const ModeData& data(ConversionMode mode)
{
    return kModes[static_cast<size_t>(mode)];
}

} // namespace

ConversionMode conversionModeAt(int index)
{
    return static_cast<ConversionMode>(qBound(0, index, kConversionModeCount - 1));
}

QString oldFilePattern(ConversionMode mode)
{
    return QStringLiteral("*.") + QLatin1StringView(data(mode).extension);
}

QString defaultSourceFolder(ConversionMode mode, const QString& driveFolder)
{
    return QDir::cleanPath(driveFolder + u'/' + QLatin1StringView(data(mode).productFolder));
}

QString windowsDriveFolder()
{
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    const QString wine = prefix.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : prefix;
    return QDir::cleanPath(wine + QStringLiteral("/drive_c"));
}

OldFileFormat oldFileFormat(QStringView fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QStringView extension = dot < 0 ? QStringView() : fileName.sliced(dot + 1);
    for (const ModeData& mode : kModes) {
        if (extension.compare(QLatin1StringView(mode.extension), Qt::CaseInsensitive) == 0)
            return mode.format;
    }
    return OldFileFormat{};
}

} // namespace pelinor::core
