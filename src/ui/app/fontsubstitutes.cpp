#include "ui/app/fontsubstitutes.h"

#include <QFont>
#include <QStringList>

namespace pelinor::ui {

void registerFontSubstitutes()
{
    const QStringList japaneseGothic{QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"),
        QStringLiteral("IPAexGothic"), QStringLiteral("VL PGothic"), QStringLiteral("DejaVu Sans")};
    const QStringList serif{
        QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif")};
    const QStringList phonetic{
        QStringLiteral("Charis SIL"), QStringLiteral("Doulos SIL"), QStringLiteral("DejaVu Sans")};
    const QStringList sans{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};

    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), japaneseGothic);
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), serif);
    QFont::insertSubstitutions(QStringLiteral("Segoe UI"), phonetic);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
}

} // namespace pelinor::ui
