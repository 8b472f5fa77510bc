#include "platform/null/nullwindowsystem.h"

namespace pelinor::platform {

// The factory of a build without a desktop backend.
std::unique_ptr<WindowSystem> createWindowSystem()
{
    return std::make_unique<NullWindowSystem>(NullWindowSystem::reasonForBuild());
}

} // namespace pelinor::platform
