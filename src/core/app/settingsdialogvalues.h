#pragma once

#include "core/app/settingkey.h"
#include "core/common/colourcode.h"

#include <QList>
#include <QString>

#include <array>

namespace pelinor::core {

class Settings;

/// A table file field of the settings dialog's page "ファイル": its setting and the value "戻" puts back.
struct TableFileField {
    SettingKey key;
    const char* resetValue;
};

/// The eight table file fields in dialog order: phonetic, Russian, Greek, Ukrainian, each "記号DB" before
/// "候補ファイル". The Russian symbol database goes back to "DBRuss.csv", not to its start default.
const std::array<TableFileField, 8>& tableFileFields();

/// A colour row of the page "色": its setting and the colour "初期値" puts back.
struct ColourRow {
    SettingKey key;
    ColourRgb resetColour;
};

/// The nine colour rows in dialog order: RomanBg, RomanBg2, RomanBg3, MsImeBg, MsImeBg2, MsImeBg3, IpaBg,
/// CandBg, BandBg.
const std::array<ColourRow, 9>& colourRows();

/// The ranges the dialog's controls keep to.
inline constexpr int kTimerMinimum = 10;
inline constexpr int kTimerMaximum = 500;
inline constexpr int kTimerReset = 250;
inline constexpr int kLineHeightMinimum = 20;
inline constexpr int kLineHeightMaximum = 99;
inline constexpr int kListFontMinimum = 8;
inline constexpr int kListFontMaximum = 50;
inline constexpr int kPhoneticSizeFloor = 8;

/// Whether the timer value is one the dialog's track bars can hold.
constexpr bool isTimerInRange(int ms)
{
    return ms >= kTimerMinimum && ms <= kTimerMaximum;
}

/// What the settings dialog shows in the controls that OK applies (the word list appearance bars act at
/// once and are not part of it).
struct SettingsDialogValues {
    // "単語帳"
    bool resetInput = false;
    bool lastVisible = false;
    bool regCopy = false;
    bool regClear = false;
    bool noSample = false;
    // "全般"
    bool transClear = false;
    bool autoTrans = false;
    bool systemTables = false;
    bool mediaPlayer = false;
    bool replaceTables = false;
    // "フォント": font and size boxes hold what the user typed.
    bool scriptFontsOnly = false;
    QString phoneticFont;
    QString phoneticSize;
    bool fixedSizes = false;
    QString fixedMainSize;
    QString fixedSubSize;
    std::array<QString, 3> scriptFonts; ///< Russian, Greek, Ukrainian
    // "ファイル", in tableFileFields() order
    std::array<QString, 8> tableFiles;
    // "色": the samples' colours, in colourRows() order
    std::array<ColourRgb, 9> colours{};
    // "タイマー設定"
    int searchTimer = kTimerReset;
    int pasteTimer = kTimerReset;

    /// The values of the controls as the dialog opens. A stored timer outside 10 to 500 is shown at the
    /// nearest end, as the track bar would.
    static SettingsDialogValues fromSettings(const Settings& settings);
};

/// What OK changed beyond the settings record: the main window applies each of these, in this order.
struct SettingsChanges {
    bool fontModeChanged = false; ///< refill the main font box
    bool phoneticFontChanged = false;
    bool phoneticSizeChanged = false;
    bool fixedSizesApplied = false; ///< the areas take DispMainFSize and DispSubFSize
    bool fixedSizesReleased = false; ///< the areas return to UsrMainFontSize and UsrSubFontSize
    std::array<bool, 3> scriptFontChanged{}; ///< Russian, Greek, Ukrainian
    QList<SettingKey> changedColours; ///< in row order
    bool searchTimerChanged = false;
    bool pasteTimerChanged = false;
    bool restartNeeded = false; ///< a table file or the table folder changed

    bool anyChange() const;
};

/// A size box's number: its text as a whole number, `current` when it is not one.
int sizeFromText(const QString& text, int current);

/// OK of the settings dialog: copies the values into the settings in the dialog's order (flags, the table
/// folder, the font list option, the phonetic font and size, the fixed sizes, the script fonts, the table
/// files, the colours, the timers) and says what changed. A timer outside 10 to 500 is never stored.
SettingsChanges applySettingsDialog(Settings& settings, const SettingsDialogValues& values);

} // namespace pelinor::core
