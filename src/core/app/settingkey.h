#pragma once

#include "core/common/colourcode.h"

#include <array>
#include <cstddef>
#include <limits>
#include <string_view>

namespace pelinor::core {

/// The keys of the settings file, in the order the file holds them. The names are the keys as written.
enum class SettingKey {
    MainLeft,
    MainTop,
    MainWidth,
    MainHeight,
    UnderHeight,
    FontPanelWidth,
    LVLineHeight,
    LVCol1Width,
    LVCol2Width,
    LVCol3Width,
    LVCol4Width,
    LVCol5Width,
    LVCol6Width,
    LVCol7Width,
    TrTimer,
    PaTimer,
    TransMode,
    InputMode,
    FontMode,
    SearchIndex,
    UsrMainFontSize,
    UsrSubFontSize,
    TnMainFontSize,
    TnSubFontSize,
    TnJpFontSize,
    DispMainFSize,
    DispSubFSize,
    BandDev,
    UsrMainFont,
    UsrSubFont,
    RussianFont,
    GreekFont,
    UkrainianFont,
    LastGroup,
    LastWB,
    PhUDBFile,
    PhCandFile,
    GaUDBFile,
    GaCandFile,
    RussianUDBFile,
    RussianCandFile,
    GreekUDBFile,
    GreekCandFile,
    UkrainianUDBFile,
    UkrainianCandFile,
    RomanBg,
    RomanBg2,
    RomanBg3,
    MsImeBg,
    MsImeBg2,
    MsImeBg3,
    IpaBg,
    CandBg,
    BandBg,
    EiwaFlg,
    AutoPasteFlg,
    TransClearFlg,
    ResetInputFlg,
    UnderStretchFlg,
    ScroBarsFlg,
    WordWrapFlg,
    LastVisibleFlg,
    RegCopyFlg,
    RegClearFlg,
    MediaPlayerFlg,
    PhTriRevFlg,
    GaTriRevFlg,
    PhOneInpFlg,
    GaOneInpFlg,
    SysTblFlg,
    TblOWFlg,
    DicFlg,
    DicSearchFlg,
    RusTWFlg,
    NoSampleFlg,
    AutoDoorFlg,
    DispFSizeLockFlg,
    AutoTransFlg,
};

/// Number of keys, and of lines in a settings file.
inline constexpr std::size_t kSettingCount = 78;

/// What kind of value a key holds and how it is written.
enum class SettingType {
    Integer, ///< decimal, possibly negative
    Text, ///< written between double quotes
    Colour, ///< "#RRGGBB", upper-case hexadecimal
    Flag, ///< 1 or 0
};

/// How an integer value that is present in the file is taken.
enum class IntegerRule {
    Plain, ///< a value that does not parse gives the key's invalid value
    KeepCurrent, ///< a value that does not parse leaves the value the record holds
    Extent, ///< a size added to the origin key's value; the record holds the far edge
};

/// Everything the settings record needs to know about one key: loading, saving and defaults are all
/// driven by this description.
struct SettingInfo {
    SettingKey key;
    std::u16string_view name;
    SettingType type;
    /// Default of an integer (for an extent: of the far edge), a flag (0 or 1) or a colour (0xRRGGBB).
    int defaultNumber = 0;
    std::u16string_view defaultText = {};
    /// Integer taken when the value is present but does not parse (for an extent: the size added).
    int invalidNumber = 0;
    IntegerRule rule = IntegerRule::Plain;
    /// Loaded integers below this are raised to it.
    int minimum = std::numeric_limits<int>::min();
    /// For an extent: the key of the near edge.
    SettingKey origin = SettingKey::MainLeft;

    ColourRgb defaultColour() const
    {
        return ColourRgb{static_cast<quint8>((defaultNumber >> 16) & 0xFF),
            static_cast<quint8>((defaultNumber >> 8) & 0xFF), static_cast<quint8>(defaultNumber & 0xFF)};
    }
};

namespace settingtable {

constexpr SettingInfo integerEntry(SettingKey key, std::u16string_view name, int defaultValue, int invalidValue,
    int minimum = std::numeric_limits<int>::min())
{
    return {.key = key,
        .name = name,
        .type = SettingType::Integer,
        .defaultNumber = defaultValue,
        .invalidNumber = invalidValue,
        .minimum = minimum};
}

constexpr SettingInfo keepCurrentEntry(SettingKey key, std::u16string_view name, int defaultValue)
{
    return {.key = key,
        .name = name,
        .type = SettingType::Integer,
        .defaultNumber = defaultValue,
        .rule = IntegerRule::KeepCurrent};
}

// Window sizes: the far edge starts at -100 like the near one; a size that does not parse counts as -100.
constexpr SettingInfo extentEntry(SettingKey key, std::u16string_view name, SettingKey origin)
{
    return {.key = key,
        .name = name,
        .type = SettingType::Integer,
        .defaultNumber = -100,
        .invalidNumber = -100,
        .rule = IntegerRule::Extent,
        .origin = origin};
}

constexpr SettingInfo textEntry(SettingKey key, std::u16string_view name, std::u16string_view defaultValue)
{
    return {.key = key, .name = name, .type = SettingType::Text, .defaultText = defaultValue};
}

constexpr SettingInfo colourEntry(SettingKey key, std::u16string_view name, int defaultRgb)
{
    return {.key = key, .name = name, .type = SettingType::Colour, .defaultNumber = defaultRgb};
}

constexpr SettingInfo flagEntry(SettingKey key, std::u16string_view name, bool defaultValue)
{
    return {.key = key, .name = name, .type = SettingType::Flag, .defaultNumber = defaultValue ? 1 : 0};
}

} // namespace settingtable

/// The keys in file order with their types, defaults and reading rules.
inline constexpr std::array<SettingInfo, kSettingCount> kSettingTable = [] {
    using namespace settingtable;
    return std::array<SettingInfo, kSettingCount>{{
        integerEntry(SettingKey::MainLeft, u"MainLeft", -100, -100),
        integerEntry(SettingKey::MainTop, u"MainTop", -100, -100),
        extentEntry(SettingKey::MainWidth, u"MainWidth", SettingKey::MainLeft),
        extentEntry(SettingKey::MainHeight, u"MainHeight", SettingKey::MainTop),
        integerEntry(SettingKey::UnderHeight, u"UnderHeight", 296, 306),
        integerEntry(SettingKey::FontPanelWidth, u"FontPanelWidth", 193, 193, 193),
        integerEntry(SettingKey::LVLineHeight, u"LVLineHeight", 28, 28),
        keepCurrentEntry(SettingKey::LVCol1Width, u"LVCol1Width", 150),
        keepCurrentEntry(SettingKey::LVCol2Width, u"LVCol2Width", 50),
        keepCurrentEntry(SettingKey::LVCol3Width, u"LVCol3Width", 150),
        keepCurrentEntry(SettingKey::LVCol4Width, u"LVCol4Width", 150),
        keepCurrentEntry(SettingKey::LVCol5Width, u"LVCol5Width", 150),
        keepCurrentEntry(SettingKey::LVCol6Width, u"LVCol6Width", 150),
        keepCurrentEntry(SettingKey::LVCol7Width, u"LVCol7Width", 100),
        integerEntry(SettingKey::TrTimer, u"TrTimer", 250, 250),
        integerEntry(SettingKey::PaTimer, u"PaTimer", 250, 250),
        integerEntry(SettingKey::TransMode, u"TransMode", 1, 1),
        integerEntry(SettingKey::InputMode, u"InputMode", 1, 1),
        integerEntry(SettingKey::FontMode, u"FontMode", 0, 0),
        integerEntry(SettingKey::SearchIndex, u"SearchIndex", 3, 3),
        integerEntry(SettingKey::UsrMainFontSize, u"UsrMainFontSize", 18, 18),
        integerEntry(SettingKey::UsrSubFontSize, u"UsrSubFontSize", 16, 16),
        integerEntry(SettingKey::TnMainFontSize, u"TnMainFontSize", 15, 15),
        integerEntry(SettingKey::TnSubFontSize, u"TnSubFontSize", 14, 14),
        integerEntry(SettingKey::TnJpFontSize, u"TnJpFontSize", 12, 12),
        integerEntry(SettingKey::DispMainFSize, u"DispMainFSize", 18, 18),
        integerEntry(SettingKey::DispSubFSize, u"DispSubFSize", 16, 16),
        integerEntry(SettingKey::BandDev, u"BandDev", 0, 0),
        textEntry(SettingKey::UsrMainFont, u"UsrMainFont", u"Times New Roman"),
        textEntry(SettingKey::UsrSubFont, u"UsrSubFont", u"Segoe UI"),
        textEntry(SettingKey::RussianFont, u"RussianFont", u"Times New Roman"),
        textEntry(SettingKey::GreekFont, u"GreekFont", u"Times New Roman"),
        textEntry(SettingKey::UkrainianFont, u"UkrainianFont", u"Times New Roman"),
        textEntry(SettingKey::LastGroup, u"LastGroup", u""),
        textEntry(SettingKey::LastWB, u"LastWB", u""),
        textEntry(SettingKey::PhUDBFile, u"PhUDBFile", u"DBPhonet.csv"),
        textEntry(SettingKey::PhCandFile, u"PhCandFile", u"CandAll.csv"),
        textEntry(SettingKey::GaUDBFile, u"GaUDBFile", u"DBRuss.csv"),
        textEntry(SettingKey::GaCandFile, u"GaCandFile", u"CandRussian.csv"),
        textEntry(SettingKey::RussianUDBFile, u"RussianUDBFile", u"DBRussian.csv"),
        textEntry(SettingKey::RussianCandFile, u"RussianCandFile", u"CandRussian.csv"),
        textEntry(SettingKey::GreekUDBFile, u"GreekUDBFile", u"DBGreek.csv"),
        textEntry(SettingKey::GreekCandFile, u"GreekCandFile", u"CandGreek.csv"),
        textEntry(SettingKey::UkrainianUDBFile, u"UkrainianUDBFile", u"DBUkrainian.csv"),
        textEntry(SettingKey::UkrainianCandFile, u"UkrainianCandFile", u"CandUkrainian.csv"),
        colourEntry(SettingKey::RomanBg, u"RomanBg", 0x9EDE5C),
        colourEntry(SettingKey::RomanBg2, u"RomanBg2", 0x50B0FF),
        colourEntry(SettingKey::RomanBg3, u"RomanBg3", 0xFFFF00),
        colourEntry(SettingKey::MsImeBg, u"MsImeBg", 0xFFB0D8),
        colourEntry(SettingKey::MsImeBg2, u"MsImeBg2", 0x00E1FF),
        colourEntry(SettingKey::MsImeBg3, u"MsImeBg3", 0x63C6DE),
        colourEntry(SettingKey::IpaBg, u"IpaBg", 0x00BFFF),
        colourEntry(SettingKey::CandBg, u"CandBg", 0xF8FFC0),
        colourEntry(SettingKey::BandBg, u"BandBg", 0xC9DEF5),
        flagEntry(SettingKey::EiwaFlg, u"EiwaFlg", false),
        flagEntry(SettingKey::AutoPasteFlg, u"AutoPasteFlg", true),
        flagEntry(SettingKey::TransClearFlg, u"TransClearFlg", false),
        flagEntry(SettingKey::ResetInputFlg, u"ResetInputFlg", false),
        flagEntry(SettingKey::UnderStretchFlg, u"UnderStretchFlg", true),
        flagEntry(SettingKey::ScroBarsFlg, u"ScroBarsFlg", false),
        flagEntry(SettingKey::WordWrapFlg, u"WordWrapFlg", false),
        flagEntry(SettingKey::LastVisibleFlg, u"LastVisibleFlg", false),
        flagEntry(SettingKey::RegCopyFlg, u"RegCopyFlg", true),
        flagEntry(SettingKey::RegClearFlg, u"RegClearFlg", true),
        flagEntry(SettingKey::MediaPlayerFlg, u"MediaPlayerFlg", false),
        flagEntry(SettingKey::PhTriRevFlg, u"PhTriRevFlg", false),
        flagEntry(SettingKey::GaTriRevFlg, u"GaTriRevFlg", false),
        flagEntry(SettingKey::PhOneInpFlg, u"PhOneInpFlg", true),
        flagEntry(SettingKey::GaOneInpFlg, u"GaOneInpFlg", true),
        flagEntry(SettingKey::SysTblFlg, u"SysTblFlg", false),
        flagEntry(SettingKey::TblOWFlg, u"TblOWFlg", true),
        flagEntry(SettingKey::DicFlg, u"DicFlg", false),
        flagEntry(SettingKey::DicSearchFlg, u"DicSearchFlg", true),
        flagEntry(SettingKey::RusTWFlg, u"RusTWFlg", true),
        flagEntry(SettingKey::NoSampleFlg, u"NoSampleFlg", false),
        flagEntry(SettingKey::AutoDoorFlg, u"AutoDoorFlg", true),
        flagEntry(SettingKey::DispFSizeLockFlg, u"DispFSizeLockFlg", false),
        flagEntry(SettingKey::AutoTransFlg, u"AutoTransFlg", false),
    }};
}();

/// The description of `key`.
constexpr const SettingInfo& settingInfo(SettingKey key)
{
    return kSettingTable[static_cast<std::size_t>(key)];
}

namespace settingtable {

constexpr bool isInKeyOrder()
{
    for (std::size_t i = 0; i < kSettingTable.size(); ++i) {
        if (kSettingTable[i].key != static_cast<SettingKey>(i))
            return false;
    }
    return static_cast<std::size_t>(SettingKey::AutoTransFlg) + 1 == kSettingCount;
}

static_assert(isInKeyOrder(), "every key must sit at its own position in the table");

} // namespace settingtable

} // namespace pelinor::core
