#include "core/wordbook/wordsearchrun.h"

#include <QMetaObject>
#include <QThread>

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
    for (const QString& fileName : wordBookFileNames(folder)) {
        if (cancelled && cancelled->load())
            return {};
        WordSearchFileResult result = searchWordBookFile(folder, fileName, query);
        if (!result.error.isEmpty())
            return result.error;
        if (!result.hits.isEmpty())
            bookSearched(result.hits);
    }
    return {};
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
