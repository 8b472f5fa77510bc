#include "ui/common/fontfamilies.h"

#include <QFontDatabase>
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
    if (family.isEmpty() || isInstalled(family))
        return {family};
    QStringList installed;
    for (const QString& substitute : QFont::substitutes(family)) {
        if (isInstalled(substitute))
            installed.append(substitute);
    }
    return installed.isEmpty() ? QStringList{family} : installed;
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
