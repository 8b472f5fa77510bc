#pragma once

#include "platform/pastechord.h"
#include "platform/windowsystem.h"

#include <QHash>
#include <QList>
#include <QStringList>

namespace pelinor::platform {

/// A scripted desktop for tests: the test creates windows with titles and classes, puts one in front, decides
/// which activations succeed and whether this program is active. Every activation and paste is recorded in
/// order, with the chord the X11 backend would send and the text it would put into the PRIMARY selection.
class FakeWindowSystem final : public WindowSystem {
    Q_OBJECT
public:
    /// One recorded activateWindow() or sendPaste() call.
    struct Call {
        enum class Kind { Activate, Paste };
        Kind kind = Kind::Activate;
        WindowHandle window = 0;
        bool succeeded = false;
        PasteChord chord = PasteChord::CtrlV; ///< for pastes
        /// For a paste with a chord that pastes the PRIMARY selection: the text that selection was given.
        QString primaryText;

        bool operator==(const Call&) const = default;
        /// "activate 3 ok", "activate 3 refused", "paste 3 Ctrl+V", "paste 3 failed", and for a paste of the
        /// PRIMARY selection "paste 3 Shift+Insert PRIMARY=<text>".
        QString toString() const;
    };

    explicit FakeWindowSystem(QObject* parent = nullptr);

    // Scripting.
    void setAvailable(bool available, const QString& reason = QString());
    /// Adds a window (or replaces the one with that handle) and returns its handle. Handle 0 is refused.
    WindowHandle addWindow(
        WindowHandle window, const QString& title, const QString& windowClass = QString(), bool excluded = false);
    /// The window disappears; if it was in front, nothing is in front any more.
    void closeWindow(WindowHandle window);
    void setWindowTitle(WindowHandle window, const QString& title);
    /// Puts a window in front (0: none) without recording a call, as the user switching windows would.
    void setForegroundWindow(WindowHandle window);
    /// While refused, activateWindow() of that window fails (the desktop refuses) and the front stays.
    void setActivationRefused(WindowHandle window, bool refused);
    /// Refuses every activation while true.
    void setAllActivationsRefused(bool refused);
    /// Changes whether this program is active; emits applicationActiveChanged() when that changes.
    void setApplicationActive(bool active);

    // Record.
    const QList<Call>& calls() const { return m_calls; }
    /// The calls as toString() lines.
    QStringList log() const;
    void clearCalls() { m_calls.clear(); }

    // WindowSystem
    bool available() const override { return m_available; }
    QString unavailableReason() const override { return m_available ? QString() : m_reason; }
    WindowHandle foregroundWindow() const override;
    QString windowTitle(WindowHandle window) const override;
    QString windowClass(WindowHandle window) const override;
    bool isExcludedTarget(WindowHandle window) const override;
    bool windowExists(WindowHandle window) const override;
    bool activateWindow(WindowHandle window) override;
    bool sendPaste(WindowHandle target) override;
    bool isApplicationActive() const override { return m_applicationActive; }

private:
    struct Window {
        QString title;
        QString windowClass;
        bool excluded = false;
        bool refusesActivation = false;
    };

    bool m_available = true;
    QString m_reason;
    QHash<WindowHandle, Window> m_windows;
    WindowHandle m_foreground = 0;
    bool m_refuseAll = false;
    bool m_applicationActive = true;
    QList<Call> m_calls;
};

} // namespace pelinor::platform
