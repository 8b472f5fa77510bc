#include "ui/common/afterfirstpaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace pelinor::ui {

void AfterFirstPaint::run(QWidget* window, std::function<void()> work)
{
    new AfterFirstPaint(window, std::move(work));
}

AfterFirstPaint::AfterFirstPaint(QWidget* window, std::function<void()> work)
    : QObject(window)
    , m_work(std::move(work))
{
    window->installEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // The children are painted and the frame is flushed before control returns to the event loop, so
        // the queued work runs after the whole first frame.
        QTimer::singleShot(0, watched, [work = std::move(m_work)] { work(); });
        deleteLater();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pelinor::ui
