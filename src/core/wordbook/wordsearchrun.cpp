#include "core/wordbook/wordsearchrun.h"

#include <QMetaObject>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace pelinor::core {

WordSearchRun::WordSearchRun(QObject* parent)
    : QObject(parent)
{
}

WordSearchRun::~WordSearchRun()
{
    cancel();
}

bool WordSearchRun::isRunning() const
{
    return m_thread != nullptr;
}

void WordSearchRun::cancel()
{
    ++m_run;
    if (!m_thread)
        return;
    m_cancelled->store(true);
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

QString WordSearchRun::searchFolder(const QString& folder, const WordSearchQuery& query,
    const std::function<void(const QList<WordSearchHit>&)>& bookSearched, const std::atomic_bool* cancelled)
{
    // A few workers take the books one after another, each reading into a text buffer of its own that
    // serves all its books; this thread hands their results on in file order. Workers stay at most a few
    // books ahead of the book handed on, which bounds the results waiting.
    const QStringList names = wordBookFileNames(folder);
    const auto count = static_cast<size_t>(names.size());
    const auto workerCount = static_cast<size_t>(std::clamp(QThread::idealThreadCount(), 1, 4));
    const size_t ahead = 2 * workerCount;

    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::optional<WordSearchFileResult>> results(count);
    size_t nextToSearch = 0;
    size_t nextToHand = 0;
    bool stop = false;

    const auto work = [&] {
        QString buffer;
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return stop || nextToSearch >= count || nextToSearch < nextToHand + ahead; });
            if (stop || nextToSearch >= count)
                return;
            const size_t book = nextToSearch++;
            lock.unlock();
            WordSearchFileResult result
                = searchWordBookFile(folder, names.at(static_cast<qsizetype>(book)), query, &buffer);
            lock.lock();
            results[book] = std::move(result);
            changed.notify_all();
        }
    };
    std::vector<std::thread> workers;
    workers.reserve(workerCount);
    for (size_t k = 0; k < std::min(workerCount, count); ++k)
        workers.emplace_back(work);

    QString error;
    for (size_t book = 0; book < count; ++book) {
        WordSearchFileResult result;
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return results[book].has_value(); });
            result = std::move(*results[book]);
            results[book].reset();
            nextToHand = book + 1;
            changed.notify_all();
        }
        if (cancelled && cancelled->load())
            break;
        if (!result.error.isEmpty()) {
            // The books after this one are not shown.
            error = result.error;
            break;
        }
        if (!result.hits.isEmpty())
            bookSearched(result.hits);
    }
    {
        const std::lock_guard lock(mutex);
        stop = true;
    }
    changed.notify_all();
    for (std::thread& worker : workers)
        worker.join();
    return error;
}

void WordSearchRun::start(const QString& folder, const WordSearchQuery& query)
{
    cancel();
    const quint64 run = m_run;
    m_cancelled = std::make_shared<std::atomic_bool>(false);
    std::shared_ptr<std::atomic_bool> cancelled = m_cancelled;
    // The thread only reads files; what it finds is handed to this object's thread by queued calls, which
    // check the run number there, so that a cancelled search cannot add to a newer one.
    // The thread ends before this object is destroyed (see cancel()), so it may name it as the receiver.
    m_thread = QThread::create([this, folder, query, cancelled, run] {
        const QString error = searchFolder(
            folder, query,
            [&](const QList<WordSearchHit>& hits) {
                QMetaObject::invokeMethod(
                    this, [this, run, hits] { deliver(run, hits); }, Qt::QueuedConnection);
            },
            cancelled.get());
        if (cancelled->load())
            return;
        QMetaObject::invokeMethod(
            this, [this, run, error] { end(run, error); }, Qt::QueuedConnection);
    });
    m_thread->setObjectName(QStringLiteral("WordSearch"));
    m_thread->start();
}

void WordSearchRun::deliver(quint64 run, const QList<WordSearchHit>& hits)
{
    if (run == m_run)
        Q_EMIT bookSearched(hits);
}

void WordSearchRun::end(quint64 run, const QString& error)
{
    if (run != m_run)
        return;
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
    }
    if (error.isEmpty())
        Q_EMIT finished();
    else
        Q_EMIT failed(error);
}

} // namespace pelinor::core
