#include "core/input/symbollibrarycell.h"

#include <QList>

namespace pelinor::core {

QString SymbolLibraryCell::hint() const
{
    if (isEmpty())
        return {};
    // The code of the first character, which may lie beyond the Basic Multilingual Plane.
    const QList<uint> codes = text.toUcs4();
    const QString code = QStringLiteral("%1").arg(codes.front(), 4, 16, QLatin1Char('0')).toUpper();
    return japaneseName + QLatin1StringView("  ") + note + QLatin1StringView("  [") + code + u']';
}

QString SymbolLibraryCell::toolTip() const
{
    QString tip = hint();
    if (hasLabels()) {
        const SymbolNameLabels names = labels();
        tip += u'\n' + names.first;
        if (!names.second.isEmpty())
            tip += QLatin1StringView("  ") + names.second;
    }
    if (!unicodeName.isEmpty() && !isEmpty())
        tip += u'\n' + unicodeName;
    return tip;
}

} // namespace pelinor::core
