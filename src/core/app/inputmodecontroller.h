#pragma once

#include "core/app/inputmodes.h"

#include <QObject>

namespace pelinor::core {

class Folders;
class Settings;
class TableSets;

/// Owns the current input mode and script. A switch writes the mode and the script's values into the
/// settings, points the foreign table set at the script's tables and then announces the change, so that
/// the key panels, the word books, the symbol library, the trigger input and the transfer display all
/// follow one source instead of being told in turn.
class InputModeController : public QObject {
    Q_OBJECT

public:
    /// The references must outlive the controller; `settings` must already hold the stored values.
    InputModeController(Settings& settings, const Folders& folders, TableSets& tables, QObject* parent = nullptr);

    InputMode mode() const;
    /// The script of the current mode; the alphanumeric mode keeps the script it was switched from.
    const ScriptInfo& script() const;

    /// The one switch at start-up, to the stored mode. In the alphanumeric mode no script is switched to,
    /// so the stored foreign tables are loaded as they are.
    void start();

    /// Makes `mode` current. A script mode writes the script's charset, name, direction labels and table
    /// files into the settings and reloads the foreign table set, then announces scriptChanged; every
    /// mode then announces inputModeChanged, even when it was current already.
    void switchInputMode(InputMode mode);

Q_SIGNALS:
    /// The script of a script mode was applied and its foreign tables are loaded.
    void scriptChanged(const pelinor::core::ScriptInfo& script);
    /// The mode became current; follows scriptChanged for the script modes.
    void inputModeChanged(pelinor::core::InputMode mode);

private:
    void loadForeignTables();

    Settings& m_settings;
    const Folders& m_folders;
    TableSets& m_tables;
};

} // namespace pelinor::core
