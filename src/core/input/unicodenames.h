#pragma once

#include <QString>

#include <functional>
#include <string_view>

namespace pelinor::core {

/// The Unicode name of `code` as the ICU that Qt uses knows it ("LATIN SMALL LETTER SCHWA"); empty for a
/// code point without a name (controls, unassigned code points, surrogates, private use).
QString unicodeName(char32_t code);

/// Calls `visit` for every named code point in ascending order, with its name in upper-case ASCII.
void forEachUnicodeName(const std::function<void(char32_t code, std::string_view name)>& visit);

} // namespace pelinor::core
