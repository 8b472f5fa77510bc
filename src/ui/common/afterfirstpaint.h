#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace pelinor::ui {

/// Runs work once a window's first frame is on the screen: on the event-loop turn after the window's
/// first paint. For what start-up can leave until the window shows, so that the first frame comes sooner.
/// A window that is never painted never runs the work.
class AfterFirstPaint : public QObject {
    Q_OBJECT

public:
    /// Runs `work` after the first paint of `window`, which must be a window that has not been painted yet.
    static void run(QWidget* window, std::function<void()> work);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AfterFirstPaint(QWidget* window, std::function<void()> work);

    std::function<void()> m_work;
};

} // namespace pelinor::ui
