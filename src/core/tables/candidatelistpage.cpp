#include "core/tables/candidatelistpage.h"

#include "core/app/settings.h"
#include "core/common/atomicfile.h"
#include "core/common/hexcode.h"
#include "core/common/textcodec.h"
#include "core/common/textfile.h"

#include <QCoreApplication>

namespace pelinor::core {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("pelinor::core::CandidateListPage", text);
}

// Characters of `text` that code page 932 lacks (or would turn into a look-alike) as numeric character
// references, so that the page shows them instead of "?". Half surrogates are left out.
QString withCharacterReferences(QStringView text)
{
    if (fitsCp932(text))
        return text.toString();
    QString out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += QLatin1StringView("&#x") + QString::number(QChar::surrogateToUcs4(c, text[i + 1]), 16).toUpper()
                + u';';
            ++i;
        } else if (c.isSurrogate()) {
            continue;
        } else if (fitsCp932(QStringView(&c, 1))) {
            out += c;
        } else {
            out += QStringLiteral("&#x%1;").arg(QString::number(c.unicode(), 16).toUpper());
        }
    }
    return out;
}

// A font name inside a double-quoted CSS string: a quote or backslash would end or bend the string, and a
// "<" could end the style element.
QString cssString(const QString& text)
{
    QString out;
    for (QChar c : text) {
        if (c == u'"' || c == u'\\')
            out += u'\\' + QString(c);
        else if (c == u'<')
            out += QLatin1StringView("\\3C ");
        else if (c.unicode() >= 0x20)
            out += c;
    }
    return out;
}

// An unquoted CSS value (colour, size): only what such values are made of, so that nothing typed can end
// the rule or the style element.
QString cssValue(const QString& text)
{
    QString out;
    for (QChar c : text) {
        if (c.isLetterOrNumber() || c == u'#' || c == u'.' || c == u'-' || c == u' ')
            out += c;
    }
    return out.trimmed();
}

QString fontFamilyLine(const QString& family)
{
    return QStringLiteral("        font-family: \"%1\";").arg(cssString(family));
}

} // namespace

CandidateListPage::Defaults CandidateListPage::defaultsFor(const Settings& settings, const QString& candidateFileName)
{
    struct Rule {
        SettingKey candidateFile;
        const char* title;
        SettingKey font;
    };
    static const Rule rules[] = {
        {SettingKey::RussianCandFile, "ロシア語　候補ファイル", SettingKey::RussianFont},
        {SettingKey::PhCandFile, "発音記号　候補ファイル", SettingKey::UsrSubFont},
        {SettingKey::GreekCandFile, "ギリシア語　候補ファイル", SettingKey::GreekFont},
        {SettingKey::UkrainianCandFile, "ウクライナ語　候補ファイル", SettingKey::UkrainianFont},
    };
    for (const Rule& rule : rules) {
        if (candidateFileName == settings.text(rule.candidateFile))
            return {tr(rule.title), settings.text(rule.font)};
    }
    return {tr("候補ファイル"), settings.text(SettingKey::UsrMainFont)};
}

QString CandidateListPage::escaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QLatin1StringView("&amp;");
            break;
        case u'<':
            out += QLatin1StringView("&lt;");
            break;
        case u'>':
            out += QLatin1StringView("&gt;");
            break;
        case u'"':
            out += QLatin1StringView("&quot;");
            break;
        default:
            out += c;
        }
    }
    return withCharacterReferences(out);
}

QStringList CandidateListPage::lines(const Options& options, const QList<CandidateLine>& candidateLines)
{
    const QString title = escaped(options.title);
    QStringList page;
    page.reserve(64 + candidateLines.size());
    page << QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
                           "\"http://www.w3.org/TR/html4/loose.dtd\">")
         << QStringLiteral("<html lang=\"ja\">") << QStringLiteral("<head>")
         << QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">")
         << QStringLiteral("<meta http-equiv=\"Content-Style-Type\" content=\"text/css\">")
         << QStringLiteral("<title>") + title + QStringLiteral("</title>")
         << QStringLiteral("<style type=\"text/css\">") << QStringLiteral("<!--") << QStringLiteral("body {")
         << QStringLiteral("        width:  600px;") << QStringLiteral("        margin:  20px;")
         << QStringLiteral("        padding: 20px;") << QStringLiteral("        text-align: center;")
         << QStringLiteral("        background-color: ") + cssValue(options.background) + u';'
         << fontFamilyLine(options.titleFont) << QStringLiteral("        color: black;") << QStringLiteral("}")
         << QStringLiteral("h1 {") << QStringLiteral("        text-align: center;")
         << QStringLiteral("        padding:   10px;") << QStringLiteral("        background-color: white;")
         << fontFamilyLine(options.titleFont) << QStringLiteral("}") << QStringLiteral("table {")
         << QStringLiteral("        margin-left: auto;") << QStringLiteral("        margin-right: auto;")
         << QStringLiteral("        border: 2px solid;") << QStringLiteral("        border-collapse: collapse;")
         << QStringLiteral("}") << QStringLiteral("th {") << QStringLiteral("        width: 50px;")
         << QStringLiteral("        height: 40px;") << QStringLiteral("        border: 2px solid;")
         << QStringLiteral("        background-color: #ffe4e1;") << QStringLiteral("        font-size: 120%;")
         << fontFamilyLine(QStringLiteral("Arial")) << QStringLiteral("}") << QStringLiteral("td {")
         << QStringLiteral("        width: 50px;") << QStringLiteral("        height: 50px;")
         << QStringLiteral("        background-color: ivory;") << QStringLiteral("        border: 2px solid;")
         << QStringLiteral("        font-size: ") + cssValue(options.candidateSize) + QStringLiteral("%;")
         << fontFamilyLine(options.candidateFont) << QStringLiteral("}") << QStringLiteral("td.trigger {")
         << QStringLiteral("        width: 50px;") << QStringLiteral("        border: 2px solid;")
         << QStringLiteral("        background-color: #ffe4e1;") << QStringLiteral("        font-size: 120%;")
         << fontFamilyLine(QStringLiteral("Arial")) << QStringLiteral("}") << QStringLiteral("-->")
         << QStringLiteral("</style>") << QStringLiteral("</head>") << QStringLiteral("<body>")
         << QStringLiteral("<h1>") + title + QStringLiteral("</h1>") << QStringLiteral("<table>")
         << QStringLiteral("  <caption>") + escaped(u'"' + options.candidateFileName + u'"')
            + QStringLiteral("</caption>");

    QString heading = QStringLiteral("    <tr><th>Trigger</th>");
    for (int n = 1; n <= CandidateLine::SlotCount; ++n)
        heading += QStringLiteral("<th>%1</th>").arg(n);
    page << heading + QStringLiteral("</tr>");

    for (const CandidateLine& line : candidateLines) {
        if (!line.hasCandidates() || line.trigger.isEmpty())
            continue;
        QString row
            = QStringLiteral("    <tr><td class=\"trigger\">") + escaped(line.trigger) + QStringLiteral("</td>");
        for (const QString& slot : line.candidates) {
            // A slot that is no hex code would make a broken reference; the loaders skip it too.
            if (!isHexCode(slot))
                row += QLatin1StringView("<td></td>");
            else
                row += QLatin1StringView("<td>&#x") + slot + QLatin1StringView(";</td>");
        }
        page << row + QStringLiteral("</tr>");
    }
    page << QStringLiteral("</table>") << QStringLiteral("</body>") << QStringLiteral("</html>");
    return page;
}

QByteArray CandidateListPage::encode(const QString& pageText)
{
    return encodeCp932(joinLines(splitLines(withCharacterReferences(pageText))));
}

bool CandidateListPage::write(const QString& path, const QString& pageText, QString* error)
{
    return writeFileAtomically(path, encode(pageText), error);
}

} // namespace pelinor::core
