#pragma once

#include "core/wordbook/wordbookrow.h"

#include <QString>

#include <future>

namespace pelinor::core {

/// A word book folder read on a thread of its own. The program starts reading the folder the word book
/// list shows at start before it builds its window, so that a folder of many books is read while the
/// window is made rather than before it can be shown.
class WordBookScanAhead {
public:
    WordBookScanAhead() = default;
    /// Waits for a reading still running.
    ~WordBookScanAhead();
    WordBookScanAhead(const WordBookScanAhead&) = delete;
    WordBookScanAhead& operator=(const WordBookScanAhead&) = delete;

    /// Starts reading `folder` (scanWordBookFolder) on a thread of its own.
    void start(const QString& folder);

    /// The word books of `folder`: the reading started ahead when it is of that folder and not taken yet
    /// (waiting for it to end), else a reading done now. Each reading ahead is taken once: a later call
    /// reads the folder anew, as it may have changed since.
    WordBookScan take(const QString& folder);

private:
    QString m_folder;
    std::future<WordBookScan> m_scan;
};

} // namespace pelinor::core
