#include "platform/fake/fakewindowsystem.h"

namespace pelinor::platform {

QString FakeWindowSystem::Call::toString() const
{
    const QString number = QString::number(window);
    if (kind == Kind::Activate)
        return QStringLiteral("activate ") + number + (succeeded ? QStringLiteral(" ok") : QStringLiteral(" refused"));
    if (!succeeded)
        return QStringLiteral("paste ") + number + QStringLiteral(" failed");
    QString line = QStringLiteral("paste ") + number + QLatin1Char(' ') + pasteChordName(chord);
    if (pastesPrimarySelection(chord))
        line += QStringLiteral(" PRIMARY=") + primaryText;
    return line;
}

FakeWindowSystem::FakeWindowSystem(QObject* parent)
    : WindowSystem(parent)
{
}

void FakeWindowSystem::setAvailable(bool available, const QString& reason)
{
    m_available = available;
    m_reason = reason;
}

WindowHandle FakeWindowSystem::addWindow(
    WindowHandle window, const QString& title, const QString& windowClass, bool excluded)
{
    if (window == 0)
        return 0;
    m_windows.insert(window, Window{title, windowClass, excluded, false});
    return window;
}

void FakeWindowSystem::closeWindow(WindowHandle window)
{
    m_windows.remove(window);
    if (m_foreground == window)
        m_foreground = 0;
}

void FakeWindowSystem::setWindowTitle(WindowHandle window, const QString& title)
{
    const auto it = m_windows.find(window);
    if (it != m_windows.end())
        it->title = title;
}

void FakeWindowSystem::setForegroundWindow(WindowHandle window)
{
    m_foreground = m_windows.contains(window) ? window : 0;
}

void FakeWindowSystem::setActivationRefused(WindowHandle window, bool refused)
{
    const auto it = m_windows.find(window);
    if (it != m_windows.end())
        it->refusesActivation = refused;
}

void FakeWindowSystem::setAllActivationsRefused(bool refused)
{
    m_refuseAll = refused;
}

void FakeWindowSystem::setApplicationActive(bool active)
{
    if (active == m_applicationActive)
        return;
    m_applicationActive = active;
    Q_EMIT applicationActiveChanged(active);
}

QStringList FakeWindowSystem::log() const
{
    QStringList lines;
    lines.reserve(m_calls.size());
    for (const Call& call : m_calls)
        lines.append(call.toString());
    return lines;
}

WindowHandle FakeWindowSystem::foregroundWindow() const
{
    return m_available ? m_foreground : 0;
}

QString FakeWindowSystem::windowTitle(WindowHandle window) const
{
    return m_available ? m_windows.value(window).title : QString();
}

QString FakeWindowSystem::windowClass(WindowHandle window) const
{
    return m_available ? m_windows.value(window).windowClass : QString();
}

bool FakeWindowSystem::isExcludedTarget(WindowHandle window) const
{
    const auto it = m_windows.constFind(window);
    return !m_available || it == m_windows.cend() || it->excluded;
}

bool FakeWindowSystem::windowExists(WindowHandle window) const
{
    return m_available && m_windows.contains(window);
}

bool FakeWindowSystem::activateWindow(WindowHandle window)
{
    const auto it = m_windows.constFind(window);
    const bool ok = m_available && !m_refuseAll && it != m_windows.cend() && !it->refusesActivation;
    if (ok)
        m_foreground = window;
    m_calls.append(Call{Call::Kind::Activate, window, ok, PasteChord::CtrlV, {}});
    return ok;
}

bool FakeWindowSystem::sendPaste(WindowHandle target)
{
    const PasteChord chord = pasteChordFor({windowClass(target)});
    Call call{Call::Kind::Paste, target, m_available, chord, {}};
    if (m_available && pastesPrimarySelection(chord))
        call.primaryText = copyClipboardTextToPrimarySelection();
    m_calls.append(call);
    return m_available;
}

} // namespace pelinor::platform
