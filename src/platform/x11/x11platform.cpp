#include "platform/null/nullwindowsystem.h"
#include "platform/x11/x11windowsystem.h"

#include <QGuiApplication>

namespace pelinor::platform {

// The factory of the X11 build: X11 when Qt runs on an X display (also XWayland), else nothing to reach.
std::unique_ptr<WindowSystem> createWindowSystem()
{
    if (std::unique_ptr<X11WindowSystem> x11 = X11WindowSystem::fromQtApplication())
        return x11;
    return std::make_unique<NullWindowSystem>(NullWindowSystem::reasonForPlatform(QGuiApplication::platformName()));
}

} // namespace pelinor::platform
