#include "core/input/candidatewindowtexts.h"

#include "core/common/hexcode.h"
#include "core/tables/symbolnamelabels.h"

#include <QCoreApplication>

#include <algorithm>

namespace pelinor::core {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("pelinor::core::CandidateWindowTexts", text);
}

} // namespace

int clampBandDev(int correction)
{
    return std::clamp(correction, kBandDevMinimum, kBandDevMaximum);
}

QString bandDevCaption(int correction)
{
    if (correction == 0)
        return QStringLiteral(" 0");
    if (correction > 0)
        return QLatin1Char('+') + QString::number(correction);
    return QString::number(correction);
}

QString candidateCellHint(const TableSet& set, char16_t unit)
{
    if (unit == 0)
        return QString();
    return set.symbolText(unit, SymbolPart::Note) + QStringLiteral(" $") + hexCodeOf(QChar(unit));
}

QString candidateNameLine(TableSide side, const TableSet& set, char16_t unit)
{
    const QString caption = side == TableSide::Foreign ? tr("日本語名： ") : tr("日本語名：");
    return caption + set.symbolText(unit, SymbolPart::JapaneseName);
}

QString candidateNoteLine(TableSide side, const TableSet& set, char16_t unit)
{
    const QString englishName = set.symbolText(unit, SymbolPart::EnglishName);
    const QString code = QLatin1Char('$') + hexCodeOf(QChar(unit));
    if (side == TableSide::Foreign)
        return QStringLiteral("Note: ") + SymbolNameLabels::of(decodeHexEscapes(englishName)).first
            + QStringLiteral("   ") + code;
    return QStringLiteral("Note: ") + englishName + QStringLiteral("  ") + code;
}

} // namespace pelinor::core
