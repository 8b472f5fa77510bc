#pragma once

#include <QString>
#include <QStringView>

namespace pelinor::core {

// The word book files of the maker's older, single-language products, which the conversion tool turns into
// word books of this program. They are only ever read.

/// The conversion tool's modes, one per old product, in the order of its mode list.
enum class ConversionMode {
    Ostrel, ///< Russian, "*.rwd"
    Delvane, ///< Greek, "*.gwd"
    Soridan, ///< Korean, "*.kwd"
    Tumeli, ///< Thai, "*.twd"
    Varonel, ///< French, "*.ewd"
    Tumelpro, ///< Thai, "*.tud", UTF-16
};

/// Number of conversion modes.
inline constexpr int kConversionModeCount = 6;

/// The mode at a position of the mode list (0 to 5).
ConversionMode conversionModeAt(int index);

/// How the records of an old file are laid out.
enum class OldRecordRule {
    /// Title, record count, then four lines per record: Japanese meaning, kana reading and note in code page
    /// 932, the foreign word in the product's own code page; no byte-order mark.
    FourLine,
    /// UTF-16 little-endian: title, record count, sound folder, then seven lines per record: Japanese
    /// meaning, foreign word, phonetic symbols, kana reading, note, sound file, text colour.
    SevenLine,
};

/// How one old file is read.
struct OldFileFormat {
    OldRecordRule rule = OldRecordRule::FourLine;
    /// Converter name of the foreign words' code page (four-line records only).
    const char* foreignCodePage = "windows-31j";
};

/// The file pattern of a mode's old files, e.g. "*.rwd".
QString oldFilePattern(ConversionMode mode);

/// The folder the old product kept its word books in, below the C: drive of the Windows programs (see
/// windowsDriveFolder()).
QString defaultSourceFolder(ConversionMode mode, const QString& driveFolder);

/// The folder that Windows programs run on this system see as their drive C:, where the old products are
/// installed: Wine's "drive_c" in `$WINEPREFIX`, or in "~/.wine" when that is not set.
QString windowsDriveFolder();

/// The format of an old file, by its extension: ".tud" is read by the seven-line rule, ".rwd", ".gwd", ".kwd",
/// ".twd" and ".ewd" by the four-line rule with the code pages 1251, 1253, 949, 874 and 1252. Extensions
/// are compared without regard to case, since the listing finds "LESSON.RWD" as well: read as code page
/// 932, its Cyrillic words would be lost. Any other extension takes code page 932 for the foreign words.
OldFileFormat oldFileFormat(QStringView fileName);

} // namespace pelinor::core
