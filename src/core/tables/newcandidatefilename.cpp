#include "core/tables/newcandidatefilename.h"

#include <QDir>
#include <QFileInfo>

namespace pelinor::core {

std::optional<NewCandidateFileProblem> checkNewCandidateFileName(QStringView name, const QString& tableFolder)
{
    if (!name.endsWith(u".csv"))
        return NewCandidateFileProblem::WrongExtension;
    if (!name.startsWith(u"Cand"))
        return NewCandidateFileProblem::WrongPrefix;
    // A separator would put the file outside the table folder, where no table is looked for.
    if (name.contains(u'/') || name.contains(u'\\'))
        return NewCandidateFileProblem::NotAFileName;
    if (QFileInfo::exists(QDir(tableFolder).filePath(name.toString())))
        return NewCandidateFileProblem::Exists;
    return std::nullopt;
}

} // namespace pelinor::core
