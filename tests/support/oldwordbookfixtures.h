#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringEncoder>
#include <QtGlobal>

namespace pelinor::test {

// Writes word book files of the older products byte for byte, as those products wrote them: text in code
// pages without byte-order mark (or UTF-16 little-endian with FF FE), CR LF after every line. The encoder
// is Qt's own, independent of the program's code page helpers, and refuses a text its code page cannot
// hold, so that a fixture never silently carries "?" in place of a letter.

/// One record of a four-line file.
struct FourLineRecord {
    QString japanese;
    QString kana;
    QString note;
    QString foreign;
};

/// One record of a seven-line file, in the order of the file's lines.
struct SevenLineRecord {
    QString japanese;
    QString foreign;
    QString phonetic;
    QString kana;
    QString note;
    QString soundFile;
    QString colour;
};

/// `text` in a code page ("windows-1251", "windows-31j", ...), without byte-order mark.
inline QByteArray encodedIn(const char* codePage, const QString& text)
{
    QStringEncoder encoder(codePage);
    if (!encoder.isValid())
        qFatal("no converter for %s", codePage);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        qFatal("%s cannot hold \"%s\"", codePage, qPrintable(text));
    return bytes;
}

/// A four-line-record file: title and count line and the Japanese parts in code page 932, the foreign words
/// in `foreignCodePage`. `countLine` is written as given, so that a test can promise more records than it
/// writes, or write no number at all.
inline QByteArray fourLineFile(
    const char* foreignCodePage, const QString& title, const QString& countLine, const QList<FourLineRecord>& records)
{
    const QByteArray crlf("\r\n");
    QByteArray bytes = encodedIn("windows-31j", title) + crlf + encodedIn("windows-31j", countLine) + crlf;
    for (const FourLineRecord& r : records) {
        for (const QString* part : {&r.japanese, &r.kana, &r.note})
            bytes += encodedIn("windows-31j", *part) + crlf;
        bytes += encodedIn(foreignCodePage, r.foreign) + crlf;
    }
    return bytes;
}

/// A four-line-record file whose count line is the number of records given.
inline QByteArray fourLineFile(const char* foreignCodePage, const QString& title, const QList<FourLineRecord>& records)
{
    return fourLineFile(foreignCodePage, title, QString::number(records.size()), records);
}

/// A seven-line-record file: UTF-16 little-endian, with the mark FF FE unless `withMark` is false.
inline QByteArray sevenLineFile(const QString& title, const QString& countLine, const QString& soundFolder,
    const QList<SevenLineRecord>& records, bool withMark = true)
{
    QString text
        = title + QStringLiteral("\r\n") + countLine + QStringLiteral("\r\n") + soundFolder + QStringLiteral("\r\n");
    for (const SevenLineRecord& r : records) {
        for (const QString* line : {&r.japanese, &r.foreign, &r.phonetic, &r.kana, &r.note, &r.soundFile, &r.colour})
            text += *line + QStringLiteral("\r\n");
    }
    QByteArray bytes = withMark ? QByteArray("\xFF\xFE", 2) : QByteArray();
    for (QChar c : text) {
        bytes += static_cast<char>(c.unicode() & 0xFF);
        bytes += static_cast<char>(c.unicode() >> 8);
    }
    return bytes;
}

/// The product code page and extension of each four-line format, in the conversion tool's mode order.
struct FourLineFormat {
    const char* codePage;
    const char* extension;
};

inline constexpr FourLineFormat kFourLineFormats[] = {
    {"windows-1251", "rwd"},
    {"windows-1253", "gwd"},
    {"windows-949", "kwd"},
    {"windows-874", "twd"},
    {"windows-1252", "ewd"},
};

} // namespace pelinor::test
