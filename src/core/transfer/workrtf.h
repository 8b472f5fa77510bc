#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace pelinor::core {

/// File name of the rich-text work file in the system folder.
inline constexpr QStringView kWorkRtfFileName = u"Work.rtf";

/// Outcome of writing the rich-text work file.
struct WorkRtfResult {
    QByteArray content; ///< the file's bytes as read back after writing; empty on failure
    QString error; ///< message for the user when the file could not be written or read back

    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

/// Writes `Work.rtf` into `folder`: the one line of makeRtfDocument() followed by CR LF, in code page 932
/// without a byte-order mark, replacing an earlier file atomically. The file is then read back, and what it
/// holds is what a transfer puts on the clipboard. When the file cannot be written (missing or read-only
/// folder, full disk) or read back, the result has no content and a Japanese message that says the transfer
/// was stopped; an earlier file is then left as it was.
WorkRtfResult writeWorkRtf(
    const QString& folder, int charset, int pointSize, const QString& fontName, QStringView text);

} // namespace pelinor::core
