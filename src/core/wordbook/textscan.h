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

/// Bit k of each mask stands for the character k places after the block's start.
struct ShapeMasks {
    quint64 quote = 0;
    quint64 comma = 0;
    /// Every character up to U+000D: CR, LF, U+0000, tab and the other controls below them.
    quint64 low = 0;
};

/// The masks of the 64 characters of `text` from `block` on (fewer at the text's end, none past it).
using ShapeMaskFunction = ShapeMasks (*)(const char16_t* text, qsizetype size, qsizetype block);
ShapeMaskFunction shapeMaskFunction(VectorWidth width);

/// Index of the first place at or after `from` where `part` (not empty) stands in `text`, or the text's
/// size when it stands nowhere after `from`.
qsizetype findText(QStringView text, qsizetype from, QStringView part, VectorWidth width);

} // namespace pelinor::core
