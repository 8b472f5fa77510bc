#pragma once

#include "core/wordbook/wordsearch.h"

#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

namespace pelinor::core {

/// Runs a search over the word books of a folder on a thread of its own, so that the window that asked
/// stays responsive over a large folder. The hits of each book arrive in file order through bookSearched()
/// on the thread this object lives in; finished() follows the last book, or failed() a book that could not
/// be read (the search stops there and the hits announced so far stay valid). Starting a new search or
/// destroying the object cancels the running one; nothing of a cancelled search arrives afterwards.
class WordSearchRun : public QObject {
    Q_OBJECT

public:
    explicit WordSearchRun(QObject* parent = nullptr);
    ~WordSearchRun() override;

    /// Starts searching `folder`; a search still running is cancelled first.
    void start(const QString& folder, const WordSearchQuery& query);
    /// Cancels the running search, if any, and waits for its thread.
    void cancel();
    bool isRunning() const;

    /// Searches the folder and calls `bookSearched` on the calling thread for each book with hits, in file
    /// order; the books themselves are read on a few helper threads at once. Stops at the first book that
    /// cannot be read and gives its message, else an empty text.
    static QString searchFolder(const QString& folder, const WordSearchQuery& query,
        const std::function<void(const QList<WordSearchHit>&)>& bookSearched,
        const std::atomic_bool* cancelled = nullptr);

Q_SIGNALS:
    void bookSearched(const QList<pelinor::core::WordSearchHit>& hits);
    void failed(const QString& message);
    void finished();

private:
    void deliver(quint64 run, const QList<WordSearchHit>& hits);
    void end(quint64 run, const QString& error);

    QThread* m_thread = nullptr;
    std::shared_ptr<std::atomic_bool> m_cancelled;
    quint64 m_run = 0;
};

} // namespace pelinor::core
