#pragma once

#include <QString>

namespace pelinor::core {

/// The three header lines of a word book file.
struct WordBookHeader {
    QString title; ///< line 1
    QString group; ///< line 2: a name of the group name list, or empty
    QString soundFolder; ///< line 3: absolute folder of the sound files, or empty for the book's own folder

    friend bool operator==(const WordBookHeader&, const WordBookHeader&) = default;
};

} // namespace pelinor::core
