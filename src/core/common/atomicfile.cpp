#include "core/common/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace pelinor::core {

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok)
        ok = file.write(bytes) == bytes.size();
    if (ok)
        ok = file.commit();
    else
        file.cancelWriting();
    if (!ok && error) {
        *error = QCoreApplication::translate("pelinor::core::AtomicFile", "ファイル「%1」を保存できませんでした。\n%2")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
    }
    return ok;
}

} // namespace pelinor::core
