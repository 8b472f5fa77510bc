#pragma once

#include <QString>
#include <QtGlobal>

namespace pelinor::core {

/// One symbol of a loaded symbol database: the names and note that the candidate windows show for a
/// candidate character.
struct TUDB {
    char16_t code = 0;
    QString japaneseName;
    QString englishName; ///< "#$" escapes resolved
    qint32 auxiliary = 0; ///< auxiliary kind; loaded with the symbol, not used by the input engine
    QString note;

    friend bool operator==(const TUDB&, const TUDB&) = default;
};

} // namespace pelinor::core
