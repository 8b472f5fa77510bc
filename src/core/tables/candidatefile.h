#pragma once

#include "core/tables/candidateline.h"
#include "core/tables/skippedline.h"
#include "core/tables/triggermode.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace pelinor::core {

/// A candidate file ("Cand*.csv") as the table tools see it: a header naming the paired symbol database
/// and the trigger mode, and the candidate lines with at least one filled slot, in file order.
class CandidateFile {
public:
    /// Paired symbol database and trigger mode that a file of a given name gets when its header is missing
    /// or names no symbol database.
    struct Header {
        QString symbolDatabase;
        QString triggerMode;
        friend bool operator==(const Header&, const Header&) = default;
    };

    /// Reads the file at `path`. A missing file gives an empty file; an unreadable one gives an empty file
    /// with readError() set.
    static CandidateFile read(const QString& path);

    /// The header defaults for a file name ("CandAll.csv" → "DBPhonet.csv" and "Alphabet_Upper", ...).
    static Header defaultsForFileName(QStringView fileName);

    /// Writes the header and the lines with at least one filled slot to `path`, replacing the file
    /// atomically, in code page 932 with CR LF after every line (in UTF-8 with its byte-order mark when a
    /// field would not come back unchanged from code page 932); a double quote trigger is stored as
    /// "0022". A field that cannot be stored (a double quote or line break in the header, a trigger mode or
    /// slot with a comma or space) refuses the write with a message, leaving the file as it was.
    bool write(const QString& path, QString* error = nullptr) const;

    /// The lines that write() would store; none, with `error` set, when a field cannot be stored.
    std::optional<QStringList> toLines(QString* error = nullptr) const;

    /// Takes both header values from `fileName` when the file had no header or an empty symbol database
    /// name.
    void applyFileNameDefaults(QStringView fileName);

    /// Index of the first line whose trigger equals `trigger`, or -1.
    qsizetype indexOfTrigger(QStringView trigger) const;

    bool fileExists() const { return m_fileExists; }
    const QString& readError() const { return m_readError; }
    bool hasHeader() const { return m_hasHeader; }

    const QString& symbolDatabase() const { return m_header.symbolDatabase; }
    void setSymbolDatabase(const QString& fileName) { m_header.symbolDatabase = fileName; }
    /// The trigger mode as the header states it.
    const QString& triggerModeText() const { return m_header.triggerMode; }
    void setTriggerModeText(const QString& mode) { m_header.triggerMode = mode; }
    TriggerMode triggerMode() const { return parseTriggerMode(m_header.triggerMode); }
    void setTriggerMode(TriggerMode mode) { m_header.triggerMode = triggerModeName(mode); }

    const QList<CandidateLine>& lines() const { return m_lines; }
    QList<CandidateLine>& lines() { return m_lines; }

    /// The 1-based line number in the file of each of lines(), as read(); empty for a file built in memory.
    const QList<int>& lineNumbers() const { return m_lineNumbers; }

    /// Lines of the file that are neither the header, nor a candidate line, nor empty, nor a line without
    /// candidates: read() leaves them out and a write would not bring them back.
    const QList<SkippedLine>& skippedLines() const { return m_skipped; }

    /// The trigger field of a trigger: "0022" for the double quote, else the trigger itself.
    static QString triggerField(const QString& trigger);
    /// The trigger of a trigger field: the double quote for "0022", else the field itself.
    static QString triggerOfField(const QString& field);

private:
    bool m_fileExists = false;
    bool m_hasHeader = false;
    QString m_readError;
    Header m_header;
    QList<CandidateLine> m_lines;
    QList<int> m_lineNumbers;
    QList<SkippedLine> m_skipped;
};

} // namespace pelinor::core
