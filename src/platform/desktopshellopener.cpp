#include "platform/desktopshellopener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace pelinor::platform {

bool DesktopShellOpener::openFile(const QString& path)
{
    // The desktop would happily start a viewer for a missing file and show its own error there.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

} // namespace pelinor::platform
