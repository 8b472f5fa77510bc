#pragma once

#include <QString>
#include <QStringList>

namespace pelinor::core {

class Folders;

// The batch of empty dictionary files: one word book per kana row head ("辞書（あ）" ...) plus "辞書（Alpha）",
// 45 in all, named after the dictionary folder they are made in.

/// Number of files one batch creates.
inline constexpr int kDictionaryFileCount = 45;

/// File name prefix of a batch made in `folder`: "RU", "EL" or "UA" for the Russian, Greek or Ukrainian
/// dictionary folder (exact comparison of paths), "XY" for any other folder.
QString dictionaryFilePrefix(const Folders& folders, const QString& folder);

/// Title of the k-th file of a batch (k = 0 to 44): "辞書（Alpha）", then "辞書（あ）" ... "辞書（わ）".
QString dictionaryFileTitle(int k);

/// Outcome of creating a batch.
struct DictionaryFileBatch {
    QStringList created; ///< file names, without folder, in creation order
    QString error; ///< message for the user when a file could not be written; the batch stops there
};

/// Creates the 45 empty word books in `folder`. A name already taken gets the lowest number n = 1, 2, ...
/// that makes it free, put between prefix and title; such a book's group is "辞書" + n, else "辞書".
/// Existing files are never replaced.
DictionaryFileBatch createDictionaryFiles(const QString& folder, const QString& prefix);

} // namespace pelinor::core
