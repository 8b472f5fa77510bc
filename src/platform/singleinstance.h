#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace pelinor::platform {

/// Guards against a second copy of the program for the same user. A lock left behind by a crashed or
/// killed copy is taken over, so it never blocks a start. On Unix the lock is the system's lock on the
/// file, which ends with the process that holds it; the file says which process that is, for people and
/// for older versions, which lock it with QLockFile.
class SingleInstance {
public:
    /// `name` identifies the program; `folder` is where the lock lives (empty: the user's runtime folder,
    /// else the temporary folder).
    explicit SingleInstance(const QString& name, const QString& folder = QString());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    /// Takes the lock. Returns false when another running copy holds it.
    bool tryAcquire();

    /// Gives the lock up; also done by the destructor.
    void release();

    QString lockFilePath() const { return m_path; }

private:
    QString m_path;
#ifdef Q_OS_UNIX
    int m_fd = -1;
#else
    std::unique_ptr<QLockFile> m_lock;
#endif
};

} // namespace pelinor::platform
