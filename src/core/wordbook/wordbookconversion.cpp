#include "core/wordbook/wordbookconversion.h"

#include "core/common/regularfile.h"
#include "core/wordbook/wordbookfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace pelinor::core {

namespace {

// Old word books are small; a file past this is no word book and is not read into memory.
constexpr qint64 kMaxOldFileBytes = 256 * 1024 * 1024;

QString tr(const char* text)
{
    return QCoreApplication::translate("pelinor::core::WordBookConversion", text);
}

QString incompleteMessage(const QString& sourcePath, const ConvertedFile& file)
{
    return tr("「%1」は %2 語の単語帳のはずですが、ファイルには %3 語分しかありません。\n"
              "読めた %3 語を「%4」に変換しました。")
        .arg(QDir::toNativeSeparators(sourcePath))
        .arg(file.book.promisedRecords)
        .arg(file.book.entries.size())
        .arg(file.outputName);
}

} // namespace

QStringList listOldWordBookFiles(const QString& folder, ConversionMode mode)
{
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    if (!dir.exists())
        return {};
    return dir.entryList({oldFilePattern(mode)}, QDir::Files, QDir::Name);
}

QString convertedFileName(const QString& sourceFileName, const QString& destinationFolder)
{
    QString name = sourceFileName;
    name.replace(u'(', QStringLiteral("（")).replace(u')', QStringLiteral("）"));
    const qsizetype lastDot = name.lastIndexOf(u'.');
    name = (lastDot < 0 ? name : name.left(lastDot)) + QStringLiteral(".utx");

    const QDir destination(destinationFolder);
    const QString stem = name.left(name.indexOf(u'.'));
    QString candidate = name;
    for (int i = 1; QFileInfo::exists(destination.filePath(candidate)); ++i)
        candidate = stem + u'(' + QString::number(i) + QStringLiteral(").utx");
    return candidate;
}

QString convertedWordBookText(const OldWordBook& book)
{
    const WordBookHeader header = storableHeader(book.header);
    QString text;
    for (const QString* line : {&header.title, &header.group, &header.soundFolder}) {
        text += *line;
        text += QLatin1StringView("\r\n");
    }
    for (const WordEntry& entry : book.entries) {
        text += formatEntryLine(entry);
        text += QLatin1StringView("\r\n");
    }
    return text;
}

ConvertedFile convertOldWordBook(const QString& sourcePath, const QString& destinationFolder)
{
    ConvertedFile file;
    file.sourceName = QFileInfo(sourcePath).fileName();
    const FileBytes source = readFileBytes(sourcePath, kMaxOldFileBytes);
    if (!source.exists || !source.readable) {
        file.outcome = ConversionOutcome::Unreadable;
        file.message = source.exists ? source.error
                                     : tr("ファイル「%1」がありません。").arg(QDir::toNativeSeparators(sourcePath));
        return file;
    }
    file.book = readOldWordBook(source.bytes, oldFileFormat(file.sourceName));
    file.outputName = convertedFileName(file.sourceName, destinationFolder);
    const QString outputPath = QDir(destinationFolder).filePath(file.outputName);
    if (!writeWordBookFile(outputPath, file.book.header, file.book.entries, &file.message)) {
        file.outcome = ConversionOutcome::WriteFailed;
        return file;
    }
    if (!file.book.isComplete()) {
        file.outcome = ConversionOutcome::Incomplete;
        file.message = incompleteMessage(sourcePath, file);
    }
    return file;
}

ConversionRun convertOldWordBooks(const QStringList& sourcePaths, const QString& destinationFolder,
    const std::function<void(const ConvertedFile&)>& afterEach)
{
    ConversionRun run;
    for (const QString& path : sourcePaths) {
        const ConvertedFile file = convertOldWordBook(path, destinationFolder);
        if (file.written())
            run.written.append(file.outputName);
        if (!file.message.isEmpty())
            run.messages.append(file.message);
        if (afterEach)
            afterEach(file);
        if (file.outcome == ConversionOutcome::WriteFailed) {
            run.stopped = true;
            break;
        }
    }
    return run;
}

} // namespace pelinor::core
