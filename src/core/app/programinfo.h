#pragma once

#include <QString>

namespace pelinor::core {

/// Who makes the program and where users reach them, as the version dialog shows it.
struct ProgramInfo {
    QString name; ///< "Pelinor"
    QString version; ///< the build's version, see programVersion()
    QString developer; ///< the vendor name of the program folder
    QString mailAddress;
    QString supportSite;
};

ProgramInfo programInfo();

} // namespace pelinor::core
