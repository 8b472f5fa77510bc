#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace pelinor::platform {

/// Opaque identifier of a top-level window of the desktop; 0 is "no window".
using WindowHandle = quint64;

/// The desktop's window system as the transfer to other programs needs it: which window is in front and
/// what it is called, bringing a window to the front, the synthetic paste keystroke, and the program's own
/// activation and deactivation. Where the system offers none of this (no X11 display), available() is false
/// and every call is a harmless no-op.
class WindowSystem : public QObject {
    Q_OBJECT
public:
    explicit WindowSystem(QObject* parent = nullptr);
    ~WindowSystem() override;

    /// Whether windows of other programs can be seen and activated at all.
    virtual bool available() const = 0;

    /// Why available() is false, for the user (translated); empty when available.
    virtual QString unavailableReason() const = 0;

    /// The window that has the user's attention now (the active window), or 0 when there is none.
    virtual WindowHandle foregroundWindow() const = 0;

    /// The window's title as the desktop shows it; empty when the window is gone or has none.
    virtual QString windowTitle(WindowHandle window) const = 0;

    /// The window's class name (on X11 the class part of WM_CLASS); empty when unknown.
    virtual QString windowClass(WindowHandle window) const = 0;

    /// Whether the window is part of the desktop itself (the desktop background, a dock or a panel) and so
    /// never a place to paste into. Window 0 and vanished windows are excluded too.
    virtual bool isExcludedTarget(WindowHandle window) const = 0;

    /// Whether the window still exists.
    virtual bool windowExists(WindowHandle window) const = 0;

    /// Asks the desktop to make the window the active window and waits briefly for it to happen. Returns
    /// false when the window is gone or the desktop refused.
    virtual bool activateWindow(WindowHandle window) = 0;

    /// Sends the paste keystroke to whatever window has the keyboard focus now. The chord is chosen for
    /// `target` by pasteChordFor(): Ctrl+V for most programs, Ctrl+Shift+V for terminal emulators, and
    /// Shift+Insert for the terminals that paste only the PRIMARY selection, which is then first given the
    /// clipboard's text. Returns false when no keystroke could be sent.
    virtual bool sendPaste(WindowHandle target) = 0;

    /// Whether this program is the active application (one of its windows has the focus).
    virtual bool isApplicationActive() const = 0;

Q_SIGNALS:
    /// The program became the active application (true) or another program took over (false).
    void applicationActiveChanged(bool active);

protected:
    /// For backends on a real desktop: forwards Qt's application state as applicationActiveChanged().
    void followQtApplicationState();

    /// Qt's view of whether this program is active.
    static bool qtApplicationActive();

    /// Makes this program the owner of the PRIMARY selection, holding the clipboard's text, where the
    /// platform has such a selection; returns that text.
    static QString copyClipboardTextToPrimarySelection();

private:
    bool m_lastActive = false;
};

/// The window system of the backend chosen at build time: on X11 the X11 one when the program runs on an
/// X display (also XWayland), else one that reports itself unavailable. Needs the QGuiApplication.
std::unique_ptr<WindowSystem> createWindowSystem();

} // namespace pelinor::platform
