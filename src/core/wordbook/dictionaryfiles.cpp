#include "core/wordbook/dictionaryfiles.h"

#include "core/app/folders.h"
#include "core/wordbook/wordbookfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace pelinor::core {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("pelinor::core::DictionaryFiles", text);
}

} // namespace

QString dictionaryFilePrefix(const Folders& folders, const QString& folder)
{
    if (folder == folders.dictionaryFolder(ScriptFolder::Russian))
        return QStringLiteral("RU");
    if (folder == folders.dictionaryFolder(ScriptFolder::Greek))
        return QStringLiteral("EL");
    if (folder == folders.dictionaryFolder(ScriptFolder::Ukrainian))
        return QStringLiteral("UA");
    return QStringLiteral("XY");
}

QString dictionaryFileTitle(int k)
{
    static const QString heads
        = tr("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわ");
    const QString label = k == 0 ? tr("（Alpha）") : tr("（") + heads.at(k - 1) + tr("）");
    return tr("辞書") + label;
}

DictionaryFileBatch createDictionaryFiles(const QString& folder, const QString& prefix)
{
    DictionaryFileBatch batch;
    const QDir dir(folder);
    for (int k = 0; k < kDictionaryFileCount; ++k) {
        const QString title = dictionaryFileTitle(k);
        QString fileName = prefix + title + QStringLiteral(".utx");
        int n = 0;
        while (QFileInfo::exists(dir.filePath(fileName))) {
            ++n;
            fileName = prefix + QString::number(n) + title + QStringLiteral(".utx");
        }
        const QString group = n == 0 ? tr("辞書") : tr("辞書") + QString::number(n);
        if (!createWordBookFile(dir.filePath(fileName), WordBookHeader{title, group, QString()}, &batch.error))
            return batch;
        batch.created.append(fileName);
    }
    return batch;
}

} // namespace pelinor::core
