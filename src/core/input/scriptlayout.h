#pragma once

namespace pelinor::core {

/// A script's keyboard layout, as the layout modes type with it and the on-screen keyboard shows it.
enum class ScriptLayout { RussianStandard, RussianTypewriter, Greek, Ukrainian };

/// The level of a key: lower (unshifted) or upper (shifted).
enum class KeyLevel { Lower, Upper };

} // namespace pelinor::core
