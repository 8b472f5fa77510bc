#pragma once

#include <QString>

class QComboBox;

namespace pelinor::ui {

/// Fills a font box: with font mode 1 the scalable faces of the character set `charset` whose names begin
/// neither with "@" nor with "$"; with any other mode every installed face not beginning with "@".
void fillFontBox(QComboBox* box, int fontMode, int charset);

/// Selects the first item equal to `name`; false when the box has none.
bool selectFontInBox(QComboBox* box, const QString& name);

/// Adds the whole numbers from `from` to `to` as items.
void fillSizeBox(QComboBox* box, int from, int to);

} // namespace pelinor::ui
