#include "core/transfer/workrtf.h"

#include "core/common/textfile.h"
#include "core/transfer/transferencodings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace pelinor::core {

WorkRtfResult writeWorkRtf(const QString& folder, int charset, int pointSize, const QString& fontName, QStringView text)
{
    WorkRtfResult result;
    const QString path = QDir(folder).filePath(kWorkRtfFileName.toString());
    const QString document = makeRtfDocument(charset, pointSize, fontName, text);

    QString writeError;
    if (!writeTextFile(path, {document}, TextEncoding::Cp932, &writeError)) {
        result.error = QCoreApplication::translate(
            "pelinor::core::WorkRtf", "リッチテキストの作業ファイルを書き込めなかったため、転送を中止しました。\n%1")
                           .arg(writeError);
        return result;
    }

    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        result.content = file.readAll();
    if (result.content.isEmpty() || file.error() != QFileDevice::NoError) {
        const QString reason = file.error() != QFileDevice::NoError
            ? file.errorString()
            : QCoreApplication::translate("pelinor::core::WorkRtf", "ファイルが空です。");
        result.error = QCoreApplication::translate("pelinor::core::WorkRtf",
            "リッチテキストの作業ファイル「%1」を読み戻せなかったため、転送を中止しました。\n%2")
                           .arg(QDir::toNativeSeparators(path), reason);
        result.content.clear();
    }
    return result;
}

} // namespace pelinor::core
