#pragma once

#include <QFont>
#include <QStringList>

namespace pelinor::ui {

/// The families to ask Qt for in place of `family`: the family itself when this system has it, else those
/// of its registered substitutes that the system has, in their order (the family itself when it has none).
/// The settings and windows name Windows fonts ("ＭＳ Ｐゴシック", "Times New Roman", ...). Qt finds the same
/// face through the substitutes, but only after asking the font system to rank every font for the missing
/// name, once per writing system of the text, which made up a good part of the start-up. What the caller
/// stores stays the name it was given. Each name is resolved once, on the interface thread: the substitutes
/// are registered at start, before any font is built.
QStringList installedFamilies(const QString& family);

/// A font of `family`, resolved through installedFamilies().
QFont fontOfFamily(const QString& family);

/// Gives `font` the family `family`, resolved through installedFamilies().
void setFontFamily(QFont& font, const QString& family);

} // namespace pelinor::ui
