#include "platform/null/nullwindowsystem.h"

namespace pelinor::platform {

NullWindowSystem::NullWindowSystem(const QString& reason, QObject* parent)
    : WindowSystem(parent)
    , m_reason(reason.isEmpty() ? tr("No X11 display: the windows of other programs cannot be reached, so a "
                                     "transfer only fills the clipboard.")
                                : reason)
{
    followQtApplicationState();
}

QString NullWindowSystem::reasonForPlatform(const QString& platformName)
{
    if (platformName.isEmpty())
        return {};
    return tr("No X11 display (the program runs on \"%1\"): the windows of other programs cannot be reached, "
              "so a transfer only fills the clipboard.")
        .arg(platformName);
}

QString NullWindowSystem::reasonForBuild()
{
    return tr("This build of the program cannot reach the windows of other programs, so a transfer only fills "
              "the clipboard.");
}

} // namespace pelinor::platform
