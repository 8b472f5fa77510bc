#include "platform/windowsystem.h"

#include <QClipboard>
#include <QGuiApplication>

namespace pelinor::platform {

WindowSystem::WindowSystem(QObject* parent)
    : QObject(parent)
{
}

WindowSystem::~WindowSystem() = default;

void WindowSystem::followQtApplicationState()
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app)
        return;
    m_lastActive = qtApplicationActive();
    // Qt reports every state step (active, inactive, hidden, suspended); only the change between active and
    // not active is news here.
    connect(app, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        const bool active = state == Qt::ApplicationActive;
        if (active == m_lastActive)
            return;
        m_lastActive = active;
        Q_EMIT applicationActiveChanged(active);
    });
}

bool WindowSystem::qtApplicationActive()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
        && QGuiApplication::applicationState() == Qt::ApplicationActive;
}

QString WindowSystem::copyClipboardTextToPrimarySelection()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return {};
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString text = clipboard->text(QClipboard::Clipboard);
    if (clipboard->supportsSelection())
        clipboard->setText(text, QClipboard::Selection);
    return text;
}

} // namespace pelinor::platform
