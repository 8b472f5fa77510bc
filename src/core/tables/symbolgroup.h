#pragma once

#include <QString>

namespace pelinor::core {

/// A group line of a symbol database: its number (the index of the group in group order) and its name.
struct SymbolGroup {
    int number = 0;
    QString name;

    friend bool operator==(const SymbolGroup&, const SymbolGroup&) = default;
};

} // namespace pelinor::core
