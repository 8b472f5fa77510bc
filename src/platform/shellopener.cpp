#include "platform/shellopener.h"

#include "platform/desktopshellopener.h"

namespace pelinor::platform {

ShellOpener::~ShellOpener() = default;

std::unique_ptr<ShellOpener> createShellOpener()
{
    return std::make_unique<DesktopShellOpener>();
}

} // namespace pelinor::platform
