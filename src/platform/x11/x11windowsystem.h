#pragma once

#include "platform/windowsystem.h"

#include <QByteArray>
#include <QStringList>

#include <array>
#include <chrono>
#include <initializer_list>
#include <optional>

struct xcb_connection_t;

namespace pelinor::platform {

/// The X11 desktop (also XWayland) through the EWMH conventions of the window manager and the XTEST extension,
/// on Qt's own X connection. Without an EWMH window manager it falls back to the keyboard focus and plain
/// stacking.
class X11WindowSystem final : public WindowSystem {
    Q_OBJECT
public:
    /// Works on `connection`, which must outlive this object, and on the root window of screen `screenNumber`.
    X11WindowSystem(xcb_connection_t* connection, int screenNumber, QObject* parent = nullptr);

    /// The window system on Qt's connection, or null when Qt does not run on an X display.
    static std::unique_ptr<X11WindowSystem> fromQtApplication();

    /// How long activateWindow() waits for the window manager to make the window active (default 500 ms).
    void setActivationTimeout(std::chrono::milliseconds timeout) { m_activationTimeout = timeout; }

    /// Whether the X server offers synthetic key events; without them sendPaste() fails.
    bool hasXTest() const { return m_hasXTest; }

    /// The root window of the screen, the desktop itself.
    WindowHandle rootWindow() const { return m_root; }

    bool available() const override;
    QString unavailableReason() const override;
    WindowHandle foregroundWindow() const override;
    QString windowTitle(WindowHandle window) const override;
    QString windowClass(WindowHandle window) const override;
    bool isExcludedTarget(WindowHandle window) const override;
    bool windowExists(WindowHandle window) const override;
    bool activateWindow(WindowHandle window) override;
    bool sendPaste(WindowHandle target) override;
    bool isApplicationActive() const override { return qtApplicationActive(); }

private:
    enum Atom {
        NetActiveWindow,
        NetSupported,
        NetSupportingWmCheck,
        NetWmName,
        Utf8String,
        NetWmWindowType,
        NetWmWindowTypeDesktop,
        NetWmWindowTypeDock,
        AtomCount
    };

    struct Property {
        quint32 type = 0;
        quint8 format = 0;
        QByteArray data;
        /// The 32-bit items of a format-32 property (windows, atoms, cardinals).
        QList<quint32> items() const;
    };

    std::optional<Property> readProperty(quint32 window, quint32 property, quint32 type, quint32 maxItems) const;
    bool hasEwmhActiveWindow() const;
    quint32 ewmhActiveWindow() const;
    quint32 focusedTopLevel() const;
    QStringList wmClassNames(quint32 window) const;
    quint8 keycodeFor(std::initializer_list<quint32> keysyms) const;
    template <typename Condition> bool waitFor(quint32 window, Condition condition) const;

    xcb_connection_t* m_connection = nullptr;
    quint32 m_root = 0;
    std::array<quint32, AtomCount> m_atoms{};
    bool m_hasXTest = false;
    std::chrono::milliseconds m_activationTimeout{500};
};

} // namespace pelinor::platform
