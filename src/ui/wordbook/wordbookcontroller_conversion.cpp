// The conversion tool of the word book part: the dialog and the word book list it refreshes.

#include "core/app/folders.h"
#include "core/app/inputmodes.h"
#include "core/app/settings.h"
#include "core/wordbook/oldwordbookformat.h"
#include "ui/wordbook/tconvertfrm.h"
#include "ui/wordbook/wordbookcontroller.h"

namespace pelinor::ui {

void WordBookController::openConversionTool()
{
    QWidget* owner = m_context.dialogParent();
    TConvertFrm dialog(m_folders.currentFolder(), core::windowsDriveFolder(), m_context.chooseFolder, owner);
    const QPoint centre = owner->geometry().center();
    dialog.move(centre.x() - dialog.width() / 2, centre.y() - dialog.height() / 2);
    if (m_context.restoreStartupLayout)
        m_context.restoreStartupLayout();
    const int result = dialog.exec();
    const auto mode = core::inputModeFromNumber(m_context.settings.integer(core::SettingKey::InputMode));
    if (core::isLayoutMode(mode) && m_context.selectScriptLayout)
        m_context.selectScriptLayout();
    // The current folder, whatever the destination was: books converted elsewhere show when that folder is
    // chosen.
    if (result == QDialog::Accepted)
        listWordBooks();
}

} // namespace pelinor::ui
