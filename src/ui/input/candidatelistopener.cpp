#include "ui/input/candidatelistopener.h"

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/input/keypanelclick.h"
#include "platform/shellopener.h"

#include <QFileInfo>

namespace pelinor::ui {

using core::SettingKey;

void openCandidateList(
    const core::Settings& settings, const core::Folders& folders, platform::ShellOpener& opener, core::TableSide side)
{
    const QString candidateFile
        = settings.text(side == core::TableSide::Phonetic ? SettingKey::PhCandFile : SettingKey::GaCandFile);
    const QString page = core::candidateListPagePath(folders.currentTableFolder(), candidateFile);
    if (QFileInfo::exists(page))
        opener.openFile(page);
}

} // namespace pelinor::ui
