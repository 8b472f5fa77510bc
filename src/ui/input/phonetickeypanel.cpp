#include "ui/input/phonetickeypanel.h"

#include "core/app/settings.h"
#include "ui/common/qtcolours.h"

namespace pelinor::ui {

PhoneticKeyPanel::PhoneticKeyPanel(core::Settings& settings, QWidget* parent)
    : TableKeyPanel(core::KeyPanelKind::Phonetic, core::TableSide::Phonetic, settings, core::SettingKey::PhOneInpFlg,
        core::SettingKey::PhTriRevFlg, QColor(64, 64, 64), parent)
{
    setObjectName(QStringLiteral("PhoneticKeyPanel"));
}

void PhoneticKeyPanel::rebuild(const core::TableSet& phoneticSet)
{
    const core::ColourRgb colour = settings().colour(core::SettingKey::IpaBg);
    setBackground(toQColor(colour));
    showTable(phoneticSet, core::phoneticPanelFaces(phoneticSet, font().pointSize()));
}

} // namespace pelinor::ui
