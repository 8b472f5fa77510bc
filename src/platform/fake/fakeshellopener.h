#pragma once

#include "platform/shellopener.h"

#include <QStringList>

namespace pelinor::platform {

/// Records the files a test asked to open instead of starting programs; every call succeeds unless the test
/// says otherwise.
class FakeShellOpener final : public ShellOpener {
public:
    bool openFile(const QString& path) override
    {
        m_opened.append(path);
        return m_succeeds;
    }

    void setSucceeds(bool succeeds) { m_succeeds = succeeds; }
    /// Every path passed to openFile(), in order, also those that failed.
    const QStringList& openedFiles() const { return m_opened; }

private:
    QStringList m_opened;
    bool m_succeeds = true;
};

} // namespace pelinor::platform
