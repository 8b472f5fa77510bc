#include "ui/app/transfermodemenu.h"

#include "core/app/inputmodecontroller.h"
#include "core/app/settings.h"
#include "core/transfer/transfermode.h"
#include "ui/app/mainmenus.h"
#include "ui/transfer/transfercontroller.h"

#include <QAction>
#include <QMenu>

namespace pelinor::ui {

TransferModeMenu::TransferModeMenu(const MainMenus& menus, const core::Settings& settings, TransferController& transfer,
    const core::InputModeController& inputModes, QObject* parent)
    : QObject(parent)
    , m_menus(menus)
    , m_settings(settings)
{
    connect(m_menus.transferMode, &QMenu::aboutToShow, this, &TransferModeMenu::checkCurrentMode);
    for (size_t i = 0; i < m_menus.transferModes.size(); ++i) {
        const core::TransferMode mode = MainMenus::transferModeOfItem(static_cast<int>(i));
        connect(m_menus.transferModes[i], &QAction::triggered, &transfer,
            [&transfer, mode] { transfer.setTransferMode(mode); });
    }
    connect(&inputModes, &core::InputModeController::scriptChanged, this, &TransferModeMenu::captionItems);
    captionItems();
}

void TransferModeMenu::checkCurrentMode()
{
    const int current = m_settings.integer(core::SettingKey::TransMode);
    for (size_t i = 0; i < m_menus.transferModes.size(); ++i)
        m_menus.transferModes[i]->setChecked(
            core::transferModeNumber(MainMenus::transferModeOfItem(static_cast<int>(i))) == current);
}

void TransferModeMenu::captionItems()
{
    const QString script = m_settings.scriptName();
    for (size_t i = 0; i < m_menus.transferModes.size(); ++i) {
        const int mode = core::transferModeNumber(MainMenus::transferModeOfItem(static_cast<int>(i)));
        if (core::transferAreaOf(mode) == core::TransferArea::Foreign)
            m_menus.transferModes[i]->setText(core::transferMenuCaption(mode, script));
    }
}

} // namespace pelinor::ui
