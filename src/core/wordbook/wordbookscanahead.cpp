#include "core/wordbook/wordbookscanahead.h"

namespace pelinor::core {

WordBookScanAhead::~WordBookScanAhead()
{
    if (m_scan.valid())
        m_scan.wait();
}

void WordBookScanAhead::start(const QString& folder)
{
    if (m_scan.valid())
        m_scan.wait();
    m_folder = folder;
    m_scan = std::async(std::launch::async, [folder] { return scanWordBookFolder(folder); });
}

WordBookScan WordBookScanAhead::take(const QString& folder)
{
    if (!m_scan.valid())
        return scanWordBookFolder(folder);
    WordBookScan ahead = m_scan.get();
    if (folder != m_folder)
        return scanWordBookFolder(folder);
    return ahead;
}

} // namespace pelinor::core
