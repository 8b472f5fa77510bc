#include "core/app/versionmarker.h"

#include "pelinor/programversion.h"

#include <algorithm>

namespace pelinor::core {

QString programVersion()
{
    return QStringLiteral(PELINOR_VERSION);
}

QString versionMarkerName(const QString& version)
{
    QString rest = version;
    const qsizetype ver = rest.indexOf(u"Ver");
    if (ver >= 0)
        rest.remove(ver, 3);
    const qsizetype dot = rest.indexOf(u'.');
    if (dot >= 0)
        rest.remove(dot, 1);
    rest = rest.trimmed();

    // A rest that is not a plain number ("3.a", "-1", "３６") cannot be scaled; like a rest of the wrong
    // length it falls in with the catch-all 999, so that the marker is always a valid, fixed name.
    const bool digitsOnly
        = !rest.isEmpty() && std::all_of(rest.cbegin(), rest.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    int number = 999;
    if (digitsOnly && rest.size() <= 3) {
        static constexpr int kScale[] = {0, 100, 10, 1};
        number = rest.toInt() * kScale[rest.size()];
    }
    return QStringLiteral("Leaf%1.txt").arg(number);
}

} // namespace pelinor::core
