#pragma once

#include <QString>
#include <QStringView>

namespace pelinor::core {

/// Which case of the Latin letters serves as triggers in a candidate file.
enum class TriggerMode {
    AlphabetLower, ///< "Alphabet_Lower": lower-case letters only
    AlphabetUpper, ///< "Alphabet_Upper": upper-case letters only
    AlphabetBoth, ///< "Alphabet_Both": both cases
};

/// The mode a header value names, compared case-sensitively; any other value means AlphabetBoth.
TriggerMode parseTriggerMode(QStringView text);

/// The header value of a mode.
QString triggerModeName(TriggerMode mode);

} // namespace pelinor::core
