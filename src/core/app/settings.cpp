#include "core/app/settings.h"

#include "core/app/versionmarker.h"
#include "core/common/fieldsplitter.h"
#include "core/common/textfile.h"

#include <QHash>

#include <algorithm>
#include <limits>
#include <optional>

namespace pelinor::core {

namespace {

std::size_t indexOf(SettingKey key)
{
    return static_cast<std::size_t>(key);
}

int saturated(qint64 value)
{
    return static_cast<int>(
        std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

/// Parses a settings integer: an optional sign followed by ASCII decimal digits only, within the range of
/// a 32-bit integer. Spaces, fractions, hexadecimal forms and other digit scripts do not parse.
std::optional<int> parseInteger(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    const qint64 limit = negative ? -qint64(std::numeric_limits<int>::min()) : std::numeric_limits<int>::max();
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

/// Puts a text between double quotes. A double quote inside is doubled, as the field syntax reads it
/// back, and line breaks and NUL, which would cut the line, become spaces.
QString quoted(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (const QChar c : text) {
        if (c == u'"')
            out += u"\"\"";
        else if (c == u'\r' || c == u'\n' || c == u'\0')
            out += u' ';
        else
            out += c;
    }
    out += u'"';
    return out;
}

const QHash<QString, SettingKey>& keysByName()
{
    static const QHash<QString, SettingKey> keys = [] {
        QHash<QString, SettingKey> map;
        for (const SettingInfo& info : kSettingTable)
            map.insert(QString::fromUtf16(info.name.data(), static_cast<qsizetype>(info.name.size())), info.key);
        return map;
    }();
    return keys;
}

QString keyName(const SettingInfo& info)
{
    return QString::fromUtf16(info.name.data(), static_cast<qsizetype>(info.name.size()));
}

} // namespace

int MainRect::width() const
{
    return saturated(qint64(right) - left);
}

int MainRect::height() const
{
    return saturated(qint64(bottom) - top);
}

Settings::Settings()
{
    setDefaults();
}

void Settings::setDefaults()
{
    for (const SettingInfo& info : kSettingTable) {
        Value& value = m_values[indexOf(info.key)];
        switch (info.type) {
        case SettingType::Integer:
            value = info.defaultNumber;
            break;
        case SettingType::Text:
            value = QString::fromUtf16(info.defaultText.data(), static_cast<qsizetype>(info.defaultText.size()));
            break;
        case SettingType::Colour:
            value = info.defaultColour();
            break;
        case SettingType::Flag:
            value = info.defaultNumber != 0;
            break;
        }
    }
    m_scriptName = QStringLiteral("ロシア語");
    m_foreignFirstLabel = QStringLiteral("露日");
    m_japaneseFirstLabel = QStringLiteral("日露");
    m_scriptCharset = 204;
    m_libraryDatabases = {QStringLiteral("DBBela.csv"), QStringLiteral("DBBul.csv"), QStringLiteral("DBMakedo.csv"),
        QStringLiteral("DBSerbia.csv")};
    m_phoneticAreaColour = settingInfo(SettingKey::CandBg).defaultColour();
    m_versionMarkerName = pelinor::core::versionMarkerName(programVersion());
    m_discardSettings = false;
}

bool Settings::load(const QString& path, QString* error)
{
    const TextFileContent content = readTextFile(path, kMaxFileBytes);
    if (!content.exists)
        return true;
    if (!content.readable) {
        if (error)
            *error = content.error;
        return false;
    }

    // Each key takes the second field of the first line that splits into exactly two fields, the first of
    // them the key itself (case-sensitive). A key without such a line has the empty value.
    std::array<std::optional<QString>, kSettingCount> found;
    const QHash<QString, SettingKey>& keys = keysByName();
    for (const QString& line : content.lines) {
        const QStringList fields = splitFields(line);
        if (fields.size() != 2)
            continue;
        const auto it = keys.constFind(fields[0]);
        if (it == keys.constEnd())
            continue;
        std::optional<QString>& slot = found[indexOf(*it)];
        if (!slot)
            slot = fields[1];
    }
    // Table order matters: an extent is added to its origin, which comes earlier and is loaded first.
    for (const SettingInfo& info : kSettingTable)
        applyLoadedValue(info, found[indexOf(info.key)].value_or(QString()));
    return true;
}

void Settings::applyLoadedValue(const SettingInfo& info, const QString& value)
{
    switch (info.type) {
    case SettingType::Integer: {
        const std::optional<int> number = parseInteger(value);
        if (info.rule == IntegerRule::KeepCurrent) {
            if (number)
                setInteger(info.key, std::max(*number, info.minimum));
        } else if (!value.isEmpty()) {
            setInteger(info.key, std::max(number.value_or(info.invalidNumber), info.minimum));
        }
        break;
    }
    case SettingType::Text:
        if (!value.isEmpty())
            setText(info.key, value);
        break;
    case SettingType::Colour:
        if (const std::optional<ColourRgb> colour = parseColourCode(value)) {
            setColour(info.key, *colour);
            if (info.key == SettingKey::CandBg)
                m_phoneticAreaColour = *colour;
        }
        break;
    case SettingType::Flag:
        if (!value.isEmpty())
            setFlag(info.key, value == u"1");
        break;
    }
}

QStringList Settings::fileLines() const
{
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(kSettingCount));
    for (const SettingInfo& info : kSettingTable) {
        QString line = keyName(info) + u',';
        switch (info.type) {
        case SettingType::Integer:
            line += QString::number(integer(info.key));
            break;
        case SettingType::Text:
            line += quoted(text(info.key));
            break;
        case SettingType::Colour:
            line += colourCode(colour(info.key));
            break;
        case SettingType::Flag:
            line += flag(info.key) ? u'1' : u'0';
            break;
        }
        lines.append(line);
    }
    return lines;
}

bool Settings::save(const QString& path, QString* error) const
{
    // Code page 932 as always, unless a text (a word book name, say) has characters it lacks or would change.
    return writeTextFileKeepingText(path, fileLines(), error);
}

int Settings::integer(SettingKey key) const
{
    const int* value = std::get_if<int>(&m_values[indexOf(key)]);
    Q_ASSERT_X(value, "Settings::integer", "not an integer setting");
    if (!value)
        return 0;
    const SettingInfo& info = settingInfo(key);
    if (info.rule == IntegerRule::Extent)
        return saturated(qint64(*value) - integer(info.origin));
    return *value;
}

void Settings::setInteger(SettingKey key, int value)
{
    int* slot = std::get_if<int>(&m_values[indexOf(key)]);
    Q_ASSERT_X(slot, "Settings::setInteger", "not an integer setting");
    if (!slot)
        return;
    const SettingInfo& info = settingInfo(key);
    *slot = info.rule == IntegerRule::Extent ? saturated(qint64(integer(info.origin)) + value) : value;
}

QString Settings::text(SettingKey key) const
{
    const QString* value = std::get_if<QString>(&m_values[indexOf(key)]);
    Q_ASSERT_X(value, "Settings::text", "not a text setting");
    return value ? *value : QString();
}

void Settings::setText(SettingKey key, const QString& value)
{
    QString* slot = std::get_if<QString>(&m_values[indexOf(key)]);
    Q_ASSERT_X(slot, "Settings::setText", "not a text setting");
    if (slot)
        *slot = value;
}

ColourRgb Settings::colour(SettingKey key) const
{
    const ColourRgb* value = std::get_if<ColourRgb>(&m_values[indexOf(key)]);
    Q_ASSERT_X(value, "Settings::colour", "not a colour setting");
    return value ? *value : ColourRgb{};
}

void Settings::setColour(SettingKey key, ColourRgb colour)
{
    ColourRgb* slot = std::get_if<ColourRgb>(&m_values[indexOf(key)]);
    Q_ASSERT_X(slot, "Settings::setColour", "not a colour setting");
    if (slot)
        *slot = colour;
}

bool Settings::flag(SettingKey key) const
{
    const bool* value = std::get_if<bool>(&m_values[indexOf(key)]);
    Q_ASSERT_X(value, "Settings::flag", "not a flag setting");
    return value && *value;
}

void Settings::setFlag(SettingKey key, bool on)
{
    bool* slot = std::get_if<bool>(&m_values[indexOf(key)]);
    Q_ASSERT_X(slot, "Settings::setFlag", "not a flag setting");
    if (slot)
        *slot = on;
}

MainRect Settings::mainRect() const
{
    return MainRect{std::get<int>(m_values[indexOf(SettingKey::MainLeft)]),
        std::get<int>(m_values[indexOf(SettingKey::MainTop)]), std::get<int>(m_values[indexOf(SettingKey::MainWidth)]),
        std::get<int>(m_values[indexOf(SettingKey::MainHeight)])};
}

void Settings::setMainRect(const MainRect& rect)
{
    m_values[indexOf(SettingKey::MainLeft)] = rect.left;
    m_values[indexOf(SettingKey::MainTop)] = rect.top;
    m_values[indexOf(SettingKey::MainWidth)] = rect.right;
    m_values[indexOf(SettingKey::MainHeight)] = rect.bottom;
}

void Settings::setMainGeometry(int left, int top, int width, int height)
{
    setMainRect(MainRect{left, top, saturated(qint64(left) + width), saturated(qint64(top) + height)});
}

bool Settings::hasStoredGeometry() const
{
    return mainRect().left >= 0;
}

void Settings::setDirectionLabels(const QString& foreignFirst, const QString& japaneseFirst)
{
    m_foreignFirstLabel = foreignFirst;
    m_japaneseFirstLabel = japaneseFirst;
}

QString Settings::libraryDatabaseName(LibraryScript script) const
{
    return m_libraryDatabases[static_cast<std::size_t>(script)];
}

void Settings::setLibraryDatabaseName(LibraryScript script, const QString& fileName)
{
    m_libraryDatabases[static_cast<std::size_t>(script)] = fileName;
}

} // namespace pelinor::core
