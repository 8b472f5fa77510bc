#include "core/wordbook/wordsearchrun.h"

#include <QMetaObject>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <deque>
#include <future>

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
    // A few books are read and searched at once, each on a thread of its own, while their results are
    // taken in file order; the number in flight bounds the memory the texts take.
    const QStringList names = wordBookFileNames(folder);
    const auto inFlight = static_cast<size_t>(std::clamp(QThread::idealThreadCount(), 1, 4));
    std::atomic_bool stop = false;
    std::deque<std::future<WordSearchFileResult>> pending;
    qsizetype next = 0;
    const auto launchNext = [&] {
        const QString name = names.at(next++);
        pending.push_back(std::async(std::launch::async, [&folder, &query, &stop, cancelled, name] {
            if (stop.load() || (cancelled && cancelled->load()))
                return WordSearchFileResult{};
            return searchWordBookFile(folder, name, query);
        }));
    };
    QString error;
    while (next < names.size() && pending.size() < inFlight)
        launchNext();
    while (!pending.empty()) {
        WordSearchFileResult result = pending.front().get();
        pending.pop_front();
        if (cancelled && cancelled->load())
            stop = true;
        if (stop.load())
            continue;
        if (!result.error.isEmpty()) {
            // The books after this one are not shown: their searches end at once.
            error = result.error;
            stop = true;
            continue;
        }
        if (next < names.size())
            launchNext();
        if (!result.hits.isEmpty())
            bookSearched(result.hits);
    }
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
