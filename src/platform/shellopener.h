#pragma once

#include <QString>

#include <memory>

namespace pelinor::platform {

/// Opens a file with the program the user's desktop associates with it (help pages, HTML lists, sound files,
/// the folder menu file).
class ShellOpener {
public:
    ShellOpener() = default;
    virtual ~ShellOpener();
    ShellOpener(const ShellOpener&) = delete;
    ShellOpener& operator=(const ShellOpener&) = delete;

    /// Hands the file at `path` to its program. Returns false when the file does not exist or the desktop
    /// could not start a program for it; it does not wait for that program.
    virtual bool openFile(const QString& path) = 0;
};

/// The desktop's own "open" (xdg-open on Linux).
std::unique_ptr<ShellOpener> createShellOpener();

} // namespace pelinor::platform
