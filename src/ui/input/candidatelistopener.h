#pragma once

#include "core/input/tablesets.h"

namespace pelinor::core {
class Folders;
class Settings;
} // namespace pelinor::core

namespace pelinor::platform {
class ShellOpener;
}

namespace pelinor::ui {

/// "一覧" of a table key panel: shows the HTML list made for the side's candidate file in the current table
/// folder with its program; nothing when no list was made for it.
void openCandidateList(
    const core::Settings& settings, const core::Folders& folders, platform::ShellOpener& opener, core::TableSide side);

} // namespace pelinor::ui
