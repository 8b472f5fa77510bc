#pragma once

#include "core/app/settingkey.h"

#include <QObject>

#include <functional>

class QWidget;

namespace pelinor::core {
class Folders;
class InputModeController;
class Settings;
struct SettingsChanges;
} // namespace pelinor::core

namespace pelinor::ui {

class FontPanel;
class InputPanel;
class KeyPanelController;
class TransferController;
class WordBookController;

/// What the settings dialog's changes reach; the workbench hands it in.
struct SettingsLauncherContext {
    core::Settings& settings;
    core::Folders& folders;
    core::InputModeController& inputModes;
    /// The fonts, sizes and colour of the input areas.
    InputPanel& inputPanel;
    /// The font box of the foreign-language area.
    FontPanel& fontPanel;
    /// The key panels' colours.
    KeyPanelController& keyPanels;
    /// The word list's look.
    WordBookController& wordBooks;
    /// The search and paste timers.
    TransferController& transfer;
    /// The window the dialog and its messages belong to.
    QWidget* mainWindow = nullptr;
    /// Ends the program as closing the main window does.
    std::function<void()> endProgram = {};
};

/// The settings dialog "設定" (F8) as the main window opens it: what its OK changed takes effect at once,
/// in the dialog's order, and the program ends when the dialog asks for it (a reset, a removal, changed
/// table files).
class SettingsLauncher : public QObject {
    Q_OBJECT

public:
    explicit SettingsLauncher(SettingsLauncherContext context, QObject* parent = nullptr);

    /// Shows the dialog modally.
    void open();
    /// Applies what the dialog's OK changed to the windows, in the dialog's order.
    void applyChanges(const core::SettingsChanges& changes);

private:
    void applyFonts(const core::SettingsChanges& changes);
    void applyColour(core::SettingKey key);

    SettingsLauncherContext m_context;
};

} // namespace pelinor::ui
