#include "core/app/inputmodecontroller.h"

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/input/tablesets.h"

namespace pelinor::core {

InputModeController::InputModeController(Settings& settings, const Folders& folders, TableSets& tables, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_folders(folders)
    , m_tables(tables)
{
}

InputMode InputModeController::mode() const
{
    return inputModeFromNumber(m_settings.integer(SettingKey::InputMode));
}

const ScriptInfo& InputModeController::script() const
{
    return scriptInfoByName(m_settings.scriptName());
}

void InputModeController::start()
{
    const InputMode stored = mode();
    if (!hasScript(stored))
        loadForeignTables();
    switchInputMode(stored);
}

void InputModeController::switchInputMode(InputMode mode)
{
    const InputModeInfo& info = inputModeInfo(mode);
    m_settings.setInteger(SettingKey::InputMode, inputModeNumber(info.mode));
    if (info.hasScript) {
        const ScriptInfo& script = scriptInfo(info.script);
        m_settings.setScriptCharset(script.charset);
        m_settings.setScriptName(script.name);
        m_settings.setDirectionLabels(script.foreignFirst, script.japaneseFirst);
        m_settings.setText(SettingKey::GaUDBFile, m_settings.text(script.databaseKey));
        m_settings.setText(SettingKey::GaCandFile, m_settings.text(script.candidateKey));
        loadForeignTables();
        Q_EMIT scriptChanged(script);
    }
    Q_EMIT inputModeChanged(info.mode);
}

void InputModeController::loadForeignTables()
{
    m_tables.foreign().loadTableSet(m_folders.currentTableFolder(), m_settings.text(SettingKey::GaCandFile),
        m_settings.text(SettingKey::GaUDBFile));
}

} // namespace pelinor::core
