#pragma once

#include "core/tables/symboldatabase.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace pelinor::core {

/// A new, empty symbol database: its name rules and the groups every new database starts with.
class NewSymbolDatabase {
public:
    /// The fixed groups of a new database: "Aのグループ" … "Zのグループ", then "その他" (numbers 0 to 26).
    static QStringList fixedGroupNames();

    /// The warning for a file name that cannot be used in `folder`, checked as typed in this order: the
    /// extension ".csv", the first two characters "DB", a bare name without a folder part, no file of the
    /// name in the folder. None when the name can be used.
    static std::optional<QString> nameProblem(const QString& name, const QString& folder);

    /// The database of the header values and the fixed groups followed by one group per extra line,
    /// numbered on from 27, each name taken unchanged.
    static SymbolDatabase build(
        const QString& writingSystem, const QString& displayFont, const QStringList& extraGroups);
};

} // namespace pelinor::core
