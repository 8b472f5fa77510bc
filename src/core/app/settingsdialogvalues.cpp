#include "core/app/settingsdialogvalues.h"

#include "core/app/settings.h"

#include <algorithm>

namespace pelinor::core {

namespace {

constexpr std::array<SettingKey, 3> kScriptFontKeys{
    SettingKey::RussianFont, SettingKey::GreekFont, SettingKey::UkrainianFont};

bool takeFlag(Settings& settings, SettingKey key, bool on)
{
    const bool changed = settings.flag(key) != on;
    settings.setFlag(key, on);
    return changed;
}

bool takeText(Settings& settings, SettingKey key, const QString& text)
{
    if (settings.text(key) == text)
        return false;
    settings.setText(key, text);
    return true;
}

bool takeTimer(Settings& settings, SettingKey key, int ms)
{
    if (!isTimerInRange(ms) || settings.integer(key) == ms)
        return false;
    settings.setInteger(key, ms);
    return true;
}

} // namespace

const std::array<TableFileField, 8>& tableFileFields()
{
    static const std::array<TableFileField, 8> fields{{
        {SettingKey::PhUDBFile, "DBPhonet.csv"},
        {SettingKey::PhCandFile, "CandAll.csv"},
        {SettingKey::RussianUDBFile, "DBRuss.csv"},
        {SettingKey::RussianCandFile, "CandRussian.csv"},
        {SettingKey::GreekUDBFile, "DBGreek.csv"},
        {SettingKey::GreekCandFile, "CandGreek.csv"},
        {SettingKey::UkrainianUDBFile, "DBUkrainian.csv"},
        {SettingKey::UkrainianCandFile, "CandUkrainian.csv"},
    }};
    return fields;
}

const std::array<ColourRow, 9>& colourRows()
{
    static const std::array<ColourRow, 9> rows{{
        {SettingKey::RomanBg, {0x9E, 0xDE, 0x5C}},
        {SettingKey::RomanBg2, {0x50, 0xB0, 0xFF}},
        {SettingKey::RomanBg3, {0xFF, 0xFF, 0x00}},
        {SettingKey::MsImeBg, {0xFF, 0xB0, 0xD8}},
        {SettingKey::MsImeBg2, {0x00, 0xE1, 0xFF}},
        {SettingKey::MsImeBg3, {0x63, 0xC6, 0xDE}},
        {SettingKey::IpaBg, {0x00, 0xBF, 0xFF}},
        {SettingKey::CandBg, {0xF8, 0xFF, 0xC0}},
        {SettingKey::BandBg, {0xC9, 0xDE, 0xF5}},
    }};
    return rows;
}

SettingsDialogValues SettingsDialogValues::fromSettings(const Settings& settings)
{
    SettingsDialogValues v;
    v.resetInput = settings.flag(SettingKey::ResetInputFlg);
    v.lastVisible = settings.flag(SettingKey::LastVisibleFlg);
    v.regCopy = settings.flag(SettingKey::RegCopyFlg);
    v.regClear = settings.flag(SettingKey::RegClearFlg);
    v.noSample = settings.flag(SettingKey::NoSampleFlg);
    v.transClear = settings.flag(SettingKey::TransClearFlg);
    v.autoTrans = settings.flag(SettingKey::AutoTransFlg);
    v.systemTables = settings.flag(SettingKey::SysTblFlg);
    v.mediaPlayer = settings.flag(SettingKey::MediaPlayerFlg);
    v.replaceTables = settings.flag(SettingKey::TblOWFlg);
    v.scriptFontsOnly = settings.integer(SettingKey::FontMode) == 1;
    v.phoneticFont = settings.text(SettingKey::UsrSubFont);
    v.phoneticSize = QString::number(settings.integer(SettingKey::UsrSubFontSize));
    v.fixedSizes = settings.flag(SettingKey::DispFSizeLockFlg);
    v.fixedMainSize = QString::number(settings.integer(SettingKey::DispMainFSize));
    v.fixedSubSize = QString::number(settings.integer(SettingKey::DispSubFSize));
    for (size_t i = 0; i < kScriptFontKeys.size(); ++i)
        v.scriptFonts[i] = settings.text(kScriptFontKeys[i]);
    for (size_t i = 0; i < tableFileFields().size(); ++i)
        v.tableFiles[i] = settings.text(tableFileFields()[i].key);
    for (size_t i = 0; i < colourRows().size(); ++i)
        v.colours[i] = settings.colour(colourRows()[i].key);
    v.searchTimer = std::clamp(settings.integer(SettingKey::TrTimer), kTimerMinimum, kTimerMaximum);
    v.pasteTimer = std::clamp(settings.integer(SettingKey::PaTimer), kTimerMinimum, kTimerMaximum);
    return v;
}

bool SettingsChanges::anyChange() const
{
    return fontModeChanged || phoneticFontChanged || phoneticSizeChanged || fixedSizesApplied || fixedSizesReleased
        || std::find(scriptFontChanged.begin(), scriptFontChanged.end(), true) != scriptFontChanged.end()
        || !changedColours.isEmpty() || searchTimerChanged || pasteTimerChanged || restartNeeded;
}

int sizeFromText(const QString& text, int current)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : current;
}

SettingsChanges applySettingsDialog(Settings& settings, const SettingsDialogValues& v)
{
    SettingsChanges changes;
    settings.setFlag(SettingKey::ResetInputFlg, v.resetInput);
    settings.setFlag(SettingKey::LastVisibleFlg, v.lastVisible);
    settings.setFlag(SettingKey::RegCopyFlg, v.regCopy);
    settings.setFlag(SettingKey::RegClearFlg, v.regClear);
    settings.setFlag(SettingKey::NoSampleFlg, v.noSample);
    settings.setFlag(SettingKey::TransClearFlg, v.transClear);
    settings.setFlag(SettingKey::AutoTransFlg, v.autoTrans);
    settings.setFlag(SettingKey::MediaPlayerFlg, v.mediaPlayer);
    settings.setFlag(SettingKey::TblOWFlg, v.replaceTables);

    // The table folder is fixed at start: another one needs a restart.
    if (takeFlag(settings, SettingKey::SysTblFlg, v.systemTables))
        changes.restartNeeded = true;

    const int fontMode = settings.integer(SettingKey::FontMode);
    if (v.scriptFontsOnly && fontMode == 0) {
        settings.setInteger(SettingKey::FontMode, 1);
        changes.fontModeChanged = true;
    } else if (!v.scriptFontsOnly && fontMode == 1) {
        settings.setInteger(SettingKey::FontMode, 0);
        changes.fontModeChanged = true;
    }

    changes.phoneticFontChanged = takeText(settings, SettingKey::UsrSubFont, v.phoneticFont);
    const int phoneticSize = sizeFromText(v.phoneticSize, settings.integer(SettingKey::UsrSubFontSize));
    if (phoneticSize != settings.integer(SettingKey::UsrSubFontSize)) {
        settings.setInteger(SettingKey::UsrSubFontSize, phoneticSize);
        changes.phoneticSizeChanged = true;
    }

    if (v.fixedSizes) {
        settings.setFlag(SettingKey::DispFSizeLockFlg, true);
    } else if (settings.flag(SettingKey::DispFSizeLockFlg)) {
        settings.setFlag(SettingKey::DispFSizeLockFlg, false);
        changes.fixedSizesReleased = true;
    }
    if (settings.flag(SettingKey::DispFSizeLockFlg)) {
        settings.setInteger(
            SettingKey::DispMainFSize, sizeFromText(v.fixedMainSize, settings.integer(SettingKey::DispMainFSize)));
        settings.setInteger(
            SettingKey::DispSubFSize, sizeFromText(v.fixedSubSize, settings.integer(SettingKey::DispSubFSize)));
        changes.fixedSizesApplied = true;
    }

    for (size_t i = 0; i < kScriptFontKeys.size(); ++i)
        changes.scriptFontChanged[i] = takeText(settings, kScriptFontKeys[i], v.scriptFonts[i]);

    for (size_t i = 0; i < tableFileFields().size(); ++i) {
        if (takeText(settings, tableFileFields()[i].key, v.tableFiles[i]))
            changes.restartNeeded = true;
    }

    for (size_t i = 0; i < colourRows().size(); ++i) {
        const SettingKey key = colourRows()[i].key;
        if (settings.colour(key) != v.colours[i]) {
            settings.setColour(key, v.colours[i]);
            if (key == SettingKey::CandBg)
                settings.setPhoneticAreaColour(v.colours[i]);
            changes.changedColours.append(key);
        }
    }

    changes.searchTimerChanged = takeTimer(settings, SettingKey::TrTimer, v.searchTimer);
    changes.pasteTimerChanged = takeTimer(settings, SettingKey::PaTimer, v.pasteTimer);
    return changes;
}

} // namespace pelinor::core
