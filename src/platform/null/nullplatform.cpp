#include "platform/fontsystemloading.h"
#include "platform/null/nullwindowsystem.h"

namespace pelinor::platform {

// The factory of a build without a desktop backend.
std::unique_ptr<WindowSystem> createWindowSystem()
{
    return std::make_unique<NullWindowSystem>(NullWindowSystem::reasonForBuild());
}

// Without a desktop backend nothing is known about the font system, so nothing is read ahead.
FontSystemLoader fontSystemLoader()
{
    return nullptr;
}

} // namespace pelinor::platform
