#pragma once

namespace pelinor::core {

/// The pages of the symbol library: first the ten of the page buttons, then the thirteen of the page
/// list, in the order they are offered.
enum class SymbolLibraryPageId {
    Punc,
    Latin,
    Cmb1,
    Cmb2,
    Russ,
    Ukra,
    Gre1,
    Bela,
    Cyr1,
    Cyr2,
    Library, ///< the page list's resting entry, an empty page
    Bulgarian,
    Macedonian,
    Serbian,
    Polish,
    Czech,
    Slovak,
    Slovenian,
    LatinSupplement1,
    Arithmetic,
    Arrows,
    GeometricShapes,
    Currency,
};

/// The symbol database a page takes its cell names from.
enum class SymbolLibraryNameSource {
    None,
    Russian, ///< the Russian symbol database of the settings (RussianUDBFile)
    Ukrainian, ///< UkrainianUDBFile
    Greek, ///< GreekUDBFile
    Belarusian, ///< the library's own databases, named in the settings' run-time values
    Bulgarian,
    Macedonian,
    Serbian,
};

} // namespace pelinor::core
