#pragma once

#include <QObject>

namespace pelinor::core {
class InputModeController;
class Settings;
} // namespace pelinor::core

namespace pelinor::ui {

struct MainMenus;
class TransferController;

/// The "転送モード" menu: checks the current transfer mode when it opens, makes an item's mode current, and
/// captions the foreign-language items with the current script's name.
class TransferModeMenu : public QObject {
    Q_OBJECT

public:
    /// Every reference must outlive the menu handling.
    TransferModeMenu(const MainMenus& menus, const core::Settings& settings, TransferController& transfer,
        const core::InputModeController& inputModes, QObject* parent = nullptr);

    /// Puts the script name in front of the foreign-language items.
    void captionItems();

private:
    void checkCurrentMode();

    const MainMenus& m_menus;
    const core::Settings& m_settings;
};

} // namespace pelinor::ui
