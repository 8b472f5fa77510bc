#pragma once

#include "core/common/textcodec.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace pelinor::fuzz {

/// The fuzz input as it comes.
inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

/// The fuzz input read as UTF-16 code units, low byte first, so that every code unit can occur: U+0000,
/// lone surrogates, noncharacters. A trailing odd byte is ignored.
inline QString unitsOf(const std::uint8_t* data, std::size_t size)
{
    QString text;
    text.reserve(static_cast<qsizetype>(size / 2));
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text += QChar(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    return text;
}

/// True when the text has no lone surrogate.
inline bool isValidUtf16(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return false;
    }
    return true;
}

/// A broken promise: prints what went wrong and aborts, which libFuzzer records as a crash with its input.
[[noreturn]] inline void fail(const char* what, const QString& detail = QString())
{
    std::fprintf(stderr, "\nround trip broken: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}

inline void check(bool ok, const char* what, const QString& detail = QString())
{
    if (!ok)
        fail(what, detail);
}

/// A short readable description of a list of lines, for failure messages.
inline QString describe(const QStringList& lines)
{
    QString out;
    for (const QString& line : lines) {
        out += QLatin1StringView("  [");
        for (QChar c : line) {
            if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
                out += c;
            else
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        }
        out += QLatin1StringView("]\n");
    }
    return out;
}

/// A scratch folder for the readers that take a file path, in memory (/dev/shm) where there is one, so
/// that a run is not slowed down by the disk. It lives for the whole run.
inline const QString& scratchFolder()
{
    static const QTemporaryDir folder([] {
        const QFileInfo shm(QStringLiteral("/dev/shm"));
        return (shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath())
            + QStringLiteral("/pelinor-fuzz-XXXXXX");
    }());
    static const QString path = folder.isValid() ? folder.path() : QString();
    if (path.isEmpty())
        fail("no scratch folder", folder.errorString());
    return path;
}

/// Path of a scratch file called `name`.
inline QString scratchPath(const QString& name)
{
    return scratchFolder() + u'/' + name;
}

/// Puts the fuzz input into a scratch file, for a reader that takes a path.
inline QString writeScratch(const QString& name, const QByteArray& bytes)
{
    const QString path = scratchPath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("cannot write the scratch file", path);
    return path;
}

/// The lines as they read back from a file written by writeTextFileKeepingText(): code page 932 where it
/// keeps every character, UTF-8 otherwise, so only half surrogates are lost.
inline QStringList asKeptInFile(const QStringList& lines)
{
    QStringList out;
    out.reserve(lines.size());
    for (const QString& line : lines)
        out.append(core::withoutLoneSurrogates(line));
    return out;
}

} // namespace pelinor::fuzz
