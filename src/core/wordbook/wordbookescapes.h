#pragma once

#include "core/common/colourcode.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace pelinor::core {

// Escapes used inside the fields of a word book, and the colour text of the colour field.

/// Replaces every double quote by "#$22". Applied to fields 1 to 6 when a word book is written.
QString encodeQuotes(QStringView text);

/// Replaces every "#$22" by a double quote. Applied to fields 1 to 6 when a word book is read, so a text
/// that itself held "#$22" comes back as a double quote.
QString decodeQuotes(QStringView text);

/// Replaces each CR by "#$0D" and drops each LF: a CR LF line break becomes one "#$0D". Used when a text
/// with CR LF line breaks goes into a field.
QString encodeLineBreaks(QStringView text);

/// Replaces each "#$0D" by CR LF.
QString decodeLineBreaks(QStringView text);

/// Like encodeLineBreaks(), but for text whose line breaks may be a lone LF (as Qt's multi-line editors
/// give it): each CR LF, lone CR and lone LF becomes one "#$0D".
QString encodePlainTextLineBreaks(QStringView text);

/// Like decodeLineBreaks(), but gives a lone LF for each "#$0D", for Qt's multi-line editors.
QString decodePlainTextLineBreaks(QStringView text);

/// True for "#" followed by exactly six digits from 0-9 and upper-case A-F (red, green, blue).
bool isColourText(QStringView text);

/// The colour of a valid colour text; nullopt for anything else (empty included), where the caller shows
/// its default text colour.
std::optional<ColourRgb> colourFromText(QStringView text);

/// "#" followed by two upper-case hexadecimal digits each for red, green and blue.
QString colourToText(ColourRgb colour);

} // namespace pelinor::core
