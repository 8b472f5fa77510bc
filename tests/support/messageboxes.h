#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace pelinor::test {

/// Runs `action` on the next modal window for which `accept` holds, from the event loop of whatever
/// modal loop is running by then.
inline void whenModal(
    std::function<void(QWidget*)> action, std::function<bool(QWidget*)> accept = [](QWidget*) { return true; })
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action = std::move(action), accept = std::move(accept)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || !accept(modal))
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

/// Answers the next message box with `button` and hands its text to `seen` when given.
inline void answerMessage(QMessageBox::StandardButton button, QString* seen = nullptr)
{
    whenModal(
        [button, seen](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (seen)
                *seen = box->text();
            box->button(button)->click();
        },
        [](QWidget* modal) { return qobject_cast<QMessageBox*>(modal) != nullptr; });
}

/// While it lives, answers every message box that appears (or only those of one object name) with "Yes"
/// and keeps their texts in order.
class MessageBoxCatcher : public QObject {
public:
    explicit MessageBoxCatcher(const QString& objectName = QString(), int intervalMs = 20)
    {
        connect(&m_timer, &QTimer::timeout, this, [this, objectName] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (box && box->isVisible() && (objectName.isEmpty() || box->objectName() == objectName)) {
                    m_texts.append(box->text());
                    box->button(QMessageBox::Yes)->click();
                }
            }
        });
        m_timer.start(intervalMs);
    }

    QStringList texts() const { return m_texts; }

private:
    QTimer m_timer;
    QStringList m_texts;
};

} // namespace pelinor::test
