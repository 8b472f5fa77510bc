#include "core/transfer/workrtf.h"

#include "core/common/regularfile.h"
#include "core/common/textfile.h"
#include "core/transfer/transferencodings.h"

#include <QCoreApplication>
#include <QDir>

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

    FileBytes file = readFileBytes(path);
    if (file.readable && !file.bytes.isEmpty()) {
        result.content = std::move(file.bytes);
    } else {
        const QString reason
            = !file.readable ? file.error : QCoreApplication::translate("pelinor::core::WorkRtf", "ファイルが空です。");
        result.error = QCoreApplication::translate("pelinor::core::WorkRtf",
            "リッチテキストの作業ファイル「%1」を読み戻せなかったため、転送を中止しました。\n%2")
                           .arg(QDir::toNativeSeparators(path), reason);
    }
    return result;
}

} // namespace pelinor::core
