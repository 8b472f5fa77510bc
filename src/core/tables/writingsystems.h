#pragma once

#include "core/tables/writingsystem.h"

#include <QList>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace pelinor::core {

/// The writing systems of symbol database headers.
class WritingSystems {
public:
    /// The twelve writing systems of the new-database dialog, in its order ("発音記号" first, "その他" last).
    static const QList<WritingSystem>& known();

    /// The writing system names of the symbol database editor's selector, in its order.
    static const QStringList& editorNames();

    /// The known writing system of that exact name.
    static std::optional<WritingSystem> find(QStringView name);
};

/// The font character set of a writing system name: an exact, case-sensitive match of "タイ文字" (222),
/// "キリル文字" (204), "ハングル" (129), "ベトナム文字" (163), "ギリシア文字" (161) or "トルコ文字" (162);
/// every other name gives 0.
quint8 charsetOfScriptName(QStringView name);

} // namespace pelinor::core
