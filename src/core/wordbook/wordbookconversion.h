#pragma once

#include "core/wordbook/oldwordbookformat.h"
#include "core/wordbook/oldwordbookreader.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace pelinor::core {

// Converting a folder of old word books into word books (".utx") of this program.

/// The old files of a mode in `folder`: regular files matching the mode's pattern (the extension in any
/// case), names without folder, sorted by name. A folder that does not exist lists nothing.
QStringList listOldWordBookFiles(const QString& folder, ConversionMode mode);

/// The name of the word book made from an old file in `destinationFolder`: the old name with its
/// parentheses made full-width ("（", "）") and its extension replaced by ".utx"; while that name is taken,
/// the part before the first "." followed by "(1).utx", "(2).utx", ... so that no existing book is replaced.
QString convertedFileName(const QString& sourceFileName, const QString& destinationFolder);

/// The text of the word book an old file becomes, as the progress box shows it: the three header lines and
/// one entry line per entry, each line ending in CR LF.
QString convertedWordBookText(const OldWordBook& book);

/// How the conversion of one old file ended.
enum class ConversionOutcome {
    Converted, ///< every record converted and written
    Incomplete, ///< the file ends before its last record; the records before it were written
    Unreadable, ///< the old file could not be read; nothing was written
    WriteFailed, ///< the word book could not be written; nothing was replaced
};

/// The conversion of one old file.
struct ConvertedFile {
    QString sourceName; ///< the old file's name, without folder
    QString outputName; ///< the word book's name in the destination folder, without folder
    OldWordBook book;
    ConversionOutcome outcome = ConversionOutcome::Converted;
    /// For the user, naming the file, when the outcome is not Converted.
    QString message;

    /// True when a word book was written.
    bool written() const { return outcome == ConversionOutcome::Converted || outcome == ConversionOutcome::Incomplete; }
};

/// Reads the old file at `sourcePath` and writes it as a new word book into `destinationFolder` (which
/// must exist), under convertedFileName(). The write is atomic.
ConvertedFile convertOldWordBook(const QString& sourcePath, const QString& destinationFolder);

/// Outcome of converting several old files.
struct ConversionRun {
    QStringList written; ///< names of the word books written, in order
    QStringList messages; ///< one per file that was not converted whole, in order
    bool stopped = false; ///< a write failed and the files after it were not converted
};

/// Converts the old files in order. A file that cannot be read, or that ends before its last record, is
/// reported and the next one is converted; a word book that cannot be written stops the run, since the
/// destination will not take the next one either. The books written before stay. `afterEach`, when given,
/// sees each file's conversion as it ends.
ConversionRun convertOldWordBooks(const QStringList& sourcePaths, const QString& destinationFolder,
    const std::function<void(const ConvertedFile&)>& afterEach = {});

} // namespace pelinor::core
