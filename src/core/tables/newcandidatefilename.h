#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace pelinor::core {

/// Why a name typed for a new candidate file cannot be used.
enum class NewCandidateFileProblem {
    WrongExtension, ///< it does not end in ".csv" (lower case)
    WrongPrefix, ///< it does not begin with "Cand"
    NotAFileName, ///< it names a path (a folder separator) rather than a file in the table folder
    Exists, ///< a file of that name is already in the table folder
};

/// Checks a new candidate file name exactly as typed, in the order of the enum, against `tableFolder`;
/// none when the name can be used.
std::optional<NewCandidateFileProblem> checkNewCandidateFileName(QStringView name, const QString& tableFolder);

} // namespace pelinor::core
