#include "core/app/programinfo.h"

#include "core/app/versionmarker.h"

namespace pelinor::core {

ProgramInfo programInfo()
{
    return ProgramInfo{.name = QStringLiteral("Pelinor"),
        .version = programVersion(),
        .developer = QStringLiteral("Norvanta"),
        .mailAddress = QStringLiteral("support@norvanta.example"),
        .supportSite = QStringLiteral("https://norvanta.example/pelinor")};
}

} // namespace pelinor::core
