#pragma once

namespace pelinor::ui {

/// Registers stand-ins for the Windows font names that the settings and tables name ("ＭＳ Ｐゴシック",
/// "Times New Roman", "Segoe UI", "Tahoma", ...) so that text in those fonts finds a face with the right
/// glyphs on a desktop that lacks them. The names themselves stay as stored.
void registerFontSubstitutes();

} // namespace pelinor::ui
