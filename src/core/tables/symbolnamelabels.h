#pragma once

#include <QString>
#include <QStringView>

namespace pelinor::core {

/// The two labels of an English symbol name: the text before its first backslash and the text after it.
/// A name without a backslash is all first label.
struct SymbolNameLabels {
    QString first;
    QString second;

    /// Splits a (decoded) English name at its first backslash.
    static SymbolNameLabels of(QStringView englishName);

    friend bool operator==(const SymbolNameLabels&, const SymbolNameLabels&) = default;
};

} // namespace pelinor::core
