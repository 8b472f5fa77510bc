#pragma once

#include "core/tables/candidateline.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace pelinor::core {

class Settings;

/// The HTML page that lists the trigger keys and candidates of a candidate file as a table. Candidates
/// are numeric character references, so the page is written in code page 932 and says so in its header.
class CandidateListPage {
public:
    /// What the user chose for the page.
    struct Options {
        QString title;
        QString background; ///< page background, a colour code such as "#0099DD"
        QString titleFont; ///< Japanese font of the title and body
        QString candidateFont;
        QString candidateSize; ///< per cent, "160"
        QString candidateFileName; ///< shown as the table's caption
    };

    /// The title and the settings key of the candidate font proposed for a candidate file, by which of the
    /// settings' candidate files it is (Russian, phonetic, Greek, Ukrainian, first match wins).
    struct Defaults {
        QString title;
        QString candidateFont;
    };
    static Defaults defaultsFor(const Settings& settings, const QString& candidateFileName);

    /// The page's lines. The title, the caption and the triggers are escaped for HTML, and characters of
    /// them that code page 932 lacks are numeric character references; the style values are kept from
    /// ending their rule or the style element.
    static QStringList lines(const Options& options, const QList<CandidateLine>& candidateLines);

    /// The page text as the file holds it: code page 932, every character the code page lacks written as
    /// a numeric character reference (never as "?"), CR LF after every line.
    static QByteArray encode(const QString& pageText);

    /// Writes the page text to `path`, replacing the file atomically; on failure `error` names the file.
    static bool write(const QString& path, const QString& pageText, QString* error = nullptr);

    /// Text for an HTML text or attribute position: & < > " escaped, characters that code page 932 lacks as
    /// numeric character references.
    static QString escaped(QStringView text);
};

} // namespace pelinor::core
