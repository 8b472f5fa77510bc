#pragma once

#include "core/input/greekaccent.h"
#include "core/input/scriptlayout.h"

#include <QChar>
#include <QString>
#include <QStringView>

namespace pelinor::core {

class TableSet;

/// What a click on a key panel key asks for.
struct KeyClickAction {
    enum Kind {
        Nothing, ///< a blank key, or a romaji or phonetic key that is no trigger
        Trigger, ///< offer the candidates of `key` (handleTriggerKey)
        Text, ///< insert `text` at the caret of the input area
        DeadKey ///< a dead key of the Greek layout: show its message, insert nothing
    };
    Kind kind = Nothing;
    QChar key;
    QString text;
    GreekAccent accent = GreekAccent::Tonos;
};

/// A click on an on-screen keyboard key showing `caption` in `layout`: the caption without surrounding
/// blanks; a dead-key caption of the Greek layout is a dead key; a caption whose first character is a
/// trigger of `foreign` asks for its candidates; any other caption is inserted as it stands.
KeyClickAction keyboardClick(QStringView caption, ScriptLayout layout, const TableSet& foreign);

/// A click on a key or legend of the romaji or phonetic-symbol key panel: the caption's first character
/// when it is a trigger of `set`, else nothing.
KeyClickAction panelClick(QStringView caption, const TableSet& set);

/// The HTML list page of a candidate file: `candidateFileName` in `tableFolder` with its extension
/// replaced by ".html" (added when it has none).
QString candidateListPagePath(const QString& tableFolder, const QString& candidateFileName);

} // namespace pelinor::core
