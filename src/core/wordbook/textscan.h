#pragma once

#include <QList>
#include <QStringView>
#include <QtGlobal>

namespace pelinor::core {

// The character scans a search over many word books spends its time in, in versions for the vector
// instructions a processor may have. The search picks the widest the processor has; the tests run every
// version the machine can run against the plain one.

enum class VectorWidth {
    None, ///< one character at a time
    Sse2, ///< eight characters at a time
    Avx2, ///< sixteen characters at a time
};

/// The widths this processor runs, narrowest first.
QList<VectorWidth> supportedVectorWidths();
/// The widest of them.
VectorWidth widestVectorWidth();

/// Index of the first place at or after `from` where `part` (not empty) stands in `text`, or the text's
/// size when it stands nowhere after `from`.
qsizetype findText(QStringView text, qsizetype from, QStringView part, VectorWidth width);

} // namespace pelinor::core
