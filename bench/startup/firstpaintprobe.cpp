// Loaded into a program with LD_PRELOAD by the start-up benchmark: at the first paint of a top-level
// window it writes the monotonic clock and the processor time the process has used to the file
// descriptor named by PELINOR_FIRST_PAINT_FD and ends the process. The program itself is not changed,
// so the benchmark times the binary a user runs.

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace {

long long nanoseconds(const timespec& t)
{
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(int fd)
        : QObject(QCoreApplication::instance())
        , m_fd(fd)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || m_seen)
            return false;
        const auto* widget = qobject_cast<const QWidget*>(watched);
        if (!widget || !widget->isWindow())
            return false;
        m_seen = true;
        // The window's children are painted and the backing store is put on the screen before control
        // returns to the event loop, so the queued call marks the whole first frame.
        QMetaObject::invokeMethod(this, &FirstPaintProbe::report, Qt::QueuedConnection);
        return false;
    }

private:
    void report() const
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        timespec used{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
        char line[80];
        const int length
            = std::snprintf(line, sizeof line, "first-paint %lld %lld\n", nanoseconds(now), nanoseconds(used));
        if (length > 0 && write(m_fd, line, static_cast<size_t>(length)) < 0)
            std::perror("first-paint probe");
        // Nothing after the first frame is measured; ending here keeps the program's files as they were.
        _exit(0);
    }

    int m_fd;
    bool m_seen = false;
};

void installProbe()
{
    bool ok = false;
    const int fd = qEnvironmentVariableIntValue("PELINOR_FIRST_PAINT_FD", &ok);
    if (!ok)
        return;
    QCoreApplication::instance()->installEventFilter(new FirstPaintProbe(fd));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
