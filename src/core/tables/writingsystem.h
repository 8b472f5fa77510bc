#pragma once

#include <QString>
#include <QtGlobal>

namespace pelinor::core {

/// A writing system that the table tools know: its name as a symbol database header states it, the font
/// character set of that name, and what the new-database dialog offers for it.
struct WritingSystem {
    QString name;
    quint8 charset = 0;
    QString defaultFont; ///< display font of a new symbol database
    QString sampleGlyph; ///< glyph shown by the new-database dialog
    bool inEditorList = false; ///< listed under this name by the symbol database editor
};

} // namespace pelinor::core
