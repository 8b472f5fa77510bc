#include "core/tables/triggermode.h"

namespace pelinor::core {

TriggerMode parseTriggerMode(QStringView text)
{
    if (text == u"Alphabet_Lower")
        return TriggerMode::AlphabetLower;
    if (text == u"Alphabet_Upper")
        return TriggerMode::AlphabetUpper;
    return TriggerMode::AlphabetBoth;
}

QString triggerModeName(TriggerMode mode)
{
    switch (mode) {
    case TriggerMode::AlphabetLower:
        return QStringLiteral("Alphabet_Lower");
    case TriggerMode::AlphabetUpper:
        return QStringLiteral("Alphabet_Upper");
    case TriggerMode::AlphabetBoth:
        break;
    }
    return QStringLiteral("Alphabet_Both");
}

} // namespace pelinor::core
