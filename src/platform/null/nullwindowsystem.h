#pragma once

#include "platform/windowsystem.h"

namespace pelinor::platform {

/// The window system where other programs' windows cannot be reached (Wayland without X11, offscreen, or a
/// build without a desktop backend): unavailable, with the reason; every call does nothing. The program's own
/// activation is still reported, from Qt.
class NullWindowSystem final : public WindowSystem {
    Q_OBJECT
public:
    /// `reason` is shown to the user; empty gives a general "no X11 display" text.
    explicit NullWindowSystem(const QString& reason = QString(), QObject* parent = nullptr);

    bool available() const override { return false; }
    QString unavailableReason() const override { return m_reason; }
    WindowHandle foregroundWindow() const override { return 0; }
    QString windowTitle(WindowHandle) const override { return {}; }
    QString windowClass(WindowHandle) const override { return {}; }
    bool isExcludedTarget(WindowHandle) const override { return true; }
    bool windowExists(WindowHandle) const override { return false; }
    bool activateWindow(WindowHandle) override { return false; }
    bool sendPaste(WindowHandle) override { return false; }
    bool isApplicationActive() const override { return qtApplicationActive(); }

    /// The reason for a program running on the Qt platform `platformName` ("wayland", "offscreen", …).
    static QString reasonForPlatform(const QString& platformName);

    /// The reason for a build of the program that has no desktop backend at all.
    static QString reasonForBuild();

private:
    QString m_reason;
};

} // namespace pelinor::platform
