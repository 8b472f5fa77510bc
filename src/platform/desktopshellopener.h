#pragma once

#include "platform/shellopener.h"

namespace pelinor::platform {

/// Opens files through QDesktopServices, i.e. the desktop's file associations.
class DesktopShellOpener final : public ShellOpener {
public:
    bool openFile(const QString& path) override;
};

} // namespace pelinor::platform
