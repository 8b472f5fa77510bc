#include "ui/common/fontfamilies.h"

#include <QFontDatabase>
#include <QHash>
#include <QSet>

namespace pelinor::ui {

namespace {

/// The system's font families, case-folded as the font system compares them. Read once: Qt reads its own
/// list of fonts once per process too.
const QSet<QString>& systemFamilies()
{
    static const QSet<QString> families = [] {
        QSet<QString> folded;
        for (const QString& family : QFontDatabase::families())
            folded.insert(family.toCaseFolded());
        return folded;
    }();
    return families;
}

bool isInstalled(const QString& family)
{
    return systemFamilies().contains(family.toCaseFolded());
}

} // namespace

QStringList installedFamilies(const QString& family)
{
    // Some controls build their fonts at every paint, so each name is resolved once.
    static QHash<QString, QStringList> resolved;
    if (const auto found = resolved.constFind(family); found != resolved.cend())
        return *found;
    QStringList families{family};
    if (!family.isEmpty() && !isInstalled(family)) {
        QStringList installed;
        for (const QString& substitute : QFont::substitutes(family)) {
            if (isInstalled(substitute))
                installed.append(substitute);
        }
        if (!installed.isEmpty())
            families = installed;
    }
    resolved.insert(family, families);
    return families;
}

QFont fontOfFamily(const QString& family)
{
    // Built as QFont(family) builds it, so that what the font leaves open is left open as before.
    QFont font(family);
    setFontFamily(font, family);
    return font;
}

void setFontFamily(QFont& font, const QString& family)
{
    font.setFamilies(installedFamilies(family));
}

} // namespace pelinor::ui
